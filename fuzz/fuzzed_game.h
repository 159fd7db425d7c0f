// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/raise_event.h"
#include "play/clock_random.h"
#include "script.h"
#include "support/fake_window.h"

#include <string>
#include <string_view>
#include <vector>

enum class Question { Players, FirstMover };

// One input box of the current event, as it was answered.
struct Ask
{
    Question question;
    std::string answer;
    std::string refusal; // the message shown just before; "" when this is not a re-ask
    std::string snapshot; // the window and the game as the box opened
};

// The game's state but for the two answers, PlayerCount and CurrentMark, as comparable text.
std::string describeState(const GameState &state);

// The game on the tests' fake window, played from a script. Each input box takes the script's
// next line as its answer; once the script is used up, every box gets its default answer, which
// is always accepted, so that no question is asked for ever. The generator is the program's own,
// on a clock that stands still at a value taken from the input: every input plays the same way
// each time it runs.
class FuzzedGame : public FakeWindow
{
public:
    explicit FuzzedGame(std::string_view input);

    Script script;
    ClockRandom random;
    Game game{GameState{}, *this, *this, random};
    std::vector<Ask> asks; // in the current event

    // Raises one event as the window does; its transcript and asks replace the last event's.
    template<typename Handler>
    void raise(Handler handler)
    {
        transcript.clear();
        asks.clear();
        raiseEvent(*this, [this, &handler] { handler(game); });
    }

    // Everything a refused answer must leave alone: the cells, the boxes, the options and the
    // game's state but for the answers themselves.
    std::string snapshot() const;

    std::string askText(const std::string &prompt, const std::string &title,
                        const std::string &defaultAnswer) override;
};
