#include "desktop/files/GameHistory.h"

#include "desktop/process/Diagnostics.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

GameHistory::GameHistory(const QString &directory) : m_directory(directory) {}

QString GameHistory::filePath() const
{
    return m_directory.isEmpty() ? QString() : QDir(m_directory).filePath(kFileName);
}

bool GameHistory::append(const QByteArray &line)
{
    if (m_directory.isEmpty()) {
        if (!m_warned)
            Diagnostics::printLine(QStringLiteral("neither XDG_DATA_HOME nor HOME names a "
                                                  "directory; finished games will not be kept"));
        m_warned = true;
        return false;
    }
    if (!QDir().mkpath(m_directory)) {
        warnOnce(QStringLiteral("cannot make the directory %1").arg(m_directory));
        return false;
    }
    const QByteArray path = QFile::encodeName(filePath());
    // Read and write: the last byte tells whether the file ends a line.
    const int fd = ::open(path.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        warnOnce(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    QByteArray bytes;
    bytes.reserve(line.size() + 2);
    struct stat status {
    };
    char last = '\n';
    if (::fstat(fd, &status) == 0 && status.st_size > 0 &&
        ::pread(fd, &last, 1, status.st_size - 1) == 1 && last != '\n')
        bytes.append('\n');
    bytes.append(line);
    bytes.append('\n');
    // One write with O_APPEND: the line lands whole at the end, or (killed
    // midway, the disk full) as a torn last line that readers leave out.
    const ssize_t written = ::write(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    if (written != bytes.size() || !closed) {
        warnOnce(written < 0 ? QString::fromLocal8Bit(std::strerror(writeError))
                             : QStringLiteral("the line was cut short"));
        return false;
    }
    return true;
}

QByteArray GameHistory::read() const
{
    if (m_directory.isEmpty())
        return {};
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString GameHistory::keepAside() const
{
    const QString current = filePath();
    if (!QFileInfo::exists(current))
        return {};
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString aside = QDir(m_directory).filePath(kFileName + QLatin1Char('-') + stamp);
    for (int number = 2; QFileInfo::exists(aside); ++number)
        aside = QDir(m_directory)
                    .filePath(QStringLiteral("%1-%2-%3").arg(kFileName, stamp).arg(number));
    // rename() keeps the bytes as they are and replaces nothing: the name was
    // free a moment ago, and only this program writes in the directory.
    if (::rename(QFile::encodeName(current).constData(), QFile::encodeName(aside).constData()) !=
        0) {
        const int error = errno;
        Diagnostics::printLine(QStringLiteral("cannot move the history of games %1 aside: %2")
                                   .arg(current, QString::fromLocal8Bit(std::strerror(error))));
        return {};
    }
    return aside;
}

void GameHistory::warnOnce(const QString &what) const
{
    if (m_warned)
        return;
    m_warned = true;
    Diagnostics::printLine(QStringLiteral("cannot write the history of games %1 (%2); playing on")
                               .arg(filePath(), what));
}
