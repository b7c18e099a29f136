#pragma once

#include <optional>
#include <xcb/xcb.h>

// The atom of one name on the program's X11 connection, asked for once and
// read once answered. The question can be put ahead of need (askAhead()), so
// that the answer has arrived by the time the atom is read and reading it
// does not wait for the server.
class X11Atom
{
public:
    // `name` must outlive the object: a string literal.
    explicit X11Atom(const char *name);

    // Puts the question on the program's connection, unless it was put there
    // before, and sends it at once; does nothing off X11.
    void askAhead();

    // The atom; asks first if nobody has, and waits for the answer if it has
    // not arrived. None when the server refused the name.
    xcb_atom_t read(xcb_connection_t *connection);

    // The program's X11 connection; none off X11 or without an application
    // (as when a question outlives it).
    static xcb_connection_t *connection();

private:
    // Puts the question on `connection` unless it was put there before.
    void ask(xcb_connection_t *connection);

    const char *m_name;
    xcb_connection_t *m_connection = nullptr;
    std::optional<xcb_intern_atom_cookie_t> m_question;
    xcb_atom_t m_atom = XCB_ATOM_NONE;
};
