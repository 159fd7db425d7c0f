// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/dialogs.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <memory>

// The message box the game shows: the text as plain text, OK alone, no icon and no title of its
// own, wide enough for the title a desktop shows, and centred over the parent when shown.
std::unique_ptr<QMessageBox> messageBox(const QString &text, QWidget *parent);

// Real modal QMessageBox and QInputDialog objects, so that tools and assistive technology find
// them as ordinary dialogs of the window.
class MessageDialogs : public Dialogs
{
public:
    explicit MessageDialogs(QWidget *parent);

    // Told to assistive tools with the next message, never shown; empty: nothing.
    void setMessageDescription(const QString &description);
    [[nodiscard]] const QString &messageDescription() const { return m_description; }

    void showMessage(const std::string &text) override;
    void showComposedMessage(const std::string &pattern,
                             const std::vector<std::string> &arguments) override;
    std::string askText(const std::string &prompt, const std::string &title,
                        const std::string &defaultAnswer) override;
    [[nodiscard]] bool quitting() const override { return m_quitting; }
    // The program is ending: Qt closes the open dialogs and returns from later ones at once.
    void setQuitting() { m_quitting = true; }

private:
    // A message box with the description, shown until the player closes it.
    void showBox(const QString &text);

    QPointer<QWidget> m_parent;
    QString m_description;
    bool m_quitting = false;
};
