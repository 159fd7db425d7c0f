// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a click on an open cell must do, whatever the board holds.
#include "monkey/invariants.h"

#include "game/int16.h"

#include <algorithm>

namespace {

const std::string AlreadySelected = "Sorry, already selected.";
const std::string OverflowReport = OverflowError().what();
const std::string Tie = "The game is a tie.";

std::string other(const std::string &mark)
{
    return mark == "X" ? "O" : "X";
}

bool contains(const std::vector<int> &cells, int cell)
{
    return std::ranges::find(cells, cell) != cells.end();
}

} // namespace

void Invariants::click(const EventRecord &r, const std::vector<std::string> &messages,
                       bool overflow)
{
    const Texts before = r.before.texts();
    const Texts after = r.after.texts();
    const int cell = r.event.cell;
    const bool onePlayer = m_ledger.onePlayer;

    std::vector<int> changed;
    for (int i = 0; i < CellCount; ++i) {
        const Colour colour = r.after.cells[i].colour;
        if (before[i] != after[i]) {
            changed.push_back(i);
            expect(before[i].empty() && isMark(after[i])
                       && (colour == CellTakenColour || colour == CellWinColour),
                   "a click only fills free cells, with a red or yellow \"X\" or \"O\"");
        } else if (colour != r.before.cells[i].colour) {
            expect(colour == CellWinColour, "a click repaints no cell but to show a line");
        }
    }

    const bool refused = !before[cell].empty() || (onePlayer && r.before.state.CurrentMark != "X");
    if (refused && !overflow) {
        ++m_coverage.refusals;
        expect(messages == std::vector{AlreadySelected},
               "a refused click says \"Sorry, already selected.\" and nothing else");
        expect(sameCells(r.before, r.after) && r.after.state.MoveCount == r.before.state.MoveCount
                   && r.window.work().drawnCells.empty(),
               "a refused click leaves the board and MoveCount alone and gets no reply");
        expect(r.after.state.CurrentMark == (onePlayer ? "X" : r.before.state.CurrentMark),
               "a refused click keeps the mover; alone, the person is to move after it");
        return;
    }
    const std::string mover = onePlayer ? "X" : r.before.state.CurrentMark;
    expect(overflow || (contains(changed, cell) && after[cell] == mover),
           "an accepted click puts the mover's mark in the clicked cell");
    expect(std::ranges::count_if(changed, [&](int i) { return i != cell; }) <= (onePlayer ? 1 : 0),
           "besides the person's mark, only the computer's one reply goes down");
    for (int i : changed)
        expect(i == cell || after[i] == "O", "the computer places \"O\"");
    m_ledger.marksPlaced += static_cast<int>(changed.size());

    std::vector<WinMessage> wins;
    int ties = 0;
    for (const std::string &message : messages) {
        if (std::optional<WinMessage> win = parseWinMessage(message))
            wins.push_back(*win);
        else if (message == Tie)
            ++ties;
        else
            expect(message == OverflowReport, "a click tells only of wins, ties and overflows");
    }
    m_coverage.wins += !wins.empty();
    m_coverage.ties += ties;
    if (!overflow && !changed.empty())
        completedLines(r, wins);
    if (m_ledger.disturbed)
        return;
    outcome(r, wins, ties, static_cast<int>(changed.size()));
    if (!onePlayer) {
        expect(r.after.state.CurrentMark
                   == other(wins.empty() ? r.before.state.CurrentMark : wins.back().mark),
               "two players alternate; after a win, the mark after the winner's is to move");
        tieRewrites(r, ties, r.before.state.CurrentMark == "X");
    } else {
        reply(r, changed, wins, ties);
    }
}

// Every line search paints and announces all the lines that are complete when it runs, and a
// click ends with a line search after its last mark.
void Invariants::completedLines(const EventRecord &r, const std::vector<WinMessage> &wins)
{
    const Texts texts = r.after.texts();
    std::vector<const Line *> announced;
    for (const LineKind kind : {LineKind::Row, LineKind::Column, LineKind::Diagonal}) {
        const Line *last = nullptr;
        for (const Line &line : Lines) {
            if (line.kind != kind || !isComplete(texts, line))
                continue;
            last = &line;
            expect(std::ranges::all_of(
                       line.cells, [&](int i) { return r.after.cells[i].colour == CellWinColour; }),
                   "every completed line is painted yellow");
        }
        if (last)
            announced.push_back(last);
    }
    expect(std::ranges::equal(announced, wins,
                              [&](const Line *line, const WinMessage &win) {
                                  return line == win.line && win.mark == texts[line->cells[0]];
                              }),
           "each kind with a completed line is announced once, rows, columns, diagonals in turn, "
           "naming the last such line and its first cell's text");
}

void Invariants::outcome(const EventRecord &r, const std::vector<WinMessage> &wins, int ties,
                         int placed)
{
    expect(ties == (wins.empty() && r.before.state.MoveCount.value() + placed == 10 ? 1 : 0),
           "a tie is declared exactly when the tenth mark of the game completes no line");
    const GameState &before = r.before.state;
    const GameState &after = r.after.state;
    const bool forX = !wins.empty() && wins.front().mark == "X";
    const bool forO = !wins.empty() && !forX;
    expect(after.XWins.value() == before.XWins.value() + forX
               && after.OWins.value() == before.OWins.value() + forO
               && after.Ties.value() == before.Ties.value() + ties,
           "the game's first announcement scores its mark, any text but \"X\" for \"O\"; a tie "
           "scores a tie");
}

// Alone, the person's "X" gets one "O" in the same click, unless the "X" ended the game.
void Invariants::reply(const EventRecord &r, const std::vector<int> &changed,
                       const std::vector<WinMessage> &wins, int ties)
{
    Texts withX = r.before.texts();
    withX[r.event.cell] = "X";
    const bool xEnded = r.before.state.MoveCount.value() + 1 == 10
        || std::ranges::any_of(Lines, [&](const Line &line) { return isComplete(withX, line); });
    const std::vector<int> &drawn = r.window.work().drawnCells;
    const auto reply = std::ranges::find_if(changed, [&](int i) { return i != r.event.cell; });
    if (xEnded) {
        expect(reply == changed.end() && drawn.empty(),
               "a person's mark that ends the game gets no reply");
        expect(r.after.state.CurrentMark == "X", "after the person's last mark, \"X\" is to move");
        tieRewrites(r, ties, true);
        return;
    }
    if (reply == changed.end()) {
        ++m_coverage.passes;
        expect(!anyFree(withX) && drawn.empty(),
               "the computer passes only when no cell is free, without drawing");
        return;
    }
    ++m_coverage.replies;
    const std::vector<int> targets = pairTargets(withX);
    const bool byCheck = r.before.state.Level == Strength::Advanced && !targets.empty();
    if (byCheck) {
        expect(drawn.empty() && contains(targets, *reply),
               "\"Advanced\" completes or blocks a line whenever it can, without a draw");
    } else {
        const bool drawsUntilFree = !drawn.empty() && drawn.back() == *reply
            && std::all_of(drawn.begin(), drawn.end() - 1,
                           [&](int i) { return !withX[static_cast<std::size_t>(i)].empty(); });
        expect(drawsUntilFree,
               "a random reply draws until it hits a free cell, and its \"O\" goes there");
    }
    // Only the random fallback of "Advanced" tests for a tie before handing the turn back.
    tieRewrites(r, ties, r.before.state.Level == Strength::Beginner || byCheck);
    expect(r.after.state.ComputerTurn, "a reply is the computer's turn");
    const bool keepsWinner = byCheck && !wins.empty();
    expect(r.after.state.CurrentMark == (keepsWinner ? wins.back().mark : "X"),
           "the reply hands the turn back to \"X\", but a win by an \"Advanced\" check leaves "
           "the winner's mark");
}

// A tie writes the win box of the mark in CurrentMark again, whichever mark that is at the time.
void Invariants::tieRewrites(const EventRecord &r, int ties, bool winsByX)
{
    if (ties == 0)
        return;
    const std::array<bool, 4> &written = r.window.work().scoreWritten;
    expect(written[0] == winsByX && written[1] == !winsByX && written[2],
           "a tie writes the tied games' box and the win box of the mark in hand: the placer's, "
           "or \"X\" once the computer has handed the turn back");
}
