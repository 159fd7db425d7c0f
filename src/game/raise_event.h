// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/dialogs.h"
#include "game/int16.h"

#include <utility>

// Runs one event handler to its end. A counter overflow stops the handler where it happened:
// what it did before stays done, the user is told, and the program goes on.
template<typename Handler>
void raiseEvent(Dialogs &dialogs, Handler &&handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const OverflowError &error) {
        dialogs.showMessage(error.what());
    }
}
