// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/cell_click.h"

#include "game/raise_event.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

using Messages = std::vector<std::string>;

TEST(TwoPlayers, AlternateMarksUntilAWin)
{
    FakeGame fake;
    fake.startTwoPlayers();

    for (int cell : {0, 3, 1, 4})
        Text1_Click(fake.game, cell);
    EXPECT_EQ(fake.window.board(), "XX.OO.....");
    EXPECT_EQ(fake.window.colours(), "RRGRRGGGGG");
    EXPECT_EQ(fake.state().MoveCount, Int16(4));
    EXPECT_EQ(fake.state().CurrentMark, "X");
    EXPECT_FALSE(fake.state().ComputerTurn);

    Text1_Click(fake.game, 2);
    EXPECT_EQ(fake.window.messages(), Messages{"X has won by row  0"});
    EXPECT_EQ(fake.state().CurrentMark, "O"); // the winner's mark, toggled as after any mark
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
    EXPECT_EQ(fake.state().Ties, Int16(0));
}

TEST(TwoPlayers, TenthMarkWithoutALineIsATieAndTheMarkStillToggles)
{
    FakeGame fake;
    fake.startTwoPlayers("XOXOXOOXO.");

    Text1_Click(fake.game, 9);

    EXPECT_EQ(fake.window.messages(), Messages{"The game is a tie."});
    EXPECT_EQ(fake.state().Ties, Int16(1));
    EXPECT_EQ(fake.state().CurrentMark, "O");
    EXPECT_FALSE(fake.window.anyCellEnabled());
}

TEST(TwoPlayers, FirstMoverOPlacesOFirst)
{
    FakeGame fake;
    fake.startTwoPlayers();
    fake.state().CurrentMark = "O";
    Text1_Click(fake.game, 9);
    EXPECT_EQ(fake.window.board(), ".........O");
    EXPECT_EQ(fake.state().CurrentMark, "X");
}

// Any text makes a cell taken; the refusal leaves board, count and turn as they were.
class TakenCell : public testing::TestWithParam<std::string>
{
};

TEST_P(TakenCell, IsRefusedInTheTwoPlayerGame)
{
    FakeGame fake;
    fake.startTwoPlayers("X.........");
    fake.window.cells[5].text = GetParam();
    fake.state().CurrentMark = "O";

    Text1_Click(fake.game, 5);

    EXPECT_EQ(fake.window.messages(), Messages{"Sorry, already selected."});
    EXPECT_EQ(fake.window.cells[5].text, GetParam());
    EXPECT_EQ(fake.state().MoveCount, Int16(1));
    EXPECT_EQ(fake.state().CurrentMark, "O");
}

TEST_P(TakenCell, IsRefusedInTheOnePlayerGameWithoutAReply)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Advanced, "XO........");
    fake.window.cells[5].text = GetParam();

    Text1_Click(fake.game, 5);

    EXPECT_EQ(fake.window.messages(), Messages{"Sorry, already selected."});
    EXPECT_EQ(fake.window.cells[5].text, GetParam());
    EXPECT_EQ(fake.window.board().erase(5, 1), "XO.......");
    EXPECT_EQ(fake.state().MoveCount, Int16(2));
    EXPECT_EQ(fake.state().CurrentMark, "X");
}

INSTANTIATE_TEST_SUITE_P(Texts, TakenCell,
                         testing::Values("X", "O", " ", "x", "\xC3\x89t\xC3\xA9",
                                         std::string(10000, 'X')));

TEST(OnePlayer, AnAcceptedMarkIsAnsweredInTheSameClick)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Beginner);
    fake.window.draws = {0.95F};

    Text1_Click(fake.game, 0);

    EXPECT_EQ(fake.window.board(), "X........O");
    EXPECT_EQ(fake.window.colours(), "RGGGGGGGGR");
    EXPECT_EQ(fake.state().MoveCount, Int16(2));
    EXPECT_EQ(fake.state().CurrentMark, "X");
    EXPECT_TRUE(fake.state().ComputerTurn);
    EXPECT_TRUE(fake.window.messages().empty());
}

TEST(OnePlayer, LevelChoosesTheReply)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Advanced, "X.........");
    Text1_Click(fake.game, 1); // Advanced blocks 0-1-2 at 2; Beginner would need a draw
    EXPECT_EQ(fake.window.board(), "XXO.......");
}

TEST(OnePlayer, AWinningMarkGetsNoReplyAndNoTie)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Beginner, "XX.OO.....");

    Text1_Click(fake.game, 2);

    EXPECT_EQ(fake.window.messages(), Messages{"X has won by row  0"});
    EXPECT_EQ(fake.window.board(), "XXXOO.....");
    EXPECT_EQ(fake.state().CurrentMark, "X");
    EXPECT_TRUE(fake.state().GameOver);
}

TEST(OnePlayer, TheTenthMarkEndsTheGameWithATieOrAWin)
{
    FakeGame tie;
    tie.startOnePlayer(Strength::Beginner, "XOXOXOOXO.");
    Text1_Click(tie.game, 9);
    EXPECT_EQ(tie.window.messages(), Messages{"The game is a tie."});
    EXPECT_EQ(tie.window.score(ScoreBox::Text2), " 0");
    EXPECT_TRUE(tie.state().GameOver);

    FakeGame win;
    win.startOnePlayer(Strength::Beginner, "XOOOXXXO.X");
    Text1_Click(win.game, 8);
    EXPECT_EQ(win.window.messages(), Messages{"X has won by diagonal  0"});
    EXPECT_EQ(win.state().Ties, Int16(0));
}

TEST(OnePlayer, AClickWhileOIsToMoveIsRefusedAndHandsTheTurnToX)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Beginner);
    fake.state().CurrentMark = "O";

    Text1_Click(fake.game, 3);

    EXPECT_EQ(fake.window.messages(), Messages{"Sorry, already selected."});
    EXPECT_EQ(fake.window.board(), "..........");
    EXPECT_EQ(fake.state().CurrentMark, "X");
}

TEST(CounterOverflow, MoveCountAtItsLimitStopsTheClickBeforeAnyMark)
{
    for (const bool vsComputer : {false, true}) {
        FakeGame fake;
        vsComputer ? fake.startOnePlayer(Strength::Beginner) : fake.startTwoPlayers();
        fake.state().MoveCount = 32767;

        raiseEvent(fake.window, [&] { Text1_Click(fake.game, 0); });

        EXPECT_EQ(fake.window.messages(),
                  Messages{"Overflow error: a counter went beyond the range -32768 to 32767."});
        EXPECT_EQ(fake.window.board(), "..........");
        EXPECT_EQ(fake.state().MoveCount, Int16(32767));
        EXPECT_EQ(fake.state().CurrentMark, "X");

        // Stuck until the next game, which counts from 0 again.
        fake.playAgainAndClick(0);
        EXPECT_TRUE(fake.window.messages().empty());
        EXPECT_EQ(fake.window.board(), vsComputer ? "X........O" : "X.........");
        EXPECT_EQ(fake.state().MoveCount, Int16(vsComputer ? 2 : 1));
    }
}

} // namespace
