// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The modal dialogs the game opens. Each call returns only once the user has closed the dialog.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message with an OK button only, no icon and no title of its own.
    virtual void showMessage(const std::string &text) = 0;

    // An input box with OK and Cancel; an empty title leaves the platform's own. Cancel or
    // closing the box gives "".
    virtual std::string askText(const std::string &prompt, const std::string &title,
                                const std::string &defaultAnswer) = 0;

    // Whether the program has been asked to end: every dialog then returns at once, as if
    // cancelled, so a refused answer is not asked again.
    [[nodiscard]] virtual bool quitting() const = 0;
};
