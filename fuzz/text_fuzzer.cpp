// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fuzzes what a player types: the answers in the input boxes and text in the cells, through the
// game core the program runs, in both modes and at both strengths. The input is a script:
// first the lines answering the start-up questions (the number of players, then who goes first),
// then commands:
//   cD          click cell D (a digit)
//   tD<text>\n  type <text> into cell D
//   b, a        choose "Beginner", "Advanced"
//   p           "Play Again?"; its answers are the lines that follow
//   r           "Reset all"
// Other bytes are skipped. A locked cell or option takes no click and no typing, as in the window.
#include "control/buttons.h"
#include "control/start_up.h"
#include "play/cell_click.h"
#include "properties.h"

#include <cstddef>
#include <cstdint>

namespace {

void click(FuzzedGame &fuzzed, int cell)
{
    if (!fuzzed.cells.at(cell).enabled)
        return;
    const Before earlier = before(fuzzed);
    fuzzed.raise([cell](Game &game) { Text1_Click(game, cell); });
    checkClick(earlier, fuzzed, cell);
}

void type(FuzzedGame &fuzzed, int cell, const std::string &text)
{
    if (fuzzed.cells.at(cell).enabled)
        fuzzed.setCellText(cell, text);
}

void chooseStrength(FuzzedGame &fuzzed, void (*handler)(Game &))
{
    if (fuzzed.optionsEnabled)
        fuzzed.raise(handler);
}

void playAgain(FuzzedGame &fuzzed)
{
    const GameState earlier = fuzzed.game.state;
    fuzzed.raise(Command1_Click);
    checkAnswers(fuzzed);
    checkOpening(fuzzed);
    checkPlayAgain(earlier, fuzzed);
}

void resetAll(FuzzedGame &fuzzed)
{
    const Before earlier = before(fuzzed);
    fuzzed.raise(Command2_Click);
    checkResetAll(earlier, fuzzed);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedGame fuzzed({reinterpret_cast<const char *>(data), size});
    fuzzed.raise(Form_Load);
    checkAnswers(fuzzed);
    checkOpening(fuzzed);
    checkBetweenEvents(fuzzed);
    Script &script = fuzzed.script;
    while (!script.atEnd()) {
        switch (script.next()) {
        case 'c':
            click(fuzzed, script.cell());
            break;
        case 't': {
            const int cell = script.cell();
            type(fuzzed, cell, script.line());
            break;
        }
        case 'b':
            chooseStrength(fuzzed, Option1_Click);
            break;
        case 'a':
            chooseStrength(fuzzed, Option2_Click);
            break;
        case 'p':
            playAgain(fuzzed);
            break;
        case 'r':
            resetAll(fuzzed);
            break;
        default:
            continue;
        }
        checkBetweenEvents(fuzzed);
    }
    return 0;
}
