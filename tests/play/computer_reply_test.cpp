// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/advanced_move.h"
#include "play/beginner_move.h"

#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

// One reply of the computer, after the hand-over has set CurrentMark to "O". The turn goes back
// to "X" before the win and tie tests after an "Advanced" check, after both tests after the
// random fallback, and between them at "Beginner"; the box a tie rewrites follows from that.
struct ReplyCase
{
    const char *name;
    Strength level;
    const char *board; // '#' is typed text
    std::int16_t moves;
    std::deque<float> draws;
    const char *after;
    std::vector<std::string> messages;
    std::int16_t movesAfter;
    const char *mark; // CurrentMark afterwards
    const char *winsByX;
    const char *winsByO;
};

void PrintTo(const ReplyCase &c, std::ostream *os)
{
    *os << c.name;
}

class ComputerReply : public testing::TestWithParam<ReplyCase>
{
};

TEST_P(ComputerReply, PlacesOneOAndHandsTheTurnBack)
{
    const ReplyCase &c = GetParam();
    FakeGame fake;
    fake.startOnePlayer(c.level, c.board);
    fake.state().MoveCount = c.moves;
    fake.state().CurrentMark = "O";
    fake.window.draws = c.draws;

    if (c.level == Strength::Advanced)
        AdvancedMove(fake.game);
    else
        BeginnerMove(fake.game);

    EXPECT_EQ(fake.window.board(), c.after);
    EXPECT_EQ(fake.window.messages(), c.messages);
    EXPECT_EQ(fake.state().MoveCount, Int16(c.movesAfter));
    EXPECT_EQ(fake.state().CurrentMark, c.mark);
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), c.winsByX);
    EXPECT_EQ(fake.window.score(ScoreBox::Text3), c.winsByO);
    EXPECT_TRUE(fake.window.draws.empty()) << "draws left over";
}

const std::string Tie = "The game is a tie.";

INSTANTIATE_TEST_SUITE_P(Advanced, ComputerReply,
                         testing::Values(ReplyCase{"check_wins",
                                                   Strength::Advanced,
                                                   "XO.X.O..X.",
                                                   5,
                                                   {},
                                                   "XO.X.O..XO",
                                                   {"O has won by diagonal  1"},
                                                   0,
                                                   "O",
                                                   "0",
                                                   " 1"},
                                         ReplyCase{"check_ties",
                                                   Strength::Advanced,
                                                   "XOXXOOOX.X",
                                                   9,
                                                   {},
                                                   "XOXXOOOXOX",
                                                   {Tie},
                                                   0,
                                                   "X",
                                                   " 0",
                                                   "0"},
                                         ReplyCase{"fallback_redraws",
                                                   Strength::Advanced,
                                                   "X.........",
                                                   1,
                                                   {0.0F, 0.55F},
                                                   "X....O....",
                                                   {},
                                                   2,
                                                   "X",
                                                   "0",
                                                   "0"},
                                         ReplyCase{"fallback_ties",
                                                   Strength::Advanced,
                                                   "XOXXOOO#.X",
                                                   9,
                                                   {0.85F},
                                                   "XOXXOOO#OX",
                                                   {Tie},
                                                   0,
                                                   "X",
                                                   "0",
                                                   " 0"},
                                         ReplyCase{"no_free_cell",
                                                   Strength::Advanced,
                                                   "X#O# #X##X",
                                                   4,
                                                   {},
                                                   "X#O# #X##X",
                                                   {},
                                                   4,
                                                   "X",
                                                   "0",
                                                   "0"}),
                         [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Beginner, ComputerReply,
                         testing::Values(ReplyCase{"random_free_cell",
                                                   Strength::Beginner,
                                                   "X.........",
                                                   1,
                                                   {0.3F},
                                                   "X..O......",
                                                   {},
                                                   2,
                                                   "X",
                                                   "0",
                                                   "0"},
                                         ReplyCase{"does_not_block",
                                                   Strength::Beginner,
                                                   "XX........",
                                                   2,
                                                   {0.7F},
                                                   "XX.....O..",
                                                   {},
                                                   3,
                                                   "X",
                                                   "0",
                                                   "0"},
                                         ReplyCase{"tenth_o_wins_without_tie",
                                                   Strength::Beginner,
                                                   "XXOOXOXO.X",
                                                   9,
                                                   {0.8F},
                                                   "XXOOXOXOOX",
                                                   {"O has won by col  2"},
                                                   0,
                                                   "X",
                                                   "0",
                                                   " 1"},
                                         ReplyCase{"tie_rewrites_wins_by_x",
                                                   Strength::Beginner,
                                                   "XOXXOOOX.X",
                                                   9,
                                                   {0.8F},
                                                   "XOXXOOOXOX",
                                                   {Tie},
                                                   0,
                                                   "X",
                                                   " 0",
                                                   "0"},
                                         ReplyCase{"no_free_cell",
                                                   Strength::Beginner,
                                                   "X#O# #X##X",
                                                   4,
                                                   {},
                                                   "X#O# #X##X",
                                                   {},
                                                   4,
                                                   "X",
                                                   "0",
                                                   "0"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
