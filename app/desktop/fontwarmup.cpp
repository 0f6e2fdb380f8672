#include "app/desktop/fontwarmup.h"

#include <dlfcn.h>

// The font library is loaded with Qt's; looked up by name so the program needs no headers of its own
// for it. Its start-up may run on any thread; Qt's own call later finds the configuration loaded.
w4::FontWarmUp::FontWarmUp()
{
    using InitFunction = int (*)();
    const auto init = reinterpret_cast<InitFunction>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (init)
        worker_ = std::thread([init] { init(); });
}

w4::FontWarmUp::~FontWarmUp() { Join(); }

void w4::FontWarmUp::Join()
{
    if (worker_.joinable())
        worker_.join();
}
