#pragma once

#include "app/dialogs/ScreenFit.h"

#include <QPointer>
#include <QWidget>
#include <QWindow>

// Shows the program's one window of type `Dialog`, creating it as a child of
// `parent` on first use, within the screen (ScreenFit), and brings it to the
// front. The window is deleted when closed or with its parent; the next call
// then makes a new one.
template <typename Dialog> Dialog *showSingleDialog(QWidget *parent)
{
    static QPointer<Dialog> dialog;
    if (!dialog) {
        dialog = new Dialog(parent);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        ScreenFit::apply(dialog, parent);
    }
    dialog->show();
    dialog->raise();
    // Asked of the window itself: QWidget::activateWindow() does nothing for
    // a window that Qt counts as active already, as it counts every window
    // of the board's family while the palette, the board's own, has the
    // focus.
    if (QWindow *handle = dialog->windowHandle())
        handle->requestActivate();
    return dialog;
}
