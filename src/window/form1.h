// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/form_view.h"
#include "game/game.h"
#include "play/clock_random.h"
#include "window/board_narrator.h"
#include "window/design_layout.h"
#include "window/handler_queue.h"
#include "window/message_dialogs.h"

#include <QWidget>

#include <QList>

#include <array>
#include <vector>

class CellEdit;
class QAction;
class QButtonGroup;
class QLabel;
class QLineEdit;

// The game's one window: the board of ten cells, the score boxes, the buttons and the strength
// options, laid out as designed at the scale the window's size gives. It owns the running game and
// raises its events.
class Form1 : public QWidget, public FormView
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);

    // Runs start-up, with its dialogs; returns once the first game is ready.
    void load();

    [[nodiscard]] std::string cellText(int index) const override;
    void setCellText(int index, const std::string &text) override;
    void setCellColour(int index, Colour colour) override;
    void setCellEnabled(int index, bool enabled) override;
    void setScoreText(ScoreBox box, const std::string &text) override;
    void setOptionsEnabled(bool enabled) override;
    void setCaption(const std::string &caption) override;
    void showForm() override;
    void endProgram() override;

protected:
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createBoard();
    void createButtons();
    void createScoreBoxes(std::vector<DesignLayout::Caption> &fitted);
    void createOptions(std::vector<DesignLayout::Caption> &fitted);
    void followColourScheme();
    void showLevel();
    [[nodiscard]] QLineEdit *scoreBox(ScoreBox box) const;

    void focusFirstFreeCell();
    void keepFrameOnScreen();

    // Runs the game's handler of an event of control, one handler at a time. clickedCell: the
    // cell whose click raises the event, -1 for any other event.
    template<typename Handler>
    void runHandler(QWidget *control, Handler handler, int clickedCell = -1);

    std::array<CellEdit *, CellCount> m_cells{};
    std::array<QLineEdit *, 4> m_scoreBoxes{}; // in ScoreBox order
    QButtonGroup *m_options = nullptr; // the strength options, each with its level as id
    QList<QAction *> m_zoomActions;
    QLabel *m_title = nullptr;
    DesignLayout *m_layout;
    bool m_framePlaced = false; // on screen once a window manager has framed the window
    int m_boardsCleared = 0; // a press on a cell belongs to the board it was made on

    HandlerQueue m_handlers;
    MessageDialogs m_dialogs;
    BoardNarrator m_narrator;
    ClockRandom m_random;
    Game m_game;
};
