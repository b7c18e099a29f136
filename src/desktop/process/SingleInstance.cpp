#include "desktop/process/SingleInstance.h"

#include "desktop/process/Diagnostics.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace
{

constexpr char kRequest[] = "activate\n";
constexpr char kAnswer[] = "ok\n";
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

// The socket's address; false when the path does not fit in one.
bool socketAddress(const QString &path, sockaddr_un &address)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (encoded.size() >= qsizetype(sizeof address.sun_path))
        return false;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return true;
}

// Reads from `fd` until `expected` came whole, the peer closed or the time ran
// out.
bool readExactly(int fd, const char *expected, int timeoutMs)
{
    const std::size_t length = std::strlen(expected);
    std::string got;
    QDeadlineTimer deadline(timeoutMs);
    while (got.size() < length) {
        pollfd entry{fd, POLLIN, 0};
        if (::poll(&entry, 1, int(deadline.remainingTime())) <= 0)
            return false;
        char buffer[16];
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        got.append(buffer, std::size_t(count));
    }
    return got.compare(0, length, expected) == 0;
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_listening != -1) {
        ::close(m_listening);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
    if (m_lock != -1)
        ::close(m_lock);
}

QString SingleInstance::lockPath()
{
    return basePath() + QStringLiteral(".lock");
}

SingleInstance::Claim SingleInstance::claim()
{
    const QString socketPath = basePath() + QStringLiteral(".socket");
    m_lock = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_lock == -1) {
        Diagnostics::printLine(
            QStringLiteral("cannot make the lock file %1 (%2); another Hueriddle may run "
                           "beside this one")
                .arg(QDir::toNativeSeparators(lockPath()),
                     QString::fromLocal8Bit(std::strerror(errno))));
        return Claim::Unguarded;
    }
    QDeadlineTimer deadline(kAnswerMs);
    for (;;) {
        if (::flock(m_lock, LOCK_EX | LOCK_NB) == 0) {
            listen(socketPath);
            return Claim::First;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            Diagnostics::printLine(
                QStringLiteral("cannot lock %1 (%2); another Hueriddle may run beside "
                               "this one")
                    .arg(QDir::toNativeSeparators(lockPath()),
                         QString::fromLocal8Bit(std::strerror(errno))));
            ::close(m_lock);
            m_lock = -1;
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
    Diagnostics::printLine(
        QStringLiteral("another Hueriddle holds %1 but does not answer; this one runs "
                       "beside it")
            .arg(QDir::toNativeSeparators(lockPath())));
    ::close(m_lock);
    m_lock = -1;
    return Claim::Unguarded;
}

bool SingleInstance::askRunningProgram(const QString &socketPath)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd == -1)
        return false;
    bool answered = false;
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 &&
        ::send(fd, kRequest, std::strlen(kRequest), MSG_NOSIGNAL) == ssize_t(std::strlen(kRequest)))
        answered = readExactly(fd, kAnswer, kAnswerMs);
    ::close(fd);
    return answered;
}

void SingleInstance::listen(const QString &socketPath)
{
    sockaddr_un address;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // The lock is held: a socket file there was left by a killed holder.
    ::unlink(QFile::encodeName(socketPath).constData());
    if (fd == -1 || !socketAddress(socketPath, address) ||
        ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        Diagnostics::printLine(
            QStringLiteral("cannot listen on %1 (%2); a second start will not find this one")
                .arg(QDir::toNativeSeparators(socketPath),
                     QString::fromLocal8Bit(std::strerror(errno))));
        if (fd != -1)
            ::close(fd);
        return;
    }
    m_listening = fd;
    m_socketPath = socketPath;
    auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
}

void SingleInstance::acceptRequests()
{
    for (;;) {
        const int connection =
            ::accept4(m_listening, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection == -1)
            return;
        auto *notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, connection, notifier] { answer(connection, notifier); });
    }
}

// One request per connection: the whole line is there at once, as the
// client writes it in one call.
void SingleInstance::answer(int connection, QSocketNotifier *notifier)
{
    char buffer[sizeof kRequest];
    const ssize_t count = ::read(connection, buffer, sizeof buffer);
    if (count < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    notifier->setEnabled(false);
    notifier->deleteLater();
    if (count == ssize_t(std::strlen(kRequest)) &&
        std::memcmp(buffer, kRequest, std::strlen(kRequest)) == 0) {
        emit activationRequested();
        [[maybe_unused]] const ssize_t sent =
            ::send(connection, kAnswer, std::strlen(kAnswer), MSG_NOSIGNAL);
    }
    ::close(connection);
}
