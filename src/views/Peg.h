#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

class QPainter;

// One peg of the game, 48 x 48 units: a coloured disc with a raised ring, or
// an empty hole with a sunken ring, inside a raised frame. It holds its colour
// and that colour's code (red 4, green 2, blue 1; 0 for no colour).
class Peg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSize = 48;

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

    // The device-RGB colour of a code's three low bits, alpha 1; invalid for 0.
    static QColor colorOfCode(std::int32_t code);
    // The code of a colour: a bit for each primary at exactly 1.0 (read at
    // float precision); 0 for an invalid colour. Alpha is ignored.
    static std::int32_t codeOfColor(const QColor &color);

    // What the peg stands for, such as "Row 3, position 2" or "Palette"; screen
    // readers hear it followed by what the peg shows ("Row 3, position 2: red").
    void setAccessibleLabel(const QString &label);
    // The texts a screen reader is given: the label and what the view shows,
    // and a longer description.
    QString accessibleText() const;
    QString accessibleDetails() const;

    // The player's word for what a peg shows: "empty", or the colour's name.
    static QString describeColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Draws the peg into `painter`, which is already set up in the peg's own
    // y-up coordinates.
    void drawPeg(QPainter &painter) const;
    // Every repaint request of the peg views goes through here, so tests can
    // tell whether an operation asked for one.
    virtual void requestRepaint();

private:
    QColor m_color;
    std::int32_t m_cvalue = 0;
    QString m_accessibleLabel;
};
