#pragma once

#include <QList>
#include <QObject>

class Controller;
class QAction;
class QKeySequence;
class QWidget;

// Play from the keyboard, beside the mouse. While one of the windows it is
// attached to is the active window, keys 1 to 6 ask the controller to put a
// colour on the first empty peg of the active row, in the palette's reading
// order (1 red, 2 green, 3 yellow, 4 blue, 5 magenta, 6 cyan: see
// rules::paletteOrder), and Backspace to empty the last
// filled peg of that row (Controller::placeColor, Controller::emptyLastPeg).
// While a modal alert is up, the keys do nothing.
class KeyboardPlay : public QObject
{
    Q_OBJECT

public:
    explicit KeyboardPlay(Controller &controller, QObject *parent = nullptr);

    // Makes the keys work while `window` is the active window.
    void attachTo(QWidget *window);

    // The key actions, in the order 1 to 6, then Backspace.
    const QList<QAction *> &actions() const { return m_actions; }

private:
    QAction *addKeyAction(const QList<QKeySequence> &keys);

    QList<QAction *> m_actions;
};
