#include "app/snapshots/endsignals.h"

#include <QObject>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace w4 {

namespace {

int endPipe[2] = {-1, -1};

void OnEndSignal(int signal)
{
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a wake-up: the byte may be dropped.
    [[maybe_unused]] const ssize_t n = ::write(endPipe[1], &byte, 1);
    errno = saved;
}

void Handle(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

} // namespace

void WatchEndSignals(QObject* owner, std::function<void(int)> ending)
{
    if (endPipe[0] < 0 && ::pipe2(endPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        endPipe[0] = endPipe[1] = -1;
        return;   // the default ending stays
    }
    auto* notifier = new QSocketNotifier(static_cast<qintptr>(endPipe[0]), QSocketNotifier::Read, owner);
    QObject::connect(notifier, &QSocketNotifier::activated, owner, [ending = std::move(ending)] {
        unsigned char byte = 0;
        while (::read(endPipe[0], &byte, 1) == 1)
            ending(byte);
    });
    QObject::connect(notifier, &QObject::destroyed, [] { Handle(SIG_DFL); });
    Handle(OnEndSignal);
}

} // namespace w4
