#pragma once

#include <QMenuBar>

class Controller;
class QAction;

// The program's main menu, shown as the menu bar of the board window:
//
//   "Info"  > "Info Panel...", "Statistics...", "Preferences...", "Help..."  Ctrl+?
//   "Game"  > "New game" > "With replacement"      Ctrl+N        tag 500
//                          "Without replacement"   Ctrl+Shift+N  tag 501
//             "Commit"                             Ctrl+C        tag 502
//             "Move"                                             tag 503
//   "Hide"                                         Ctrl+H
//   "Quit"                                         Ctrl+Q
//
// Every shortcut works whichever of the program's windows is active. The game
// commands carry their tag as the action's data and go to the controller,
// whose validateMenuItem() decides whether each is enabled; a disabled
// command is greyed and its shortcut does nothing. The program's own commands
// are signals, answered by whoever builds the menu.
class MainMenu : public QMenuBar
{
    Q_OBJECT

public:
    MainMenu(Controller &controller, QWidget *parent = nullptr);

    // The action that carries `tag`, or null.
    QAction *actionForTag(int tag) const;

    // Enables each game command exactly when the controller's
    // validateMenuItem() allows it.
    void validateItems();

signals:
    void infoPanelRequested();
    void statisticsRequested();
    void preferencesRequested();
    void helpRequested();
    void hideRequested();
    void quitRequested();

private:
    QAction *addGameCommand(QMenu *menu, const QString &title, int tag, const QKeySequence &keys);

    Controller &m_controller;
    QList<QAction *> m_gameCommands;
};
