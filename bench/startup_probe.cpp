// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts a program and waits until a window with the given title is mapped on the X server
// named by $DISPLAY; prints the milliseconds from start to map and the program's peak resident
// memory in KiB, then ends the program.
// Usage: startup_probe TITLE PROGRAM [ARGUMENT...]
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr int TimeoutMs = 20000;

std::string property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t atom)
{
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return {static_cast<const char *>(xcb_get_property_value(reply.get())),
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

// Blocks until a window titled `title` is mapped; false on a time-out or a lost connection.
bool waitForMappedWindow(xcb_connection_t *connection, const std::string &title)
{
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (poll(&descriptor, 1, TimeoutMs) > 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            std::free(event);
            if (mapped && property(connection, window, XCB_ATOM_WM_NAME) == title)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    // A server just started may not take connections yet.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    for (int retry = 0; xcb_connection_has_error(connection) && retry < 100; ++retry) {
        xcb_disconnect(connection);
        usleep(50000);
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot reach the X server at $DISPLAY\n");
        return 2;
    }
    // Watch the root window before the program starts, so that no map can be missed.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    const bool mapped = waitForMappedWindow(connection, argv[1]);
    const double milliseconds =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window \"%s\" was mapped\n", argv[2], argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    return 0;
}
