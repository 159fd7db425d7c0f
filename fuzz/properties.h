// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fuzzed_game.h"

#include <array>
#include <string>

// What must hold whatever is typed into the cells or answered in the input boxes. A property
// that fails aborts, and libFuzzer keeps the input that broke it.

// Between events: the count of marks stays below ten (the tenth ends the game), a game is over
// exactly while the board is locked, and a game that goes on has "X" or "O" to move, always "X"
// against the computer.
void checkBetweenEvents(const FuzzedGame &fuzzed);

// The event's input boxes: an answer is refused and asked again exactly when it is not a valid
// one, the re-ask asks the same question, and a refused answer changes nothing.
void checkAnswers(const FuzzedGame &fuzzed);

// After start-up or "Play Again?": the computer opens in cell 4 when one person plays and "O"
// goes first; otherwise the board is empty and the accepted answer is to move.
void checkOpening(const FuzzedGame &fuzzed);

// The game as an event begins.
struct Before
{
    std::array<std::string, CellCount> texts;
    std::array<bool, CellCount> enabled;
    GameState state;
};

Before before(const FuzzedGame &fuzzed);

// A click never overwrites text in a cell, nor does the computer's reply; a click on a taken
// cell changes nothing on the board; an accepted one adds the mover's mark, and against the
// computer at most one "O"; a game that ends is counted once.
void checkClick(const Before &before, const FuzzedGame &after, int cell);

// "Play Again?" counts the next game and unlocks the board; the scores and the mode stay.
void checkPlayAgain(const GameState &before, const FuzzedGame &after);

// "Reset all" blanks the boxes and the cells and touches nothing else.
void checkResetAll(const Before &before, const FuzzedGame &after);
