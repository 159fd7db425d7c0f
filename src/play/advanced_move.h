// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

class FormView;
struct Game;

// The target of the first of the 30 ordered checks that matches: a free target whose two
// partners on its line hold the same mark, "X" or "O". Empty when none matches.
std::optional<int> firstMatchingCheck(const FormView &form);

// The computer's reply at "Advanced": complete or block a line by the first matching check,
// else a random free cell. A check hands the turn back to "X" before the win and tie tests (a
// win then leaves the winner's "O"); the random fallback hands it back after both.
void AdvancedMove(Game &game);
