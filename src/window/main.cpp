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
#include <QVersionNumber>

namespace {

// Qt before 6.8 cannot tell mutter that a dialog is modal (it has no xdg_wm_dialog_v1, and mutter
// takes that hint only from it or from GTK's private protocol), so on GNOME's Wayland each
// question opens as a window of its own beside the board. Measured with Qt 6.4 under headless
// gnome-shell 43, answers typed through mutter's own input: natively the first question lay over
// the board in 0 of 20 starts, and the typed "2" reached it in 18 of 20 (10 of 10 once the question
// waits for the window to be shown). On Xwayland, GNOME attaches each question to the window and
// focuses it: over the board and answered 20 of 20, drawn sharp at GNOME's integer scales. Qt
// 6.8 under gnome-shell 48 does all of it natively. So only a GNOME Wayland session with an older
// Qt has the game ask for X11 first; the runtime version counts, as a package built against one
// Qt may run with a later one. Wayland stays the fallback where no Xwayland answers, and the
// player's own QT_QPA_PLATFORM, or -platform, still wins.
void preferXwaylandOnOlderQtUnderGnome()
{
    const bool gnome = qEnvironmentVariable("XDG_CURRENT_DESKTOP")
                           .split(u':')
                           .contains(QLatin1String("GNOME"), Qt::CaseInsensitive);
    if (gnome && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY")
        && QVersionNumber::fromString(QLatin1String(qVersion())) < QVersionNumber(6, 8))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace

int main(int argc, char *argv[])
{
    preferXwaylandOnOlderQtUnderGnome();
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
