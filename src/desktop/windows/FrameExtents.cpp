#include "desktop/windows/FrameExtents.h"

#include "desktop/windows/X11Atom.h"

#include <cmath>
#include <cstdlib>

namespace
{

X11Atom frameExtentsAtom("_NET_FRAME_EXTENTS");

} // namespace

FrameExtents::FrameExtents(QWindow *window) : m_window(window)
{
    xcb_connection_t *connection = X11Atom::connection();
    if (!connection || !window || !window->isVisible())
        return;
    const xcb_atom_t atom = frameExtentsAtom.read(connection);
    if (atom == XCB_ATOM_NONE)
        return;
    m_question = xcb_get_property(connection, 0, xcb_window_t(window->winId()), atom,
                                  XCB_ATOM_CARDINAL, 0, 4)
                     .sequence;
    xcb_flush(connection);
}

FrameExtents::~FrameExtents()
{
    xcb_connection_t *connection = X11Atom::connection();
    if (m_question && connection)
        xcb_discard_reply(connection, *m_question);
}

QMargins FrameExtents::margins()
{
    xcb_connection_t *connection = X11Atom::connection();
    if (!connection)
        return m_window ? m_window->frameMargins() : QMargins();
    if (!m_question)
        return QMargins();
    xcb_get_property_reply_t *property =
        xcb_get_property_reply(connection, xcb_get_property_cookie_t{*m_question}, nullptr);
    m_question.reset();
    QMargins margins;
    if (m_window && property && property->format == 32 &&
        xcb_get_property_value_length(property) == 16) {
        // left, right, top, bottom, in pixels
        const auto *extents = static_cast<const quint32 *>(xcb_get_property_value(property));
        const qreal ratio = m_window->devicePixelRatio();
        auto units = [ratio](quint32 pixels) { return int(std::ceil(pixels / ratio)); };
        margins =
            QMargins(units(extents[0]), units(extents[2]), units(extents[1]), units(extents[3]));
    }
    std::free(property);
    return margins;
}

bool FrameExtents::knownBeforeShown()
{
    return !X11Atom::connection();
}

void FrameExtents::prepare()
{
    frameExtentsAtom.askAhead();
}
