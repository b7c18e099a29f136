#include "XdndSource.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <cstdio>
#include <poll.h>

namespace hostile
{

namespace
{

constexpr long kXdndVersion = 5;

struct Atoms {
    Atom aware, enter, position, status, leave, drop, finished, selection, typeList, actionCopy,
        targets;
};

Atoms internAtoms(Display *display)
{
    const auto atom = [display](const char *name) { return XInternAtom(display, name, False); };
    return {atom("XdndAware"),      atom("XdndEnter"),     atom("XdndPosition"),
            atom("XdndStatus"),     atom("XdndLeave"),     atom("XdndDrop"),
            atom("XdndFinished"),   atom("XdndSelection"), atom("XdndTypeList"),
            atom("XdndActionCopy"), atom("TARGETS")};
}

void sendMessage(Display *display, Window target, Atom type, const long (&data)[5])
{
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.display = display;
    event.xclient.window = target;
    event.xclient.message_type = type;
    event.xclient.format = 32;
    for (int i = 0; i < 5; ++i)
        event.xclient.data.l[i] = data[i];
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

bool isXdndAware(Display *display, const Atoms &atoms, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    const int result =
        XGetWindowProperty(display, window, atoms.aware, 0, 1, False, AnyPropertyType, &type,
                           &format, &items, &remaining, &data);
    if (data)
        XFree(data);
    return result == Success && type != None && items > 0;
}

// The XDND-aware top-level window at (x, y) on the root window, other than
// `self`; None when there is none.
Window targetAt(Display *display, const Atoms &atoms, Window self, int x, int y)
{
    const Window root = DefaultRootWindow(display);
    int localX = 0;
    int localY = 0;
    Window child = None;
    if (!XTranslateCoordinates(display, root, root, x, y, &localX, &localY, &child))
        return None;
    if (child == None || child == self || !isXdndAware(display, atoms, child))
        return None;
    return child;
}

// Answers a request for the selection's data: the bytes of the offer of the
// requested type, the list of types for TARGETS, a refusal otherwise.
void answerSelectionRequest(Display *display, const Atoms &atoms, const std::vector<Atom> &types,
                            const std::vector<Offer> &offers, const XSelectionRequestEvent &request)
{
    const Atom property = request.property != None ? request.property : request.target;
    XEvent reply = {};
    reply.xselection.type = SelectionNotify;
    reply.xselection.display = display;
    reply.xselection.requestor = request.requestor;
    reply.xselection.selection = request.selection;
    reply.xselection.target = request.target;
    reply.xselection.time = request.time;
    reply.xselection.property = None;
    if (request.selection == atoms.selection) {
        if (request.target == atoms.targets) {
            XChangeProperty(display, request.requestor, property, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char *>(types.data()),
                            int(types.size()));
            reply.xselection.property = property;
        }
        for (std::size_t i = 0; i < offers.size(); ++i) {
            if (types[i] != request.target)
                continue;
            XChangeProperty(display, request.requestor, property, request.target, 8,
                            PropModeReplace,
                            reinterpret_cast<const unsigned char *>(offers[i].bytes.data()),
                            int(offers[i].bytes.size()));
            reply.xselection.property = property;
            std::printf("sent %zu bytes of %s\n", offers[i].bytes.size(), offers[i].type.c_str());
            std::fflush(stdout);
            break;
        }
    }
    XSendEvent(display, request.requestor, False, NoEventMask, &reply);
    XFlush(display);
}

} // namespace

int runXdndSource(int x, int y, const std::vector<Offer> &offers)
{
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "hostile_drag: cannot open the display\n");
        return 2;
    }
    const Atoms atoms = internAtoms(display);
    std::vector<Atom> types;
    for (const Offer &offer : offers)
        types.push_back(XInternAtom(display, offer.type.c_str(), False));

    const Window root = DefaultRootWindow(display);
    XSetWindowAttributes attributes = {};
    attributes.override_redirect = True;
    attributes.background_pixel = WhitePixel(display, DefaultScreen(display));
    attributes.event_mask =
        ButtonPressMask | ButtonReleaseMask | PointerMotionMask | StructureNotifyMask;
    const Window self =
        XCreateWindow(display, root, x, y, 100, 100, 0, CopyFromParent, InputOutput, CopyFromParent,
                      CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
    XStoreName(display, self, "Hostile drag");
    // The whole list of types, for targets that read it instead of the three
    // that fit in XdndEnter.
    XChangeProperty(display, self, atoms.typeList, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(types.data()), int(types.size()));
    XMapRaised(display, self);
    XFlush(display);

    bool dragging = false;
    bool dropped = false;
    Window target = None;
    Time lastTime = CurrentTime;
    int exitStatus = 2;
    const auto leaveTarget = [&] {
        if (target != None)
            sendMessage(display, target, atoms.leave, {long(self), 0, 0, 0, 0});
        target = None;
    };
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);

    for (;;) {
        if (!XPending(display)) {
            if (std::chrono::steady_clock::now() > deadline) {
                std::printf(dropped ? "no finish\n" : "timed out\n");
                break;
            }
            pollfd descriptor = {ConnectionNumber(display), POLLIN, 0};
            poll(&descriptor, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case MapNotify:
            if (event.xmap.window == self) {
                std::printf("ready\n");
                std::fflush(stdout);
            }
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1 && !dragging) {
                dragging = true;
                lastTime = event.xbutton.time;
                XSetSelectionOwner(display, atoms.selection, self, lastTime);
            }
            break;
        case MotionNotify: {
            if (!dragging || dropped)
                break;
            lastTime = event.xmotion.time;
            const Window under =
                targetAt(display, atoms, self, event.xmotion.x_root, event.xmotion.y_root);
            if (under != target) {
                leaveTarget();
                target = under;
                if (target != None) {
                    long enter[5] = {long(self), kXdndVersion << 24, 0, 0, 0};
                    if (types.size() > 3)
                        enter[1] |= 1;
                    for (std::size_t i = 0; i < types.size() && i < 3; ++i)
                        enter[2 + i] = long(types[i]);
                    sendMessage(display, target, atoms.enter, enter);
                }
            }
            if (target != None)
                sendMessage(display, target, atoms.position,
                            {long(self), 0,
                             long((event.xmotion.x_root << 16) | (event.xmotion.y_root & 0xffff)),
                             long(lastTime), long(atoms.actionCopy)});
            break;
        }
        case ButtonRelease:
            if (event.xbutton.button != Button1 || !dragging || dropped)
                break;
            lastTime = event.xbutton.time;
            if (target == None) {
                std::printf("no target\n");
                XCloseDisplay(display);
                return 2;
            }
            sendMessage(display, target, atoms.drop, {long(self), 0, long(lastTime), 0, 0});
            dropped = true;
            deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            break;
        case ClientMessage:
            if (event.xclient.message_type == atoms.status) {
                std::printf("status accepted=%d\n", int(event.xclient.data.l[1] & 1));
            } else if (event.xclient.message_type == atoms.finished && dropped) {
                std::printf("finished accepted=%d\n", int(event.xclient.data.l[1] & 1));
                exitStatus = 0;
            }
            std::fflush(stdout);
            break;
        case SelectionRequest:
            answerSelectionRequest(display, atoms, types, offers, event.xselectionrequest);
            break;
        default:
            break;
        }
        if (exitStatus == 0)
            break;
    }
    XCloseDisplay(display);
    return exitStatus;
}

} // namespace hostile
