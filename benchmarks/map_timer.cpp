// Starts a program and reports how long it took until its window named NAME
// was mapped, and the program's peak resident memory by then.
// Usage: map_timer NAME PROGRAM [ARGS...]   prints "<milliseconds> <peak KiB>"

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string WindowName(xcb_connection_t* c, xcb_window_t w) {
    auto cookie = xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    std::string name;
    if (reply) {
        name.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    static_cast<std::size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
    }
    return name;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s NAME PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string wanted = argv[1];
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double elapsedMs = -1;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t w =
            mapped ? reinterpret_cast<xcb_map_notify_event_t*>(event)->window : 0;
        std::free(event);
        if (mapped && WindowName(c, w) == wanted) {
            elapsedMs =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            break;
        }
    }
    // Let the first paint happen too, the same for every program measured.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(c);
    if (elapsedMs < 0)
        return 1;
    std::printf("%.1f %ld\n", elapsedMs, usage.ru_maxrss);
    return 0;
}
