// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Game;

// Draws cells until one is free and leaves it in ComputerCell, reseeding before every draw.
// Returns false, drawing nothing, when no cell is free: typed text can fill the cells that hold
// no mark, and drawing on would never end.
bool PickRandomCell(Game &game);

// The computer's "O" on a random free cell: counted, then placed. With no free cell the move
// is skipped and the turn goes back to "X"; returns whether the "O" went down.
bool placeOnRandomCell(Game &game);
