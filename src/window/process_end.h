// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Called with the status of the ended event loop, the window closed: returns it, for Qt's own
// teardown to run on the way out of main(), or ends the process at once where that teardown can
// hang.
int endOfEventLoop(int status);
