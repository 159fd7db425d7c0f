// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/board_oracle.h"

#include <algorithm>

namespace {

const char *wording(LineKind kind)
{
    switch (kind) {
    case LineKind::Row:
        return "row";
    case LineKind::Column:
        return "col";
    case LineKind::Diagonal:
        return "diagonal";
    }
    return "";
}

} // namespace

bool isMark(const std::string &text)
{
    return text == "X" || text == "O";
}

bool isComplete(const Texts &texts, const Line &line)
{
    const auto &[a, b, c] = line.cells;
    return !texts[a].empty() && texts[a] == texts[b] && texts[b] == texts[c];
}

bool anyFree(const Texts &texts)
{
    return std::ranges::any_of(texts, &std::string::empty);
}

std::vector<int> pairTargets(const Texts &texts)
{
    std::vector<int> targets;
    for (const Line &line : Lines) {
        for (int position = 0; position < 3; ++position) {
            const int target = line.cells[position];
            const std::string &a = texts[line.cells[(position + 1) % 3]];
            const std::string &b = texts[line.cells[(position + 2) % 3]];
            if (texts[target].empty() && isMark(a) && a == b)
                targets.push_back(target);
        }
    }
    return targets;
}

std::optional<WinMessage> parseWinMessage(const std::string &message)
{
    // The mark is whatever text won, so it is found from the end of the message.
    const std::string::size_type at = message.rfind(" has won by ");
    if (at == std::string::npos)
        return std::nullopt;
    const std::string tail = message.substr(at + 12);
    for (const Line &line : Lines) {
        if (tail == std::string(wording(line.kind)) + "  " + std::to_string(line.shownNumber))
            return WinMessage{message.substr(0, at), &line};
    }
    return std::nullopt;
}
