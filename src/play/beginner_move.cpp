// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/beginner_move.h"

#include "game/game.h"
#include "play/random_pick.h"
#include "rules/outcome.h"
#include "rules/win_lines.h"

void BeginnerMove(Game &game)
{
    if (!placeOnRandomCell(game))
        return;
    CheckForWin(game);
    game.state.CurrentMark = "X";
    CheckForTie(game);
}
