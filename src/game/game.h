// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/dialogs.h"
#include "game/form_view.h"
#include "game/game_state.h"
#include "game/random_source.h"

// The running game: its state and the services it works through. Every handler and rule takes it.
struct Game
{
    GameState state;
    FormView &form;
    Dialogs &dialogs;
    RandomSource &random;
};
