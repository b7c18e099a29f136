#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;

// One program per user and display. The first start holds a lock file and
// listens on a local socket beside it, both in $XDG_RUNTIME_DIR (the user's
// own, cleared at logout) and named after the user and the display; a later
// start finds the lock held, asks the running program through the socket to
// come forward, and ends.
//
// The lock decides who runs; the socket only carries the request. QLockFile
// records the holder's process, so a lock left by a killed program is taken
// over at once, and the one holding it may remove a socket file left by a
// killed holder before listening. Neither needs a D-Bus session bus.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Claim {
        // This process is the one program: it holds the lock and listens.
        First,
        // Another program runs and was asked to come forward.
        AnotherRuns,
        // No lock could be made (no usable runtime directory): this process
        // runs, without keeping others out.
        Unguarded,
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // Settles the question above; a second start waits a few seconds at most
    // for a program still starting to answer.
    Claim claim();

    // The lock file's path for the present user and display.
    static QString lockPath();

signals:
    // A later start asked this program to bring its windows forward.
    void activationRequested();

private:
    bool askRunningProgram(const QString &socketPath);
    void listen(const QString &socketPath);

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
