// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"

struct Game;

// Each scan tests every line of its kind, paints every completed one in CellWinColour and
// returns the code of the last completed line in its order, or -1.
int CheckRows(FormView &form); // 0, 3, 6, 12 (the bottom line 7-8-9)
int CheckColumns(FormView &form); // 0, 1, 2
int CheckDiagonals(FormView &form); // 0 (0-4-8), 2 (2-4-6), 1 (1-5-9)

// Runs the three scans in turn and announces each scan that found a line.
void CheckForWin(Game &game);
