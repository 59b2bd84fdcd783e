#include "app/termination_signals.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int HandledSignals[] = {SIGTERM, SIGHUP};

// The handler's one piece of state, set before the handlers go in.
volatile sig_atomic_t writeEnd = -1;

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto number = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a signal that ends the program.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &number, 1);
    errno = savedErrno;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : HandledSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    int ends[2];
    // Without a pipe the signals keep their default action and end the program at once.
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_readEnd = ends[0];
    writeEnd = ends[1];
    m_notifier = new QSocketNotifier(m_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);
    setHandler(onSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (m_readEnd < 0)
        return;
    setHandler(SIG_DFL);
    ::close(writeEnd);
    writeEnd = -1;
    ::close(m_readEnd);
}

void TerminationSignals::readSignals()
{
    unsigned char numbers[16];
    ssize_t count;
    while ((count = ::read(m_readEnd, numbers, sizeof numbers)) > 0)
        for (ssize_t i = 0; i < count; ++i)
            Q_EMIT received(numbers[i]);
}
