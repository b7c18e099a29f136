#pragma once

#include "views/Peg.h"

#include <QImage>
#include <array>

class QMimeData;

// A peg a colour can be dragged from: a left press strictly within 16 units of
// the centre of a coloured peg starts a copy-only drag of its colour
// ("application/x-color") with a shaded 24 x 24 image of its code.
class SourcePeg : public Peg
{
    Q_OBJECT

public:
    using Peg::Peg;

    // The drag images of the whole process, indexed by a code's three low
    // bits; an entry is built on the first drag of that code and then kept.
    static std::array<QImage, 8> dragImages;
    // The same images with the colour mark of their code, for drags while
    // colour marks are on; built on first use from dragImages and then kept.
    static std::array<QImage, 8> markedDragImages;

    // Builds the drag image of `components` (red, green, blue, each 0 or 1)
    // and stores it in dragImages at the low bits of `code`.
    void makeDragImageForColor(std::int32_t code, const float components[3]);

    // `image`, a drag image of the colour of `code`, with that colour's mark.
    static QImage withColorMark(const QImage &image, std::int32_t code);

    // The drop actions offered to any target: copy only.
    static Qt::DropActions dragSourceOperations() { return Qt::CopyAction; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    // Runs the drag and takes ownership of `mimeData`; `hotSpot` is the press
    // point in image coordinates so that the image covers (12, 12) to
    // (36, 36) of the peg. Tests replace it to observe drags without a
    // drag-and-drop session.
    virtual void execDrag(QMimeData *mimeData, const QImage &image, QPoint hotSpot);
};
