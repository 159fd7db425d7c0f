// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

// A message made of parts: "%1" to "%9" in the pattern stand for the arguments, in order. One
// pass, so that an argument holding "%2" stays as it is.
inline std::string compose(const std::string &pattern, const std::vector<std::string> &arguments)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const auto argument = std::size_t(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && argument < arguments.size()) {
            text += arguments[argument];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

// The modal dialogs the game opens. Each call returns only once the user has closed the dialog.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only, no icon and no title of its own.
    virtual void showMessage(const std::string &text) = 0;

    // The same, for a message made of parts: a translation may put them where its language
    // wants them. Dialogs that do not translate show the English.
    virtual void showComposedMessage(const std::string &pattern,
                                     const std::vector<std::string> &arguments)
    {
        showMessage(compose(pattern, arguments));
    }

    // An input box with OK and Cancel; an empty title leaves the platform's own. Cancel or
    // closing the box gives "".
    virtual std::string askText(const std::string &prompt, const std::string &title,
                                const std::string &defaultAnswer) = 0;

    // Whether the program has been asked to end: every dialog then returns at once, as if
    // cancelled, so a refused answer is not asked again.
    [[nodiscard]] virtual bool quitting() const = 0;
};
