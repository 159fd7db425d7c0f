// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/invariants.h"

#include "game/int16.h"
#include "rules/number_text.h"

#include <algorithm>

namespace {

const std::string OverflowReport = OverflowError().what();
const std::string Tie = "The game is a tie.";

bool isOutcome(const std::string &message)
{
    return message == Tie || parseWinMessage(message).has_value();
}

std::size_t asks(const MonkeyWindow &window)
{
    return static_cast<std::size_t>(std::ranges::count_if(
        window.transcript, [](const std::string &entry) { return entry.starts_with("ask|"); }));
}

std::string boxText(const GameState &state, std::size_t box)
{
    switch (box) {
    case 0:
        return numberText(state.XWins.value());
    case 1:
        return numberText(state.OWins.value());
    case 2:
        return numberText(state.Ties.value());
    default:
        return std::to_string(state.GameNumber.value()); // plain digits
    }
}

std::array<int, 4> counters(const GameState &state)
{
    return {state.XWins.value(), state.OWins.value(), state.Ties.value(), state.GameNumber.value()};
}

} // namespace

Coverage &Coverage::operator+=(const Coverage &other)
{
    startUps += other.startUps;
    gamesStarted += other.gamesStarted;
    wins += other.wins;
    ties += other.ties;
    refusals += other.refusals;
    replies += other.replies;
    passes += other.passes;
    overflows += other.overflows;
    return *this;
}

void Invariants::expect(bool ok, const char *promise)
{
    ++m_checks;
    if (!ok)
        throw Violation(promise);
}

void Invariants::afterEvent(const EventRecord &r)
{
    const std::vector<std::string> messages = r.window.messages();
    const bool overflow = std::ranges::find(messages, OverflowReport) != messages.end();
    m_coverage.overflows += overflow;
    m_ledger.disturbed = m_ledger.disturbed || overflow;
    switch (r.event.kind) {
    case EventKind::StartUp:
        startUp(r, messages);
        break;
    case EventKind::Click:
        click(r, messages, overflow);
        break;
    case EventKind::PlayAgain:
        playAgain(r, messages, overflow);
        break;
    case EventKind::ResetAll:
        resetAll(r, messages);
        break;
    case EventKind::Exit:
        expect(r.after.ended, "\"Exit\" ends the program");
        unchangedButLevel(r, messages);
        break;
    case EventKind::Beginner:
    case EventKind::Advanced:
        expect(
            r.after.state.Level
                == (r.event.kind == EventKind::Beginner ? Strength::Beginner : Strength::Advanced),
            "an option button sets the computer's strength");
        unchangedButLevel(r, messages);
        break;
    case EventKind::Type:
        break; // typing runs no handler: the runner never asks for checks after it
    }
    always(r, messages, overflow);
    if (!m_ledger.disturbed)
        whileUndisturbed(r);
}

void Invariants::always(const EventRecord &r, const std::vector<std::string> &messages,
                        bool overflow)
{
    const MonkeyWindow::Work &work = r.window.work();
    expect(work.reseeds == static_cast<int>(work.drawnCells.size()),
           "the generator is reseeded before every draw");
    expect(work.drawnCells.empty() || (r.event.kind == EventKind::Click && m_ledger.onePlayer),
           "only the computer's reply draws");
    expect(std::ranges::all_of(work.drawnCells, [](int cell) { return cell >= 0 && cell < 10; }),
           "every draw names one of the ten cells");
    expect(r.window.answers.empty() || overflow,
           "every dialogue asks until its answer is taken, and no further");
    expect(r.after.state.VsComputer == m_ledger.onePlayer
               && r.after.optionsEnabled == m_ledger.onePlayer,
           "the number of players fixes the mode and the option buttons for the whole run");
    if (std::ranges::any_of(messages, isOutcome))
        expect(!r.after.anyCellEnabled(), "a win or a tie locks all ten cells");
    if (r.event.kind != EventKind::PlayAgain && r.event.kind != EventKind::StartUp) {
        for (std::size_t i = 0; i < CellCount; ++i)
            expect(r.after.cells[i].enabled <= r.before.cells[i].enabled,
                   "only \"Play Again?\" unlocks a cell");
    }
    if (r.event.kind != EventKind::StartUp) {
        const std::array<int, 4> before = counters(r.before.state);
        const std::array<int, 4> after = counters(r.after.state);
        for (std::size_t i = 0; i < before.size(); ++i) {
            expect(after[i] >= before[i], "no counter ever falls");
            expect(after[i] == before[i] || work.scoreWritten[i],
                   "a counter that changes is shown in its box in the same event");
        }
        const int scored = (after[0] - before[0]) + (after[1] - before[1]) + (after[2] - before[2]);
        m_ledger.outcomesScored += scored;
        expect(scored <= 1 && m_ledger.outcomesScored <= 1,
               "a game is scored at most once: one win or one tie");
    }
    scoreBoxes(r);
}

void Invariants::scoreBoxes(const EventRecord &r)
{
    for (std::size_t box = 0; box < m_boxScored.size(); ++box) {
        if (r.window.work().scoreWritten[box]) {
            m_boxScored[box] = r.event.kind != EventKind::ResetAll;
            m_boxUnscored[box] = "0";
        }
        expect(r.after.scores[box]
                   == (m_boxScored[box] ? boxText(r.after.state, box) : m_boxUnscored[box]),
               "a score box shows its counter's number text once the game has scored into it, "
               "else what start-up or \"Reset all\" left there");
    }
}

void Invariants::whileUndisturbed(const EventRecord &r)
{
    const GameState &state = r.after.state;
    const int moves = state.MoveCount.value();
    expect(moves >= 0 && moves <= 9,
           "MoveCount stays within 0..9 between events: the tenth mark "
           "ends the game and resets it");
    expect(state.GameOver ? !r.after.anyCellEnabled() : r.after.allCellsEnabled(),
           "the board is locked exactly while the game is over");
    expect(moves == (state.GameOver ? 0 : m_ledger.marksPlaced),
           "MoveCount counts the marks placed in the game, typed text not, until the game ends");
    expect(state.GameOver || state.WinsFound == 0, "a game that goes on has announced no win");
    expect(isMark(state.CurrentMark), "CurrentMark is \"X\" or \"O\"");
    if (m_ledger.onePlayer && !state.GameOver)
        expect(state.CurrentMark == "X", "alone, the person is to move whenever the game goes on");
}

void Invariants::startUp(const EventRecord &r, const std::vector<std::string> &messages)
{
    m_ledger = Ledger{r.event.players.taken == "1"};
    m_boxScored = {};
    m_boxUnscored = {"0", "0", "0", "1"};
    ++m_coverage.startUps;
    const std::size_t answers = r.event.players.answers.size() + r.event.firstMover.answers.size();
    expect(r.window.transcript.size() >= 2 && r.window.transcript[0] == "caption|Gorvane"
               && r.window.transcript[1] == "show",
           "start-up titles and shows the window before it asks");
    expect(asks(r.window) == answers && messages.size() == answers - 2,
           "start-up asks each question until an answer is taken, refusing each other answer once");
    const GameState &state = r.after.state;
    expect(state.PlayerCount == r.event.players.taken, "the number of players is kept as typed");
    expect(state.XWins == 0 && state.OWins == 0 && state.Ties == 0 && state.GameNumber == 1
               && state.WinsFound == 0 && state.Level == Strength::Beginner,
           "start-up begins game 1 at \"Beginner\" with nothing scored");
    newGame(r, r.event.firstMover.taken);
}

void Invariants::playAgain(const EventRecord &r, const std::vector<std::string> &messages,
                           bool overflow)
{
    const GameState &before = r.before.state;
    const GameState &after = r.after.state;
    expect(after.WinsFound == 0 && !after.GameOver,
           "\"Play Again?\" clears the game's announcements and its end");
    expect(after.XWins == before.XWins && after.OWins == before.OWins && after.Ties == before.Ties
               && after.Level == before.Level && after.PlayerCount == before.PlayerCount,
           "\"Play Again?\" keeps the score, the strength and the number of players");
    if (overflow) {
        expect(messages == std::vector{OverflowReport} && asks(r.window) == 0,
               "\"Play Again?\" past game 32767 reports the overflow and asks nothing");
        expect(sameCells(r.before, r.after) && r.after.scores == r.before.scores
                   && after.GameNumber == before.GameNumber && after.MoveCount == 0
                   && after.CurrentMark == before.CurrentMark,
               "the game-number overflow stops \"Play Again?\" after it reset the game's counts");
        m_ledger = Ledger{m_ledger.onePlayer, true};
        return;
    }
    ++m_coverage.gamesStarted;
    const std::size_t answers = r.event.firstMover.answers.size();
    expect(asks(r.window) == answers
               && messages
                   == std::vector<std::string>(answers - 1, "sorry, your choices are X or O"),
           "\"Play Again?\" asks the first mover until an answer is taken");
    expect(after.GameNumber.value() == before.GameNumber.value() + 1,
           "\"Play Again?\" counts the next game");
    newGame(r, r.event.firstMover.taken);
}

void Invariants::newGame(const EventRecord &r, const std::string &firstMover)
{
    const bool computerOpens = m_ledger.onePlayer && firstMover == "O";
    Texts texts;
    std::string colours(10, 'G');
    if (computerOpens) {
        texts[4] = "O";
        colours[4] = 'R';
    }
    FakeWindow view;
    view.cells = r.after.cells;
    expect(r.after.texts() == texts && view.colours() == colours && r.after.allCellsEnabled(),
           "a game starts on an open, empty, green board, or with the computer's red \"O\" in cell "
           "4 when it moves first alone");
    expect(
        r.after.state.MoveCount == (computerOpens ? 1 : 0)
            && r.after.state.CurrentMark == (computerOpens ? "X" : firstMover),
        "a game starts with the first mover to move, or the person after the computer's opening");
    m_ledger = Ledger{m_ledger.onePlayer, false, computerOpens ? 1 : 0};
}

void Invariants::resetAll(const EventRecord &r, const std::vector<std::string> &messages)
{
    expect(r.after.scores == std::array<std::string, 4>{"0", "0", "0", "0"},
           "\"Reset all\" writes \"0\" into the four score boxes");
    bool cleared = true;
    for (std::size_t i = 0; i < CellCount; ++i) {
        const FakeWindow::Cell &cell = r.after.cells[i];
        cleared = cleared && cell.text.empty() && cell.colour == CellEmptyColour
            && cell.enabled == r.before.cells[i].enabled;
    }
    expect(cleared, "\"Reset all\" clears every cell to green and leaves its lock alone");
    expect(sameState(r.before.state, r.after.state) && messages.empty() && asks(r.window) == 0,
           "\"Reset all\" changes no game state and asks nothing");
}

void Invariants::unchangedButLevel(const EventRecord &r, const std::vector<std::string> &messages)
{
    GameState after = r.after.state;
    after.Level = r.before.state.Level;
    expect(sameState(r.before.state, after) && sameCells(r.before, r.after)
               && r.before.scores == r.after.scores && messages.empty() && asks(r.window) == 0,
           "the option buttons and \"Exit\" touch nothing else");
}
