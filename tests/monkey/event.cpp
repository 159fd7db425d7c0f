// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "monkey/event.h"

namespace {

// Long typed text is cut at a character boundary, so that an event list stays readable.
std::string quoted(const std::string &text)
{
    constexpr std::size_t Shown = 24;
    std::string shown = text;
    if (shown.size() > Shown) {
        std::size_t cut = Shown;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0U) == 0x80U)
            --cut;
        shown = shown.substr(0, cut) + "...";
    }
    std::string result = "\"";
    for (const char c : shown) {
        if (c == '"' || c == '\\')
            result += '\\';
        result += c;
    }
    result += '"';
    if (text.size() > Shown)
        result += " (" + std::to_string(text.size()) + " bytes)";
    return result;
}

std::string answers(const Script &script)
{
    std::string result = "[";
    for (const std::string &answer : script.answers)
        result += (result.size() > 1 ? ", " : "") + quoted(answer);
    return result + "]";
}

std::string nearLimits(const NearLimits &limits)
{
    constexpr std::array names{"XWins", "OWins", "Ties", "GameNumber"};
    std::string result;
    for (std::size_t i = 0; i < limits.size(); ++i) {
        if (limits[i])
            result += std::string(", then ") + names[i] + " = " + std::to_string(*limits[i]);
    }
    return result;
}

} // namespace

std::string describe(const Event &event)
{
    switch (event.kind) {
    case EventKind::StartUp:
        return "start-up, players " + answers(event.players) + ", first mover "
            + answers(event.firstMover) + nearLimits(event.nearLimits);
    case EventKind::Click:
        return "click cell " + std::to_string(event.cell);
    case EventKind::Type:
        return "type " + quoted(event.text) + " into cell " + std::to_string(event.cell);
    case EventKind::PlayAgain:
        return "\"Play Again?\", first mover " + answers(event.firstMover);
    case EventKind::ResetAll:
        return "\"Reset all\"";
    case EventKind::Exit:
        return "\"Exit\"";
    case EventKind::Beginner:
        return "\"Beginner\"";
    case EventKind::Advanced:
        return "\"Advanced\"";
    }
    return "?";
}
