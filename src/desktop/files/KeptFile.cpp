#include "desktop/files/KeptFile.h"

#include "desktop/process/Diagnostics.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace
{

// QSaveFile's temporary files for `fileName`: the name, a dot and six ASCII
// letters or digits. Matched by hand rather than by a regular expression,
// which costs its compilation on the way to the first frame.
bool isTemporaryFileOf(QStringView name, QStringView fileName)
{
    constexpr qsizetype kRandomCharacters = 6;
    if (name.size() != fileName.size() + 1 + kRandomCharacters || !name.startsWith(fileName) ||
        name[fileName.size()] != u'.')
        return false;
    for (const QChar character : name.last(kRandomCharacters))
        if (character.unicode() > 0x7f || !character.isLetterOrNumber())
            return false;
    return true;
}

} // namespace

KeptFile::KeptFile(const QString &path) : m_path(path) {}

KeptFile::~KeptFile()
{
    {
        std::unique_lock lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

std::optional<QByteArray> KeptFile::read(qint64 maxBytes) const
{
    if (m_path.isEmpty())
        return std::nullopt;
    QFile file(m_path);
    if (!file.exists())
        return std::nullopt;
    if (!file.open(QIODevice::ReadOnly)) {
        Diagnostics::printLine(QStringLiteral("%1: cannot be read (%2); a new game starts")
                                   .arg(QDir::toNativeSeparators(m_path), file.errorString()));
        return std::nullopt;
    }
    return file.read(maxBytes + 1);
}

QString KeptFile::keepAside(const QString &reason)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + QStringLiteral(".damaged-") + stamp;
    for (int count = 2; QFileInfo::exists(aside); ++count)
        aside = m_path + QStringLiteral(".damaged-") + stamp + u'-' + QString::number(count);
    const QString file = QDir::toNativeSeparators(m_path);
    if (!QFile::rename(m_path, aside)) {
        Diagnostics::printLine(
            QStringLiteral("%1: %2; it could not be kept aside and stays as it is")
                .arg(file, reason));
        return QString();
    }
    Diagnostics::printLine(QStringLiteral("%1: %2; kept as %3, a new game starts")
                               .arg(file, reason, QFileInfo(aside).fileName()));
    return aside;
}

void KeptFile::removeLeftovers() const
{
    if (m_path.isEmpty())
        return;
    const QFileInfo info(m_path);
    const QString fileName = info.fileName();
    const QDir directory = info.dir();
    for (const QString &name : directory.entryList(QDir::Files, QDir::Unsorted))
        if (isTemporaryFileOf(name, fileName))
            QFile::remove(directory.filePath(name));
}

void KeptFile::write(const QByteArray &bytes)
{
    write([bytes] { return bytes; });
}

void KeptFile::write(std::function<QByteArray()> makeBytes)
{
    if (m_path.isEmpty())
        return;
    {
        std::unique_lock lock(m_mutex);
        m_pending = std::move(makeBytes);
        if (!m_thread.joinable())
            m_thread = std::thread(&KeptFile::run, this);
    }
    m_wake.notify_one();
}

bool KeptFile::waitWritten(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                           [this] { return !m_pending && !m_writing; });
}

quint64 KeptFile::writesDone() const
{
    std::unique_lock lock(m_mutex);
    return m_writesDone;
}

void KeptFile::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending || m_stopping; });
        if (!m_pending)
            return;
        const std::function<QByteArray()> makeBytes = std::move(m_pending);
        m_pending = nullptr;
        m_writing = true;
        lock.unlock();
        writeNow(makeBytes());
        lock.lock();
        m_writing = false;
        ++m_writesDone;
        if (!m_pending)
            m_idle.notify_all();
    }
}

bool KeptFile::writeNow(const QByteArray &bytes)
{
    if (!m_directoryMade) {
        const QString directory = QFileInfo(m_path).absolutePath();
        if (!QDir().mkpath(directory)) {
            reportOnce(QStringLiteral("cannot make the directory %1; the game in progress "
                                      "will not be kept")
                           .arg(QDir::toNativeSeparators(directory)));
            return false;
        }
        m_directoryMade = true;
    }
    QSaveFile file(m_path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    reportOnce(QStringLiteral("cannot write %1 (%2); the game in progress will not be kept")
                   .arg(QDir::toNativeSeparators(m_path), file.errorString()));
    return false;
}

void KeptFile::reportOnce(const QString &line)
{
    if (m_reported)
        return;
    m_reported = true;
    Diagnostics::printLine(line);
}
