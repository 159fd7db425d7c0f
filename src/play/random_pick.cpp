// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/random_pick.h"

#include "game/board.h"
#include "game/game.h"

bool PickRandomCell(Game &game)
{
    if (!anyCellFree(game.form))
        return false;
    do {
        game.random.reseedFromClock();
        game.state.ComputerCell = static_cast<int>(game.random.draw() * CellCount);
    } while (!isFree(game.form, game.state.ComputerCell));
    return true;
}

bool placeOnRandomCell(Game &game)
{
    GameState &state = game.state;
    if (!PickRandomCell(game)) {
        state.CurrentMark = "X";
        return false;
    }
    ++state.MoveCount;
    placeMark(game.form, state.ComputerCell, "O");
    return true;
}
