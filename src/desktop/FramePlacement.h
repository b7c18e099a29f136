#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window's frame goes on the screens, from plain rectangles: the
// policy that keeps every frame on a screen, apart from the screens
// themselves, so that it holds for any arrangement of them.
namespace FramePlacement
{

// The top-left corner of a frame of `frameSize` when nothing is saved: the
// frame sits in the lower-left corner of the `available` area of its screen.
// A frame taller than that area keeps its top edge (its title bar) at the
// area's top, the rest reaching below it.
QPoint firstRun(const QRect &available, QSize frameSize);

// `topLeft` itself when a frame of `frameSize` there lies wholly on one of the
// screens' `available` areas (the primary screen's first); otherwise the frame
// is moved onto the area that shows most of it, or the primary one when none
// shows any of it. A frame larger than that area keeps its top-left corner
// (and so its title bar) on it. Without any screen, `topLeft` is kept.
QPoint onScreen(QPoint topLeft, QSize frameSize, const QList<QRect> &available);

} // namespace FramePlacement
