// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/fake_window.h"

#include "control/buttons.h"
#include "game/raise_event.h"
#include "play/cell_click.h"

#include <algorithm>
#include <stdexcept>

void FakeWindow::setBoard(const std::string &board)
{
    for (int i = 0; i < CellCount; ++i) {
        const char c = board.at(i);
        cells.at(i).text = c == '.' ? "" : std::string(1, c);
        cells.at(i).colour = c == '.' ? CellEmptyColour : CellTakenColour;
    }
}

std::string FakeWindow::board() const
{
    std::string result;
    for (const Cell &cell : cells)
        result += cell.text.empty() ? '.' : cell.text.size() == 1 ? cell.text[0] : '*';
    return result;
}

std::string FakeWindow::colours() const
{
    std::string result;
    for (const Cell &cell : cells) {
        result += cell.colour == CellEmptyColour ? 'G'
            : cell.colour == CellTakenColour     ? 'R'
            : cell.colour == CellWinColour       ? 'Y'
                                                 : '?';
    }
    return result;
}

std::vector<std::string> FakeWindow::messages() const
{
    std::vector<std::string> result;
    for (const std::string &entry : transcript) {
        if (entry.starts_with("message|"))
            result.push_back(entry.substr(8));
    }
    return result;
}

bool FakeWindow::anyCellEnabled() const
{
    return std::ranges::any_of(cells, &Cell::enabled);
}

void FakeWindow::showMessage(const std::string &text)
{
    transcript.push_back("message|" + text);
    coloursAtMessage.push_back(colours());
}

std::string FakeWindow::askText(const std::string &prompt, const std::string &title,
                                const std::string &defaultAnswer)
{
    transcript.push_back("ask|" + prompt + "|" + title + "|" + defaultAnswer);
    if (answers.empty())
        throw std::logic_error("an input box that the test did not expect: " + prompt);
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}

float FakeWindow::draw()
{
    if (draws.empty())
        throw std::logic_error("a random draw that the test did not expect");
    const float value = draws.front();
    draws.pop_front();
    return value;
}

namespace {

void startGame(FakeGame &fake, const std::string &board, const char *players)
{
    fake.window.setBoard(board);
    fake.state().PlayerCount = players;
    fake.state().CurrentMark = "X";
    fake.state().MoveCount = static_cast<std::int16_t>(
        std::ranges::count_if(board, [](char c) { return c == 'X' || c == 'O'; }));
}

} // namespace

void FakeGame::startTwoPlayers(const std::string &board)
{
    startGame(*this, board, "2");
}

void FakeGame::startOnePlayer(Strength level, const std::string &board)
{
    startGame(*this, board, "1");
    game.state.VsComputer = true;
    game.state.Level = level;
}

void FakeGame::playAgainAndClick(int cell)
{
    window.transcript.clear();
    window.answers = {"X"};
    window.draws = {0.95F};
    raiseEvent(window, [this] { Command1_Click(game); });
    raiseEvent(window, [this, cell] { Text1_Click(game, cell); });
}
