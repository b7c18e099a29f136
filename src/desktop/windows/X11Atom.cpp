#include "desktop/windows/X11Atom.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

X11Atom::X11Atom(const char *name) : m_name(name) {}

void X11Atom::ask(xcb_connection_t *connection)
{
    if (m_connection == connection)
        return;
    m_connection = connection;
    m_question = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(m_name)), m_name);
    m_atom = XCB_ATOM_NONE;
}

void X11Atom::askAhead()
{
    if (xcb_connection_t *on = connection()) {
        ask(on);
        xcb_flush(on);
    }
}

xcb_atom_t X11Atom::read(xcb_connection_t *connection)
{
    ask(connection);
    if (m_question) {
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(connection, *m_question, nullptr);
        m_question.reset();
        m_atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
    }
    return m_atom;
}

xcb_connection_t *X11Atom::connection()
{
    if (!qGuiApp)
        return nullptr;
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}
