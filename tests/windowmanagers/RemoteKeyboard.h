#pragma once

// Types on a headless mutter's keyboard as a player would, through the
// compositor's remote desktop interface on the session bus: the keys go to
// whichever window has the focus, Wayland or X11.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QString>
#include <QThread>

namespace desktops
{

class RemoteKeyboard
{
public:
    static constexpr quint32 kControl = 0xffe3;
    static constexpr quint32 kShift = 0xffe1;
    static constexpr quint32 kReturn = 0xff0d;

    explicit RemoteKeyboard(const QString &busAddress)
        : m_bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("remote-keyboard")))
    {
        QDBusMessage create = QDBusMessage::createMethodCall(
            kService, QStringLiteral("/org/gnome/Mutter/RemoteDesktop"), kService,
            QStringLiteral("CreateSession"));
        const QDBusReply<QDBusObjectPath> session = m_bus.call(create);
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

    ~RemoteKeyboard()
    {
        if (!m_session.isEmpty())
            m_bus.call(QDBusMessage::createMethodCall(kService, m_session, kSessionInterface,
                                                      QStringLiteral("Stop")));
        QDBusConnection::disconnectFromBus(QStringLiteral("remote-keyboard"));
    }

    RemoteKeyboard(const RemoteKeyboard &) = delete;
    RemoteKeyboard &operator=(const RemoteKeyboard &) = delete;

    // Empty when keys can be typed; what went wrong otherwise.
    QString failure() const { return m_failure; }

    // Presses and releases `keysym`, with Control held when `control`.
    bool type(quint32 keysym, bool control = false)
    {
        bool sent = true;
        if (control)
            sent = sent && send(kControl, true);
        sent = sent && send(keysym, true) && send(keysym, false);
        if (control)
            sent = sent && send(kControl, false);
        // Each key is its own event for the program.
        QThread::msleep(40);
        return sent;
    }

private:
    static inline const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    static inline const QString kSessionInterface =
        QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");

    bool send(quint32 keysym, bool pressed)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            kService, m_session, kSessionInterface, QStringLiteral("NotifyKeyboardKeysym"));
        message << keysym << pressed;
        return m_bus.call(message).type() != QDBusMessage::ErrorMessage;
    }

    QDBusConnection m_bus;
    QString m_session;
    QString m_failure;
};

} // namespace desktops
