#include "support/fake_window.h"

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
        result += cell.colour == CellEmptyColour  ? 'G'
                  : cell.colour == CellTakenColour ? 'R'
                  : cell.colour == CellWinColour   ? 'Y'
                                                   : '?';
    }
    return result;
}

std::string FakeWindow::score(ScoreBox box) const
{
    return scores.at(static_cast<std::size_t>(box));
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
    for (const Cell &cell : cells) {
        if (cell.enabled)
            return true;
    }
    return false;
}

std::string FakeWindow::cellText(int index) const
{
    return cells.at(index).text;
}

void FakeWindow::setCellText(int index, const std::string &text)
{
    cells.at(index).text = text;
}

void FakeWindow::setCellColour(int index, Colour colour)
{
    cells.at(index).colour = colour;
}

void FakeWindow::setCellEnabled(int index, bool enabled)
{
    cells.at(index).enabled = enabled;
}

void FakeWindow::setScoreText(ScoreBox box, const std::string &text)
{
    scores.at(static_cast<std::size_t>(box)) = text;
}

void FakeWindow::setOptionsEnabled(bool enabled)
{
    optionsEnabled = enabled;
}

void FakeWindow::setCaption(const std::string &text)
{
    caption = text;
    transcript.push_back("caption|" + text);
}

void FakeWindow::show()
{
    shown = true;
    transcript.push_back("show");
}

void FakeWindow::endProgram()
{
    ended = true;
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

void FakeWindow::reseedFromClock()
{
    ++reseeds;
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

int marksOn(const std::string &board)
{
    return static_cast<int>(std::ranges::count_if(board, [](char c) { return c == 'X' || c == 'O'; }));
}

} // namespace

void FakeGame::startTwoPlayers(const std::string &board)
{
    window.setBoard(board);
    game.state.PlayerCount = "2";
    game.state.CurrentMark = "X";
    game.state.MoveCount = marksOn(board);
}

void FakeGame::startOnePlayer(Strength level, const std::string &board)
{
    window.setBoard(board);
    game.state.PlayerCount = "1";
    game.state.VsComputer = true;
    game.state.CurrentMark = "X";
    game.state.Level = level;
    game.state.MoveCount = marksOn(board);
}
