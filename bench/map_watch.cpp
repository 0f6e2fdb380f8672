// Times a program's start to its first mapped window, as the X server sees it: the moment the
// server maps a top-level window with the given title. bench/startup.sh uses it rather than
// polling with a helper program, whose own starts would take the CPU from the program measured.
//
// Usage: w4mapwatch TITLE PROGRAM [ARGUMENTS...]
// Prints "<ms to the map> <peak resident KiB>"; ends the program 300 ms after the map.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string WindowTitle(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t utf8, xcb_atom_t netName)
{
    for (const auto& [property, type] : {std::pair{netName, utf8}, std::pair{xcb_atom_t(XCB_ATOM_WM_NAME), xcb_atom_t(XCB_ATOM_STRING)}}) {
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 256), nullptr);
        if (!reply)
            continue;
        std::string title(static_cast<const char*>(xcb_get_property_value(reply)),
                          static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        if (!title.empty())
            return title;
    }
    return {};
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t utf8 = Atom(connection, "UTF8_STRING");
    const xcb_atom_t netName = Atom(connection, "_NET_WM_NAME");
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    double shownMs = -1;
    // No mapped window within 30 s fails the run rather than hanging it.
    const auto deadline = start + std::chrono::seconds(30);
    while (shownMs < 0 && std::chrono::steady_clock::now() < deadline) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            int status = 0;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "%s ended before mapping a window\n", argv[2]);
                return 1;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const auto now = std::chrono::steady_clock::now();
            if (WindowTitle(connection, map->window, utf8, netName) == wanted)
                shownMs = std::chrono::duration<double, std::milli>(now - start).count();
        }
        std::free(event);
    }
    if (shownMs >= 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(300));   // let it paint and settle
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (shownMs < 0) {
        std::fprintf(stderr, "%s mapped no window titled %s\n", argv[2], wanted.c_str());
        return 1;
    }
    std::printf("%.1f %ld\n", shownMs, usage.ru_maxrss);
    return 0;
}
