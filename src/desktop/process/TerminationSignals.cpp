#include "desktop/process/TerminationSignals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace
{

// The pipe's write end for the handler; -1 while no instance is installed.
volatile std::sig_atomic_t handlerPipe = -1;

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (handlerPipe != -1)
        return;
    int ends[2];
    // Non-blocking both ways: a burst of signals can never block the handler,
    // and the reader stops when the pipe is empty.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    m_writeEnd = ends[1];
    handlerPipe = m_writeEnd;

    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readPending);

    struct sigaction action = {};
    action.sa_handler = &TerminationSignals::handle;
    sigemptyset(&action.sa_mask);
    // Interrupted system calls resume, so the rest of the program never sees
    // EINTR on account of these signals.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &m_previous[i]);
    m_installed = true;
}

TerminationSignals::~TerminationSignals()
{
    if (m_installed) {
        for (std::size_t i = 0; i < kSignals.size(); ++i)
            ::sigaction(kSignals[i], &m_previous[i], nullptr);
        handlerPipe = -1;
    }
    delete m_notifier;
    if (m_readEnd != -1)
        ::close(m_readEnd);
    if (m_writeEnd != -1)
        ::close(m_writeEnd);
}

void TerminationSignals::handle(int signalNumber)
{
    const int savedErrno = errno;
    const int fd = handlerPipe;
    if (fd != -1) {
        const unsigned char number = static_cast<unsigned char>(signalNumber);
        // A full pipe already holds a wake-up; this delivery may be dropped.
        [[maybe_unused]] const ssize_t written = ::write(fd, &number, 1);
    }
    errno = savedErrno;
}

void TerminationSignals::readPending()
{
    unsigned char numbers[64];
    for (;;) {
        const ssize_t count = ::read(m_readEnd, numbers, sizeof numbers);
        if (count <= 0)
            return;
        for (ssize_t i = 0; i < count; ++i)
            emit received(numbers[i]);
    }
}
