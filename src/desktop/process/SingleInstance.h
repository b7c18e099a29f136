#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

// One program per user and display. The first start holds a lock file and
// listens on a Unix socket beside it, both in $XDG_RUNTIME_DIR (the user's
// own, cleared at logout) and named after the user and the display; a later
// start finds the lock held, asks the running program through the socket to
// come forward, and ends.
//
// The lock decides who runs; the socket only carries the request. The lock is
// the kernel's (flock on the lock file), held for as long as the process
// lives, so a lock left by a killed program is no lock at all, and the one
// holding it may remove a socket file left by a killed holder before
// listening. Taking it writes nothing: QLockFile would flush a file to the
// disk on every start. Neither needs a D-Bus session bus, and the socket is a
// plain one: Qt's network library, with the libraries it loads, would cost
// every start-up far more than the request is worth.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        // This process is the one program: it holds the lock and listens.
        First,
        // Another program runs and was asked to come forward.
        AnotherRuns,
        // No lock could be made (no usable runtime directory), or the holder
        // does not answer: this process runs, without keeping others out.
        Unguarded,
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Settles the question above; a second start waits a few seconds at most
    // for a program still starting to answer.
    Claim claim();

    // The lock file's path for the present user and display.
    static QString lockPath();

signals:
    // A later start asked this program to bring its windows forward.
    void activationRequested();

private:
    static bool askRunningProgram(const QString &socketPath);
    void listen(const QString &socketPath);
    void acceptRequests();
    void answer(int connection, QSocketNotifier *notifier);

    int m_lock = -1;
    int m_listening = -1;
    QString m_socketPath;
};
