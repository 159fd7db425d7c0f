// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Game;

// The computer's reply at "Beginner": an "O" on a random free cell, blocking and winning only by
// chance. The turn goes back to "X" between the win and the tie test.
void BeginnerMove(Game &game);
