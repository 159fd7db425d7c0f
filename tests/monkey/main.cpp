// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random event sequences over the fake window, each event followed by the invariant checks.
//
//   monkey_test [--seeds S] [--events M]    seeds 1..S (200), M events each (5000)
//   monkey_test --seed N --events M [--trace]    seed N alone, to replay a failure
//
// GORVANE_MONKEY_SEEDS sets the default S, for slow builds such as one under a sanitizer.
#include "monkey/monkey.h"

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

struct Options
{
    std::uint32_t firstSeed = 1;
    std::uint32_t seeds = 200;
    std::uint64_t events = 5000;
    bool trace = false;
};

bool parse(int argc, char *argv[], Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
            continue;
        }
        if (i + 1 == argc)
            return false;
        const unsigned long long value = std::strtoull(argv[++i], nullptr, 10);
        if (arg == "--seed") {
            options.firstSeed = static_cast<std::uint32_t>(value);
            options.seeds = 1;
        } else if (arg == "--seeds") {
            options.seeds = static_cast<std::uint32_t>(value);
        } else if (arg == "--events") {
            options.events = value;
        } else {
            return false;
        }
    }
    return true;
}

// A sweep of this size reaches every outcome many times over; missing one means the monkey itself
// has gone blind there.
bool coversTheGame(const Coverage &c)
{
    const std::pair<const char *, std::uint64_t> reached[] = {
        {"start-ups", c.startUps}, {"games", c.gamesStarted}, {"wins", c.wins},
        {"ties", c.ties},          {"refusals", c.refusals},  {"replies", c.replies},
        {"passes", c.passes},      {"overflows", c.overflows}};
    bool all = true;
    for (const auto &[name, count] : reached) {
        if (count == 0) {
            std::cerr << "monkey_test: the sweep never reached any " << name << '\n';
            all = false;
        }
    }
    return all;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (const char *seeds = std::getenv("GORVANE_MONKEY_SEEDS"))
        options.seeds = static_cast<std::uint32_t>(std::strtoul(seeds, nullptr, 10));
    if (!parse(argc, argv, options)) {
        std::cerr
            << "usage: monkey_test [--seeds S] [--events M] | --seed N --events M [--trace]\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    SeedRun total;
    for (std::uint32_t seed = options.firstSeed; seed < options.firstSeed + options.seeds; ++seed) {
        const SeedRun run = runSeed(seed, options.events, std::cout, options.trace);
        total.events += run.events;
        total.handled += run.handled;
        total.checks += run.checks;
        total.coverage += run.coverage;
        if (!run.passed)
            return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    const Coverage &c = total.coverage;
    std::cout << "monkey_test: " << total.events << " events (" << total.handled
              << " handled) over " << options.seeds << " seeds, " << total.checks
              << " invariant checks, " << took.count() << " s\n"
              << "  start-ups " << c.startUps << ", games " << c.gamesStarted << ", wins " << c.wins
              << ", ties " << c.ties << ", refusals " << c.refusals << ", replies " << c.replies
              << ", passes " << c.passes << ", overflow reports " << c.overflows << '\n';
    constexpr std::uint64_t SweepSize = 100000;
    return total.events < SweepSize || coversTheGame(c) ? 0 : 1;
}
