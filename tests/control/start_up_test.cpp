// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control/start_up.h"

#include "support/fake_window.h"

#include <gtest/gtest.h>

namespace {

using Transcript = std::vector<std::string>;

const std::string AskPlayers = "ask|Select number of players.|Player Number|1";
const std::string RefusePlayers = "message|Sorry, must be 1 or 2.";
const std::string ReaskPlayers = "ask|Number or players?|Player Number|1";
const std::string AskMover = "ask|who goes first X or O?|gorvane|X";
const std::string RefuseMover = "message|Sorry, your choices are X or O";
const std::string ReaskMover = "ask|Who goes first X or O?|gorvane|X";

Transcript startUp(FakeGame &fake, std::deque<std::string> answers)
{
    fake.window.answers = std::move(answers);
    Form_Load(fake.game);
    return fake.window.transcript;
}

TEST(StartUp, TitlesAndShowsTheWindowBeforeAsking)
{
    FakeGame fake;
    EXPECT_EQ(startUp(fake, {"2", "X"}),
              (Transcript{"caption|Gorvane", "show", AskPlayers, AskMover}));
    EXPECT_EQ(fake.state().GameNumber, Int16(1));
    EXPECT_EQ(fake.state().Level, Strength::Beginner);
    EXPECT_EQ(fake.state().MoveCount, Int16(0));
}

struct BadPlayers
{
    const char *name;
    std::string answer;
};

class PlayersAnswer : public testing::TestWithParam<BadPlayers>
{
};

TEST_P(PlayersAnswer, IsRefusedAndAskedAgain)
{
    FakeGame fake;
    const Transcript transcript = startUp(fake, {GetParam().answer, "2", "X"});
    EXPECT_EQ(
        transcript,
        (Transcript{"caption|Gorvane", "show", AskPlayers, RefusePlayers, ReaskPlayers, AskMover}));
    EXPECT_EQ(fake.state().PlayerCount, "2");
}

INSTANTIATE_TEST_SUITE_P(Answers, PlayersAnswer,
                         testing::Values(BadPlayers{"cancelled", ""}, BadPlayers{"blank", " "},
                                         BadPlayers{"blanks_around", " 1 "},
                                         BadPlayers{"three", "3"}, BadPlayers{"zero", "0"},
                                         BadPlayers{"words", "one"}, BadPlayers{"decimal", "1.0"},
                                         BadPlayers{"fullwidth_digit", "\xEF\xBC\x91"},
                                         BadPlayers{"long", std::string(10000, '1')}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(StartUp, AsksForPlayersWithoutLimit)
{
    FakeGame fake;
    startUp(fake, {"", "", "", "1", "x"});
    EXPECT_EQ(fake.window.messages(), Transcript(3, "Sorry, must be 1 or 2."));
}

struct MoverCase
{
    const char *name;
    std::deque<std::string> answers;
    Transcript dialogs; // after the players question
    std::string mark;
};

class FirstMover : public testing::TestWithParam<MoverCase>
{
};

TEST_P(FirstMover, UpperCasesOnlyTheFirstAnswer)
{
    FakeGame fake;
    std::deque<std::string> answers = GetParam().answers;
    answers.push_front("2");
    Transcript transcript = startUp(fake, answers);
    transcript.erase(transcript.begin(), transcript.begin() + 3);
    EXPECT_EQ(transcript, GetParam().dialogs);
    EXPECT_EQ(fake.state().CurrentMark, GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FirstMover,
    testing::Values(
        MoverCase{"capital_x", {"X"}, {AskMover}, "X"},
        MoverCase{"small_o", {"o"}, {AskMover}, "O"},
        MoverCase{"small_at_reask_refused",
                  {"z", "x", "X"},
                  {AskMover, RefuseMover, ReaskMover, RefuseMover, ReaskMover},
                  "X"},
        MoverCase{"cancelled", {"", "O"}, {AskMover, RefuseMover, ReaskMover}, "O"},
        MoverCase{"two_letters", {"xo", "O"}, {AskMover, RefuseMover, ReaskMover}, "O"},
        MoverCase{"blank_around", {" x", "X"}, {AskMover, RefuseMover, ReaskMover}, "X"},
        MoverCase{"unicode", {"\xC3\x97", "X"}, {AskMover, RefuseMover, ReaskMover}, "X"},
        MoverCase{
            "long", {std::string(10000, 'x'), "X"}, {AskMover, RefuseMover, ReaskMover}, "X"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OpeningDecision, OnePlayerWithOFirstLetsTheComputerOpenInTheCentre)
{
    FakeGame fake;
    fake.window.optionsEnabled = false; // to see that the options are left alone
    startUp(fake, {"1", "o"});
    EXPECT_EQ(fake.window.board(), "....O.....");
    EXPECT_EQ(fake.window.colours(), "GGGGRGGGGG");
    EXPECT_TRUE(fake.window.cells[4].enabled);
    EXPECT_EQ(fake.state().MoveCount, Int16(1));
    EXPECT_EQ(fake.state().CurrentMark, "X");
    EXPECT_TRUE(fake.state().VsComputer);
    EXPECT_TRUE(fake.state().ComputerFirst);
    EXPECT_FALSE(fake.window.optionsEnabled);
}

TEST(OpeningDecision, OnePlayerWithXFirstEnablesTheOptions)
{
    FakeGame fake;
    fake.window.optionsEnabled = false;
    startUp(fake, {"1", "x"});
    EXPECT_EQ(fake.window.board(), "..........");
    EXPECT_TRUE(fake.state().VsComputer);
    EXPECT_TRUE(fake.window.optionsEnabled);
}

TEST(OpeningDecision, TwoPlayersDisableTheOptionsAndKeepTheFirstMover)
{
    FakeGame fake;
    startUp(fake, {"2", "O"});
    EXPECT_EQ(fake.window.board(), "..........");
    EXPECT_FALSE(fake.state().VsComputer);
    EXPECT_FALSE(fake.window.optionsEnabled);
    EXPECT_EQ(fake.state().CurrentMark, "O");
}

} // namespace
