// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the real modal dialogs of the window as a person would, from a list of answers, and
// writes down what each dialog showed: "ask|prompt|title|default" and "message|text". A message
// box that is not plain text with a lone OK button, no icon and no title is written "bad box|".
// Once the answers run out, an input box gets its default answer, so that a dialogue that asks
// more than expected ends and shows in the transcript instead of asking for ever.
class DialogAnswerer : public QObject
{
public:
    explicit DialogAnswerer(QStringList answers);

    QStringList transcript;
    QStringList messages() const;
    QStringList messageDescriptions; // what each message box tells assistive tools
    // Right after answering dialog number dialog (0 for the first), still inside its event,
    // press: as a press that reaches the program in one batch with that dialog's OK.
    void pressAfter(int dialog, std::function<void()> press);

private:
    void answerActiveDialog();

    QStringList m_answers;
    QTimer m_timer;
    int m_pressAfter = -1;
    std::function<void()> m_press;
};
