// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/buttons.h"

#include "game/raise_event.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Transcript = std::vector<std::string>;

// A game that "X" has just won on the top row, as game number 3.
FakeGame wonGame(const std::string &players)
{
    FakeGame fake;
    fake.startTwoPlayers("XXX.OO....");
    fake.state().PlayerCount = players;
    fake.state().VsComputer = players == "1";
    fake.state().GameNumber = 3;
    fake.state().XWins = 1;
    fake.state().WinsFound = 1;
    fake.state().GameOver = true;
    fake.state().MoveCount = 0;
    for (auto &cell : fake.window.cells)
        cell.enabled = false;
    fake.window.scores = {" 1", "0", "0", "3"};
    return fake;
}

TEST(PlayAgain, ClearsUnlocksAndCountsTheNextGame)
{
    FakeGame fake = wonGame("2");
    fake.window.answers = {"O"};

    Command1_Click(fake.game);

    EXPECT_EQ(fake.window.board(), "..........");
    EXPECT_EQ(fake.window.colours(), "GGGGGGGGGG");
    EXPECT_TRUE(
        std::ranges::all_of(fake.window.cells, [](const auto &cell) { return cell.enabled; }));
    EXPECT_EQ(fake.window.score(ScoreBox::Text5), "4");
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), " 1");
    EXPECT_EQ(fake.state().WinsFound, Int16(0));
    EXPECT_FALSE(fake.state().GameOver);
    EXPECT_EQ(fake.state().XWins, Int16(1));
    EXPECT_EQ(fake.state().CurrentMark, "O");
    EXPECT_FALSE(fake.window.optionsEnabled);
}

TEST(PlayAgain, AsksTheFirstMoverInItsOwnWording)
{
    FakeGame fake = wonGame("2");
    fake.window.answers = {"z", "x", "X"};

    Command1_Click(fake.game);

    const std::string ask = "ask|who goes first X or O?|gorvane|X";
    const std::string refuse = "message|sorry, your choices are X or O";
    const std::string reask = "ask|who goes first X or O?||X"; // no title of its own
    EXPECT_EQ(fake.window.transcript, (Transcript{ask, refuse, reask, refuse, reask}));
}

TEST(PlayAgain, LetsTheComputerOpenWhenOMovesFirstAgainstIt)
{
    FakeGame fake = wonGame("1");
    fake.window.answers = {"o"};

    Command1_Click(fake.game);

    EXPECT_EQ(fake.window.board(), "....O.....");
    EXPECT_EQ(fake.state().MoveCount, Int16(1));
    EXPECT_EQ(fake.state().CurrentMark, "X");
}

TEST(PlayAgain, MidGameDiscardsTheGameUnscored)
{
    FakeGame fake;
    fake.startTwoPlayers("XO.X.O....");
    fake.window.answers = {"X"};
    Command1_Click(fake.game);
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
    EXPECT_EQ(fake.state().Ties, Int16(0));
    EXPECT_EQ(fake.window.score(ScoreBox::Text5), "2");
}

TEST(PlayAgain, StopsAtTheGameNumbersLimitAfterResettingTheGame)
{
    FakeGame fake = wonGame("2");
    fake.state().GameNumber = 32767;

    raiseEvent(fake.window, [&] { Command1_Click(fake.game); });

    // The overflow report, and no question.
    EXPECT_EQ(
        fake.window.transcript,
        Transcript{"message|Overflow error: a counter went beyond the range -32768 to 32767."});
    EXPECT_EQ(fake.state().WinsFound, Int16(0));
    EXPECT_FALSE(fake.state().GameOver);
    EXPECT_EQ(fake.window.score(ScoreBox::Text5), "3");
    EXPECT_EQ(fake.window.board(), "XXX.OO....");
    EXPECT_FALSE(fake.window.anyCellEnabled());

    // No later game can start, but the program goes on answering: the same report again, and
    // "Reset all" and "Exit" still work.
    fake.window.transcript.clear();
    raiseEvent(fake.window, [&] { Command1_Click(fake.game); });
    EXPECT_EQ(
        fake.window.transcript,
        Transcript{"message|Overflow error: a counter went beyond the range -32768 to 32767."});
    raiseEvent(fake.window, [&] { Command2_Click(fake.game); });
    EXPECT_EQ(fake.window.scores, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    raiseEvent(fake.window, [&] { Command3_Click(fake.game); });
    EXPECT_TRUE(fake.window.ended);
}

TEST(ResetAll, ZeroesTheBoxesAndClearsTheCellsOnly)
{
    FakeGame fake = wonGame("2");
    const GameState before = fake.state();

    Command2_Click(fake.game);

    EXPECT_EQ(fake.window.scores, (std::array<std::string, 4>{"0", "0", "0", "0"}));
    EXPECT_EQ(fake.window.board(), "..........");
    EXPECT_EQ(fake.window.colours(), "GGGGGGGGGG");
    EXPECT_FALSE(fake.window.anyCellEnabled()); // a locked board stays locked
    EXPECT_EQ(fake.state().XWins, before.XWins);
    EXPECT_EQ(fake.state().GameNumber, before.GameNumber);
    EXPECT_TRUE(fake.window.transcript.empty());

    fake.window.answers = {"X"};
    Command1_Click(fake.game);
    EXPECT_EQ(fake.window.score(ScoreBox::Text5), "4");
}

TEST(ResetAll, MidGameKeepsTheCountAndTheMover)
{
    FakeGame fake;
    fake.startTwoPlayers("XO.X.O....");
    Command2_Click(fake.game);
    EXPECT_EQ(fake.state().MoveCount, Int16(4));
    EXPECT_EQ(fake.state().CurrentMark, "X");
    EXPECT_TRUE(fake.window.anyCellEnabled());
}

TEST(Exit, EndsTheProgramWithoutAsking)
{
    FakeGame fake;
    Command3_Click(fake.game);
    EXPECT_TRUE(fake.window.ended);
    EXPECT_TRUE(fake.window.transcript.empty());
}

TEST(Options, SetTheComputersStrength)
{
    FakeGame fake;
    Option2_Click(fake.game);
    EXPECT_EQ(fake.state().Level, Strength::Advanced);
    Option1_Click(fake.game);
    EXPECT_EQ(fake.state().Level, Strength::Beginner);
}

} // namespace
