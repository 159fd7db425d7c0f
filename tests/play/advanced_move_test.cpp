// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/advanced_move.h"

#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

struct Check
{
    int number;
    int target;
    int partnerA;
    int partnerB;
};

// Each check alone on a board whose other cells hold typed text, which never forms a pair.
std::string boardFor(const Check &check, char mark)
{
    std::string board(10, '?');
    board[check.target] = '.';
    board[check.partnerA] = mark;
    board[check.partnerB] = mark;
    return board;
}

class EachCheck : public testing::TestWithParam<Check>
{
};

TEST_P(EachCheck, CompletesAPairOfOAndBlocksAPairOfX)
{
    for (const char mark : {'X', 'O'}) {
        FakeWindow window;
        window.setBoard(boardFor(GetParam(), mark));
        EXPECT_EQ(firstMatchingCheck(window), GetParam().target) << "pair of " << mark;
    }
}

TEST_P(EachCheck, IgnoresAPairOfTypedText)
{
    FakeWindow window;
    window.setBoard(boardFor(GetParam(), '#'));
    EXPECT_EQ(firstMatchingCheck(window), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    All30, EachCheck,
    testing::Values(Check{1, 0, 1, 2}, Check{2, 3, 4, 5}, Check{3, 6, 7, 8}, Check{4, 1, 0, 2},
                    Check{5, 4, 3, 5}, Check{6, 7, 6, 8}, Check{7, 2, 0, 1}, Check{8, 5, 3, 4},
                    Check{9, 8, 6, 7}, Check{10, 0, 4, 8}, Check{11, 1, 5, 9}, Check{12, 8, 0, 4},
                    Check{13, 9, 1, 5}, Check{14, 4, 0, 8}, Check{15, 5, 1, 9}, Check{16, 0, 3, 6},
                    Check{17, 1, 4, 7}, Check{18, 2, 5, 8}, Check{19, 3, 0, 6}, Check{20, 4, 1, 7},
                    Check{21, 5, 2, 8}, Check{22, 6, 0, 3}, Check{23, 7, 1, 4}, Check{24, 8, 2, 5},
                    Check{25, 2, 4, 6}, Check{26, 4, 2, 6}, Check{27, 6, 2, 4}, Check{28, 7, 8, 9},
                    Check{29, 8, 7, 9}, Check{30, 9, 7, 8}),
    [](const auto &info) { return "check_" + std::to_string(info.param.number); });

struct OrderCase
{
    const char *name;
    const char *board;
    int taken;
};

class CheckOrder : public testing::TestWithParam<OrderCase>
{
};

TEST_P(CheckOrder, TheFirstMatchingCheckWins)
{
    FakeWindow window;
    window.setBoard(GetParam().board);
    EXPECT_EQ(firstMatchingCheck(window), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(
    Boards, CheckOrder,
    testing::Values(OrderCase{"block_0_1_2_before_completing_3_4_5", "XX.OO...X.", 2},
                    OrderCase{"row_6_7_8_before_bottom_row", "O......XX.", 6},
                    OrderCase{"bottom_row_when_6_is_taken", "O.....#XX.", 9},
                    OrderCase{"bottom_row_at_7", "O.......XX", 7},
                    OrderCase{"diagonal_1_5_9_at_9", "OX...X....", 9},
                    OrderCase{"own_diagonal_before_blocking_0_4_8", "XO.X.O..X.", 9},
                    OrderCase{"rows_before_diagonals", ".X...X.OO.", 6},
                    OrderCase{"diagonal_last_cell_before_middle_cell", "OX...X..O.", 9}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CheckOrder, NeedsTwoEqualMarks)
{
    FakeWindow window;
    for (const char *board :
         {"X.........", "XO........", "..........", "xx........", "X.O.X.O.X."}) {
        window.setBoard(board);
        EXPECT_EQ(firstMatchingCheck(window), std::nullopt) << board;
    }
}

} // namespace
