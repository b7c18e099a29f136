#pragma once

#include <QMargins>
#include <QPointer>
#include <QWindow>
#include <optional>

// The margins of the decorations that the window manager drew around a
// window, in the program's units; none while it has not framed the window
// (or there is none). On X11 they are the window's _NET_FRAME_EXTENTS, each
// rounded up to whole units, so that at a scale factor a frame placed with
// them is never a pixel over a screen's edge. Elsewhere they are Qt's frame
// margins.
//
// On X11 the question is put to the server when the object is made and its
// answer read only when margins() is called, so that the program draws while
// the server answers instead of waiting for it. A window that has not been
// shown has not been framed, so nobody is asked about it.
class FrameExtents
{
public:
    explicit FrameExtents(QWindow *window);
    ~FrameExtents();

    FrameExtents(const FrameExtents &) = delete;
    FrameExtents &operator=(const FrameExtents &) = delete;

    // The answer; waits for the server when it has not answered yet. Read
    // once: a second call finds no answer.
    QMargins margins();

    // Whether a window's margins can be known before it is shown: off X11,
    // where they are Qt's.
    static bool knownBeforeShown();

    // Puts the question for the name _NET_FRAME_EXTENTS to the X server
    // ahead of the first FrameExtents, so that its answer is there when
    // needed; does nothing off X11 or when asked before.
    static void prepare();

private:
    QPointer<QWindow> m_window;
    // The sequence number of the question put to the X server.
    std::optional<unsigned int> m_question;
};
