#include "app/buttons.h"
#include "app/raise_event.h"
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
    fake.window.transcript.clear();
    fake.window.answers = {"X"};
    fake.window.draws = {0.95F};
    raiseEvent(fake.window, [&] { Command1_Click(fake.game); });
    raiseEvent(fake.window, [&] { Text1_Click(fake.game, 0); });
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
        OverflowCase{"x_wins_two_players",
                     "2",
                     Strength::Beginner,
                     "XX.OO.....",
                     &GameState::XWins,
                     32767,
                     2,
                     {},
                     {"X has won by row  0"},
                     "XXXOO.....",
                     "YYYRRGGGGG",
                     true,
                     0,
                     false,
                     "X"},
        OverflowCase{"x_wins_alone",
                     "1",
                     Strength::Advanced,
                     "XX.OO.....",
                     &GameState::XWins,
                     32767,
                     2,
                     {},
                     {"X has won by row  0"},
                     "XXXOO.....",
                     "YYYRRGGGGG",
                     true,
                     0,
                     false,
                     "X"},
        // An "Advanced" check completes 3-4-5; the winner's "O" stays in CurrentMark.
        OverflowCase{"o_wins_by_the_computer",
                     "1",
                     Strength::Advanced,
                     "X...OO..X.",
                     &GameState::OWins,
                     32767,
                     9,
                     {},
                     {"O has won by row  1"},
                     "X..OOO..XX",
                     "RGGYYYGGRR",
                     true,
                     0,
                     false,
                     "O"},
        // No tie message, no lock; MoveCount stays at 10.
        OverflowCase{"tie_two_players",
                     "2",
                     Strength::Beginner,
                     "XOXOXOOXO.",
                     &GameState::Ties,
                     32767,
                     9,
                     {},
                     {},
                     "XOXOXOOXOX",
                     "RRRRRRRRRR",
                     false,
                     10,
                     false,
                     "X"},
        // The person's tenth mark has already ended the game.
        OverflowCase{"tie_person_fills_the_board",
                     "1",
                     Strength::Beginner,
                     "XOXOXOOXO.",
                     &GameState::Ties,
                     32767,
                     9,
                     {},
                     {},
                     "XOXOXOOXOX",
                     "RRRRRRRRRR",
                     false,
                     10,
                     true,
                     "X"},
        // The random fallback tests for a tie before it hands the turn back.
        OverflowCase{"tie_advanced_fallback_keeps_o_to_move",
                     "1",
                     Strength::Advanced,
                     "XOXXOXO.O.",
                     &GameState::Ties,
                     32767,
                     7,
                     {0.95F},
                     {},
                     "XOXXOXOXOO",
                     "RRRRRRRRRR",
                     false,
                     10,
                     false,
                     "O"}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TurnCounters, CounterAtItsLimit,
    testing::Values(
        // The person's mark takes MoveCount to 32767; the reply has drawn its cell, no "O".
        OverflowCase{"move_count_beginner_reply",
                     "1",
                     Strength::Beginner,
                     "X.........",
                     &GameState::MoveCount,
                     32766,
                     1,
                     {0.55F},
                     {},
                     "XX........",
                     "RRGGGGGGGG",
                     false,
                     32767,
                     false,
                     "O"},
        // An "Advanced" check places its "O" first: it completes 3-4-5 unseen, no line search.
        OverflowCase{"move_count_advanced_reply",
                     "1",
                     Strength::Advanced,
                     "X...OO..X.",
                     &GameState::MoveCount,
                     32766,
                     9,
                     {},
                     {},
                     "X..OOO..XX",
                     "RGGRRRGGRR",
                     false,
                     32767,
                     false,
                     "O"},
        // The row is painted, then the announcement count stops the search before its message.
        OverflowCase{"wins_found",
                     "2",
                     Strength::Beginner,
                     "XX.OO.....",
                     &GameState::WinsFound,
                     32767,
                     2,
                     {},
                     {},
                     "XXXOO.....",
                     "YYYRRGGGGG",
                     false,
                     5,
                     false,
                     "X"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
