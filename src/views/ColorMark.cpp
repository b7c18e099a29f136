#include "views/ColorMark.h"

#include "rules/ColorCode.h"
#include "views/ColorCodes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace
{

// The shapes are laid out for a disc of this radius and scaled to the one given.
constexpr qreal kLayoutRadius = 15.0;

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

// Two bars 4 units thick, 17 long, 3 units either side of the centre line.
QPainterPath twoBars(bool horizontal)
{
    QPainterPath path;
    for (const qreal offset : {3.0, -7.0}) {
        if (horizontal)
            path.addRect(QRectF(-8.5, offset, 17.0, 4.0));
        else
            path.addRect(QRectF(offset, -8.5, 4.0, 17.0));
    }
    return path;
}

// The mark of a colour code about the origin, y up, for a disc of radius 15.
QPainterPath markPath(std::int32_t code)
{
    switch (code) {
    case rules::kRedBit:
        return polygon({{0.0, 9.5}, {-9.0, -6.5}, {9.0, -6.5}});
    case rules::kGreenBit: {
        constexpr qreal arm = 9.5;
        constexpr qreal half = 2.0;
        return polygon({{-half, arm},
                        {half, arm},
                        {half, half},
                        {arm, half},
                        {arm, -half},
                        {half, -half},
                        {half, -arm},
                        {-half, -arm},
                        {-half, -half},
                        {-arm, -half},
                        {-arm, half},
                        {-half, half}});
    }
    case rules::kRedBit | rules::kGreenBit:
        return polygon({{0.0, -9.5}, {-9.0, 6.5}, {9.0, 6.5}});
    case rules::kBlueBit:
        return twoBars(true);
    case rules::kRedBit | rules::kBlueBit: {
        QPainterPath ring; // filled between the two circles
        ring.addEllipse(QPointF(), 8.5, 8.5);
        ring.addEllipse(QPointF(), 4.5, 4.5);
        return ring;
    }
    case rules::kGreenBit | rules::kBlueBit:
        return twoBars(false);
    default:
        return QPainterPath();
    }
}

double linearComponent(float encoded)
{
    return encoded <= 0.04045f ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

} // namespace

bool hasColorMark(const QColor &color)
{
    return ColorCodes::playableCodeOf(color) != 0;
}

QColor colorMarkInk(const QColor &color)
{
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(color, black) >= contrastRatio(color, white) ? black : white;
}

void drawColorMark(QPainter &painter, const QColor &color, QPointF centre, qreal discRadius)
{
    const std::int32_t code = ColorCodes::playableCodeOf(color);
    if (code == 0)
        return;
    painter.save();
    painter.translate(centre);
    const qreal scale = discRadius / kLayoutRadius;
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colorMarkInk(color));
    painter.drawPath(markPath(code));
    painter.restore();
}

double relativeLuminance(const QColor &color)
{
    const ColorCodes::Rgba rgba = ColorCodes::rgbaOf(color);
    return 0.2126 * linearComponent(rgba.red) + 0.7152 * linearComponent(rgba.green) +
           0.0722 * linearComponent(rgba.blue);
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
