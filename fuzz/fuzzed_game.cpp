// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fuzzed_game.h"

#include <cstdint>

namespace {

std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t hash = 0xCBF29CE484222325;
    for (const char byte : bytes)
        hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001B3;
    return hash;
}

} // namespace

FuzzedGame::FuzzedGame(std::string_view input)
    : script(input)
    , random([seed = fnv1a(input)] { return seed; })
{
}

std::string describeState(const GameState &state)
{
    std::string text;
    for (const Int16 count :
         {state.MoveCount, state.GameNumber, state.XWins, state.OWins, state.Ties, state.WinsFound})
        text += std::to_string(count.value()) + '|';
    for (const int number : {state.WinLine, state.ComputerCell, static_cast<int>(state.Level)})
        text += std::to_string(number) + '|';
    for (const bool flag :
         {state.VsComputer, state.GameOver, state.ComputerTurn, state.ComputerFirst})
        text += flag ? '+' : '-';
    return text;
}

std::string FuzzedGame::snapshot() const
{
    std::string text;
    for (const Cell &cell : cells)
        text += cell.text + '|' + std::to_string(cell.colour) + (cell.enabled ? '+' : '-') + '|';
    for (const std::string &score : scores)
        text += score + '|';
    return text + (optionsEnabled ? '+' : '-') + describeState(game.state);
}

std::string FuzzedGame::askText(const std::string &prompt, const std::string &title,
                                const std::string &defaultAnswer)
{
    const bool reask = !transcript.empty() && transcript.back().starts_with("message|");
    Ask ask{prompt.find("players") != std::string::npos ? Question::Players : Question::FirstMover,
            script.atEnd() ? defaultAnswer : script.line(),
            reask ? transcript.back().substr(8) : "", snapshot()};
    answers.push_back(ask.answer);
    asks.push_back(std::move(ask));
    return FakeWindow::askText(prompt, title, defaultAnswer);
}
