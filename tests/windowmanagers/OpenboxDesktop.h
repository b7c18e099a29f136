#pragma once

// A private X server with the openbox window manager on it, as a player's
// desktop has: started by the test itself, on a display number the server
// picks, and ended with the test.

#include <QDeadlineTimer>
#include <QProcess>
#include <QSize>
#include <QString>
#include <QThread>

namespace desktops
{

class OpenboxDesktop
{
public:
    explicit OpenboxDesktop(QSize screen = QSize(1280, 1024))
    {
        // -displayfd 1: the server picks a free display and writes its number
        // on standard output once it accepts clients.
        m_server.setProcessChannelMode(QProcess::SeparateChannels);
        m_server.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                        QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        QDeadlineTimer deadline(15000);
        QByteArray number;
        while (!number.contains('\n') && !deadline.hasExpired() &&
               m_server.state() != QProcess::NotRunning) {
            m_server.waitForReadyRead(100);
            number += m_server.readAllStandardOutput();
        }
        if (!number.contains('\n')) {
            m_failure = QStringLiteral("Xvfb reported no display: ") +
                        QString::fromLocal8Bit(m_server.readAllStandardError());
            return;
        }
        m_display = u':' + QString::fromLatin1(number.trimmed());

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        m_windowManager.setProcessEnvironment(environment);
        m_windowManager.setProcessChannelMode(QProcess::MergedChannels);
        m_windowManager.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        // The manager is running once it has announced itself on the root
        // window.
        while (!deadline.hasExpired() && !managed())
            QThread::msleep(50);
        if (!managed())
            m_failure = QStringLiteral("openbox did not start: ") +
                        QString::fromLocal8Bit(m_windowManager.readAll());
    }

    ~OpenboxDesktop()
    {
        for (QProcess *process : {&m_windowManager, &m_server}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(5000)) {
                process->kill();
                process->waitForFinished(5000);
            }
        }
    }

    OpenboxDesktop(const OpenboxDesktop &) = delete;
    OpenboxDesktop &operator=(const OpenboxDesktop &) = delete;

    // Empty once the server and the window manager run; what went wrong
    // otherwise.
    QString failure() const { return m_failure; }
    QString display() const { return m_display; }

private:
    bool managed() const
    {
        QProcess query;
        query.start(QStringLiteral("xprop"),
                    {QStringLiteral("-display"), m_display, QStringLiteral("-root"),
                     QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        if (!query.waitForFinished(5000))
            return false;
        return query.readAllStandardOutput().contains("window id");
    }

    QProcess m_server;
    QProcess m_windowManager;
    QString m_display;
    QString m_failure;
};

} // namespace desktops
