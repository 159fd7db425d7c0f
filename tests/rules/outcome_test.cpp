// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/outcome.h"

#include "game/raise_event.h"
#include "rules/win_lines.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

constexpr const char *Overflow = "Overflow error: a counter went beyond the range -32768 to 32767.";

TEST(Win, IsRecordedAfterItsMessageAndLocksTheBoard)
{
    FakeGame fake;
    fake.startTwoPlayers("XXXOO.....");
    fake.state().CurrentMark = "O";

    CheckForWin(fake.game);

    EXPECT_EQ(fake.window.messages(), std::vector<std::string>{"X has won by row  0"});
    EXPECT_EQ(fake.state().CurrentMark, "X"); // read off the board, not from the turn
    EXPECT_EQ(fake.state().XWins, Int16(1));
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), " 1");
    EXPECT_EQ(fake.window.score(ScoreBox::Text3), "0");
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
    EXPECT_TRUE(fake.state().GameOver);
    EXPECT_FALSE(fake.window.anyCellEnabled());
}

TEST(Win, ContinuesFromTheCounterAfterTheBoxWasReset)
{
    FakeGame fake;
    fake.startTwoPlayers("X...X...X.");
    fake.state().XWins = 3;
    CheckForWin(fake.game);
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), " 4");
}

struct TieCase
{
    const char *mark;
    ScoreBox rewritten;
    ScoreBox untouched;
};

class Tie : public testing::TestWithParam<TieCase>
{
};

TEST_P(Tie, IsCountedShownLockedAndRewritesTheMarksWinBox)
{
    FakeGame fake;
    fake.startTwoPlayers("XOXOXOOXOX");
    fake.state().CurrentMark = GetParam().mark;
    fake.state().Ties = 2;

    CheckForTie(fake.game);

    EXPECT_EQ(fake.window.messages(), std::vector<std::string>{"The game is a tie."});
    EXPECT_EQ(fake.state().Ties, Int16(3));
    EXPECT_EQ(fake.window.score(ScoreBox::Text4), " 3");
    EXPECT_EQ(fake.window.score(GetParam().rewritten), " 0");
    EXPECT_EQ(fake.window.score(GetParam().untouched), "0");
    EXPECT_EQ(fake.state().XWins, Int16(0));
    EXPECT_EQ(fake.state().OWins, Int16(0));
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
    EXPECT_TRUE(fake.state().GameOver);
    EXPECT_FALSE(fake.window.anyCellEnabled());
}

INSTANTIATE_TEST_SUITE_P(ByMarkToMove, Tie,
                         testing::Values(TieCase{"X", ScoreBox::Text2, ScoreBox::Text3},
                                         TieCase{"O", ScoreBox::Text3, ScoreBox::Text2}));

TEST(Tie, NeedsExactlyTenMarks)
{
    for (std::int16_t count : {0, 9, 11}) {
        FakeGame fake;
        fake.startTwoPlayers("XOXOXOOXO.");
        fake.state().MoveCount = count;
        CheckForTie(fake.game);
        EXPECT_TRUE(fake.window.messages().empty()) << count;
        EXPECT_TRUE(fake.window.anyCellEnabled()) << count;
    }
}

// Each counter at its limit: the event stops where the counter overflows, with a report.
TEST(CounterOverflow, StopsAWinWhereTheWinnersCountOverflows)
{
    FakeGame fake;
    fake.startTwoPlayers("XXX.......");
    fake.state().XWins = 32767;

    raiseEvent(fake.window, [&] { CheckForWin(fake.game); });

    EXPECT_EQ(fake.window.messages(), (std::vector<std::string>{"X has won by row  0", Overflow}));
    EXPECT_FALSE(fake.window.anyCellEnabled()); // done before the overflow
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), "0"); // not reached
    EXPECT_FALSE(fake.state().GameOver);
}

TEST(CounterOverflow, StopsATieBeforeItsMessage)
{
    FakeGame fake;
    fake.startTwoPlayers("XOXOXOOXOX");
    fake.state().Ties = 32767;

    raiseEvent(fake.window, [&] { CheckForTie(fake.game); });

    EXPECT_EQ(fake.window.messages(), std::vector<std::string>{Overflow});
    EXPECT_EQ(fake.window.score(ScoreBox::Text4), "0");
    EXPECT_TRUE(fake.window.anyCellEnabled());
    EXPECT_EQ(fake.state().MoveCount, Int16(10));
}

TEST(CounterOverflow, StopsTheLineSearchAfterPaintingWhenWinsFoundOverflows)
{
    FakeGame fake;
    fake.startTwoPlayers("OOO.......");
    fake.state().WinsFound = 32767;

    raiseEvent(fake.window, [&] { CheckForWin(fake.game); });

    EXPECT_EQ(fake.window.messages(), std::vector<std::string>{Overflow});
    EXPECT_EQ(fake.window.colours(), "YYYGGGGGGG");
    EXPECT_TRUE(fake.window.anyCellEnabled());
}

} // namespace
