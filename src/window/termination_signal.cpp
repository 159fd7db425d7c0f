// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/termination_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// A signal handler may do next to nothing: it writes a byte that the event loop then reads.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): the handler's only reach
volatile std::sig_atomic_t wakeUp = -1;
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables): likewise
volatile std::sig_atomic_t exitStatus = 0;

constexpr std::array TerminationSignals{SIGTERM, SIGHUP, SIGINT};

void handleTerminationSignals(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : TerminationSignals)
        sigaction(signal, &action, nullptr);
}

void onTerminate(int /*signal*/)
{
    // The interrupted code may be about to read errno.
    const int savedErrno = errno;
    const char byte = 0;
    [[maybe_unused]] const auto written = ::write(wakeUp, &byte, 1);
    errno = savedErrno;
}

void onTerminateAfterLoop(int /*signal*/)
{
    ::_exit(exitStatus);
}

} // namespace

void quitOnTerminationSignal()
{
    std::array<int, 2> ends{};
    if (wakeUp >= 0
        || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends.data()) != 0)
        return;
    wakeUp = ends[1];
    auto *notifier =
        new QSocketNotifier(ends[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(int(notifier->socket()), &byte, 1);
        QCoreApplication::quit();
    });
    handleTerminationSignals(onTerminate);
}

void exitOnTerminationSignal(int status)
{
    exitStatus = status;
    handleTerminationSignals(onTerminateAfterLoop);
}
