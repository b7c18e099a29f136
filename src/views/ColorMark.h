#pragma once

#include <QColor>
#include <QPointF>
#include <cstdint>

class QPainter;

// The marks that tell the six playable colours apart by shape alone, for
// players who see some of the colours poorly:
//
//   red      a triangle pointing up       blue     two horizontal bars
//   green    a cross                      magenta  a ring
//   yellow   a triangle pointing down     cyan     two vertical bars
//
// Each mark is a filled vector path, so it stays crisp at any scale, and lies
// within 9.5 units of the centre of a disc of radius 15, leaving a band of the
// colour all round it. Any two marks differ in at least 14% of the disc's area.

// Whether `color` is one of the six colours that carry a mark.
bool hasColorMark(const QColor &color);

// Black or white, whichever contrasts more with `color` (WCAG contrast ratio).
QColor colorMarkInk(const QColor &color);

// Fills the mark of `color` on a disc about `centre` whose visible colour
// reaches `discRadius`; the painter's coordinates have y growing upwards.
// Draws nothing for a colour without a mark. Leaves the painter's pen, brush
// and transform as they were.
void drawColorMark(QPainter &painter, const QColor &color, QPointF centre, qreal discRadius);

// The relative luminance of an sRGB colour, 0 for black to 1 for white, as
// WCAG 2 defines it.
double relativeLuminance(const QColor &color);
// The WCAG 2 contrast ratio of two colours, from 1 (none) to 21.
double contrastRatio(const QColor &first, const QColor &second);
