#include "views/Peg.h"

#include "rules/ColorCode.h"
#include "views/AccessibleView.h"
#include "views/Bevel.h"

#include <QCoreApplication>
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
    AccessibleView::installFactory();
}

void Peg::setColor(const QColor &color)
{
    m_color = color;
    m_cvalue = codeOfColor(m_color);
    AccessibleView::notifyChanged(this);
    requestRepaint();
}

void Peg::setCValue(std::int32_t code)
{
    m_cvalue = code;
    m_color = colorOfCode(code);
    AccessibleView::notifyChanged(this);
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

void Peg::setAccessibleLabel(const QString &label)
{
    m_accessibleLabel = label;
    AccessibleView::notifyChanged(this);
}

QString Peg::describeColor(const QColor &color)
{
    if (!color.isValid())
        return QCoreApplication::translate("Hueriddle", "empty");
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    color.getRgbF(&red, &green, &blue, &alpha);
    if (alpha == 1.0f && (red == 0.0f || red == 1.0f) && (green == 0.0f || green == 1.0f) &&
        (blue == 0.0f || blue == 1.0f)) {
        switch (rules::codeOfComponents(red, green, blue)) {
        case 0:
            return QCoreApplication::translate("Hueriddle", "black");
        case 1:
            return QCoreApplication::translate("Hueriddle", "blue");
        case 2:
            return QCoreApplication::translate("Hueriddle", "green");
        case 3:
            return QCoreApplication::translate("Hueriddle", "cyan");
        case 4:
            return QCoreApplication::translate("Hueriddle", "red");
        case 5:
            return QCoreApplication::translate("Hueriddle", "magenta");
        case 6:
            return QCoreApplication::translate("Hueriddle", "yellow");
        default:
            return QCoreApplication::translate("Hueriddle", "white");
        }
    }
    return QCoreApplication::translate("Hueriddle", "color %1").arg(color.name(QColor::HexArgb));
}

QString Peg::accessibleText() const
{
    const QString shown = describeColor(m_color);
    return m_accessibleLabel.isEmpty()
               ? shown
               : QCoreApplication::translate("Hueriddle", "%1: %2").arg(m_accessibleLabel, shown);
}

QString Peg::accessibleDetails() const
{
    return m_color.isValid()
               ? QCoreApplication::translate("Hueriddle", "A %1 peg").arg(describeColor(m_color))
               : QCoreApplication::translate("Hueriddle", "An empty hole");
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
