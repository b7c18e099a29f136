#include "views/Peg.h"

#include "game/ColorCode.h"
#include "views/Bevel.h"

#include <QPainter>

namespace
{
constexpr QPointF kCentre(24.0, 24.0);
constexpr float kRadius = 16.0f;
} // namespace

Peg::Peg(QPointF lowerLeft, QWidget *parent) : QWidget(parent)
{
    setFixedSize(kSize, kSize);
    placeAtLowerLeft(*this, lowerLeft);
}

void Peg::setColor(const QColor &color)
{
    m_color = color;
    m_cvalue = codeOfColor(m_color);
    requestRepaint();
}

void Peg::setCValue(std::int32_t code)
{
    m_cvalue = code;
    m_color = colorOfCode(code);
}

QColor Peg::colorOfCode(std::int32_t code)
{
    if (code == 0)
        return QColor();
    const rules::ColorComponents c = rules::componentsOfCode(code);
    return QColor::fromRgbF(c.red, c.green, c.blue, 1.0f);
}

std::int32_t Peg::codeOfColor(const QColor &color)
{
    if (!color.isValid())
        return 0;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    color.getRgbF(&red, &green, &blue);
    return rules::codeOfComponents(red, green, blue);
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
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_color);
        painter.drawEllipse(kCentre, kRadius, kRadius);
        painter.setBrush(Qt::NoBrush);
        shadow(painter, kCentre.x(), kCentre.y(), kRadius);
    } else {
        shadow2(painter, kCentre.x(), kCentre.y(), kRadius);
    }
    tile(painter, QRectF(0.0, 0.0, kSize, kSize));
}

void Peg::requestRepaint()
{
    update();
}
