// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/message_dialogs.h"

#include "window/screen_placement.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>

#include <utility>

namespace {

// The game's texts are English; each is looked up as it is shown. Without a translation, as in
// English, the text is shown as the game gave it.
QString translated(const std::string &english)
{
    return QCoreApplication::translate("Dialogs", english.c_str());
}

// Arabic and Persian write digits of their own; in those languages an answer in them means the
// same number, whichever of the two sets of Arabic digits the keyboard gives.
QString withLatinDigits(QString answer)
{
    if (QLocale().zeroDigit() == QLatin1String("0"))
        return answer;
    for (QChar &character : answer) {
        const int digit = character.digitValue();
        if (digit >= 0 && character.script() == QChar::Script_Arabic)
            character = QChar(u'0' + digit);
    }
    return answer;
}

// Opens centred over the window, the first dialog at start-up too. Qt centres a dialog itself, but
// guesses the sizes of the frames until a window manager has reported them, so the first dialog
// would open off-centre. Client areas need no frame sizes: the dialog's client area goes centre on
// centre over the window's, and the window manager frames both alike.
template<typename Dialog>
class CentredDialog : public Dialog
{
public:
    using Dialog::Dialog;

protected:
    void showEvent(QShowEvent *event) override
    {
        Dialog::showEvent(event); // sizes a message box and places the dialog Qt's way
        const QWidget *window = this->parentWidget();
        if (window == nullptr || event->spontaneous())
            return;
        // On screen even when the window is not.
        const QRect placed = centredWithin(this->size(), window->geometry().center(),
                                           window->screen()->availableGeometry());
        this->setGeometry(placed);
    }
};

// The width inside a dialog's margins that lets a window manager's title bar show the whole title
// beside the window's icon and three buttons, each about two and a half lines of text wide. An
// untitled dialog shows the application's name. Title bars often use a bold font, a fifth wider
// than the dialog's own.
int widthForTitle(const QWidget &dialog)
{
    const QString title =
        dialog.windowTitle().isEmpty() ? QCoreApplication::applicationName() : dialog.windowTitle();
    const QFontMetrics metrics(dialog.font());
    const int margins = dialog.style()->pixelMetric(QStyle::PM_LayoutLeftMargin)
        + dialog.style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    return metrics.horizontalAdvance(title) * 6 / 5 + 10 * metrics.height() - margins;
}

} // namespace

std::unique_ptr<QMessageBox> messageBox(const QString &text, QWidget *parent)
{
    // No title of its own: the platform shows the application's name.
    auto box = std::make_unique<CentredDialog<QMessageBox>>(QMessageBox::NoIcon, QString(), text,
                                                            QMessageBox::Ok, parent);
    // A win message carries whatever text completed the line; it must never be read as markup.
    box->setTextFormat(Qt::PlainText);
    // Named by its text, as Qt 6.4 and 6.8 name it: Qt 6.11 names a message box by its title, here
    // the application's name, and a screen reader then says that and the description, not the
    // text.
    box->setAccessibleName(text);
    // A message box takes its width from its layout when it is shown: a row of its own, empty
    // and so without spacing, holds that width.
    // Qt's message box has always laid itself out on a grid; should that change, it keeps its own
    // width.
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout()))
        grid->addItem(new QSpacerItem(widthForTitle(*box), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    return box;
}

MessageDialogs::MessageDialogs(QWidget *parent)
    : m_parent(parent)
{
}

void MessageDialogs::setMessageDescription(const QString &description)
{
    m_description = description;
}

void MessageDialogs::showMessage(const std::string &text)
{
    showBox(translated(text));
}

void MessageDialogs::showComposedMessage(const std::string &pattern,
                                         const std::vector<std::string> &arguments)
{
    const std::string text = compose(translated(pattern).toStdString(), arguments);
    showBox(QString::fromStdString(text));
}

void MessageDialogs::showBox(const QString &text)
{
    const auto box = messageBox(text, m_parent);
    box->setAccessibleDescription(std::exchange(m_description, {}));
    box->exec();
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the order is Dialogs' own
std::string MessageDialogs::askText(const std::string &prompt, const std::string &title,
                                    const std::string &defaultAnswer)
{
    CentredDialog<QInputDialog> dialog(m_parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(translated(title));
    dialog.setLabelText(translated(prompt));
    dialog.setTextValue(QString::fromStdString(defaultAnswer));
    // The answer's box spans the dialog inside its margins.
    dialog.findChild<QLineEdit *>()->setMinimumWidth(widthForTitle(dialog));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return withLatinDigits(dialog.textValue()).toStdString();
}
