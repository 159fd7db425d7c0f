// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/process_end.h"

#include <QApplication>
#include <QTest>

// QTEST_MAIN's main(), ending the process as the game does once the tests have run: on Wayland,
// Qt's teardown can hang there as it can in the game. The test object goes first, so that the
// folders it made are removed.
#define GORVANE_WINDOW_TEST_MAIN(TestObject)                                                       \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        QApplication::setAttribute(Qt::AA_Use96Dpi, true);                                         \
        const int status = [&] {                                                                   \
            TestObject test;                                                                       \
            QTEST_SET_MAIN_SOURCE_PATH                                                             \
            return QTest::qExec(&test, argc, argv);                                                \
        }();                                                                                       \
        return endOfEventLoop(status);                                                             \
    }
