#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// Rendering helpers shared by the view tests. Pixels are addressed by the unit
// square of the view's y-up coordinates they cover: (x, y) is the square from
// (x, y) to (x + 1, y + 1), with y counted upwards from the bottom edge.

// The colour a render leaves where nothing was painted.
inline const QColor kUntouched(10, 200, 30);

// Renders `view` (no background) into an image filled with kUntouched.
inline QImage renderView(QWidget &view, qreal devicePixelRatio = 1.0)
{
    QImage image(view.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(kUntouched);
    view.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

inline QColor unitPixel(const QImage &image, int x, int y)
{
    return image.pixelColor(x, image.height() - 1 - y);
}
