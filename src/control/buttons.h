// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

struct Game;

// "Play Again?": clears and unlocks the board, counts the next game, asks the first mover again.
void Command1_Click(Game &game);
// "Reset all": zeroes the four score boxes and clears the cells. The counters, MoveCount and the
// cells' locks are left alone, so the next score continues from the old count.
void Command2_Click(Game &game);
// "Exit"
void Command3_Click(Game &game);
// "Beginner" and "Advanced": take effect from the computer's next reply.
void Option1_Click(Game &game);
void Option2_Click(Game &game);
