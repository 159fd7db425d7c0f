// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "monkey/event.h"
#include "monkey/monkey_window.h"
#include "monkey/snapshot.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// A promise of the rules that an event broke.
class Violation : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// What one handled event did: the state on either side of it and its work through the window.
struct EventRecord
{
    const Event &event;
    const Snapshot &before;
    const Snapshot &after;
    const MonkeyWindow &window;
};

// How much of the game the checks have seen; a monkey that never reaches a tie tests no tie.
struct Coverage
{
    std::uint64_t startUps = 0;
    std::uint64_t gamesStarted = 0; // by "Play Again?"
    std::uint64_t wins = 0;
    std::uint64_t ties = 0;
    std::uint64_t refusals = 0;
    std::uint64_t replies = 0;
    std::uint64_t passes = 0; // replies skipped for want of a free cell
    std::uint64_t overflows = 0;

    Coverage &operator+=(const Coverage &other);
};

// The checks made after every handled event. Each check derives from what the rules promise, so
// some hold only while no counter has overflowed in the current game: an overflow stops a handler
// half way, and the game's bookkeeping stays as the overflow left it.
class Invariants
{
public:
    // Throws Violation, naming the promise broken.
    void afterEvent(const EventRecord &record);

    std::uint64_t checks() const { return m_checks; }
    const Coverage &coverage() const { return m_coverage; }

private:
    // The current game as the monkey sees it, apart from the game's own counters.
    struct Ledger
    {
        bool onePlayer = false;
        bool disturbed = false; // a counter overflowed since the game began
        int marksPlaced = 0; // by the game since the game began, cleared or not
        int outcomesScored = 0;
    };

    void expect(bool ok, const char *promise);

    void always(const EventRecord &r, const std::vector<std::string> &messages, bool overflow);
    void scoreBoxes(const EventRecord &r);
    void whileUndisturbed(const EventRecord &r);

    void startUp(const EventRecord &r, const std::vector<std::string> &messages);
    void playAgain(const EventRecord &r, const std::vector<std::string> &messages, bool overflow);
    void newGame(const EventRecord &r, const std::string &firstMover);
    void resetAll(const EventRecord &r, const std::vector<std::string> &messages);
    void unchangedButLevel(const EventRecord &r, const std::vector<std::string> &messages);

    // click_invariants.cpp
    void click(const EventRecord &r, const std::vector<std::string> &messages, bool overflow);
    void completedLines(const EventRecord &r, const std::vector<WinMessage> &wins);
    void outcome(const EventRecord &r, const std::vector<WinMessage> &wins, int ties, int placed);
    void reply(const EventRecord &r, const std::vector<int> &changed,
               const std::vector<WinMessage> &wins, int ties);
    void tieRewrites(const EventRecord &r, int ties, bool winsByX);

    Ledger m_ledger;
    std::array<bool, 4> m_boxScored{}; // last written by the game's scoring, in ScoreBox order
    std::array<std::string, 4> m_boxUnscored{"0", "0", "0", "1"}; // start-up's or "Reset all"'s
    std::uint64_t m_checks = 0;
    Coverage m_coverage;
};
