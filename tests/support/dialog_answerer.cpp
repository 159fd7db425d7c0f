// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/dialog_answerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

DialogAnswerer::DialogAnswerer(QStringList answers)
    : m_answers(std::move(answers))
{
    connect(&m_timer, &QTimer::timeout, this, &DialogAnswerer::answerActiveDialog);
    m_timer.start(2);
}

QStringList DialogAnswerer::messages() const
{
    QStringList result;
    for (const QString &entry : transcript) {
        if (entry.startsWith(QLatin1String("message|")))
            result << entry.mid(8);
    }
    return result;
}

void DialogAnswerer::answerActiveDialog()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (auto *input = qobject_cast<QInputDialog *>(modal)) {
        transcript << QStringList{QStringLiteral("ask"), input->labelText(), input->windowTitle(),
                                  input->textValue()}
                          .join(QLatin1Char('|'));
        if (!m_answers.isEmpty())
            input->setTextValue(m_answers.takeFirst());
        input->accept();
    } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        const bool plain = box->icon() == QMessageBox::NoIcon && box->windowTitle().isEmpty()
            && box->buttons().size() == 1 && box->textFormat() == Qt::PlainText;
        transcript << (plain ? QStringLiteral("message|") : QStringLiteral("bad box|"))
                + box->text();
        messageDescriptions << box->accessibleDescription();
        box->button(QMessageBox::Ok)->click();
    }
    if (modal != nullptr && transcript.size() == m_pressAfter + 1 && m_press)
        std::exchange(m_press, {})();
}

void DialogAnswerer::pressAfter(int dialog, std::function<void()> press)
{
    m_pressAfter = dialog;
    m_press = std::move(press);
}
