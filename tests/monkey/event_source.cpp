// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/event_source.h"

#include <array>
#include <utility>
#include <vector>

namespace {

constexpr int MaxRefusals = 3; // the questions ask without limit; a person gives up refusing

const std::vector<std::string> PlayerAnswers{"1", "2",   "",   " ",   " 1", "2 ",          "3",
                                             "0", "one", "12", "1.0", "-1", "\xEF\xBC\x91"};
const std::vector<std::string> MoverAnswers{"X", "O",  "x",  "o", "",         " ",           "xo",
                                            "Z", " x", "X ", "0", "\xC3\x97", "\xEF\xBC\xB8"};
const std::vector<std::string> TypedTexts{"X", "O", "", "x", "o", " ", "XO", "\xC3\xA9", "0"};
// é, ✕, ◯, fullwidth X and x, 漢, 😀
const std::vector<std::string> Characters{"\xC3\xA9",        "\xE2\x9C\x95", "\xE2\x97\xAF",
                                          "\xEF\xBC\xB8",    "\xEF\xBD\x98", "\xE6\xBC\xA2",
                                          "\xF0\x9F\x98\x80"};

template<typename T>
const T &pick(std::mt19937 &engine, const std::vector<T> &from)
{
    return from[engine() % from.size()];
}

std::string longUnicode(std::mt19937 &engine)
{
    std::string text;
    for (unsigned count = 1 + engine() % 300; count > 0; --count)
        text += pick(engine, Characters);
    return text;
}

std::string answerFrom(std::mt19937 &engine, const std::vector<std::string> &pool)
{
    return engine() % 10 == 0 ? longUnicode(engine) : pick(engine, pool);
}

// Only the first answer to the first-mover question is upper-cased, and only its ASCII letters.
std::optional<std::string> takenMover(const std::string &answer, bool firstAsk)
{
    if (answer == "X" || answer == "O")
        return answer;
    if (firstAsk && (answer == "x" || answer == "o"))
        return answer == "x" ? "X" : "O";
    return std::nullopt;
}

std::optional<std::string> takenPlayers(const std::string &answer, bool)
{
    if (answer == "1" || answer == "2")
        return answer;
    return std::nullopt;
}

template<typename Taken>
Script script(std::mt19937 &engine, const std::vector<std::string> &pool, Taken taken)
{
    Script result;
    for (;;) {
        const bool firstAsk = result.answers.empty();
        const bool refusing = result.answers.size() < MaxRefusals && engine() % 10 < 3;
        std::string answer = answerFrom(engine, pool);
        const std::optional<std::string> outcome = taken(answer, firstAsk);
        if (!outcome && !refusing)
            continue;
        result.answers.push_back(std::move(answer));
        if (outcome) {
            result.taken = *outcome;
            return result;
        }
    }
}

} // namespace

EventSource::EventSource(std::uint32_t seed, bool nearLimits)
    : m_engine(seed)
    , m_nearLimits(nearLimits)
{
}

Event EventSource::startUp()
{
    Event event;
    event.kind = EventKind::StartUp;
    event.players = script(m_engine, PlayerAnswers, takenPlayers);
    event.firstMover = script(m_engine, MoverAnswers, takenMover);
    if (m_nearLimits) {
        // Games are many times more frequent than wins or ties: give them more room.
        constexpr std::array<unsigned, 4> Room{4, 4, 4, 40};
        for (std::size_t i = 0; i < Room.size(); ++i) {
            if (m_engine() % 2 == 0)
                event.nearLimits[i] = static_cast<std::int16_t>(32767 - m_engine() % Room[i]);
        }
    }
    return event;
}

Event EventSource::next(bool boardLocked)
{
    // Weights per 1000 events: mostly clicks, and "Play Again?" often enough to finish many games.
    const std::array<std::pair<EventKind, unsigned>, 7> weights{
        {{EventKind::Click, boardLocked ? 300U : 800U},
         {EventKind::Type, 60},
         {EventKind::PlayAgain, boardLocked ? 580U : 80U},
         {EventKind::ResetAll, 15},
         {EventKind::Beginner, 20},
         {EventKind::Advanced, 22},
         {EventKind::Exit, 3}}};
    unsigned roll = m_engine() % 1000;
    Event event;
    for (const auto &[kind, weight] : weights) {
        if (roll < weight) {
            event.kind = kind;
            break;
        }
        roll -= weight;
    }
    if (event.kind == EventKind::Click || event.kind == EventKind::Type)
        event.cell = static_cast<int>(m_engine() % 10);
    if (event.kind == EventKind::Type)
        event.text = answerFrom(m_engine, TypedTexts);
    if (event.kind == EventKind::PlayAgain)
        event.firstMover = script(m_engine, MoverAnswers, takenMover);
    return event;
}
