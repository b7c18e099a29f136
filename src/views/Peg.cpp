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
    if (!color.isValid()) {
        //: Read by screen readers after a peg's label for a hole with no
        //: colour ("Row 1, position 2: empty").
        return GameText::tr("empty");
    }
    if (const std::int32_t code = ColorCodes::playableCodeOf(color))
        return GameText::tr(rules::playableColor(code).name);
    const ColorCodes::Rgba rgba = ColorCodes::rgbaOf(color);
    // The two other colours of full primaries: none lit, or all three.
    if (rgba.alpha == 1.0f && rgba.red == rgba.green && rgba.green == rgba.blue &&
        rgba.red == 0.0f) {
        //: Read by screen readers: the colour of a peg that is black.
        return GameText::tr("black");
    }
    if (rgba.alpha == 1.0f && rgba.red == rgba.green && rgba.green == rgba.blue &&
        rgba.red == 1.0f) {
        //: Read by screen readers: the colour of a peg that is white.
        return GameText::tr("white");
    }
    //: Read by screen readers for a colour that has no name; %1 is its hex
    //: code, such as #ff808080.
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
    if (!m_color.isValid()) {
        //: Read by screen readers for a place of the board with no peg in it.
        return GameText::tr("An empty hole");
    }
    //: Read by screen readers; %1 is a colour's name, translated alone ("A
    //: red peg").
    return GameText::tr("A %1 peg").arg(describeColor(m_color));
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
        if (ViewOptions::instance().isOn(ViewOptions::ColorMarks))
            drawColorMark(painter, m_color, kCentre, kRadius - 1.0f);
    } else {
        sunkenHole(painter, kCentre.x(), kCentre.y(), kRadius);
    }
    tile(painter, QRectF(0.0, 0.0, kSize, kSize));
}
