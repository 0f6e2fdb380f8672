#pragma once

#include <thread>

namespace w4 {

// Reads the desktop's font configuration on a second thread while the application object connects
// to the display: the first text the window measures would otherwise wait for it. Join before the
// first widget is built; the font library then finds its configuration loaded.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void Join();

private:
    std::thread worker_;
};

} // namespace w4
