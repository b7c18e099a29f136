#pragma once

// A drag source that speaks the XDND protocol itself, on its own connection
// to the X server, so that it can offer what no Qt program would send: any
// type with any bytes (Qt re-encodes its own "application/x-color" data into
// the standard eight bytes). Kept free of Qt headers, which clash with Xlib's
// macros.

#include <string>
#include <vector>

namespace hostile
{

struct Offer {
    std::string type;  // a MIME type
    std::string bytes; // sent exactly as they are, 8-bit format
};

// Shows a 100 x 100 window with its top-left corner at (x, y), writes
// "ready" on stdout once it is mapped, and waits for a press of button 1 on
// it. From then on it drags `offers` to the XDND-aware top-level window under
// the pointer, and on the release drops them there, whatever the target
// answered (a well-behaved source would leave instead). Writes one line
// "status accepted=<0|1>" for each answer of the target and, at the end,
// "finished accepted=<0|1>" or "no target". Returns the exit status: 0 when
// the drop was delivered and finished, 2 otherwise.
int runXdndSource(int x, int y, const std::vector<Offer> &offers);

} // namespace hostile
