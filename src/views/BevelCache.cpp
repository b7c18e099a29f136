#include "views/BevelCache.h"

#include <QHashFunctions>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace
{

// Enough for every picture of the board and the palette at two scales and on
// two backgrounds; when more are asked for, the oldest goes.
constexpr std::size_t kMaxPictures = 64;

// Everything a picture's pixels depend on besides the pixels under it.
struct Setting {
    BevelCache::Key key;
    QSize size;
    qreal scaleX = 0.0;
    qreal scaleY = 0.0;
    QImage::Format format = QImage::Format_Invalid;
    QPainter::RenderHints hints;

    bool operator==(const Setting &other) const
    {
        return key.kind == other.key.kind && key.color == other.key.color && size == other.size &&
               scaleX == other.scaleX && scaleY == other.scaleY && format == other.format &&
               hints == other.hints;
    }
};

struct Picture {
    Setting setting;
    std::size_t underHash = 0;
    // The pixels the picture was drawn over, and the pixels it left.
    QImage under;
    QImage drawn;
};

// A picture of drawOpaque(), drawn onto transparent pixels.
struct Layer {
    Setting setting;
    QImage drawn;
    // Whether every pixel of it is either untouched or wholly covered.
    bool opaque = false;
};

bool enabled = true;
std::vector<Picture> pictures;
std::vector<Layer> layers;
std::uint64_t copies = 0;

bool isWhole(qreal value)
{
    return std::isfinite(value) && std::floor(value) == value;
}

std::size_t hashOf(const QImage &image, const QRect &rect)
{
    const qsizetype rowBytes = qsizetype(rect.width()) * 4;
    std::size_t hash = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        hash = qHashBits(image.constScanLine(y) + rect.left() * 4, rowBytes, hash);
    return hash;
}

bool sameUnder(const QImage &image, const QRect &rect, const QImage &under)
{
    const std::size_t rowBytes = std::size_t(rect.width()) * 4;
    for (int y = 0; y < rect.height(); ++y) {
        if (std::memcmp(image.constScanLine(rect.top() + y) + rect.left() * 4,
                        under.constScanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}

// The image `painter` draws into, when it is one the cache can read and copy
// into exactly: a 32-bit image drawn by the raster engine.
QImage *targetImage(QPainter &painter)
{
    QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster)
        return nullptr;
    QPaintDevice *device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return nullptr;
    auto *image = static_cast<QImage *>(device);
    return image->depth() == 32 ? image : nullptr;
}

// Where `box` lies in the pixels of the image `painter` draws into, when the
// cache can draw it there: nothing when it is not on whole device pixels, not
// wholly in the image, or the painter does not simply paint over.
std::optional<QRect> deviceRect(QPainter &painter, const QImage *image, const QRectF &box)
{
    const QTransform toDevice = painter.deviceTransform();
    const QRectF deviceBox = toDevice.mapRect(box);
    if (!image || painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        painter.opacity() != 1.0 || toDevice.type() > QTransform::TxScale ||
        !isWhole(deviceBox.left()) || !isWhole(deviceBox.top()) || !isWhole(deviceBox.width()) ||
        !isWhole(deviceBox.height()))
        return std::nullopt;
    const QRect rect(int(deviceBox.left()), int(deviceBox.top()), int(deviceBox.width()),
                     int(deviceBox.height()));
    if (rect.isEmpty() || !image->rect().contains(rect))
        return std::nullopt;
    return rect;
}

// Draws `draw` into `picture`, whose top left pixel stands for the device
// pixel `topLeft` of `painter`.
void drawInto(QImage &picture, QPainter &painter, QPoint topLeft,
              const std::function<void(QPainter &)> &draw)
{
    QPainter offscreen(&picture);
    offscreen.setRenderHints(offscreen.renderHints(), false);
    offscreen.setRenderHints(painter.renderHints());
    offscreen.setTransform(painter.deviceTransform() *
                           QTransform::fromTranslate(-topLeft.x(), -topLeft.y()));
    draw(offscreen);
}

// Copies `drawn` to the device pixels at `topLeft` in `mode`, within the
// painter's clip. False, with nothing drawn, when the painter cannot be
// brought to plain device pixels.
bool copyToDevice(QPainter &painter, const QImage &drawn, QPoint topLeft,
                  QPainter::CompositionMode mode)
{
    const QTransform toDevice = painter.deviceTransform();
    const QTransform beneathWorld = painter.worldTransform().inverted() * toDevice;
    painter.save();
    painter.setWorldTransform(beneathWorld.inverted());
    const QTransform placed = painter.deviceTransform();
    const bool plain =
        placed.type() <= QTransform::TxTranslate && placed.dx() == 0.0 && placed.dy() == 0.0;
    if (plain) {
        painter.setCompositionMode(mode);
        painter.drawImage(topLeft, drawn);
    }
    painter.restore();
    return plain;
}

} // namespace

namespace
{

// The setting of a picture of `key` drawn by `painter` into the pixels
// `rect` of `image`.
Setting settingOf(BevelCache::Key key, const QRect &rect, const QPainter &painter,
                  const QImage &image)
{
    const QTransform toDevice = painter.deviceTransform();
    return {
        key, rect.size(), toDevice.m11(), toDevice.m22(), image.format(), painter.renderHints()};
}

// Whether every pixel of `image` is one 0xAARRGGBB word whose opaque value is
// copied as it is.
bool holdsRgbWords(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

// The kept picture of `setting` over the pixels `rect` of `image`, if any.
const Picture *keptPicture(const QImage &image, const QRect &rect, const Setting &setting,
                           std::size_t underHash)
{
    for (const Picture &picture : pictures) {
        if (picture.underHash == underHash && picture.setting == setting &&
            sameUnder(image, rect, picture.under))
            return &picture;
    }
    return nullptr;
}

// Keeps a picture of `setting` that shows `drawn` over the pixels `rect` of
// `image`, and returns what it shows.
QImage keep(const QImage &image, const QRect &rect, const Setting &setting, std::size_t underHash,
            const QImage &drawn)
{
    Picture made{setting, underHash, image.copy(rect), drawn};
    made.under.setDevicePixelRatio(1.0);
    if (pictures.size() >= kMaxPictures)
        pictures.erase(pictures.begin());
    pictures.push_back(std::move(made));
    return drawn;
}

// What the picture of `setting` over the pixels `rect` of `image` shows,
// drawn by `draw` and kept when no such picture is kept yet.
QImage pictureOver(QPainter &painter, const QImage &image, const QRect &rect,
                   const Setting &setting, std::size_t underHash,
                   const std::function<void(QPainter &)> &draw)
{
    if (const Picture *kept = keptPicture(image, rect, setting, underHash))
        return kept->drawn;
    QImage drawn = image.copy(rect);
    drawn.setDevicePixelRatio(1.0);
    drawInto(drawn, painter, rect.topLeft(), draw);
    return keep(image, rect, setting, underHash, drawn);
}

// The mask of the channels of a 0xAARRGGBB pixel that `color` has full,
// when each of its colour channels is either full or none and it is opaque.
std::optional<QRgb> fullChannels(const QColor &color)
{
    const QRgba64 value = color.rgba64();
    if (!color.isValid() || value.alpha() != 0xffff)
        return std::nullopt;
    QRgb mask = 0;
    const std::pair<quint16, QRgb> channels[] = {
        {value.red(), 0x00ff0000}, {value.green(), 0x0000ff00}, {value.blue(), 0x000000ff}};
    for (const auto &[channel, bits] : channels) {
        if (channel == 0xffff)
            mask |= bits;
        else if (channel != 0)
            return std::nullopt;
    }
    return mask;
}

// `light`'s channels of `mask` with `dark`'s others, pixel by pixel.
QImage mixChannels(const QImage &light, const QImage &dark, QRgb mask)
{
    QImage mixed = dark.copy();
    for (int y = 0; y < mixed.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(light.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(mixed.scanLine(y));
        for (int x = 0; x < mixed.width(); ++x)
            to[x] = (from[x] & mask) | (to[x] & ~mask);
    }
    return mixed;
}

} // namespace

void BevelCache::draw(QPainter &painter, const QRectF &box, Key key,
                      const std::function<void(QPainter &)> &draw)
{
    QImage *image = enabled ? targetImage(painter) : nullptr;
    const std::optional<QRect> found = deviceRect(painter, image, box);
    if (!found) {
        draw(painter);
        return;
    }
    const QRect rect = *found;
    const Setting setting = settingOf(key, rect, painter, *image);
    const QImage drawn = pictureOver(painter, *image, rect, setting, hashOf(*image, rect), draw);
    if (copyToDevice(painter, drawn, rect.topLeft(), QPainter::CompositionMode_Source))
        ++copies;
    else
        draw(painter);
}

void BevelCache::drawInColor(QPainter &painter, const QRectF &box, std::uint32_t kind,
                             const QColor &color,
                             const std::function<void(QPainter &, const QColor &)> &draw)
{
    const auto drawIn = [&draw](const QColor &ink) {
        return [&draw, ink](QPainter &target) { draw(target, ink); };
    };
    QImage *image = enabled ? targetImage(painter) : nullptr;
    const std::optional<QRect> found = deviceRect(painter, image, box);
    const std::optional<QRgb> mask = fullChannels(color);
    const bool mixable =
        image && mask && *mask != 0 && *mask != 0x00ffffff && holdsRgbWords(*image);
    if (!found || !mixable) {
        BevelCache::draw(painter, box, {kind, color.rgba64()}, drawIn(color));
        return;
    }
    const QRect rect = *found;
    const auto settingIn = [&](const QColor &ink) {
        return settingOf({kind, ink.rgba64()}, rect, painter, *image);
    };
    const Setting setting = settingIn(color);
    const std::size_t underHash = hashOf(*image, rect);
    QImage drawn;
    if (const Picture *kept = keptPicture(*image, rect, setting, underHash)) {
        drawn = kept->drawn;
    } else {
        // Every channel is blended on its own, the same way whatever the
        // others hold: a channel the colour has full ends as in the picture
        // in white, one it has none of as in the picture in black.
        const QColor white = QColor::fromRgba64(0xffff, 0xffff, 0xffff);
        const QColor black = QColor::fromRgba64(0, 0, 0);
        const QImage light =
            pictureOver(painter, *image, rect, settingIn(white), underHash, drawIn(white));
        const QImage dark =
            pictureOver(painter, *image, rect, settingIn(black), underHash, drawIn(black));
        drawn = keep(*image, rect, setting, underHash, mixChannels(light, dark, *mask));
    }
    if (copyToDevice(painter, drawn, rect.topLeft(), QPainter::CompositionMode_Source))
        ++copies;
    else
        draw(painter, color);
}

void BevelCache::drawOpaque(QPainter &painter, const QRectF &box, Key key,
                            const std::function<void(QPainter &)> &draw)
{
    QImage *image = enabled ? targetImage(painter) : nullptr;
    const std::optional<QRect> found =
        image && holdsRgbWords(*image) ? deviceRect(painter, image, box) : std::nullopt;
    if (!found) {
        draw(painter);
        return;
    }
    const QRect rect = *found;
    const Setting setting = settingOf(key, rect, painter, *image);
    auto layer = layers.begin();
    while (layer != layers.end() && !(layer->setting == setting))
        ++layer;
    if (layer == layers.end()) {
        Layer made{setting, QImage(rect.size(), QImage::Format_ARGB32_Premultiplied), false};
        made.drawn.fill(Qt::transparent);
        drawInto(made.drawn, painter, rect.topLeft(), draw);
        made.opaque = true;
        for (int y = 0; y < made.drawn.height() && made.opaque; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(made.drawn.constScanLine(y));
            for (int x = 0; x < made.drawn.width(); ++x) {
                const int alpha = qAlpha(line[x]);
                if (alpha != 0 && alpha != 255) {
                    made.opaque = false;
                    break;
                }
            }
        }
        if (layers.size() >= kMaxPictures)
            layers.erase(layers.begin());
        layers.push_back(std::move(made));
        layer = layers.end() - 1;
    }
    if (layer->opaque &&
        copyToDevice(painter, layer->drawn, rect.topLeft(), QPainter::CompositionMode_SourceOver))
        ++copies;
    else
        draw(painter);
}

void BevelCache::setEnabled(bool on)
{
    enabled = on;
    if (!on)
        clear();
}

void BevelCache::clear()
{
    pictures.clear();
    layers.clear();
}

int BevelCache::pictureCount()
{
    return int(pictures.size() + layers.size());
}

std::uint64_t BevelCache::copyCount()
{
    return copies;
}
