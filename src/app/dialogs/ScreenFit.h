#pragma once

#include <QObject>

class QWidget;

// Keeps a dialog, with the decorations its window manager draws, within the
// available area of its screen at any scale, so that all of it and its
// buttons can be reached; what it shows then scrolls or wraps within it. A
// dialog that fits keeps its size and place.
class ScreenFit : public QObject
{
    Q_OBJECT

public:
    // Before `dialog` is first shown: bounds its size by the area less the
    // decorations of `owner`'s window. Once the window manager has framed
    // it: bounds it again by its own decorations (a resizable dialog may get
    // a larger frame than the owner's) and moves its frame onto the area.
    static void apply(QWidget *dialog, const QWidget *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ScreenFit(QWidget *dialog);

    QWidget *m_dialog;
};
