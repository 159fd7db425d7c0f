// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game as main() starts and ends it, ended by SIGTERM as a desktop ends it at logout: at the
// players' question (0), at the first mover's (1) or on the board (2), DELAY milliseconds after
// it shows. With --qt-teardown, Qt's own teardown runs on every platform.
// Usage: quit_probe WHERE DELAY [--qt-teardown]

#include "window/form1.h"
#include "window/process_end.h"
#include "window/termination_signal.h"

#include <QApplication>
#include <QInputDialog>
#include <QTimer>

#include <csignal>
#include <string>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const int where = std::stoi(argv[1]);
    const int delay = std::stoi(argv[2]);
    const bool qtTeardown = argc > 3 && std::string(argv[3]) == "--qt-teardown";
    Form1 window;
    quitOnTerminationSignal();
    QTimer::singleShot(0, &window, &Form1::load);

    int answered = 0;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, &window, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        const bool there = answered == where && (box != nullptr || window.isVisible());
        if (there && (where < 2 || box == nullptr)) {
            answerer.stop();
            QTimer::singleShot(delay, [] { std::raise(SIGTERM); });
        } else if (box != nullptr) {
            box->setTextValue(answered++ == 0 ? QStringLiteral("2") : QStringLiteral("X"));
            box->accept();
        }
    });
    answerer.start(1);
    const int status = QApplication::exec();
    return qtTeardown ? status : endOfEventLoop(status);
}
