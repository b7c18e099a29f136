#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// One small file the player keeps (the unfinished game), whole or not at all.
//
// Writes go to a thread of the file's own, so that the disk's time (a flush
// to the device takes milliseconds) is never spent on the main thread: write()
// hands over the bytes, or what makes them, and returns, and only the newest
// write waiting is done. Each write is atomic (QSaveFile: a temporary file beside it,
// written, flushed to the device and renamed over the old one), so a kill or a
// power loss at any moment leaves the old file or the new one, never a mix.
//
// A file that cannot be read as the program's own is never deleted: it is
// renamed beside itself (keepAside()). A directory that cannot be made or a
// file that cannot be written costs one line on standard error, once, and
// nothing else: the program goes on without keeping the file.
class KeptFile
{
public:
    // `path` may be empty: then nothing is read or written.
    explicit KeptFile(const QString &path);
    // Waits for the last write.
    ~KeptFile();

    KeptFile(const KeptFile &) = delete;
    KeptFile &operator=(const KeptFile &) = delete;

    QString path() const { return m_path; }

    // The file's bytes, at most `maxBytes` + 1 of them (so that a longer file
    // shows as such); nothing when there is no file. A file that exists but
    // cannot be read gives nothing and a line on standard error.
    std::optional<QByteArray> read(qint64 maxBytes) const;

    // Renames the file beside itself as "<name>.damaged-<date and time>", and
    // says so on standard error in one line with `reason`. Returns the new
    // path; empty when the file could not be renamed (it then stays as it is).
    QString keepAside(const QString &reason);

    // Removes the temporary files a write left when the program was killed
    // in the middle of it. Only the one process that writes the file may call
    // it.
    void removeLeftovers() const;

    // Hands `bytes` over to be written, and returns at once.
    void write(const QByteArray &bytes);
    // Hands over what makes the bytes, and returns at once. `makeBytes` runs
    // on the writing thread, so it must own everything it reads; it is
    // dropped unrun when a newer write comes first.
    void write(std::function<QByteArray()> makeBytes);

    // Waits until every write handed over has been done or has failed, for
    // `timeoutMs` at most; false when the time ran out.
    bool waitWritten(int timeoutMs);

    // The number of writes done, whether they succeeded or not.
    quint64 writesDone() const;

private:
    void run();
    bool writeNow(const QByteArray &bytes);
    // One line on standard error, only the first time.
    void reportOnce(const QString &line);

    QString m_path;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::function<QByteArray()> m_pending;
    bool m_writing = false;
    bool m_stopping = false;
    bool m_reported = false;
    bool m_directoryMade = false;
    quint64 m_writesDone = 0;
    std::thread m_thread;
};
