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

// The top-left corner of a frame of `frameSize` when nothing is saved, opening
// beside the frame `owner` of the window it belongs to, within the `available`
// area of the owner's screen: its left edge at the owner's right edge, the
// bottoms aligned; at the owner's left where the right has no room; over the
// owner's lower-left corner only where neither side has room. The frame is
// kept within the area from top to bottom, even where the owner reaches below
// it; a frame taller than the area keeps its top edge at the area's top.
QPoint beside(const QRect &available, const QRect &owner, QSize frameSize);

// `topLeft` itself when a frame of `frameSize` there lies wholly on one of the
// screens' `available` areas (the primary screen's first); otherwise the frame
// is moved onto the area that shows most of it, or the primary one when none
// shows any of it. A frame larger than that area keeps its top-left corner
// (and so its title bar) on it. Without any screen, `topLeft` is kept.
QPoint onScreen(QPoint topLeft, QSize frameSize, const QList<QRect> &available);

} // namespace FramePlacement
