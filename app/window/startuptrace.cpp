#include "app/window/startuptrace.h"

#include <QtGlobal>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// How long the process had run when this was called, in ms: the start time the kernel keeps (in
// clock ticks since boot) against the boot clock. Ticks are coarse (10 ms), so later marks are
// timed from here with the steady clock instead.
double ProcessAgeMs()
{
    std::ifstream in("/proc/self/stat");
    std::string stat;
    std::getline(in, stat);
    // The command name in brackets may hold spaces; the fields after it are plain.
    const auto close = stat.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i < 22 && fields >> field; ++i) {
    }
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
}

} // namespace

void w4::StartupMark(const char* step)
{
    static const bool enabled = qEnvironmentVariableIsSet("W4_STARTUP_TRACE");
    if (!enabled)
        return;
    static const double firstAge = ProcessAgeMs();
    static const Clock::time_point first = Clock::now();
    static Clock::time_point previous = first;
    const Clock::time_point now = Clock::now();
    const auto ms = [](Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    std::fprintf(stderr, "startup %7.1f ms (+%6.1f) %s\n", firstAge + ms(now - first), ms(now - previous), step);
    previous = now;
}
