// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/first_mover.h"

#include "game/board.h"
#include "game/game.h"
#include "game/translatable.h"

#include <algorithm>

namespace {

//: which mark moves first; the answer stays the letter X or O in every language. The small first
//: letter is the English's own.
constexpr const char *Prompt = translatable("Dialogs", "who goes first X or O?");
constexpr const char *Title = "gorvane"; // the game's name
constexpr const char *DefaultAnswer = "X";

// Only ASCII letters change: no other character upper-cases to "X" or "O", and UTF-8 stays intact.
std::string upperCased(std::string text)
{
    std::ranges::transform(text, text.begin(), [](char letter) {
        return letter >= 'a' && letter <= 'z' ? char(letter - 'a' + 'A') : letter;
    });
    return text;
}

bool isMark(const std::string &text)
{
    return text == "O" || text == "X";
}

} // namespace

void askFirstMover(Game &game, const FirstMoverWording &wording)
{
    std::string &mark = game.state.CurrentMark;
    mark = upperCased(game.dialogs.askText(Prompt, Title, DefaultAnswer));
    while (!isMark(mark) && !game.dialogs.quitting()) {
        game.dialogs.showMessage(wording.refusal);
        mark = game.dialogs.askText(wording.reaskPrompt, wording.reaskTitle, DefaultAnswer);
    }
}

void makeOpeningDecision(Game &game)
{
    GameState &state = game.state;
    const bool onePlayer = state.PlayerCount == "1"; // the answer is exactly "1" or "2"
    state.ComputerFirst = state.CurrentMark == "O" && onePlayer;
    if (state.ComputerFirst && state.MoveCount == 0) {
        state.VsComputer = true;
        state.MoveCount = 1;
        placeMark(game.form, 4, "O");
        state.CurrentMark = "X";
    } else if (onePlayer) {
        state.VsComputer = true;
        game.form.setOptionsEnabled(true);
    } else {
        state.VsComputer = false;
        game.form.setOptionsEnabled(false);
    }
}
