// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/win_lines.h"

#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

struct LineCase
{
    const char *name;
    const char *board;
    const char *colours; // after the search
    std::vector<std::string> messages;
};

void PrintTo(const LineCase &c, std::ostream *os)
{
    *os << c.name;
}

class CompletedLines : public testing::TestWithParam<LineCase>
{
};

TEST_P(CompletedLines, ArePaintedAndAnnouncedScanByScan)
{
    const LineCase &c = GetParam();
    FakeGame fake;
    fake.startTwoPlayers(c.board);

    CheckForWin(fake.game);

    EXPECT_EQ(fake.window.messages(), c.messages);
    EXPECT_EQ(fake.window.colours(), c.colours);
    EXPECT_EQ(fake.state().WinsFound, Int16(static_cast<std::int16_t>(c.messages.size())));
    EXPECT_EQ(fake.window.anyCellEnabled(), c.messages.empty());
}

// Two blanks stand before each number: the wording ends in one, the number's sign place is the
// other.
INSTANTIATE_TEST_SUITE_P(
    TenLines, CompletedLines,
    testing::Values(
        LineCase{"row_0_1_2", "XXX.......", "YYYGGGGGGG", {"X has won by row  0"}},
        LineCase{"row_3_4_5", "...OOO....", "GGGYYYGGGG", {"O has won by row  1"}},
        LineCase{"row_6_7_8", "......XXX.", "GGGGGGYYYG", {"X has won by row  2"}},
        LineCase{"row_7_8_9", ".......OOO", "GGGGGGGYYY", {"O has won by row  4"}},
        LineCase{"col_0_3_6", "X..X..X...", "YGGYGGYGGG", {"X has won by col  0"}},
        LineCase{"col_1_4_7", ".O..O..O..", "GYGGYGGYGG", {"O has won by col  1"}},
        LineCase{"col_2_5_8", "..X..X..X.", "GGYGGYGGYG", {"X has won by col  2"}},
        LineCase{"diag_0_4_8", "O...O...O.", "YGGGYGGGYG", {"O has won by diagonal  0"}},
        LineCase{"diag_2_4_6", "..X.X.X...", "GGYGYGYGGG", {"X has won by diagonal  2"}},
        LineCase{"diag_1_5_9", ".O...O...O", "GYGGGYGGGY", {"O has won by diagonal  1"}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(SharedCells, CompletedLines,
                         testing::Values(LineCase{"both_bottom_rows_one_announcement",
                                                  "......XXXX",
                                                  "GGGGGGYYYY",
                                                  {"X has won by row  4"}},
                                         LineCase{"crossing_diagonals_one_announcement",
                                                  "O.O.O.O.O.",
                                                  "YGYGYGYGYG",
                                                  {"O has won by diagonal  2"}},
                                         LineCase{"row_then_column",
                                                  ".X.XXX.X..",
                                                  "GYGYYYGYGG",
                                                  {"X has won by row  1", "X has won by col  1"}},
                                         LineCase{"row_column_and_diagonals",
                                                  "XXXXX.X.X.",
                                                  "YYYYYGYGYG",
                                                  {"X has won by row  0", "X has won by col  0",
                                                   "X has won by diagonal  2"}},
                                         LineCase{"typed_text_completes_a_line",
                                                  "???.......",
                                                  "YYYGGGGGGG",
                                                  {"? has won by row  0"}}),
                         [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NoLine, CompletedLines,
    testing::Values(LineCase{"empty_board", "..........", "GGGGGGGGGG", {}},
                    LineCase{"mixed_marks", "XOXOXOOXO.", "RRRRRRRRRG", {}},
                    LineCase{"case_matters", "xXX.......", "RRRGGGGGGG", {}},
                    LineCase{"no_line_through_5_and_9", ".....X..XX", "GGGGGRGGRR", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CheckForWin, FinishesEachAnnouncementBeforeTheNextScanPaints)
{
    FakeGame fake;
    fake.startTwoPlayers(".X.XXX.X..");

    CheckForWin(fake.game);

    // The column 1-4-7 is not yet yellow while the row's message is open.
    ASSERT_EQ(fake.window.coloursAtMessage.size(), 2U);
    EXPECT_EQ(fake.window.coloursAtMessage[0], "GRGYYYGRGG");
    EXPECT_EQ(fake.state().XWins, Int16(1));
    EXPECT_EQ(fake.window.score(ScoreBox::Text2), " 1");
}

TEST(LineScans, ReturnTheLastCompletedLineOfTheirKind)
{
    FakeWindow window;
    window.setBoard("XXX...OOOO");
    EXPECT_EQ(CheckRows(window), 12);
    window.setBoard("XOXXOXXOX.");
    EXPECT_EQ(CheckColumns(window), 2);
    window.setBoard("X.X.X.X.X.");
    EXPECT_EQ(CheckDiagonals(window), 2);
    window.setBoard("XOOXXOOXX.");
    EXPECT_EQ(CheckColumns(window), -1);
}

} // namespace
