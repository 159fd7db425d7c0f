// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/process_end.h"

#include <QGuiApplication>

#include <cstdio>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int endOfEventLoop(int status)
{
    // Qt 6.8's Wayland client can wait for ever while it disconnects: one of its event threads
    // may stop just after the main thread prepared a display read for it, and the other then
    // waits in wl_display_read_events for a read that never comes. Once the loop has ended
    // nothing is left to save, and the compositor frees what its client leaves behind.
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        return status;
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check(); // what the sanitizer build checks at exit
#endif
    std::fflush(nullptr);
    ::_exit(status);
}
