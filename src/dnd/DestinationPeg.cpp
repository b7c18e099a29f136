#include "dnd/DestinationPeg.h"

#include "dnd/ColorPayload.h"
#include "views/Bevel.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPainter>

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
    emit colorDropped();
}
