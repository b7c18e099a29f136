#pragma once

#include "dnd/DestinationPeg.h"
#include "dnd/SourcePeg.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <memory>
#include <vector>

// What a peg would have dragged: the data it offered (kept, so that it can
// be dropped on another peg), the image and the hot spot.
struct RecordedDrag {
    std::unique_ptr<QMimeData> mimeData;
    QImage image;
    QPoint hotSpot;
};

// A peg whose drags are recorded instead of run, and whose repaint requests
// are counted.
template <class Base> class Probe : public Base
{
public:
    using Base::Base;

    std::vector<RecordedDrag> drags;
    int repaints = 0;

protected:
    void execDrag(QMimeData *mimeData, const QImage &image, QPoint hotSpot) override
    {
        drags.push_back({std::unique_ptr<QMimeData>(mimeData), image, hotSpot});
    }
    void requestRepaint() override { ++repaints; }
};

using SourceProbe = Probe<SourcePeg>;
using DestinationProbe = Probe<DestinationPeg>;

// Sends a mouse press at `position` (widget coordinates, y down); answers
// whether the peg accepted the event.
inline bool pressOn(QWidget &peg, QPointF position, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent event(QEvent::MouseButtonPress, position, peg.mapToGlobal(position), button, button,
                      Qt::NoModifier);
    event.ignore();
    QCoreApplication::sendEvent(&peg, &event);
    return event.isAccepted();
}
