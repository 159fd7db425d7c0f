// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/snapshot.h"

#include <algorithm>
#include <tuple>

namespace {

auto fields(const GameState &s)
{
    return std::tie(s.OWins, s.XWins, s.GameNumber, s.Ties, s.MoveCount, s.CurrentMark,
                    s.VsComputer, s.GameOver, s.Level, s.ComputerTurn, s.WinLine, s.ComputerCell,
                    s.ComputerFirst, s.PlayerCount, s.WinsFound);
}

} // namespace

Snapshot Snapshot::of(const FakeWindow &window, const GameState &state)
{
    return Snapshot{window.cells, window.scores, window.optionsEnabled, window.ended, state};
}

Texts Snapshot::texts() const
{
    Texts result;
    std::ranges::transform(cells, result.begin(), &FakeWindow::Cell::text);
    return result;
}

bool Snapshot::anyCellEnabled() const
{
    return std::ranges::any_of(cells, &FakeWindow::Cell::enabled);
}

bool Snapshot::allCellsEnabled() const
{
    return std::ranges::all_of(cells, &FakeWindow::Cell::enabled);
}

bool sameState(const GameState &a, const GameState &b)
{
    return fields(a) == fields(b);
}

bool sameCells(const Snapshot &a, const Snapshot &b)
{
    return std::ranges::equal(a.cells, b.cells, [](const auto &x, const auto &y) {
        return x.text == y.text && x.colour == y.colour && x.enabled == y.enabled;
    });
}

std::string describe(const Snapshot &snapshot)
{
    FakeWindow window;
    window.cells = snapshot.cells;
    std::string locks;
    for (const FakeWindow::Cell &cell : snapshot.cells)
        locks += cell.enabled ? 'e' : '-';
    const GameState &s = snapshot.state;
    std::string result = "  board " + window.board() + "  colours " + window.colours()
        + "  enabled " + locks + "\n  boxes";
    for (const std::string &score : snapshot.scores)
        result += " \"" + score + "\"";
    return result + "  options " + (snapshot.optionsEnabled ? "on" : "off") + "\n  XWins "
        + std::to_string(s.XWins.value()) + " OWins " + std::to_string(s.OWins.value()) + " Ties "
        + std::to_string(s.Ties.value()) + " GameNumber " + std::to_string(s.GameNumber.value())
        + " MoveCount " + std::to_string(s.MoveCount.value()) + " CurrentMark \"" + s.CurrentMark
        + "\" GameOver " + std::to_string(s.GameOver) + " WinsFound "
        + std::to_string(s.WinsFound.value()) + " Level " + std::to_string(int(s.Level))
        + " PlayerCount \"" + s.PlayerCount + "\"";
}
