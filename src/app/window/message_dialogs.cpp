// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window/message_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

MessageDialogs::MessageDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void MessageDialogs::showMessage(const std::string &text)
{
    // No title of its own: the platform shows the application's name.
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    m_parent);
    // A win message carries whatever text completed the line; it must never be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string MessageDialogs::askText(const std::string &prompt, const std::string &title,
                                    const std::string &defaultAnswer)
{
    QInputDialog dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultAnswer));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue().toStdString();
}
