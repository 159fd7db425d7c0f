// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's reply and the rules, timed over the fake window.
#include "play/cell_click.h"
#include "play/clock_random.h"
#include "play/random_pick.h"
#include "rules/win_lines.h"
#include "support/fake_window.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

struct BenchGame
{
    FakeWindow window;
    ClockRandom random;
    Game game{GameState{}, window, window, random};

    void start(const std::string &board)
    {
        window.setBoard(board);
        game.state.VsComputer = true;
        game.state.Level = Strength::Advanced;
        game.state.CurrentMark = "X";
        game.state.MoveCount = 1;
    }
};

// Each iteration sets the board up again: that costs ten cell writes and is included.
void clickWithReply(benchmark::State &state, const std::string &board, int cell)
{
    BenchGame bench;
    for (auto _ : state) {
        bench.start(board);
        Text1_Click(bench.game, cell);
        benchmark::DoNotOptimize(bench.window.cells);
    }
}

void BM_ClickAdvancedCheckMatches(benchmark::State &state)
{
    clickWithReply(state, "X.........", 1); // the reply blocks at 2
}

void BM_ClickAdvancedFallback(benchmark::State &state)
{
    clickWithReply(state, "X.........", 9); // no pair: a random free cell
}

void BM_CheckForWinFullBoard(benchmark::State &state)
{
    BenchGame bench;
    bench.window.setBoard("XOXOXOOXOX");
    for (auto _ : state) {
        CheckForWin(bench.game);
        benchmark::DoNotOptimize(bench.game.state.WinLine);
    }
}

void BM_PickRandomCellOneFree(benchmark::State &state)
{
    BenchGame bench;
    bench.window.setBoard("XOXOXOXOX.");
    for (auto _ : state)
        benchmark::DoNotOptimize(PickRandomCell(bench.game));
}

// Every call timed on its own: a reseed that waited for the clock to tick would show here.
void BM_PickRandomCellOneFreeWorstOf100k(benchmark::State &state)
{
    BenchGame bench;
    bench.window.setBoard("XOXOXOXOX.");
    constexpr int Calls = 100000;
    for (auto _ : state) {
        std::chrono::nanoseconds worst{0};
        int over1ms = 0;
        for (int i = 0; i < Calls; ++i) {
            const auto start = std::chrono::steady_clock::now();
            benchmark::DoNotOptimize(PickRandomCell(bench.game));
            const auto took = std::chrono::steady_clock::now() - start;
            worst = std::max(worst, took);
            over1ms += took > std::chrono::milliseconds(1);
        }
        state.counters["worst_us"] = std::chrono::duration<double, std::micro>(worst).count();
        state.counters["over_1ms"] = over1ms;
    }
}

} // namespace

BENCHMARK(BM_ClickAdvancedCheckMatches);
BENCHMARK(BM_ClickAdvancedFallback);
BENCHMARK(BM_CheckForWinFullBoard);
BENCHMARK(BM_PickRandomCellOneFree);
BENCHMARK(BM_PickRandomCellOneFreeWorstOf100k)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
