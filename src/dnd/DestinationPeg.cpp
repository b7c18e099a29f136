#include "dnd/DestinationPeg.h"

#include "rules/ColorCode.h"
#include "views/Bevel.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>
#include <optional>

namespace
{

// The colour a drag carries when it is one of the six the board takes, in
// QColor::Rgb; nothing otherwise. A payload that is not a valid QColor is
// refused, and so is a colour of a model (HSV, HSL, CMYK) whose conversion to
// RGB rounds, which could turn a near-full component into an exact 1.0.
std::optional<QColor> playableColorOf(const QMimeData &mimeData)
{
    const QVariant data = mimeData.colorData();
    if (data.metaType().id() != QMetaType::QColor)
        return std::nullopt;
    const QColor color = data.value<QColor>();
    if (!color.isValid())
        return std::nullopt;
    if (color.spec() != QColor::Rgb && color.spec() != QColor::ExtendedRgb)
        return std::nullopt;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
    float alpha = 0.0f;
    color.getRgbF(&red, &green, &blue, &alpha);
    if (!rules::isPlayableColor(red, green, blue, alpha))
        return std::nullopt;
    return color.toRgb();
}

} // namespace

DestinationPeg::DestinationPeg(QPointF lowerLeft, QWidget *parent) : SourcePeg(lowerLeft, parent)
{
    setAcceptDrops(true);
}

void DestinationPeg::setActive(bool active)
{
    if (active != m_active)
        requestRepaint();
    m_active = active;
}

void DestinationPeg::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    beginYUpPainting(painter, height());
    drawPeg(painter);
    if (m_active)
        tile(painter, QRectF(2.0, 2.0, kSize - 4.0, kSize - 4.0));
}

std::optional<QColor> DestinationPeg::acceptedColor(const QDropEvent &event) const
{
    if (!m_active)
        return std::nullopt;
    const QMimeData *mimeData = event.mimeData();
    if (!mimeData || !mimeData->hasColor())
        return std::nullopt;
    if (!(event.possibleActions() & Qt::CopyAction))
        return std::nullopt;
    return playableColorOf(*mimeData);
}

void DestinationPeg::dragEnterEvent(QDragEnterEvent *event)
{
    dragMoveEvent(event);
}

// The answer is given again on every move, so a row committed while a drag
// hovers over it stops accepting at once.
void DestinationPeg::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptedColor(*event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

// Everything is tested again: the row may have been committed, or the data
// changed, since the drag entered the peg.
void DestinationPeg::dropEvent(QDropEvent *event)
{
    const std::optional<QColor> color = acceptedColor(*event);
    if (!color) {
        event->ignore();
        return;
    }
    setColor(*color);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}
