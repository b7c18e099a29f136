#pragma once

// GNOME's compositor, mutter, headless on a virtual monitor (1280x1024 unless
// asked otherwise), in a
// D-Bus session and a runtime directory of its own, as a GNOME desktop under
// Wayland runs it: with Xwayland for X11 programs, or with no X11 at all.
// Started by the test itself and ended with it.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <sys/types.h>

namespace desktops
{

class MutterDesktop
{
public:
    enum class X11 { Xwayland, None };

    explicit MutterDesktop(X11 x11, QSize monitor = QSize(1280, 1024))
    {
        // The runtime directory must belong to the user alone, as a login
        // session's does; QTemporaryDir makes it so.
        QStringList arguments = {QStringLiteral("--headless"), QStringLiteral("--virtual-monitor"),
                                 QStringLiteral("%1x%2").arg(monitor.width()).arg(monitor.height()),
                                 QStringLiteral("--wayland")};
        if (x11 == X11::None)
            arguments.append(QStringLiteral("--no-x11"));
        // The shell notes the session bus's address and mutter's process id
        // (which exec keeps) for the test.
        const QString script =
            QStringLiteral("echo \"$DBUS_SESSION_BUS_ADDRESS\" > \"$XDG_RUNTIME_DIR/bus-address\"; "
                           "echo $$ > \"$XDG_RUNTIME_DIR/mutter-pid\"; exec mutter \"$@\"");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY",
                                 "DBUS_SESSION_BUS_ADDRESS", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_session.setProcessEnvironment(environment);
        m_session.setProcessChannelMode(QProcess::MergedChannels);
        m_session.start(QStringLiteral("dbus-run-session"),
                        QStringList{QStringLiteral("--"), QStringLiteral("sh"),
                                    QStringLiteral("-c"), script, QStringLiteral("mutter")} +
                            arguments);

        static const QRegularExpression waylandName(
            QStringLiteral("Using Wayland display name '([^']+)'"));
        static const QRegularExpression x11Display(
            QStringLiteral("Using public X11 display (:[0-9]+)"));
        QDeadlineTimer deadline(30000);
        while (!deadline.hasExpired() && m_session.state() != QProcess::NotRunning) {
            m_session.waitForReadyRead(100);
            m_log += QString::fromLocal8Bit(m_session.readAll());
            const QRegularExpressionMatch wayland = waylandName.match(m_log);
            const QRegularExpressionMatch display = x11Display.match(m_log);
            if (!wayland.hasMatch() || (x11 == X11::Xwayland && !display.hasMatch()))
                continue;
            m_waylandDisplay = wayland.captured(1);
            if (x11 == X11::Xwayland) {
                m_display = display.captured(1);
                m_xauthority = findXauthority();
                if (m_xauthority.isEmpty() || !x11Answers())
                    continue;
            }
            m_busAddress = readNote(QStringLiteral("bus-address"));
            if (!m_busAddress.isEmpty())
                return;
        }
        m_failure = QStringLiteral("mutter did not start: ") + m_log;
    }

    ~MutterDesktop()
    {
        const qint64 mutter = readNote(QStringLiteral("mutter-pid")).toLongLong();
        if (mutter > 0 && m_session.state() != QProcess::NotRunning)
            ::kill(pid_t(mutter), SIGTERM);
        if (!m_session.waitForFinished(10000)) {
            if (mutter > 0)
                ::kill(pid_t(mutter), SIGKILL);
            m_session.kill();
            m_session.waitForFinished(5000);
        }
    }

    MutterDesktop(const MutterDesktop &) = delete;
    MutterDesktop &operator=(const MutterDesktop &) = delete;

    // Empty once mutter runs (with its Xwayland answering, when asked for);
    // what went wrong otherwise.
    QString failure() const { return m_failure; }

    // The environment a program of this desktop's session gets, as GNOME
    // exports it: the runtime directory, the session bus, the Wayland
    // display and, with Xwayland, DISPLAY and XAUTHORITY.
    void exportTo(QProcessEnvironment &environment) const
    {
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
        environment.insert(QStringLiteral("WAYLAND_DISPLAY"), m_waylandDisplay);
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("XAUTHORITY"));
        if (!m_display.isEmpty()) {
            environment.insert(QStringLiteral("DISPLAY"), m_display);
            environment.insert(QStringLiteral("XAUTHORITY"), m_xauthority);
        }
    }

    QString display() const { return m_display; }
    QString xauthority() const { return m_xauthority; }
    QString busAddress() const { return m_busAddress; }
    QString log()
    {
        m_log += QString::fromLocal8Bit(m_session.readAll());
        return m_log;
    }

private:
    QString readNote(const QString &name) const
    {
        QFile file(m_runtime.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromLocal8Bit(file.readAll()).trimmed();
    }

    QString findXauthority() const
    {
        const QStringList found =
            QDir(m_runtime.path())
                .entryList({QStringLiteral(".mutter-Xwaylandauth.*")}, QDir::Files | QDir::Hidden);
        return found.isEmpty() ? QString() : m_runtime.filePath(found.front());
    }

    bool x11Answers() const
    {
        QProcess query;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XAUTHORITY"), m_xauthority);
        query.setProcessEnvironment(environment);
        query.start(QStringLiteral("xprop"),
                    {QStringLiteral("-display"), m_display, QStringLiteral("-root"),
                     QStringLiteral("-len"), QStringLiteral("1")});
        return query.waitForFinished(5000) && query.exitStatus() == QProcess::NormalExit &&
               query.exitCode() == 0;
    }

    QTemporaryDir m_runtime;
    QProcess m_session;
    QString m_log;
    QString m_waylandDisplay;
    QString m_display;
    QString m_xauthority;
    QString m_busAddress;
    QString m_failure;
};

} // namespace desktops
