#include "views/Peg.h"

#include "rules/ColorCode.h"
#include "views/AccessibleView.h"
#include "views/Bevel.h"
#include "views/ColorCodes.h"
#include "views/ColorMark.h"
#include "views/GameText.h"
#include "views/ViewOptions.h"

#include <QPainter>

Peg::Peg(QPointF lowerLeft, QWidget *parent) : CellView(lowerLeft, parent) {}

void Peg::setColor(const QColor &color)
{
    m_color = color;
    m_cvalue = ColorCodes::codeOfColor(m_color);
    AccessibleView::notifyChanged(this);
    requestRepaint();
}

void Peg::setCValue(std::int32_t code)
{
    m_cvalue = code;
    m_color = ColorCodes::colorOfCode(code);
    AccessibleView::notifyChanged(this);
}

QString Peg::describeColor(const QColor &color)
{
    if (!color.isValid())
        return GameText::tr("empty");
    if (const std::int32_t code = ColorCodes::playableCodeOf(color))
        return GameText::tr(rules::playableColor(code).name);
    const ColorCodes::Rgba rgba = ColorCodes::rgbaOf(color);
    // The two other colours of full primaries: none lit, or all three.
    if (rgba.alpha == 1.0f && rgba.red == rgba.green && rgba.green == rgba.blue &&
        (rgba.red == 0.0f || rgba.red == 1.0f))
        return rgba.red == 0.0f ? GameText::tr("black") : GameText::tr("white");
    return GameText::tr("color %1").arg(color.name(QColor::HexArgb));
}

QString Peg::shownText() const
{
    return describeColor(m_color);
}

QString Peg::accessibleDetails() const
{
    if (!m_accessibleDetails.isEmpty())
        return m_accessibleDetails;
    return m_color.isValid() ? GameText::tr("A %1 peg").arg(describeColor(m_color))
                             : GameText::tr("An empty hole");
}

void Peg::setAccessibleDetails(const QString &details)
{
    m_accessibleDetails = details;
    AccessibleView::notifyChanged(this);
}

void Peg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginYUpPainting(painter, height());
    drawPeg(painter);
}

void Peg::drawPeg(QPainter &painter) const
{
    if (m_color.isValid()) {
        raisedDisc(painter, kCentre.x(), kCentre.y(), kRadius, m_color);
        if (ViewOptions::instance().colorMarks())
            drawColorMark(painter, m_color, kCentre, kRadius - 1.0f);
    } else {
        sunkenHole(painter, kCentre.x(), kCentre.y(), kRadius);
    }
    tile(painter, QRectF(0.0, 0.0, kSize, kSize));
}
