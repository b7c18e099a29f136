#include "desktop/SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <cstdio>
#include <unistd.h>

namespace
{

constexpr QByteArrayView kRequest = "activate\n";
constexpr QByteArrayView kAnswer = "ok\n";
constexpr int kAnswerMs = 5000;

// The display the windows go to: X11's without its screen number, else
// Wayland's, else the platform's name; only letters, digits and '-' are kept.
QString displayKey()
{
    QString display;
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        display = qEnvironmentVariable("DISPLAY");
        const qsizetype colon = display.lastIndexOf(u':');
        const qsizetype dot = display.indexOf(u'.', colon);
        if (colon >= 0 && dot > colon)
            display.truncate(dot);
    } else if (platform.startsWith(QLatin1String("wayland"))) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    } else {
        display = platform;
    }
    QString key;
    for (QChar c : display)
        key += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' ? c : u'_';
    return key;
}

QString basePath()
{
    QString directory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!QDir::isAbsolutePath(directory) || !QFileInfo(directory).isDir())
        directory = QDir::tempPath();
    return QDir(directory).filePath(
        QStringLiteral("hueriddle-%1-%2").arg(QString::number(::getuid()), displayKey()));
}

void printLine(const QString &line)
{
    std::fputs((QStringLiteral("hueriddle: ") + line).toLocal8Bit().append('\n').constData(),
               stderr);
    std::fflush(stderr);
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::lockPath()
{
    return basePath() + QStringLiteral(".lock");
}

SingleInstance::Claim SingleInstance::claim()
{
    const QString socketPath = basePath() + QStringLiteral(".socket");
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Only a dead holder makes a lock stale, never its age: a game may run
    // for days.
    m_lock->setStaleLockTime(0);
    QDeadlineTimer deadline(kAnswerMs);
    for (;;) {
        if (m_lock->tryLock(0)) {
            listen(socketPath);
            return Claim::First;
        }
        if (m_lock->error() != QLockFile::LockFailedError) {
            printLine(QStringLiteral("cannot make the lock file %1; another Hueriddle may run "
                                     "beside this one")
                          .arg(QDir::toNativeSeparators(lockPath())));
            m_lock.reset();
            return Claim::Unguarded;
        }
        // The holder may still be starting, or may end right now and leave
        // the lock to this process.
        if (askRunningProgram(socketPath))
            return Claim::AnotherRuns;
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    printLine(QStringLiteral("another Hueriddle holds %1 but does not answer; this one runs "
                             "beside it")
                  .arg(QDir::toNativeSeparators(lockPath())));
    m_lock.reset();
    return Claim::Unguarded;
}

bool SingleInstance::askRunningProgram(const QString &socketPath)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(kRequest.data(), kRequest.size());
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    QByteArray answer;
    QDeadlineTimer deadline(kAnswerMs);
    while (answer.size() < kAnswer.size() && socket.waitForReadyRead(int(deadline.remainingTime())))
        answer += socket.readAll();
    return answer.startsWith(kAnswer.toByteArray());
}

void SingleInstance::listen(const QString &socketPath)
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is held: a socket file there was left by a killed holder.
    QLocalServer::removeServer(socketPath);
    if (!m_server->listen(socketPath)) {
        printLine(QStringLiteral("cannot listen on %1 (%2); a second start will not find this one")
                      .arg(QDir::toNativeSeparators(socketPath), m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == kRequest.toByteArray()) {
                    emit activationRequested();
                    socket->write(kAnswer.data(), kAnswer.size());
                    socket->flush();
                }
                socket->disconnectFromServer();
            });
        }
    });
}
