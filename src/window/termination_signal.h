// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// SIGTERM, with which a desktop or a user ends a program, quits the application as its "Exit"
// does: the open dialogs close, no question is asked again, and the program ends with status 0.
// Installs the handler once; later calls change nothing.
void quitOnTerminationSignal();
