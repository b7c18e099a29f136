#pragma once

// Moves and clicks the pointer of a headless mutter as a player would,
// through the compositor's remote desktop interface on the session bus: the
// click goes to whatever window is under the pointer, and mutter acts on it
// as on a player's click (raising, focusing).

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QPoint>
#include <QString>
#include <QThread>

namespace desktops
{

class RemotePointer
{
public:
    explicit RemotePointer(const QString &busAddress)
        : m_bus(QDBusConnection::connectToBus(busAddress, QStringLiteral("remote-pointer")))
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

    ~RemotePointer()
    {
        if (!m_session.isEmpty())
            m_bus.call(QDBusMessage::createMethodCall(kService, m_session, kSessionInterface,
                                                      QStringLiteral("Stop")));
        QDBusConnection::disconnectFromBus(QStringLiteral("remote-pointer"));
    }

    RemotePointer(const RemotePointer &) = delete;
    RemotePointer &operator=(const RemotePointer &) = delete;

    QString failure() const { return m_failure; }

    // Clicks the left button at `at`, in the monitor's pixels: the pointer is
    // first pushed into the top-left corner, where the monitor stops it, and
    // then moved by `at` from there.
    bool clickAt(QPoint at)
    {
        const bool moved =
            call(QStringLiteral("NotifyPointerMotionRelative"), -1e5, -1e5) &&
            call(QStringLiteral("NotifyPointerMotionRelative"), double(at.x()), double(at.y()));
        QThread::msleep(40);
        const bool clicked = moved && button(true) && button(false);
        QThread::msleep(40);
        return clicked;
    }

private:
    static inline const QString kService = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
    static inline const QString kSessionInterface =
        QStringLiteral("org.gnome.Mutter.RemoteDesktop.Session");
    static constexpr int kLeftButton = 0x110; // BTN_LEFT

    bool call(const QString &method, double dx, double dy)
    {
        QDBusMessage message =
            QDBusMessage::createMethodCall(kService, m_session, kSessionInterface, method);
        message << dx << dy;
        return m_bus.call(message).type() != QDBusMessage::ErrorMessage;
    }

    bool button(bool pressed)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            kService, m_session, kSessionInterface, QStringLiteral("NotifyPointerButton"));
        message << kLeftButton << pressed;
        return m_bus.call(message).type() != QDBusMessage::ErrorMessage;
    }

    QDBusConnection m_bus;
    QString m_session;
    QString m_failure;
};

} // namespace desktops
