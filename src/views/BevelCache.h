#pragma once

#include <QRectF>
#include <QRgba64>
#include <cstdint>
#include <functional>

class QColor;
class QPainter;

// Pictures that many views draw alike, such as a ring with the disc under it,
// drawn once and then copied: a copy is pixel for pixel what drawing would
// have left.
//
// An antialiased ring blends into the pixels it is drawn over, and blending a
// ring drawn on its own onto them rounds differently. So a picture is drawn
// over the very pixels it will cover and kept with them: it is copied only
// where the same pixels lie under the same box, at the same scale, into an
// image of the same format. Everything else (another paint device, a
// transform other than scaling and whole-pixel moves, a box off whole device
// pixels) is drawn directly. Pictures are drawn when first needed, never
// ahead.
class BevelCache
{
public:
    // What a picture shows. Two draws with equal keys must paint the same
    // picture relative to their boxes.
    struct Key {
        std::uint32_t kind = 0;
        QRgba64 color{};
    };

    // Draws what `draw` paints inside `box` (in the painter's current
    // coordinates; nothing outside it), through the cache when it can. `draw`
    // sets every pen and brush it uses and may leave the painter's state
    // changed; with the cache it is called on another painter.
    static void draw(QPainter &painter, const QRectF &box, Key key,
                     const std::function<void(QPainter &)> &draw);

    // The same for a picture of kind `kind` in `color`, which
    // `draw(target, color)` paints. Its pixels must depend on the colour
    // channel by channel: `draw` paints with opaque `color` and with opaque
    // greys alone. A picture in a colour whose every channel is either full or
    // none (red, yellow, cyan...) is then put together from the picture in
    // white and the one in black, so that the six colours of the game cost two
    // drawings.
    static void drawInColor(QPainter &painter, const QRectF &box, std::uint32_t kind,
                            const QColor &color,
                            const std::function<void(QPainter &, const QColor &)> &draw);

    // The same for a drawing that covers every device pixel it touches
    // wholly, such as a frame of strips on whole pixels: its picture is drawn
    // once onto transparent pixels, without regard to what lies under it, and
    // copied over them. Where the drawing turns out to leave a pixel partly
    // covered, it is drawn directly each time instead.
    static void drawOpaque(QPainter &painter, const QRectF &box, Key key,
                           const std::function<void(QPainter &)> &draw);

    // On by default. Off, every picture is drawn directly and nothing is
    // kept: tests compare both ways.
    static void setEnabled(bool enabled);

    // Forgets every picture.
    static void clear();
    // How many pictures are kept, and how many copies of them were made.
    static int pictureCount();
    static std::uint64_t copyCount();
};
