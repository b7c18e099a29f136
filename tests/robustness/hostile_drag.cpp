// A program that drags hostile payloads onto whatever window a real pointer
// drag (xdotool) ends on, or receives a real drag from another program:
//
//   hostile_drag <payload> <x> <y>
//   hostile_drag --receive <x> <y>
//
// It shows a small window with its top-left corner at (x, y), writes "ready"
// once it is shown, and starts its drag when button 1 is pressed on it. The
// payloads named "raw ..." go through an XDND source of its own, which sends
// bytes exactly as given and drops them even where the target refused them;
// those named "qt ..." go through Qt's own drag of a QMimeData, as another Qt
// program would send them (Qt 6 sends a colour as its name, "#rrggbb" or
// "#aarrggbb"). It reports the target's answers on stdout: "status
// accepted=<0|1>" for each answer during the drag, "finished accepted=<0|1>"
// for the answer to the drop, "not dropped" when Qt's drag did not drop.
//
// With --receive it shows a 200 x 200 window at (x, y) that takes any drop,
// writes "ready" once shown, and reports what a drag brings on stdout, one
// "key value" line each, as the drag rests over it ("offer ..." lines) and
// as it is dropped ("drop ..." lines): the actions in the source's XDND
// action list and in its position messages, the actions and types Qt makes
// of them, the colour, and the drag image the source shows under the pointer
// (its frame and the pointer on the screen, and its pixels as hex RGB).

#include "XdndSource.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <xcb/xcb.h>

namespace
{

// Four native 16-bit values, as X programs exchange "application/x-color":
// red, green, blue, alpha.
std::string colorBytes(quint16 red, quint16 green, quint16 blue, quint16 alpha)
{
    const quint16 values[4] = {red, green, blue, alpha};
    return std::string(reinterpret_cast<const char *>(values), sizeof values);
}

const std::string kColorType = "application/x-color";

std::map<std::string, std::vector<hostile::Offer>> rawPayloads()
{
    const std::string blue = colorBytes(0, 0, 0xffff, 0xffff);
    // Bytes that read as blue to anyone who takes only the first eight.
    std::string mebibyte = blue;
    mebibyte.resize(1 << 20, '\xff');
    return {
        // What Qt 6 itself sends: the colour's name.
        {"raw #0000ff", {{kColorType, "#0000ff"}}},
        // What X programs have long sent: four 16-bit values.
        {"raw 16-bit blue", {{kColorType, blue}}},
        {"raw no colour type", {{"application/octet-stream", blue}, {"text/plain", "#0000ff"}}},
        {"raw colour of 0 bytes", {{kColorType, ""}}},
        {"raw colour of 1 byte", {{kColorType, "\xff"}}},
        {"raw colour of 7 bytes", {{kColorType, blue.substr(1)}}},
        {"raw colour of 9 bytes", {{kColorType, blue + '\x01'}}},
        {"raw colour of 1 MiB", {{kColorType, mebibyte}}},
        {"raw colour of 7 bytes: #0000fe", {{kColorType, "#0000fe"}}},
        {"raw colour of 9 bytes: #800000ff", {{kColorType, "#800000ff"}}},
        {"raw translucent 16-bit blue", {{kColorType, colorBytes(0, 0, 0xffff, 0x8000)}}},
        {"raw nearly 16-bit blue", {{kColorType, colorBytes(0, 0, 0xfffe, 0xffff)}}},
        {"raw 16-bit white", {{kColorType, colorBytes(0xffff, 0xffff, 0xffff, 0xffff)}}},
        {"raw text", {{"text/plain", "#0000ff"}, {"text/plain;charset=utf-8", "blue"}}},
    };
}

std::map<std::string, std::function<void(QMimeData &)>> qtPayloads()
{
    const auto colour = [](QColor color) {
        return [color](QMimeData &data) { data.setColorData(color); };
    };
    return {
        {"qt blue", colour(QColor::fromRgbF(0, 0, 1, 1))},
        {"qt HSV red", colour(QColor::fromHsvF(0, 1, 1))},
        {"qt CMYK yellow", colour(QColor::fromCmykF(0, 0, 1, 0))},
        {"qt HSV, dark red", colour(QColor::fromHsvF(0, 1, 0.9f))},
        {"qt CMYK, pale yellow", colour(QColor::fromCmykF(0, 0, 0.9f, 0))},
        {"qt HSL, dark green", colour(QColor::fromHslF(1.0f / 3, 1, 0.45f))},
        {"qt translucent cyan", colour(QColor::fromRgbF(0, 1, 1, 0.5f))},
        {"qt out-of-range colour", colour(QColor::fromRgbF(2.0f, -1.0f, 0.5f, 1))},
        {"qt text", [](QMimeData &data) { data.setText(QStringLiteral("#0000ff")); }},
    };
}

// Reports the target's XDND answers, which Qt handles without telling.
class XdndAnswers : public QAbstractNativeEventFilter
{
public:
    XdndAnswers()
    {
        xcb_connection_t *connection =
            qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const auto atom = [connection](const char *name) {
            xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
                connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
            const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
            std::free(reply);
            return result;
        };
        m_status = atom("XdndStatus");
        m_finished = atom("XdndFinished");
    }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->type == m_status) {
            std::printf("status accepted=%d\n", int(client->data.data32[1] & 1));
        } else if (client->type == m_finished) {
            std::printf("finished accepted=%d\n", int(client->data.data32[1] & 1));
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        std::fflush(stdout);
        return false;
    }

private:
    xcb_atom_t m_status = 0;
    xcb_atom_t m_finished = 0;
};

// The window of a Qt drag: a press on it starts the drag.
class DragWindow : public QWidget
{
public:
    explicit DragWindow(std::function<void(QMimeData &)> fill) : m_fill(std::move(fill))
    {
        setWindowFlags(Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        setFixedSize(100, 100);
        setWindowTitle(QStringLiteral("Hostile drag"));
    }

protected:
    void showEvent(QShowEvent *) override
    {
        std::printf("ready\n");
        std::fflush(stdout);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto *data = new QMimeData;
        m_fill(*data);
        auto *drag = new QDrag(this);
        drag->setMimeData(data);
        // A drag that no target accepted ends without a drop. Otherwise the
        // target asks for the data and answers the drop after exec()
        // returns; the program ends on that answer, or after ten seconds.
        if (drag->exec(Qt::CopyAction) == Qt::IgnoreAction) {
            std::printf("not dropped\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return;
        }
        QTimer::singleShot(10000, qApp, &QCoreApplication::quit);
    }

private:
    std::function<void(QMimeData &)> m_fill;
};

xcb_connection_t *x11Connection()
{
    return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_atom_t internAtom(const char *name)
{
    xcb_connection_t *connection = x11Connection();
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

QByteArray atomName(xcb_atom_t atom)
{
    xcb_connection_t *connection = x11Connection();
    xcb_get_atom_name_reply_t *reply =
        xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr);
    if (!reply)
        return QByteArrayLiteral("?");
    const QByteArray name(xcb_get_atom_name_name(reply), xcb_get_atom_name_name_length(reply));
    std::free(reply);
    return name;
}

void report(const QByteArray &key, const QByteArray &value)
{
    std::printf("%s %s\n", key.constData(), value.constData());
    std::fflush(stdout);
}

// The XDND messages of the source as they arrive, before Qt reads them: the
// action list it put on its window, and the action of each position message.
class XdndOffers : public QAbstractNativeEventFilter
{
public:
    QByteArray actionList = QByteArrayLiteral("none");
    QByteArray positionAction = QByteArrayLiteral("none");

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->type == m_enter)
            actionList = readActionList(client->data.data32[0]);
        else if (client->type == m_position)
            positionAction = atomName(client->data.data32[4]);
        return false;
    }

private:
    QByteArray readActionList(xcb_window_t source) const
    {
        xcb_connection_t *connection = x11Connection();
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, source, m_actionList, XCB_ATOM_ATOM, 0, 64),
            nullptr);
        QByteArrayList names;
        if (reply) {
            const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply));
            const int count = xcb_get_property_value_length(reply) / int(sizeof(xcb_atom_t));
            for (int i = 0; i < count; ++i)
                names << atomName(atoms[i]);
            std::free(reply);
        }
        return names.isEmpty() ? QByteArrayLiteral("none") : names.join(',');
    }

    xcb_atom_t m_enter = internAtom("XdndEnter");
    xcb_atom_t m_position = internAtom("XdndPosition");
    xcb_atom_t m_actionList = internAtom("XdndActionList");
};

// The drag image a source shows: a small, mapped, override-redirect top-level
// window of another client under the pointer.
struct DragIcon {
    QRect frame;
    QPoint pointer;
    QByteArray rgbHex; // three bytes a pixel, rows top to bottom
};

std::optional<QByteArray> windowRgb(xcb_window_t window, QSize size)
{
    xcb_connection_t *connection = x11Connection();
    xcb_get_image_reply_t *image =
        xcb_get_image_reply(connection,
                            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          quint16(size.width()), quint16(size.height()), ~0u),
                            nullptr);
    std::optional<QByteArray> rgb;
    if (image && xcb_get_image_data_length(image) == 4 * size.width() * size.height()) {
        // 32 bits a pixel: blue, green, red and a fourth byte.
        const std::uint8_t *data = xcb_get_image_data(image);
        rgb.emplace();
        for (int pixel = 0; pixel < size.width() * size.height(); ++pixel)
            rgb->append(char(data[4 * pixel + 2]))
                .append(char(data[4 * pixel + 1]))
                .append(char(data[4 * pixel]));
    }
    std::free(image);
    return rgb;
}

std::optional<DragIcon> findDragIcon(xcb_window_t own)
{
    xcb_connection_t *connection = x11Connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_query_pointer_reply_t *pointer =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root), nullptr);
    xcb_query_tree_reply_t *tree =
        xcb_query_tree_reply(connection, xcb_query_tree(connection, screen->root), nullptr);
    std::optional<DragIcon> found;
    if (pointer && tree) {
        const xcb_window_t *children = xcb_query_tree_children(tree);
        const QPoint at(pointer->root_x, pointer->root_y);
        // Top-most first.
        for (int i = xcb_query_tree_children_length(tree) - 1; i >= 0 && !found; --i) {
            const xcb_window_t window = children[i];
            if (window == own)
                continue;
            xcb_get_window_attributes_reply_t *attributes = xcb_get_window_attributes_reply(
                connection, xcb_get_window_attributes(connection, window), nullptr);
            xcb_get_geometry_reply_t *geometry =
                xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
            if (attributes && geometry && attributes->override_redirect &&
                attributes->map_state == XCB_MAP_STATE_VIEWABLE) {
                const QRect frame(geometry->x, geometry->y, geometry->width, geometry->height);
                if (frame.contains(at) && frame.width() <= 64 && frame.height() <= 64)
                    if (const std::optional<QByteArray> rgb = windowRgb(window, frame.size()))
                        found = DragIcon{frame, at, rgb->toHex()};
            }
            std::free(attributes);
            std::free(geometry);
        }
    }
    std::free(pointer);
    std::free(tree);
    return found;
}

QByteArray actionsText(Qt::DropActions actions)
{
    QByteArrayList names;
    if (actions & Qt::CopyAction)
        names << "copy";
    if (actions & Qt::MoveAction)
        names << "move";
    if (actions & Qt::LinkAction)
        names << "link";
    return names.isEmpty() ? QByteArrayLiteral("none") : names.join(',');
}

// The window that takes a drop and tells what came with it.
class DropWindow : public QWidget
{
public:
    explicit DropWindow(const XdndOffers &offers) : m_offers(offers)
    {
        setWindowFlags(Qt::Window | Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
        setFixedSize(200, 200);
        setWindowTitle(QStringLiteral("Drop receiver"));
        setAcceptDrops(true);
        // The drag image is read once the pointer has rested for a while.
        m_rest.setSingleShot(true);
        m_rest.setInterval(400);
        connect(&m_rest, &QTimer::timeout, this, [this] { reportOffer("offer"); });
    }

protected:
    void showEvent(QShowEvent *) override
    {
        std::printf("ready\n");
        std::fflush(stdout);
    }

    void dragEnterEvent(QDragEnterEvent *event) override { dragMoveEvent(event); }

    void dragMoveEvent(QDragMoveEvent *event) override
    {
        m_actions = event->possibleActions();
        m_proposed = event->proposedAction();
        m_formats = event->mimeData()->formats().join(u',').toUtf8();
        const QVariant color = event->mimeData()->colorData();
        m_color = color.metaType().id() == QMetaType::QColor
                      ? color.value<QColor>().name(QColor::HexArgb).toUtf8()
                      : QByteArrayLiteral("none");
        event->setDropAction(Qt::CopyAction);
        event->accept();
        m_rest.start();
    }

    void dropEvent(QDropEvent *event) override
    {
        m_rest.stop();
        m_actions = event->possibleActions();
        m_proposed = event->proposedAction();
        reportOffer("drop");
        event->setDropAction(Qt::CopyAction);
        event->accept();
        QTimer::singleShot(500, qApp, &QCoreApplication::quit);
    }

private:
    void reportOffer(const QByteArray &prefix)
    {
        report(prefix + " xdnd-action-list", m_offers.actionList);
        report(prefix + " xdnd-position-action", m_offers.positionAction);
        report(prefix + " qt-possible-actions", actionsText(m_actions));
        report(prefix + " qt-proposed-action", actionsText(m_proposed));
        report(prefix + " types", m_formats);
        report(prefix + " color", m_color);
        if (prefix != "offer")
            return;
        if (const std::optional<DragIcon> icon = findDragIcon(xcb_window_t(winId()))) {
            report("offer icon-frame", QStringLiteral("%1 %2 %3 %4")
                                           .arg(icon->frame.x())
                                           .arg(icon->frame.y())
                                           .arg(icon->frame.width())
                                           .arg(icon->frame.height())
                                           .toUtf8());
            report("offer pointer",
                   QStringLiteral("%1 %2").arg(icon->pointer.x()).arg(icon->pointer.y()).toUtf8());
            report("offer icon-rgb", icon->rgbHex);
        } else {
            report("offer icon-frame", "none");
        }
        report("offer end", "");
    }

    const XdndOffers &m_offers;
    QTimer m_rest;
    Qt::DropActions m_actions;
    Qt::DropAction m_proposed = Qt::IgnoreAction;
    QByteArray m_formats;
    QByteArray m_color;
};

int receiveDrag(int argc, char *argv[], int x, int y)
{
    QApplication app(argc, argv);
    XdndOffers offers;
    app.installNativeEventFilter(&offers);
    DropWindow window(offers);
    window.move(x, y);
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2 && std::strcmp(argv[1], "--list") == 0) {
        for (const auto &[name, offers] : rawPayloads())
            std::printf("%s\n", name.c_str());
        for (const auto &[name, fill] : qtPayloads())
            std::printf("%s\n", name.c_str());
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: hostile_drag <payload> <x> <y> | --receive <x> <y> | --list\n");
        return 2;
    }
    const std::string name = argv[1];
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);
    if (name == "--receive")
        return receiveDrag(argc, argv, x, y);

    const auto raw = rawPayloads();
    if (const auto found = raw.find(name); found != raw.end())
        return hostile::runXdndSource(x, y, found->second);

    const auto qt = qtPayloads();
    const auto found = qt.find(name);
    if (found == qt.end()) {
        std::fprintf(stderr, "hostile_drag: no payload named \"%s\"\n", name.c_str());
        return 2;
    }
    QApplication app(argc, argv);
    XdndAnswers answers;
    app.installNativeEventFilter(&answers);
    DragWindow window(found->second);
    window.move(x, y);
    window.show();
    return QApplication::exec();
}
