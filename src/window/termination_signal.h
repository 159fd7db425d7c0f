// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SIGTERM, SIGHUP and SIGINT, with which a desktop, a logout, a closed terminal or Ctrl+C ends a
// program, quit the application as its "Exit" does: the open dialogs close, no question is asked
// again, and the program ends with status 0. Installs the handlers once; later calls change
// nothing.
void quitOnTerminationSignal();
// Once the event loop has ended, such a signal ends the process at once, with that status: what
// is left to do must not keep it waiting.
void exitOnTerminationSignal(int status);
