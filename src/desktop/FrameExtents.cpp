#include "desktop/FrameExtents.h"

#include <QGuiApplication>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>

namespace
{

// None without an application, as when a question outlives it.
xcb_connection_t *x11Connection()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

// The atom of the name _NET_FRAME_EXTENTS on the program's one X11
// connection: asked for once, and read once answered.
struct FrameExtentsAtom {
    xcb_connection_t *connection = nullptr;
    std::optional<xcb_intern_atom_cookie_t> question;
    xcb_atom_t atom = XCB_ATOM_NONE;

    void ask(xcb_connection_t *on)
    {
        if (connection == on)
            return;
        static const char kName[] = "_NET_FRAME_EXTENTS";
        connection = on;
        question = xcb_intern_atom(on, 0, sizeof(kName) - 1, kName);
        atom = XCB_ATOM_NONE;
    }

    // None when the server refused the name.
    xcb_atom_t read(xcb_connection_t *on)
    {
        ask(on);
        if (question) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(on, *question, nullptr);
            question.reset();
            atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
        }
        return atom;
    }
};

FrameExtentsAtom frameExtentsAtom;

} // namespace

FrameExtents::FrameExtents(QWindow *window) : m_window(window)
{
    xcb_connection_t *connection = x11Connection();
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
    xcb_connection_t *connection = x11Connection();
    if (m_question && connection)
        xcb_discard_reply(connection, *m_question);
}

QMargins FrameExtents::margins()
{
    xcb_connection_t *connection = x11Connection();
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
    return !x11Connection();
}

void FrameExtents::prepare()
{
    if (xcb_connection_t *connection = x11Connection()) {
        frameExtentsAtom.ask(connection);
        xcb_flush(connection);
    }
}
