#pragma once

#include "app/commands/CommandTable.h"

#include <QMenuBar>

class Controller;
class QAction;
class QMenu;

// The program's main menu, shown as the menu bar of the board window, built
// from the commands of CommandTable in their menus and places.
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
    // Adds the items of `menu` to `container`, the menu bar or a menu.
    void addItems(QWidget *container, CommandTable::Menu menu);
    QAction *addCommand(QWidget *container, const CommandTable::Command &command);

    Controller &m_controller;
    QList<QAction *> m_gameCommands;
};
