// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/win_lines.h"

#include "game/game.h"
#include "rules/outcome.h"

#include <array>
#include <span>

namespace {

struct Line
{
    int first;
    int middle;
    int last;
    int code;
};

constexpr std::array Rows{Line{0, 1, 2, 0}, Line{3, 4, 5, 3}, Line{6, 7, 8, 6}, Line{7, 8, 9, 12}};
constexpr std::array Columns{Line{0, 3, 6, 0}, Line{1, 4, 7, 1}, Line{2, 5, 8, 2}};
constexpr std::array Diagonals{Line{0, 4, 8, 0}, Line{2, 4, 6, 2}, Line{1, 5, 9, 1}};

// Any three equal texts complete a line, typed ones included; three free cells do not.
bool isComplete(const FormView &form, const Line &line)
{
    const std::string first = form.cellText(line.first);
    const std::string middle = form.cellText(line.middle);
    return first == middle && middle == form.cellText(line.last) && !first.empty();
}

// No early exit: every completed line must be painted, and the last one found is reported.
int scan(FormView &form, std::span<const Line> lines)
{
    int result = -1;
    for (const Line &line : lines) {
        if (isComplete(form, line)) {
            form.setCellColour(line.first, CellWinColour);
            form.setCellColour(line.middle, CellWinColour);
            form.setCellColour(line.last, CellWinColour);
            result = line.code;
        }
    }
    return result;
}

} // namespace

int CheckRows(FormView &form)
{
    return scan(form, Rows);
}

int CheckColumns(FormView &form)
{
    return scan(form, Columns);
}

int CheckDiagonals(FormView &form)
{
    return scan(form, Diagonals);
}

// Each announcement is finished (message closed, board locked, game scored) before the next scan
// paints anything, and WinsFound rises first so that only the game's first announcement scores.
void CheckForWin(Game &game)
{
    struct Scan
    {
        int (*run)(FormView &);
        LineKind kind;
    };
    constexpr std::array Scans{Scan{CheckRows, LineKind::Row}, Scan{CheckColumns, LineKind::Column},
                               Scan{CheckDiagonals, LineKind::Diagonal}};
    for (const auto &[scanLines, kind] : Scans) {
        game.state.WinLine = scanLines(game.form);
        if (game.state.WinLine != -1) {
            ++game.state.WinsFound;
            AnnounceWin(game, kind, game.state.WinLine);
        }
    }
}
