// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_identity.h"
#include "window/form1.h"
#include "window/process_end.h"
#include "window/termination_signal.h"
#include "window/translations.h"
#include "window/window_state_file.h"
#include "window/x11_close_request.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installTranslations(QLocale::system().uiLanguages());
    setApplicationIdentity();
    Form1 window;
    const X11CloseRequest closeRequest(window);
    WindowStateFile kept;
    kept.restore(window);
    quitOnTerminationSignal();
    // Loaded from the event loop: Qt ignores a request to quit made before the loop runs, and
    // one may come while start-up's questions are open.
    QTimer::singleShot(0, &window, &Form1::load);
    const int status = QApplication::exec();
    // Every way out ends the loop: Exit, the window's close, the desktop's signals.
    exitOnTerminationSignal(status);
    kept.save(window);
    return endOfEventLoop(status);
}
