#include "dnd/SourcePeg.h"

#include "rules/ColorCode.h"
#include "views/Bevel.h"
#include "views/ColorCodes.h"
#include "views/ColorMark.h"
#include "views/ViewOptions.h"

#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <numbers>

std::array<QImage, 8> SourcePeg::dragImages;
std::array<QImage, 8> SourcePeg::markedDragImages;

namespace
{

constexpr int kImageSize = 24;
constexpr int kImageCentre = 12;
constexpr int kDiscLimit = 100; // squared distance: below it the colour
constexpr int kRingLimit = 144; // below it the ring, from it on transparent
constexpr qreal kDiscRadius = 10.0;

std::size_t imageIndex(std::int32_t code)
{
    return static_cast<std::size_t>(code & rules::kColorBits);
}

// The ring's gray at a pixel, by its direction from the centre, in 6-degree steps.
unsigned char ringLevel(int dx, int dy)
{
    const double t = std::atan2(static_cast<double>(dy), -static_cast<double>(dx));
    float angle = static_cast<float>((t + std::numbers::pi) / std::numbers::pi * 180.0);
    if (angle < static_cast<float>(kRaisedStartAngle))
        angle += 360.0f;
    angle -= static_cast<float>(static_cast<int>(angle) % 6);
    const float gray = bevelGray(angle);
    return static_cast<unsigned char>(static_cast<double>(gray) * 255.0);
}

} // namespace

void SourcePeg::makeDragImageForColor(std::int32_t code, const float components[3])
{
    QImage image(kImageSize, kImageSize, QImage::Format_RGBA8888);
    for (int row = 0; row < kImageSize; ++row) {
        unsigned char *pixel = image.scanLine(row);
        for (int column = 0; column < kImageSize; ++column, pixel += 4) {
            const int dx = column - kImageCentre;
            const int dy = row - kImageCentre;
            const int distance2 = dx * dx + dy * dy;
            if (distance2 < kDiscLimit) {
                for (int i = 0; i < 3; ++i)
                    pixel[i] =
                        static_cast<unsigned char>(static_cast<double>(components[i]) * 255.0);
                pixel[3] = 255;
            } else if (distance2 < kRingLimit) {
                pixel[0] = pixel[1] = pixel[2] = ringLevel(dx, dy);
                pixel[3] = 255;
            } else {
                pixel[0] = pixel[1] = pixel[2] = pixel[3] = 0;
            }
        }
    }
    dragImages[imageIndex(code)] = image;
}

QImage SourcePeg::withColorMark(const QImage &image, std::int32_t code)
{
    QImage marked = image.copy();
    QPainter painter(&marked);
    painter.setRenderHint(QPainter::Antialiasing);
    // y up, so that the marks keep their orientation.
    painter.translate(0.0, kImageSize);
    painter.scale(1.0, -1.0);
    // The disc is centred on the middle of the pixel in column 12, row 12.
    const QPointF centre(kImageCentre + 0.5, kImageSize - kImageCentre - 0.5);
    drawColorMark(painter, ColorCodes::colorOfCode(code), centre, kDiscRadius);
    return marked;
}

void SourcePeg::mousePressEvent(QMouseEvent *event)
{
    // The press is consumed whether or not a drag starts.
    event->accept();
    if (!color().isValid())
        return;
    const QPointF at = event->position();
    const float dx = static_cast<float>(at.x() - kCentre.x());
    const float dy = static_cast<float>((height() - at.y()) - kCentre.y());
    if (!(dx * dx + dy * dy < kRadius * kRadius))
        return;
    if (event->button() != Qt::LeftButton)
        return;

    auto *mimeData = new QMimeData;
    mimeData->setColorData(color());

    const rules::ColorComponents parts = rules::componentsOfCode(cvalue());
    const float components[3] = {parts.red, parts.green, parts.blue};
    const std::size_t index = imageIndex(cvalue());
    if (dragImages[index].isNull())
        makeDragImageForColor(cvalue(), components);
    const QImage *image = &dragImages[index];
    if (ViewOptions::instance().isOn(ViewOptions::ColorMarks)) {
        if (markedDragImages[index].isNull())
            markedDragImages[index] = withColorMark(dragImages[index], cvalue());
        image = &markedDragImages[index];
    }

    // The image is centred on the disc: its top-left corner sits on (12, 12)
    // of the peg, seen y-down.
    const QPointF imageCorner(kCentre.x() - kImageCentre, kSize - kCentre.y() - kImageCentre);
    const QPoint hotSpot = (at - imageCorner).toPoint();
    execDrag(mimeData, *image, hotSpot);
}

void SourcePeg::execDrag(QMimeData *mimeData, const QImage &image, QPoint hotSpot)
{
    // Qt deletes the drag, and with it the data, once the drag is over.
    auto *drag = new QDrag(this);
    drag->setMimeData(mimeData);
    drag->setPixmap(QPixmap::fromImage(image));
    drag->setHotSpot(hotSpot);
    drag->exec(dragSourceOperations(), Qt::CopyAction);
}
