// A program that drags hostile payloads onto whatever window a real pointer
// drag (xdotool) ends on:
//
//   hostile_drag <payload> <x> <y>
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

#include "XdndSource.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
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
        std::fprintf(stderr, "usage: hostile_drag <payload> <x> <y> | --list\n");
        return 2;
    }
    const std::string name = argv[1];
    const int x = std::atoi(argv[2]);
    const int y = std::atoi(argv[3]);

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
