// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "play/clock_random.h"
#include "play/random_pick.h"
#include "support/fake_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

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

// A clock that stands still, one that moves on a nanosecond a reading, and the real one.
std::vector<std::pair<const char *, ClockRandom::Clock>> clockCases()
{
    return {{"frozen", [] { return std::uint64_t{1234567}; }},
            {"ticking", [tick = std::uint64_t{0}]() mutable { return ++tick; }},
            {"real", ClockRandom::nanosecondsSinceEpoch}};
}

int drawCell(RandomSource &random)
{
    random.reseedFromClock();
    return static_cast<int>(random.draw() * 10.0F);
}

// Every retry of the pick is a "next draw", so a bias between consecutive reseeds shows in play.
TEST(ClockRandom, EachReseedDrawsUniformlyAndIndependentlyOfTheLast)
{
    // Chi-square bounds for 9 degrees of freedom, each tail at p = 1e-6: too regular a spread
    // fails as well as too uneven a one.
    constexpr double ChiSquareLow = 0.228;
    constexpr double ChiSquareHigh = 44.8;
    constexpr int Pairs = 1000000;
    for (auto &[name, clock] : clockCases()) {
        ClockRandom random(clock);
        std::array<std::array<int, 10>, 10> next{};
        std::array<int, 10> hits{};
        int previous = drawCell(random);
        for (int i = 0; i < Pairs; ++i) {
            const int cell = drawCell(random);
            ++hits.at(cell);
            ++next.at(previous).at(cell);
            previous = cell;
        }
        double chiSquare = 0.0;
        for (const int count : hits)
            chiSquare += std::pow(count - Pairs / 10.0, 2) / (Pairs / 10.0);
        EXPECT_GT(chiSquare, ChiSquareLow) << name;
        EXPECT_LT(chiSquare, ChiSquareHigh) << name;
        for (std::size_t from = 0; from < next.size(); ++from) {
            const double total = std::accumulate(next[from].begin(), next[from].end(), 0.0);
            for (std::size_t to = 0; to < next.size(); ++to)
                EXPECT_NEAR(next[from][to] / total, 0.1, 0.01) << name << ' ' << from << "->" << to;
        }
    }
}

TEST(ClockRandom, PicksEachOfTwoFreeCellsHalfTheTime)
{
    constexpr int Picks = 100000;
    for (auto &[name, clock] : clockCases()) {
        ClockRandom random(clock);
        FakeWindow window;
        window.setBoard("X.X.XOXOXO");
        Game game{GameState{}, window, window, random};
        int ones = 0;
        for (int i = 0; i < Picks; ++i) {
            ASSERT_TRUE(PickRandomCell(game));
            ones += game.state.ComputerCell == 1;
        }
        EXPECT_NEAR(static_cast<double>(ones) / Picks, 0.5, 0.01) << name;
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
