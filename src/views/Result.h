#pragma once

#include <QWidget>
#include <cstdint>

// The score of one board row, 48 x 48 units: white key pegs first, then
// black ones, then empty places, on a 2 x 2 square filled lower row first,
// inside a raised frame. Stores what it is given without checking it.
class Result : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kSize = 48;

    // `lowerLeft` in the parent's y-up coordinates, as for Peg.
    explicit Result(QPointF lowerLeft, QWidget *parent = nullptr);

    void getBlackAndWhite(std::int32_t &black, std::int32_t &white) const;
    // Stores both counts and always asks for a repaint.
    void setBlackAndWhite(std::int32_t black, std::int32_t white);

    std::int32_t black() const { return m_black; }
    std::int32_t white() const { return m_white; }

    // What the view stands for, such as "Row 3"; screen readers hear it
    // followed by the score ("Row 3: 2 black, 1 white").
    void setAccessibleLabel(const QString &label);
    // The texts a screen reader is given: the label and what the view shows,
    // and a longer description.
    QString accessibleText() const;
    QString accessibleDetails() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    virtual void requestRepaint();

private:
    std::int32_t m_black = 0;
    std::int32_t m_white = 0;
    QString m_accessibleLabel;
};
