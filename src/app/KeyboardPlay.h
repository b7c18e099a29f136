#pragma once

#include <QList>
#include <QObject>
#include <cstdint>

class Controller;
class QAction;
class QWidget;

// Play from the keyboard, beside the mouse. While a game runs and one of the
// windows it is attached to is the active window, keys 1 to 6 put the colour
// of that code (1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 yellow) on the
// first empty peg of the active row, and Backspace empties the last filled
// peg of that row. Only active pegs of the active row change, as with a drop;
// once the game is over, or while a modal alert is up, the keys do nothing.
class KeyboardPlay : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardPlay(Controller &controller, QObject *parent = nullptr);

    // Makes the keys work while `window` is the active window.
    void attachTo(QWidget *window);

    // What the keys do. Each returns whether a peg changed.
    bool placeColor(std::int32_t code);
    bool emptyLastPeg();

    // The key actions, in the order 1 to 6, then Backspace.
    const QList<QAction *> &actions() const { return m_actions; }

private:
    QAction *addKeyAction(const QList<QKeySequence> &keys);

    Controller &m_controller;
    QList<QAction *> m_actions;
};
