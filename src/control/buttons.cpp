// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/buttons.h"

#include "control/first_mover.h"
#include "game/board.h"
#include "game/game.h"

#include <string>

void Command1_Click(Game &game)
{
    GameState &state = game.state;
    state.WinsFound = 0;
    state.GameOver = false;
    state.MoveCount = 0;
    ++state.GameNumber;
    game.form.setScoreText(ScoreBox::Text5, std::to_string(state.GameNumber.value()));
    for (int cell = 0; cell < CellCount; ++cell) {
        clearCell(game.form, cell);
        game.form.setCellEnabled(cell, true);
    }
    askFirstMover(game, AtPlayAgain);
    makeOpeningDecision(game);
}

void Command2_Click(Game &game)
{
    for (ScoreBox box : {ScoreBox::Text2, ScoreBox::Text3, ScoreBox::Text4, ScoreBox::Text5})
        game.form.setScoreText(box, "0");
    for (int cell = 0; cell < CellCount; ++cell)
        clearCell(game.form, cell);
}

void Command3_Click(Game &game)
{
    game.form.endProgram();
}

void Option1_Click(Game &game)
{
    game.state.Level = Strength::Beginner;
}

void Option2_Click(Game &game)
{
    game.state.Level = Strength::Advanced;
}
