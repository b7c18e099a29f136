#include "views/Bevel.h"

#include "views/BevelCache.h"

#include <QPainter>
#include <QWidget>

namespace
{

constexpr int kArcs = 60;
constexpr double kArcDegrees = 6.0;

// QPainter counts arc angles in sixteenths of a degree, counter-clockwise as
// seen with y growing downwards, so an angle of the y-up drawing is negated.
void strokeArc(QPainter &painter, QPointF centre, qreal radius, double start, double span)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(box, -qRound(start * 16.0), -qRound(span * 16.0));
}

// The pictures this file hands to BevelCache.
enum Picture : std::uint32_t {
    RaisedDisc = 1,
    SunkenHole,
    OutlinedHole,
    RaisedFrame,
};

// The square a ring of `radius` about (x, y) covers: the ring is 2 units wide.
QRectF ringBox(float x, float y, float radius)
{
    const qreal reach = qreal(radius) + 1.0;
    return QRectF(x - reach, y - reach, 2.0 * reach, 2.0 * reach);
}

// `grayOffset` is subtracted from each arc's start angle to find its gray.
void ring(QPainter &painter, float x, float y, float radius, double firstAngle, double grayOffset)
{
    QPen pen(Qt::black, 2.0, Qt::SolidLine, Qt::FlatCap);
    for (int k = 0; k < kArcs; ++k) {
        const double angle = firstAngle + kArcDegrees * k;
        const float gray = bevelGray(angle - grayOffset);
        pen.setColor(QColor::fromRgbF(gray, gray, gray));
        painter.setPen(pen);
        strokeArc(painter, QPointF(x, y), radius, angle, kArcDegrees);
    }
}

} // namespace

float bevelGray(double angle)
{
    if (angle < kSunkenStartAngle)
        return static_cast<float>(0.9 - 0.8 * (angle - kRaisedStartAngle) / 180.0);
    return static_cast<float>(0.1 + 0.8 * (angle - kSunkenStartAngle) / 180.0);
}

void shadow(QPainter &painter, float x, float y, float radius)
{
    ring(painter, x, y, radius, kRaisedStartAngle, 0.0);
}

void shadow2(QPainter &painter, float x, float y, float radius)
{
    ring(painter, x, y, radius, kSunkenStartAngle, kSunkenStartAngle - kRaisedStartAngle);
}

void raisedDisc(QPainter &painter, float x, float y, float radius, const QColor &color)
{
    BevelCache::drawInColor(painter, ringBox(x, y, radius), RaisedDisc, color,
                            [&](QPainter &target, const QColor &ink) {
                                target.setPen(Qt::NoPen);
                                target.setBrush(ink);
                                target.drawEllipse(QPointF(x, y), radius, radius);
                                target.setBrush(Qt::NoBrush);
                                shadow(target, x, y, radius);
                            });
}

void sunkenHole(QPainter &painter, float x, float y, float radius)
{
    BevelCache::draw(painter, ringBox(x, y, radius), {SunkenHole, {}},
                     [&](QPainter &target) { shadow2(target, x, y, radius); });
}

void outlinedHole(QPainter &painter, float x, float y, float radius)
{
    BevelCache::draw(painter, ringBox(x, y, radius), {OutlinedHole, {}}, [&](QPainter &target) {
        target.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
        target.setBrush(Qt::NoBrush);
        target.drawEllipse(QPointF(x, y), radius, radius);
        shadow2(target, x, y, radius);
    });
}

QRectF drawTiledRects(QPainter &painter, const QRectF &rect, const QRectF &clip,
                      const RectEdge sides[], const float grays[], int count)
{
    QRectF rest = rect;
    for (int i = 0; i < count; ++i) {
        if (rest.width() <= 0.0 || rest.height() <= 0.0)
            break;
        QRectF strip = rest;
        switch (sides[i]) {
        case RectEdge::MinX:
            strip.setWidth(qMin<qreal>(1.0, rest.width()));
            rest.setLeft(strip.right());
            break;
        case RectEdge::MaxX:
            strip.setLeft(rest.right() - qMin<qreal>(1.0, rest.width()));
            rest.setRight(strip.left());
            break;
        case RectEdge::MinY:
            strip.setHeight(qMin<qreal>(1.0, rest.height()));
            rest.setTop(strip.bottom());
            break;
        case RectEdge::MaxY:
            strip.setTop(rest.bottom() - qMin<qreal>(1.0, rest.height()));
            rest.setBottom(strip.top());
            break;
        }
        const QRectF visible = strip.intersected(clip);
        if (!visible.isEmpty())
            painter.fillRect(visible, QColor::fromRgbF(grays[i], grays[i], grays[i]));
    }
    return rest;
}

void tile(QPainter &painter, const QRectF &rect)
{
    static constexpr RectEdge sides[] = {RectEdge::MinX, RectEdge::MaxX, RectEdge::MinY,
                                         RectEdge::MaxY, RectEdge::MinX, RectEdge::MaxX,
                                         RectEdge::MinY, RectEdge::MaxY};
    static constexpr float grays[] = {1.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 1.0f};
    BevelCache::drawOpaque(painter, rect, {RaisedFrame, {}}, [&](QPainter &target) {
        drawTiledRects(target, rect, rect, sides, grays, 8);
    });
}

void beginYUpPainting(QPainter &painter, qreal height)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.0, height);
    painter.scale(1.0, -1.0);
}

void placeAtLowerLeft(QWidget &view, QPointF lowerLeft)
{
    const QWidget *parent = view.parentWidget();
    if (!parent)
        return;
    view.move(qRound(lowerLeft.x()), parent->height() - qRound(lowerLeft.y()) - view.height());
}
