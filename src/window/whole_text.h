// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QLineEdit;

// Gives the box the window's font, or where its text would not fit in that, the largest smaller
// size in which it does: a line edit scrolls a text wider than itself, hiding its first
// characters, and a score box has room for about three digits.
void showWholeText(QLineEdit *box);
