#include "tools/scan/stop_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may only write to a pipe; the event loop reads the other end.
int g_stopPipe[2] = {-1, -1};

extern "C" void onStopSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_stopPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {}

StopSignals::~StopSignals() = default;

void StopSignals::watch()
{
    std::signal(SIGPIPE, SIG_IGN);
    if (g_stopPipe[0] < 0 && ::pipe(g_stopPipe) != 0)
        return;
    for (const int fd : g_stopPipe) {
        ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(g_stopPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &StopSignals::takeRequests);
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGTERM, onStopSignal);
}

void StopSignals::takeRequests()
{
    char pending[16];
    [[maybe_unused]] const auto taken = ::read(g_stopPipe[0], pending, sizeof pending);
    emit stopRequested();
}
