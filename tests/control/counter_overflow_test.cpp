// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/raise_event.h"
#include "play/cell_click.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;

const std::string Overflow = "Overflow error: a counter went beyond the range -32768 to 32767.";

// A click with one counter at 32767 whose increment the click reaches. The click stops right
// there: the marks, paint and lock done before stay, and nothing after runs: no score box, no
// end of the game, no tie test, no hand-over of the turn.
struct OverflowCase
{
    const char *name;
    const char *players;
    Strength level;
    const char *board; // MoveCount is the number of marks, unless it is the counter
    Int16 GameState::*counter;
    std::int16_t value;
    int cell;
    std::deque<float> draws;
    Messages messages; // before the overflow report
    const char *boardAfter;
    const char *coloursAfter;
    bool locked;
    std::int16_t moveCount;
    bool gameOver;
    const char *mark;
};

void PrintTo(const OverflowCase &c, std::ostream *os)
{
    *os << c.name;
}

class CounterAtItsLimit : public testing::TestWithParam<OverflowCase>
{
};

TEST_P(CounterAtItsLimit, StopsTheClickWhereItWouldPassAndPlayGoesOn)
{
    const OverflowCase &c = GetParam();
    const bool alone = c.players == std::string("1");
    FakeGame fake;
    alone ? fake.startOnePlayer(c.level, c.board) : fake.startTwoPlayers(c.board);
    fake.state().*c.counter = c.value;
    fake.window.draws = c.draws;

    raiseEvent(fake.window, [&] { Text1_Click(fake.game, c.cell); });

    Messages messages = c.messages;
    messages.push_back(Overflow);
    EXPECT_EQ(fake.window.messages(), messages);
    EXPECT_EQ(fake.state().*c.counter, Int16(32767));
    EXPECT_EQ(fake.window.board(), c.boardAfter);
    EXPECT_EQ(fake.window.colours(), c.coloursAfter);
    EXPECT_EQ(fake.window.anyCellEnabled(), !c.locked);
    EXPECT_EQ(fake.state().MoveCount, Int16(c.moveCount));
    EXPECT_EQ(fake.state().GameOver, c.gameOver);
    EXPECT_EQ(fake.state().CurrentMark, c.mark);
    EXPECT_EQ(fake.window.scores, (std::array<std::string, 4>{"0", "0", "0", "1"}));
    EXPECT_TRUE(fake.window.draws.empty());

    // The program goes on: the next game starts clean and takes a click.
    fake.playAgainAndClick(0);
    EXPECT_TRUE(fake.window.messages().empty());
    EXPECT_EQ(fake.window.board(), alone ? "X........O" : "X.........");
    EXPECT_TRUE(fake.window.anyCellEnabled());
    EXPECT_EQ(fake.state().MoveCount, Int16(alone ? 2 : 1));
    EXPECT_EQ(fake.window.score(ScoreBox::Text5), "2");
}

INSTANTIATE_TEST_SUITE_P(
    ScoreCounters, CounterAtItsLimit,
    testing::Values(
        // The win is announced and the board locked; RecordWin has reset MoveCount, then stops.
        OverflowCase{.name = "x_wins_two_players",
                     .players = "2",
                     .level = Strength::Beginner,
                     .board = "XX.OO.....",
                     .counter = &GameState::XWins,
                     .value = 32767,
                     .cell = 2,
                     .draws = {},
                     .messages = {"X has won by row  0"},
                     .boardAfter = "XXXOO.....",
                     .coloursAfter = "YYYRRGGGGG",
                     .locked = true,
                     .moveCount = 0,
                     .gameOver = false,
                     .mark = "X"},
        OverflowCase{.name = "x_wins_alone",
                     .players = "1",
                     .level = Strength::Advanced,
                     .board = "XX.OO.....",
                     .counter = &GameState::XWins,
                     .value = 32767,
                     .cell = 2,
                     .draws = {},
                     .messages = {"X has won by row  0"},
                     .boardAfter = "XXXOO.....",
                     .coloursAfter = "YYYRRGGGGG",
                     .locked = true,
                     .moveCount = 0,
                     .gameOver = false,
                     .mark = "X"},
        // An "Advanced" check completes 3-4-5; the winner's "O" stays in CurrentMark.
        OverflowCase{.name = "o_wins_by_the_computer",
                     .players = "1",
                     .level = Strength::Advanced,
                     .board = "X...OO..X.",
                     .counter = &GameState::OWins,
                     .value = 32767,
                     .cell = 9,
                     .draws = {},
                     .messages = {"O has won by row  1"},
                     .boardAfter = "X..OOO..XX",
                     .coloursAfter = "RGGYYYGGRR",
                     .locked = true,
                     .moveCount = 0,
                     .gameOver = false,
                     .mark = "O"},
        // No tie message, no lock; MoveCount stays at 10.
        OverflowCase{.name = "tie_two_players",
                     .players = "2",
                     .level = Strength::Beginner,
                     .board = "XOXOXOOXO.",
                     .counter = &GameState::Ties,
                     .value = 32767,
                     .cell = 9,
                     .draws = {},
                     .messages = {},
                     .boardAfter = "XOXOXOOXOX",
                     .coloursAfter = "RRRRRRRRRR",
                     .locked = false,
                     .moveCount = 10,
                     .gameOver = false,
                     .mark = "X"},
        // The person's tenth mark has already ended the game.
        OverflowCase{.name = "tie_person_fills_the_board",
                     .players = "1",
                     .level = Strength::Beginner,
                     .board = "XOXOXOOXO.",
                     .counter = &GameState::Ties,
                     .value = 32767,
                     .cell = 9,
                     .draws = {},
                     .messages = {},
                     .boardAfter = "XOXOXOOXOX",
                     .coloursAfter = "RRRRRRRRRR",
                     .locked = false,
                     .moveCount = 10,
                     .gameOver = true,
                     .mark = "X"},
        // The random fallback tests for a tie before it hands the turn back.
        OverflowCase{.name = "tie_advanced_fallback_keeps_o_to_move",
                     .players = "1",
                     .level = Strength::Advanced,
                     .board = "XOXXOXO.O.",
                     .counter = &GameState::Ties,
                     .value = 32767,
                     .cell = 7,
                     .draws = {0.95F},
                     .messages = {},
                     .boardAfter = "XOXXOXOXOO",
                     .coloursAfter = "RRRRRRRRRR",
                     .locked = false,
                     .moveCount = 10,
                     .gameOver = false,
                     .mark = "O"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TurnCounters, CounterAtItsLimit,
    testing::Values(
        // The person's mark takes MoveCount to 32767; the reply has drawn its cell, no "O".
        OverflowCase{.name = "move_count_beginner_reply",
                     .players = "1",
                     .level = Strength::Beginner,
                     .board = "X.........",
                     .counter = &GameState::MoveCount,
                     .value = 32766,
                     .cell = 1,
                     .draws = {0.55F},
                     .messages = {},
                     .boardAfter = "XX........",
                     .coloursAfter = "RRGGGGGGGG",
                     .locked = false,
                     .moveCount = 32767,
                     .gameOver = false,
                     .mark = "O"},
        // An "Advanced" check places its "O" first: it completes 3-4-5 unseen, no line search.
        OverflowCase{.name = "move_count_advanced_reply",
                     .players = "1",
                     .level = Strength::Advanced,
                     .board = "X...OO..X.",
                     .counter = &GameState::MoveCount,
                     .value = 32766,
                     .cell = 9,
                     .draws = {},
                     .messages = {},
                     .boardAfter = "X..OOO..XX",
                     .coloursAfter = "RGGRRRGGRR",
                     .locked = false,
                     .moveCount = 32767,
                     .gameOver = false,
                     .mark = "O"},
        // The row is painted, then the announcement count stops the search before its message.
        OverflowCase{.name = "wins_found",
                     .players = "2",
                     .level = Strength::Beginner,
                     .board = "XX.OO.....",
                     .counter = &GameState::WinsFound,
                     .value = 32767,
                     .cell = 2,
                     .draws = {},
                     .messages = {},
                     .boardAfter = "XXXOO.....",
                     .coloursAfter = "YYYRRGGGGG",
                     .locked = false,
                     .moveCount = 5,
                     .gameOver = false,
                     .mark = "X"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
