#pragma once
// A start-up trace for finding where the time to the first frame goes. With the environment
// variable W4_STARTUP_TRACE set, each mark writes to stderr the milliseconds since the process
// began and since the previous mark; without it a mark costs one test of a flag.

namespace w4 {

void StartupMark(const char* step);

} // namespace w4
