#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The handler only writes the signal's number to this pipe: everything else happens on
// the event loop.
int signalPipe[2] = {-1, -1};

void noteSignal(int signal)
{
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT};

} // namespace

TerminationSignals::TerminationSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        qWarning("SIGTERM, SIGHUP and SIGINT end the program at once: no pipe for them");
        return;
    }
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled)
        ::sigaction(signal, &action, nullptr);
}

void TerminationSignals::whenSignalled(std::function<void(int)> onSignal)
{
    m_onSignal = std::move(onSignal);
    if (signalPipe[0] < 0 || m_notifier)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        int signal = 0;
        for (ssize_t count = 0; (count = ::read(signalPipe[0], bytes, sizeof bytes)) > 0;)
            signal = bytes[count - 1];
        if (signal != 0)
            m_onSignal(signal);
    });
}

TerminationSignals::~TerminationSignals()
{
    for (const int signal : handled)
        ::signal(signal, SIG_DFL);
    if (signalPipe[0] >= 0) {
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
}
