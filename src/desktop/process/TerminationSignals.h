#pragma once

#include <QObject>
#include <array>
#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a logout) into a Qt signal delivered by
// the event loop, so that the program ends the normal way instead of dying
// with its frames unsaved. The handler itself only writes the signal's number
// to a pipe (async-signal-safe); the event loop reads it and emits received().
// One instance at a time; the handlers it replaced come back when it goes.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    static constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals &) = delete;
    TerminationSignals &operator=(const TerminationSignals &) = delete;

    // Whether the handlers are in place; false when the pipe could not be made
    // or another instance holds them, and the signals keep their old effect.
    bool isInstalled() const { return m_installed; }

signals:
    // `signalNumber` arrived; emitted from the event loop for each delivery.
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    void readPending();

    int m_readEnd = -1;
    int m_writeEnd = -1;
    bool m_installed = false;
    QSocketNotifier *m_notifier = nullptr;
    std::array<struct sigaction, kSignals.size()> m_previous{};
};
