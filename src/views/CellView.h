#pragma once

#include <QString>
#include <QWidget>

// One 48 x 48 view of a window, a peg or a score, placed by its lower-left
// corner in its parent's y-up coordinates. It carries the label a screen
// reader hears before what the view shows, and every repaint request of the
// peg-like views goes through requestRepaint(), so tests can tell whether an
// operation asked for one. Every cell repaints when a display option
// (ViewOptions) changes.
class CellView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSize = 48;

    // What the view stands for, such as "Row 3, position 2" or "Palette";
    // screen readers hear it followed by what the view shows.
    void setAccessibleLabel(const QString &label);
    // The texts a screen reader is given: the label and what the view shows
    // ("Row 3, position 2: red"), and a longer description.
    QString accessibleText() const;
    virtual QString accessibleDetails() const = 0;

protected:
    // The parent must already have its final height.
    CellView(QPointF lowerLeft, QWidget *parent);

    // What the view shows, in the player's words ("red", "2 black, 1 white").
    virtual QString shownText() const = 0;
    virtual void requestRepaint();

private:
    QString m_accessibleLabel;
};
