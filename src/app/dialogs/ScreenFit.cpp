#include "app/dialogs/ScreenFit.h"

#include "desktop/windows/FrameExtents.h"
#include "desktop/windows/FramePlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace
{

// The decorations of `window` in whole units, rounded up, so that at a scale
// factor nothing is a pixel too large; none before the window manager framed
// it.
QMargins decorationsOf(const QWidget *window)
{
    return window->windowHandle() ? FrameExtents(window->windowHandle()).margins() : QMargins();
}

} // namespace

ScreenFit::ScreenFit(QWidget *dialog) : QObject(dialog), m_dialog(dialog) {}

void ScreenFit::apply(QWidget *dialog, const QWidget *owner)
{
    const QWidget *framed = owner ? owner->window() : dialog;
    if (const QScreen *screen = framed->screen()) {
        const QSize room = screen->availableGeometry().size().shrunkBy(decorationsOf(framed));
        const QSize natural =
            dialog->testAttribute(Qt::WA_Resized) ? dialog->size() : dialog->sizeHint();
        if (natural != natural.boundedTo(room))
            dialog->resize(natural.boundedTo(room));
    }
    dialog->installEventFilter(new ScreenFit(dialog));
}

bool ScreenFit::eventFilter(QObject *watched, QEvent *event)
{
    // Shown, the dialog has its native window; its first expose comes once
    // the window manager has framed it.
    if (watched == m_dialog && event->type() == QEvent::Show) {
        watched->removeEventFilter(this);
        if (QWindow *handle = m_dialog->windowHandle())
            handle->installEventFilter(this);
        return QObject::eventFilter(watched, event);
    }
    if (watched == m_dialog || event->type() != QEvent::Expose)
        return QObject::eventFilter(watched, event);
    watched->removeEventFilter(this);
    deleteLater();
    const QScreen *screen = m_dialog->screen();
    const QMargins margins = decorationsOf(m_dialog);
    if (!screen || margins.isNull())
        return QObject::eventFilter(watched, event);
    const QRect area = screen->availableGeometry();
    const QSize size = m_dialog->size().boundedTo(area.size().shrunkBy(margins));
    const QRect frame(m_dialog->geometry().topLeft() - QPoint(margins.left(), margins.top()),
                      size.grownBy(margins));
    const QPoint frameAt = FramePlacement::onScreen(frame.topLeft(), frame.size(), {area});
    if (size != m_dialog->size() || frameAt != frame.topLeft())
        m_dialog->setGeometry(QRect(frameAt + QPoint(margins.left(), margins.top()), size));
    return QObject::eventFilter(watched, event);
}
