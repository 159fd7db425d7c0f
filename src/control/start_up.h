// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Game;

// Titles and shows the window, asks the number of players (once per run) and the first mover,
// and makes the opening decision.
void Form_Load(Game &game);
