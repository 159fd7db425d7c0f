// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rules/line_kind.h"

struct Game;

// The two ways a game ends:
//   win: CheckForWin -> AnnounceWin -> LockBoard -> RecordWin
//   tie: CheckForTie -> LockBoard -> RecordWin
// RecordWin sets MoveCount to 0, so a tie test that follows a win in the same event finds no tie.

// Reads the winner's mark off the line's first cell and tells the user which line won.
void AnnounceWin(Game &game, LineKind kind, int code);
// Disables all ten cells, then records the outcome.
void LockBoard(Game &game);
// Scores a win when it is the game's first announcement; otherwise shows the mark's count again.
void RecordWin(Game &game);
// Declares a tie once MoveCount is exactly 10.
void CheckForTie(Game &game);
