#include "desktop/windows/WindowFunctions.h"

#include "desktop/windows/X11Atom.h"

#include <QWindow>
#include <array>
#include <cstdint>
#include <xcb/xcb.h>

namespace
{

// The Motif window manager hints, as every X11 window manager reads them.
constexpr std::uint32_t kHintsFunctions = 1u << 0;
constexpr std::uint32_t kHintsDecorations = 1u << 1;
constexpr std::uint32_t kFunctionMove = 1u << 2;
constexpr std::uint32_t kFunctionMinimize = 1u << 3;
constexpr std::uint32_t kDecorationBorder = 1u << 1;
constexpr std::uint32_t kDecorationTitle = 1u << 3;
constexpr std::uint32_t kDecorationMenu = 1u << 4;

X11Atom motifHintsAtom("_MOTIF_WM_HINTS");

} // namespace

namespace WindowFunctions
{

void prepare()
{
    motifHintsAtom.askAhead();
}

void allowMoveAndMinimize(QWindow *window)
{
    xcb_connection_t *connection = X11Atom::connection();
    if (!connection || !window)
        return;
    const xcb_atom_t atom = motifHintsAtom.read(connection);
    if (atom == XCB_ATOM_NONE)
        return;
    // flags, functions, decorations, input mode, status
    const std::array<std::uint32_t, 5> hints = {
        kHintsFunctions | kHintsDecorations, kFunctionMove | kFunctionMinimize,
        kDecorationBorder | kDecorationTitle | kDecorationMenu, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom,
                        atom, 32, std::uint32_t(hints.size()), hints.data());
    xcb_flush(connection);
}

} // namespace WindowFunctions
