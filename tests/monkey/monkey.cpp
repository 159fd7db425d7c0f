// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/monkey.h"

#include "control/buttons.h"
#include "control/start_up.h"
#include "game/raise_event.h"
#include "monkey/event_source.h"
#include "play/cell_click.h"

#include <memory>
#include <vector>

namespace {

// One run of the program, from its start-up to "Exit".
struct Program
{
    explicit Program(std::uint32_t seed)
        : window(seed)
    {
    }

    MonkeyWindow window;
    Game game{GameState{}, window, window, window};
};

enum class Delivery { Handled, Typed, Dropped };

// What the window does with a person's action: a disabled control raises nothing, and typing is
// the cell's own business, seen by the game only when it next reads the cell.
Delivery deliver(Program &program, const Event &event)
{
    MonkeyWindow &window = program.window;
    Game &game = program.game;
    const auto raise = [&](auto handler) {
        raiseEvent(window, [&] { handler(game); });
        return Delivery::Handled;
    };
    switch (event.kind) {
    case EventKind::StartUp:
        window.answers = event.players.answers;
        window.answers.insert(window.answers.end(), event.firstMover.answers.begin(),
                              event.firstMover.answers.end());
        return raise(Form_Load);
    case EventKind::Click:
        if (!window.cells.at(event.cell).enabled)
            return Delivery::Dropped;
        return raise([&](Game &g) { Text1_Click(g, event.cell); });
    case EventKind::Type:
        if (!window.cells.at(event.cell).enabled)
            return Delivery::Dropped;
        window.cells.at(event.cell).text = event.text;
        return Delivery::Typed;
    case EventKind::PlayAgain:
        window.answers = event.firstMover.answers;
        return raise(Command1_Click);
    case EventKind::ResetAll:
        return raise(Command2_Click);
    case EventKind::Exit:
        return raise(Command3_Click);
    case EventKind::Beginner:
    case EventKind::Advanced:
        if (!window.optionsEnabled)
            return Delivery::Dropped;
        return raise(event.kind == EventKind::Beginner ? Option1_Click : Option2_Click);
    }
    return Delivery::Dropped;
}

void setNearLimits(GameState &state, const NearLimits &limits)
{
    Int16 *counters[] = {&state.XWins, &state.OWins, &state.Ties, &state.GameNumber};
    for (std::size_t i = 0; i < limits.size(); ++i) {
        if (limits[i])
            *counters[i] = *limits[i];
    }
}

void report(std::ostream &out, std::uint32_t seed, const std::vector<Event> &events,
            const std::string &what, const Snapshot &before, const Program &program)
{
    const std::size_t failed = events.size() - 1;
    out << "monkey_test: FAILED, seed " << seed << ", event #" << failed << ": " << what
        << "\n  event: " << describe(events.back()) << "\n  before:\n"
        << describe(before) << "\n  after:\n"
        << describe(Snapshot::of(program.window, program.game.state)) << "\n  messages:";
    for (const std::string &message : program.window.messages())
        out << " \"" << message << "\"";
    out << "\n  cells drawn:";
    for (const int cell : program.window.work().drawnCells)
        out << ' ' << cell;
    out << "\nevents of seed " << seed << ":\n";
    for (std::size_t i = 0; i < events.size(); ++i)
        out << "  #" << i << ' ' << describe(events[i]) << '\n';
    out << "replay: monkey_test --seed " << seed << " --events " << events.size() << " --trace\n";
}

void trace(std::ostream &out, std::size_t index, const Event &event, Delivery delivery,
           const Program &program)
{
    out << '#' << index << ' ' << describe(event);
    if (delivery == Delivery::Dropped)
        out << " (disabled: nothing happens)";
    for (const std::string &message : program.window.messages())
        out << "\n    message \"" << message << "\"";
    out << "\n    board " << program.window.board() << " MoveCount "
        << program.game.state.MoveCount.value() << " CurrentMark \""
        << program.game.state.CurrentMark << "\"\n";
}

} // namespace

SeedRun runSeed(std::uint32_t seed, std::uint64_t events, std::ostream &out, bool tracing)
{
    EventSource source(seed, seed % 4 == 3);
    std::unique_ptr<Program> program;
    std::uint32_t programs = 0;
    Invariants invariants;
    std::vector<Event> history;
    SeedRun run;
    for (; run.events < events; ++run.events) {
        const bool starting = !program || program->window.ended;
        history.push_back(starting ? source.startUp()
                                   : source.next(!program->window.anyCellEnabled()));
        const Event &event = history.back();
        if (starting)
            program = std::make_unique<Program>(seed * 7919U + ++programs);
        program->window.beginEvent();
        const Snapshot before = Snapshot::of(program->window, program->game.state);
        try {
            const Delivery delivery = deliver(*program, event);
            if (delivery == Delivery::Handled) {
                ++run.handled;
                const Snapshot after = Snapshot::of(program->window, program->game.state);
                invariants.afterEvent({event, before, after, program->window});
                program->window.answers.clear(); // what an overflow left unasked
            }
            if (tracing)
                trace(out, history.size() - 1, event, delivery, *program);
        } catch (const std::exception &error) {
            report(out, seed, history, error.what(), before, *program);
            run.passed = false;
            ++run.events;
            break;
        }
        if (starting)
            setNearLimits(program->game.state, event.nearLimits);
    }
    run.checks = invariants.checks();
    run.coverage = invariants.coverage();
    return run;
}
