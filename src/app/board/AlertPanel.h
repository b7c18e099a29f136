#pragma once

#include <QString>

class QWidget;

// The game's alert as the player sees it: a modal message box on top of
// `parent` with a title, a message and one button, which Enter and Escape
// both press. Sized so that a window manager's title bar shows the whole
// title.
class AlertPanel
{
public:
    // Shows the alert and returns once it is dismissed.
    static void run(QWidget *parent, const QString &title, const QString &message,
                    const QString &button);
};
