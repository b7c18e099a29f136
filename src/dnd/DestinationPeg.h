#pragma once

#include "dnd/SourcePeg.h"

#include <optional>

// A board peg: while active (its row is the one being played) it accepts a
// drop of one of the six playable colours and takes it; it draws a second
// raised frame to show it is active. Any coloured board peg can itself be the
// source of a drag, committed rows included.
class DestinationPeg : public SourcePeg
{
    Q_OBJECT

public:
    // Active from the start.
    explicit DestinationPeg(QPointF lowerLeft, QWidget *parent = nullptr);

    bool isActive() const { return m_active; }
    // Asks for a repaint only when the value changes.
    void setActive(bool active);

signals:
    // A dropped colour was taken: the peg holds it now.
    void colorDropped();

protected:
    void paintEvent(QPaintEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // The colour the drag carries, as QColor::Rgb, when this peg takes it now:
    // the peg is active, the source allows a copy, and the colour is one of the
    // six. Nothing otherwise, whatever the payload holds.
    std::optional<QColor> acceptedColor(const QDropEvent &event) const;

    bool m_active = true;
};
