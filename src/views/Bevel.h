#pragma once

#include <QRectF>

class QColor;
class QPainter;
class QWidget;

// The relief shared by every peg-like view, lit from the upper left. All the
// functions draw in the painter's current coordinates, which the views set up
// with the origin at their lower left and y growing upwards; angles are in
// degrees, counter-clockwise from the positive x axis.

// Where the rings start: the raised ring's first arc at the upper left, the
// sunken ring's at the lower right.
inline constexpr double kRaisedStartAngle = 132.0;
inline constexpr double kSunkenStartAngle = 312.0;

// The gray of the bevel at `angle` (132 <= angle < 492): 0.9 at 132 (upper
// left), falling linearly to 0.1 at 312 (lower right), then rising again.
// Computed in double precision, returned at single precision.
float bevelGray(double angle);

// A raised ring around the circle (x, y, radius): sixty 6-degree arcs from 132
// degrees on, 2 units wide, each stroked in the bevel gray of its start angle.
// Leaves the painter's pen 2 units wide in the gray of the last arc.
void shadow(QPainter &painter, float x, float y, float radius);
// The sunken ring: the raised one turned by 180 degrees, dark at the upper
// left and bright at the lower right.
void shadow2(QPainter &painter, float x, float y, float radius);

// A disc of `color` (x, y, radius) under a raised ring around its edge, as a
// coloured peg or a key peg shows it: the disc is filled without an outline,
// then shadow() is drawn. Through BevelCache: the painter's pen and brush are
// left as they were or as shadow() leaves them.
void raisedDisc(QPainter &painter, float x, float y, float radius, const QColor &color);
// shadow2() around an empty hole, through BevelCache.
void sunkenHole(QPainter &painter, float x, float y, float radius);
// An empty key place: a black circle 1 unit wide on the circle (x, y,
// radius), then shadow2() over it, through BevelCache.
void outlinedHole(QPainter &painter, float x, float y, float radius);

// The sides of a rectangle, with the values the frame table is written in.
enum class RectEdge : int {
    MinX = 0,
    MinY = 1,
    MaxX = 2,
    MaxY = 3,
};

// Starting from `rect`, cuts a strip one unit wide off side `sides[i]` of what
// is left, fills it (clipped to `clip`) with gray `grays[i]`, and goes on with
// the remainder, for each of the `count` steps in order. Returns what is left.
QRectF drawTiledRects(QPainter &painter, const QRectF &rect, const QRectF &clip,
                      const RectEdge sides[], const float grays[], int count);

// A raised frame two units wide along the inside of `rect`: white on the left
// and top, black on the right and bottom. Through BevelCache::drawOpaque.
void tile(QPainter &painter, const QRectF &rect);

// Sets `painter` up to draw in a view's own coordinates as the bevels expect:
// antialiased, origin at the lower left of a view `height` units high, y up.
void beginYUpPainting(QPainter &painter, qreal height);

// Places `view` with its lower-left corner at `lowerLeft`, given in its
// parent's y-up coordinates. A view without a parent keeps its position.
void placeAtLowerLeft(QWidget &view, QPointF lowerLeft);
