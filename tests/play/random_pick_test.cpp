// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/clock_random.h"
#include "play/random_pick.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>

namespace {

TEST(PickRandomCell, MapsTheDrawOntoAllTenCells)
{
    const std::array<std::pair<float, int>, 6> draws{{{0.0F, 0},
                                                      {0.0999F, 0},
                                                      {0.1F, 1},
                                                      {0.5F, 5},
                                                      {0.9F, 9},
                                                      {std::nextafter(1.0F, 0.0F), 9}}};
    for (const auto &[draw, cell] : draws) {
        FakeGame fake;
        fake.window.draws = {draw};
        ASSERT_TRUE(PickRandomCell(fake.game));
        EXPECT_EQ(fake.state().ComputerCell, cell) << draw;
    }
}

TEST(PickRandomCell, RedrawsUntilAFreeCellAndReseedsBeforeEveryDraw)
{
    FakeGame fake;
    fake.startOnePlayer(Strength::Beginner, "XOXOXO#XO.");
    fake.window.draws = {0.0F, 0.65F, 0.35F, 0.95F};

    ASSERT_TRUE(PickRandomCell(fake.game));

    EXPECT_EQ(fake.state().ComputerCell, 9);
    EXPECT_EQ(fake.window.reseeds, 4);
}

// The clock may not move on between two reseeds; each reseed must still give a fresh draw.
TEST(ClockRandom, GivesFreshUniformDrawsWhenTheClockStandsStill)
{
    ClockRandom random([] { return std::uint64_t{1234567}; });
    constexpr int Draws = 20000;
    std::array<int, 10> hits{};
    std::set<float> distinct;
    for (int i = 0; i < Draws; ++i) {
        random.reseedFromClock();
        const float draw = random.draw();
        ASSERT_GE(draw, 0.0F);
        ASSERT_LT(draw, 1.0F);
        distinct.insert(draw);
        ++hits.at(static_cast<std::size_t>(draw * 10.0F));
    }
    EXPECT_GT(distinct.size(), Draws * 9 / 10);
    for (int count : hits) {
        EXPECT_GT(count, Draws / 10 * 9 / 10);
        EXPECT_LT(count, Draws / 10 * 11 / 10);
    }
}

TEST(ClockRandom, PicksTheOnlyFreeCellQuickly)
{
    ClockRandom random;
    FakeWindow window;
    window.setBoard("XOXOXOXOX.");
    Game game{GameState{}, window, window, random};
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(PickRandomCell(game));
        ASSERT_EQ(game.state.ComputerCell, 9);
    }
}

} // namespace
