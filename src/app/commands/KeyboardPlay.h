#pragma once

#include <QList>
#include <QObject>

class Controller;
class QAction;
class QWidget;

// Play from the keyboard, beside the mouse. While one of the windows it is
// attached to is the active window, the keys of play in CommandTable (those
// outside the menu) work: the digits ask the controller to put a colour on the
// first empty peg of the active row, Backspace to empty the rightmost filled
// peg of that row (Controller::placeColor, Controller::emptyLastPeg). While a
// modal alert is up, the keys do nothing.
class KeyboardPlay : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardPlay(Controller &controller, QObject *parent = nullptr);

    // Makes the keys work while `window` is the active window.
    void attachTo(QWidget *window);

    // The key actions, in the order of CommandTable: the digits 1 to 6, then
    // Backspace.
    const QList<QAction *> &actions() const { return m_actions; }

private:
    QList<QAction *> m_actions;
};
