#pragma once

#include "views/CellView.h"

#include <QColor>
#include <cstdint>

class QPainter;

// One peg of the game, 48 x 48 units: a coloured disc with a raised ring, or
// an empty hole with a sunken ring, inside a raised frame. It holds its colour
// and that colour's code (red 4, green 2, blue 1; 0 for no colour).
class Peg : public CellView
{
    Q_OBJECT

public:
    // The centre of the disc, in the peg's y-up coordinates, and its radius.
    static constexpr QPointF kCentre{24.0, 24.0};
    static constexpr float kRadius = 16.0f;

    // Places the peg with its lower-left corner at `lowerLeft`, given in the
    // parent's y-up coordinates (origin at the parent's lower left), so the
    // parent must already have its final height.
    explicit Peg(QPointF lowerLeft, QWidget *parent = nullptr);

    // The colour shown; an invalid QColor when the peg is empty.
    QColor color() const { return m_color; }
    // Holds `color` (invalid for none), derives the code from its components
    // and always asks for a repaint, even when nothing changed.
    void setColor(const QColor &color);

    std::int32_t cvalue() const { return m_cvalue; }
    // Holds `code` as given and the colour of its three low bits (none for 0).
    // Never asks for a repaint: its caller commits the row right after.
    void setCValue(std::int32_t code);

    QString accessibleDetails() const override;
    // Replaces the description derived from the colour with `details`, for a
    // peg whose role tells more (a palette peg names its key); an empty text
    // brings the derived one back.
    void setAccessibleDetails(const QString &details);

    // The player's word for what a peg shows: "empty", or the colour's name.
    static QString describeColor(const QColor &color);

protected:
    QString shownText() const override;
    void paintEvent(QPaintEvent *event) override;
    // Draws the peg into `painter`, which is already set up in the peg's own
    // y-up coordinates.
    void drawPeg(QPainter &painter) const;

private:
    QColor m_color;
    std::int32_t m_cvalue = 0;
    QString m_accessibleDetails;
};
