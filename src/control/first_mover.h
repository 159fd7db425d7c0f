// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/translatable.h"

struct Game;

// The wording that differs between asking at start-up and after "Play Again?".
struct FirstMoverWording
{
    const char *refusal;
    const char *reaskPrompt;
    const char *reaskTitle; // "" leaves the platform's title
};

inline constexpr FirstMoverWording AtStartUp{
    //: refuses an answer other than the letter X or O to which mark moves first
    translatable("Dialogs", "Sorry, your choices are X or O"),
    //: asked again after a refused answer: which mark moves first, the letter X or O
    translatable("Dialogs", "Who goes first X or O?"), "gorvane"};
inline constexpr FirstMoverWording AtPlayAgain{
    //: as "Sorry, your choices are X or O"; the small first letter is the English's own
    translatable("Dialogs", "sorry, your choices are X or O"),
    translatable("Dialogs", "who goes first X or O?"), ""};

// Asks until the answer is "X" or "O" and leaves it in CurrentMark. Only the first answer is
// upper-cased: a small letter typed at a re-ask is refused again.
void askFirstMover(Game &game, const FirstMoverWording &wording);

// The computer opens in cell 4 when one person plays and "O" moves first; otherwise the option
// buttons follow the number of players.
void makeOpeningDecision(Game &game);
