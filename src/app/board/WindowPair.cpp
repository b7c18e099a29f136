#include "app/board/WindowPair.h"

#include <QEvent>
#include <QWidget>

void WindowPair::watchBoard(QWidget *board)
{
    m_board = board;
    board->installEventFilter(this);
}

void WindowPair::watchPalette(QWidget *palette)
{
    m_palette = palette;
    palette->installEventFilter(this);
}

void WindowPair::orderFrontBoth()
{
    for (QWidget *each : {m_board.data(), m_palette.data()}) {
        if (!each)
            continue;
        if (each->isMinimized())
            each->showNormal();
        each->show();
        each->raise();
    }
    if (m_palette)
        m_palette->activateWindow();
}

void WindowPair::hide()
{
    for (QWidget *each : {m_board.data(), m_palette.data()})
        if (each)
            each->showMinimized();
}

void WindowPair::followWindowState(QWidget *changed)
{
    const bool minimized = changed->isMinimized();
    bool restored = false;
    for (QWidget *other : {m_board.data(), m_palette.data()}) {
        if (!other || other == changed || other->isMinimized() == minimized)
            continue;
        if (minimized) {
            other->showMinimized();
        } else {
            other->showNormal();
            restored = true;
        }
    }
    // The palette stays above the board, whichever window came back first.
    if (restored && m_palette)
        m_palette->raise();
}

bool WindowPair::eventFilter(QObject *watched, QEvent *event)
{
    if ((event->type() == QEvent::WindowStateChange || event->type() == QEvent::WindowActivate) &&
        (watched == m_board.data() || watched == m_palette.data()))
        followWindowState(static_cast<QWidget *>(watched));
    if (event->type() == QEvent::Close) {
        if (watched == m_palette.data() && !m_closing) {
            event->ignore();
            return true;
        }
        if (watched == m_board.data())
            emit boardClosed();
    }
    return QObject::eventFilter(watched, event);
}
