#include "views/Result.h"

#include "views/AccessibleView.h"
#include "views/Bevel.h"
#include "views/GameText.h"
#include "views/ViewOptions.h"

#include <QPainter>

namespace
{
constexpr float kKeyRadius = 9.0f;
// The key pegs' centres lie on a grid of half a cell, a quarter cell in.
constexpr float kKeyInset = CellView::kSize / 4.0f;
constexpr float kKeyStep = CellView::kSize / 2.0f;
// The outline of a white key peg: a black band from radius 6 to 8, inside
// the ring, wide enough to cover whole pixels at any scale.
constexpr qreal kOutlineRadius = 7.0;
constexpr qreal kOutlineWidth = 2.0;
} // namespace

Result::Result(QPointF lowerLeft, QWidget *parent) : CellView(lowerLeft, parent) {}

void Result::getBlackAndWhite(std::int32_t &black, std::int32_t &white) const
{
    black = m_black;
    white = m_white;
}

void Result::setBlackAndWhite(std::int32_t black, std::int32_t white)
{
    m_black = black;
    m_white = white;
    if (!m_note.isEmpty()) {
        m_note.clear();
        setToolTip(QString());
    }
    AccessibleView::notifyChanged(this);
    requestRepaint();
}

void Result::setNote(const QString &note)
{
    m_note = note;
    setToolTip(note);
    AccessibleView::notifyChanged(this);
}

QString Result::shownText() const
{
    //: Read by screen readers after a row's label: what its score shows, %1
    //: black key pegs (right colour, right place), %2 white ones (right
    //: colour, other place).
    return GameText::tr("%1 black, %2 white").arg(m_black).arg(m_white);
}

QString Result::accessibleDetails() const
{
    const QString details =
        //: A row's score explained for screen readers: %1 pegs of the right
        //: colour in the right place, %2 of a right colour in another place.
        GameText::tr("%1 in the right place, %2 in another place").arg(m_black).arg(m_white);
    return m_note.isEmpty() ? details : details + QStringLiteral(". ") + m_note;
}

void Result::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginYUpPainting(painter, height());
    tile(painter, QRectF(0.0, 0.0, kSize, kSize));

    // The sum is formed in 64 bits: the counts are stored unchecked.
    const std::int64_t shown = std::int64_t{m_black} + m_white;
    const bool outlined = ViewOptions::instance().isOn(ViewOptions::OutlinedKeyPegs);
    for (int place = 0; place < 4; ++place) {
        const float x = kKeyInset + kKeyStep * static_cast<float>(place % 2);
        const float y = kKeyInset + kKeyStep * static_cast<float>(place / 2);
        if (place < shown) {
            raisedDisc(painter, x, y, kKeyRadius,
                       place < m_white ? QColor(Qt::white) : QColor(Qt::black));
            if (outlined && place < m_white) {
                painter.setPen(QPen(Qt::black, kOutlineWidth));
                painter.setBrush(Qt::NoBrush);
                painter.drawEllipse(QPointF(x, y), kOutlineRadius, kOutlineRadius);
            }
        } else {
            outlinedHole(painter, x, y, kKeyRadius);
        }
    }
}
