#pragma once

// Types on a headless mutter's keyboard and clicks its pointer as a player
// would, through the compositor's remote desktop interface on the session
// bus: keys go to whichever window has the focus, Wayland or X11; a click
// goes to the window under the pointer, and mutter acts on it as on a
// player's click (raising, focusing).

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QPoint>
#include <QString>
#include <QThread>

namespace desktops
{

class RemoteInput
{
public:
    static constexpr quint32 kControl = 0xffe3;
    static constexpr quint32 kShift = 0xffe1;
    static constexpr quint32 kReturn = 0xff0d;
    static constexpr quint32 kEscape = 0xff1b;

    explicit RemoteInput(const QString &busAddress)
        : m_bus(QDBusConnection::connectToBus(busAddress, kConnectionName))
    {
        const QDBusReply<QDBusObjectPath> session = m_bus.call(QDBusMessage::createMethodCall(
            kService, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), kService,
            QStringLiteral("CreateSession")));
        if (!session.isValid()) {
            m_failure = session.error().message();
            return;
        }
        m_session = session.value().path();
        const QDBusMessage started = m_bus.call(QDBusMessage::createMethodCall(
            kService, m_session, kSessionInterface, QStringLiteral("Start")));
        if (started.type() == QDBusMessage::ErrorMessage)
            m_failure = started.errorMessage();
    }

    ~RemoteInput()
    {
        if (!m_session.isEmpty())
            m_bus.call(QDBusMessage::createMethodCall(kService, m_session, kSessionInterface,
                                                      QStringLiteral("Stop")));
        QDBusConnection::disconnectFromBus(kConnectionName);
    }

    RemoteInput(const RemoteInput &) = delete;
    RemoteInput &operator=(const RemoteInput &) = delete;

    // Empty when keys can be typed and the pointer moved; what went wrong
    // otherwise.
    QString failure() const { return m_failure; }

    // Presses and releases `keysym`, with Control held when `control`.
    bool type(quint32 keysym, bool control = false)
    {
        bool sent = true;
        if (control)
            sent = sent && key(kControl, true);
        sent = sent && key(keysym, true) && key(keysym, false);
        if (control)
            sent = sent && key(kControl, false);
        // Each key is its own event for the program.
        QThread::msleep(40);
        return sent;
    }

    // Clicks the left button at `at`, in the monitor's pixels: the pointer is
    // first pushed into the top-left corner, where the monitor stops it, and
    // then moved by `at` from there.
    bool clickAt(QPoint at)
    {
        const bool moved = motion(-1e5, -1e5) && motion(double(at.x()), double(at.y()));
        QThread::msleep(40);
        const bool clicked = moved && button(true) && button(false);
        QThread::msleep(40);
        return clicked;
    }

private:
    static inline const QString kConnectionName = QStringLiteral("remote-input");
    static inline const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    static inline const QString kSessionInterface =
        QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
    static constexpr int kLeftButton = 0x110; // BTN_LEFT

    bool call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kService, m_session, kSessionInterface, method);
        message.setArguments(arguments);
        return m_bus.call(message).type() != QDBusMessage::ErrorMessage;
    }

    bool key(quint32 keysym, bool pressed)
    {
        return call(QStringLiteral("NotifyKeyboardKeysym"), {keysym, pressed});
    }

    bool motion(double dx, double dy)
    {
        return call(QStringLiteral("NotifyPointerMotionRelative"), {dx, dy});
    }

    bool button(bool pressed)
    {
        return call(QStringLiteral("NotifyPointerButton"), {kLeftButton, pressed});
    }

    QDBusConnection m_bus;
    QString m_session;
    QString m_failure;
};

} // namespace desktops
