#pragma once

class QWindow;

// What the window manager offers for a window of a fixed size with a title bar
// only. Qt's window flags cannot say it: a title bar without buttons also
// forbids minimising (GNOME's mutter then offers no way to minimise, and a
// program's request to is ignored), while a minimise hint adds a button that
// the game's windows do not have.
namespace WindowFunctions
{

// Lets the window manager move and minimise `window`, and neither resize,
// maximise nor close it, with a title bar, a border and the window menu and
// icon, but no button of its own. On X11 these are the window's
// _MOTIF_WM_HINTS, written over Qt's once the native window exists and before
// it is shown; elsewhere it does nothing.
void allowMoveAndMinimize(QWindow *window);

// Puts the question for the name _MOTIF_WM_HINTS to the X server ahead of the
// first allowMoveAndMinimize(), so that its answer is there when needed; does
// nothing off X11 or when asked before.
void prepare();

} // namespace WindowFunctions
