// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/dialogs.h"
#include "game/form_view.h"
#include "game/game.h"
#include "game/random_source.h"

#include <array>
#include <deque>
#include <string>
#include <vector>

// The window, its dialogs and the generator in one test double. Boards are written as strings
// of ten characters, one a cell: '.' is a free cell, any other character is the cell's text.
// Dialogs answer from a script and write a transcript; an unscripted dialog or draw throws, so a
// test with a loop that asks for ever fails instead of hanging.
class FakeWindow : public FormView, public Dialogs, public RandomSource
{
public:
    struct Cell
    {
        std::string text;
        Colour colour = CellEmptyColour;
        bool enabled = true;
    };

    std::array<Cell, CellCount> cells;
    std::array<std::string, 4> scores{"0", "0", "0", "1"}; // in ScoreBox order
    bool optionsEnabled = true;
    bool ended = false;

    std::deque<std::string> answers;
    // "ask|prompt|title|default", "message|text", "caption|text" and "show", in order
    std::vector<std::string> transcript;
    std::vector<std::string> coloursAtMessage; // colours() as each message box opened

    std::deque<float> draws;
    int reseeds = 0;

    void setBoard(const std::string &board);
    std::string board() const;
    std::string colours() const; // G green, R red, Y yellow per cell
    std::string score(ScoreBox box) const { return scores.at(static_cast<std::size_t>(box)); }
    std::vector<std::string> messages() const;
    bool anyCellEnabled() const;

    std::string cellText(int index) const override { return cells.at(index).text; }
    void setCellText(int index, const std::string &text) override { cells.at(index).text = text; }
    void setCellColour(int index, Colour colour) override { cells.at(index).colour = colour; }
    void setCellEnabled(int index, bool enabled) override { cells.at(index).enabled = enabled; }
    void setScoreText(ScoreBox box, const std::string &text) override
    {
        scores.at(static_cast<std::size_t>(box)) = text;
    }
    void setOptionsEnabled(bool enabled) override { optionsEnabled = enabled; }
    void setCaption(const std::string &text) override { transcript.push_back("caption|" + text); }
    void showForm() override { transcript.emplace_back("show"); }
    void endProgram() override { ended = true; }

    void showMessage(const std::string &text) override;
    std::string askText(const std::string &prompt, const std::string &title,
                        const std::string &defaultAnswer) override;
    bool quitting() const override { return false; } // a test ends by running out of events

    void reseedFromClock() override { ++reseeds; }
    float draw() override;
};

// A game on a fake window, set up mid-game: the board given, "X" to move, and MoveCount the
// number of marks on the board.
struct FakeGame
{
    FakeWindow window;
    Game game{GameState{}, window, window, window};

    GameState &state() { return game.state; }
    void startTwoPlayers(const std::string &board = "..........");
    void startOnePlayer(Strength level, const std::string &board = "..........");
    // "Play Again?" with "X" to move, then a click on `cell`, both raised as the window raises
    // events. A Beginner reply draws cell 9. The transcript starts afresh.
    void playAgainAndClick(int cell);
};
