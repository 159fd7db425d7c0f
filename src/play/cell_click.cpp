// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/cell_click.h"

#include "game/board.h"
#include "game/game.h"
#include "game/translatable.h"
#include "play/advanced_move.h"
#include "play/beginner_move.h"
#include "rules/outcome.h"
#include "rules/win_lines.h"

namespace {

//: the clicked cell is taken: it already holds a mark, X or O, and keeps it
constexpr const char *AlreadySelected = translatable("Dialogs", "Sorry, already selected.");

void placeForTwoPlayers(Game &game, int cell)
{
    GameState &state = game.state;
    ++state.MoveCount;
    if (!isFree(game.form, cell)) {
        game.dialogs.showMessage(AlreadySelected);
        --state.MoveCount;
        return;
    }
    placeMark(game.form, cell, state.CurrentMark);
    CheckForWin(game);
    CheckForTie(game);
    state.CurrentMark = state.CurrentMark == "X" ? "O" : "X";
}

// Returns whether the computer is to reply.
bool placeForOnePlayer(Game &game, int cell)
{
    GameState &state = game.state;
    ++state.MoveCount;
    if (!isFree(game.form, cell) || state.CurrentMark != "X") {
        game.dialogs.showMessage(AlreadySelected);
        --state.MoveCount;
        state.CurrentMark = "X";
        return false;
    }
    placeMark(game.form, cell, "X");
    // The board is full: the computer must not be asked for a move it cannot make.
    if (state.MoveCount == CellCount)
        state.GameOver = true;
    CheckForWin(game);
    if (state.GameOver) {
        CheckForTie(game);
        state.CurrentMark = "X";
        return false;
    }
    state.CurrentMark = "O";
    return true;
}

} // namespace

void Text1_Click(Game &game, int Index)
{
    GameState &state = game.state;
    if (!state.VsComputer)
        placeForTwoPlayers(game, Index);
    else if (!placeForOnePlayer(game, Index))
        return;

    state.ComputerTurn = state.CurrentMark == "O" && state.VsComputer;
    if (!state.ComputerTurn)
        return;
    if (state.Level == Strength::Advanced)
        AdvancedMove(game);
    else
        BeginnerMove(game);
}
