#pragma once

#include "views/CellView.h"

#include <cstdint>

// The score of one board row, 48 x 48 units: white key pegs first, then
// black ones, then empty places, on a 2 x 2 square filled lower row first,
// inside a raised frame. Stores what it is given without checking it.
class Result : public CellView
{
    Q_OBJECT

public:
    // `lowerLeft` in the parent's y-up coordinates, as for Peg.
    explicit Result(QPointF lowerLeft, QWidget *parent = nullptr);

    void getBlackAndWhite(std::int32_t &black, std::int32_t &white) const;
    // Stores both counts and always asks for a repaint.
    void setBlackAndWhite(std::int32_t black, std::int32_t white);

    std::int32_t black() const { return m_black; }
    std::int32_t white() const { return m_white; }

    // A remark on the score, such as what it told the player, shown as the
    // view's tooltip and read after its description. A new score drops it.
    void setNote(const QString &note);
    QString note() const { return m_note; }

    QString accessibleDetails() const override;

protected:
    QString shownText() const override;
    void paintEvent(QPaintEvent *event) override;

private:
    std::int32_t m_black = 0;
    std::int32_t m_white = 0;
    QString m_note;
};
