#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// The board and the palette, treated as one program's windows: hidden and
// brought back together, the palette always above the board. Closing the
// board by the window manager (its close button, Alt+F4) asks to end the
// program; the palette ignores a close request until the program ends.
class WindowPair : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts watching a window of the pair. Each is watched from when it is
    // made, before it is first shown.
    void watchBoard(QWidget *board);
    void watchPalette(QWidget *palette);

    // Brings both windows forward, unminimised, the palette above the board
    // and active.
    void orderFrontBoth();
    // Minimises both windows.
    void hide();
    // From now on the palette closes like any window: the program is ending.
    void allowClosing() { m_closing = true; }

signals:
    // The window manager closed the board window.
    void boardClosed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Restored or activated by the window manager (a taskbar, a click, a
    // window list), one window brings the other back, as unhiding an
    // application does; minimised by it, one takes the other along, so that
    // the palette is never left behind minimised while the board is shown.
    void followWindowState(QWidget *changed);

    QPointer<QWidget> m_board;
    QPointer<QWidget> m_palette;
    bool m_closing = false;
};
