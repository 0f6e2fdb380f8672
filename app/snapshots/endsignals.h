#pragma once
// SIGTERM and SIGINT end the program cleanly: the handler only writes the signal's number to a
// pipe, and a socket notifier on the event loop runs `ending` with it, where anything may be done.

#include <functional>

class QObject;

namespace w4 {

// Until `owner` is destroyed; then both signals end the program at once again.
void WatchEndSignals(QObject* owner, std::function<void(int)> ending);

} // namespace w4
