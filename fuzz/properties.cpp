// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "properties.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "Broken: %s\n", property);
        std::abort();
    }
}

bool isMark(const std::string &text)
{
    return text == "X" || text == "O";
}

bool accepted(const Ask &ask)
{
    if (ask.question == Question::Players)
        return ask.answer == "1" || ask.answer == "2";
    // Only the first answer to who goes first is upper-cased.
    return isMark(ask.answer) || (ask.refusal.empty() && (ask.answer == "x" || ask.answer == "o"));
}

int gamesCounted(const GameState &state)
{
    return state.XWins.value() + state.OWins.value() + state.Ties.value();
}

} // namespace

void checkBetweenEvents(const FuzzedGame &fuzzed)
{
    const GameState &state = fuzzed.game.state;
    require(state.MoveCount.value() >= 0 && state.MoveCount.value() < 10, "0 <= MoveCount < 10");
    require(state.GameOver != fuzzed.anyCellEnabled(), "a game is over while the board is locked");
    require(state.VsComputer == (state.PlayerCount == "1"), "the mode follows the player count");
    if (!state.GameOver)
        require(state.VsComputer ? state.CurrentMark == "X" : isMark(state.CurrentMark),
                "a game that goes on has a mark to move, and \"X\" against the computer");
}

void checkAnswers(const FuzzedGame &fuzzed)
{
    const std::vector<Ask> &asks = fuzzed.asks;
    for (std::size_t k = 0; k < asks.size(); ++k) {
        const bool reaskFollows = k + 1 < asks.size() && !asks[k + 1].refusal.empty();
        require(accepted(asks[k]) != reaskFollows, "an answer is asked again exactly when invalid");
        if (reaskFollows) {
            require(asks[k + 1].question == asks[k].question, "a re-ask asks the same question");
            require(asks[k + 1].snapshot == asks[k].snapshot, "a refused answer changes nothing");
        }
    }
}

void checkOpening(const FuzzedGame &fuzzed)
{
    const GameState &state = fuzzed.game.state;
    std::string players = state.PlayerCount; // "Play Again?" does not ask it
    std::string mover;
    for (const Ask &ask : fuzzed.asks) {
        if (ask.question == Question::Players)
            players = ask.answer;
        else
            mover = ask.answer == "x" ? "X" : ask.answer == "o" ? "O" : ask.answer;
    }
    require(state.PlayerCount == players, "the accepted answer is the player count");
    const bool onePlayer = state.PlayerCount == "1";
    const bool computerOpens = onePlayer && mover == "O";
    for (int cell = 0; cell < CellCount; ++cell) {
        const bool opening = computerOpens && cell == 4;
        require(fuzzed.cellText(cell) == (opening ? "O" : ""), "a new game has only the opening");
        require(fuzzed.cells.at(cell).colour == (opening ? CellTakenColour : CellEmptyColour),
                "a new game's cells are green but for the opening");
    }
    require(state.MoveCount == (computerOpens ? 1 : 0), "a new game counts only the opening");
    require(state.CurrentMark == (computerOpens ? "X" : mover), "the accepted mover moves");
    if (!computerOpens)
        require(fuzzed.optionsEnabled == onePlayer, "the strength options are for one player");
}

Before before(const FuzzedGame &fuzzed)
{
    Before result{{}, {}, fuzzed.game.state};
    for (int cell = 0; cell < CellCount; ++cell) {
        result.texts.at(cell) = fuzzed.cellText(cell);
        result.enabled.at(cell) = fuzzed.cells.at(cell).enabled;
    }
    return result;
}

void checkClick(const Before &before, const FuzzedGame &after, int cell)
{
    const GameState &state = after.game.state;
    int placed = 0;
    for (int other = 0; other < CellCount; ++other) {
        const std::string &was = before.texts.at(other);
        const std::string now = after.cellText(other);
        if (!was.empty()) {
            require(now == was, "a cell holding text keeps it");
        } else if (!now.empty()) {
            ++placed;
            require(other == cell || (state.VsComputer && now == "O"), "only the computer adds");
            const Colour colour = after.cells.at(other).colour;
            require(colour == CellTakenColour || colour == CellWinColour, "a new mark is coloured");
        }
    }
    if (!before.texts.at(cell).empty()) {
        require(placed == 0 && state.MoveCount == before.state.MoveCount, "a refusal places none");
        require(after.messages() == std::vector<std::string>{"Sorry, already selected."},
                "a click on a taken cell is refused");
        return;
    }
    const std::string mark = state.VsComputer ? "X" : before.state.CurrentMark;
    require(after.cellText(cell) == mark, "the clicked cell takes the mover's mark");
    require(placed <= (state.VsComputer ? 2 : 1), "one mark a click, and one reply");
    require(gamesCounted(state) - gamesCounted(before.state) == (state.GameOver ? 1 : 0),
            "a game that ends is counted once");
    if (!state.GameOver)
        require(state.MoveCount.value() == before.state.MoveCount.value() + placed,
                "MoveCount counts the marks placed");
}

void checkPlayAgain(const GameState &before, const FuzzedGame &after)
{
    const GameState &state = after.game.state;
    require(state.GameNumber.value() == before.GameNumber.value() + 1, "the game number rises");
    require(after.score(ScoreBox::Text5) == std::to_string(state.GameNumber.value()),
            "the game number is shown");
    require(gamesCounted(state) == gamesCounted(before) && state.PlayerCount == before.PlayerCount,
            "the scores and the player count stay");
    require(std::ranges::all_of(after.cells, &FakeWindow::Cell::enabled), "the board is unlocked");
}

void checkResetAll(const Before &before, const FuzzedGame &after)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        const FakeWindow::Cell &now = after.cells.at(cell);
        require(now.text.empty() && now.colour == CellEmptyColour, "the cells are blank and green");
        require(now.enabled == before.enabled.at(cell), "a locked cell stays locked");
    }
    require(std::ranges::all_of(after.scores, [](const std::string &box) { return box == "0"; }),
            "the score boxes show 0");
    require(describeState(after.game.state) == describeState(before.state)
                && after.game.state.CurrentMark == before.state.CurrentMark,
            "the game's state stays");
}
