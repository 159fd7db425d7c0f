// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/application_identity.h"
#include "window/form1.h"

#include "support/dialog_answerer.h"
#include "support/window_test_main.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <optional>

namespace {

QAccessibleInterface *accessible(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

} // namespace

// The window as a desktop and a screen reader see it: the application's name and icon, every
// control's accessible name, and the board's marks in the cells' descriptions.
class DesktopTest : public QObject
{
    Q_OBJECT

private:
    QWidget *child(const QString &name)
    {
        auto *widget = m_window->findChild<QWidget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    QWidget *cell(int index) { return child(QStringLiteral("Text1_%1").arg(index)); }
    QStringList cellDescriptions()
    {
        QStringList descriptions;
        for (int i = 0; i < 10; ++i)
            descriptions << accessible(cell(i))->text(QAccessible::Description);
        return descriptions;
    }

    std::unique_ptr<Form1> m_window;

private slots:
    void init();
    void cleanup();
    void applicationIdentity();
    void accessibleNames_data();
    void accessibleNames();
    void everyControlIsNamed();
    void labelsNameTheirBoxes();
    void cellDescriptionsFollowTheMarks();
    void windowIsAWindow();
    void cellsArePressed();
    void winMessagesNameTheirCells_data();
    void winMessagesNameTheirCells();
    void scoreBoxesCannotBeWritten();
    void pressesWaitForTheDialog();
};

void DesktopTest::init()
{
    m_window = std::make_unique<Form1>();
}

void DesktopTest::cleanup()
{
    m_window.reset();
}

void DesktopTest::applicationIdentity()
{
    setApplicationIdentity();
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Gorvane"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.gorvane.Gorvane"));

    // Drawn from the embedded picture at every size a desktop asks for; a picture that failed to
    // load would leave them blank.
    const QIcon icon = QApplication::windowIcon();
    for (const int size : {16, 32, 48, 64}) {
        const QImage image = icon.pixmap(size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // the rounded corner
    }
    QCOMPARE(m_window->windowIcon().cacheKey(), icon.cacheKey());
}

void DesktopTest::accessibleNames_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    for (int i = 0; i < 10; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("cell %1").arg(i)))
            << QStringLiteral("Text1_%1").arg(i) << QStringLiteral("Cell %1").arg(i)
            << QAccessible::EditableText;
    }
    const struct
    {
        const char *control;
        const char *name;
        QAccessible::Role role;
    } rows[] = {
        {"Text2", "Wins by X", QAccessible::EditableText},
        {"Text3", "Wins by O", QAccessible::EditableText},
        {"Text4", "Games Tied", QAccessible::EditableText},
        {"Text5", "Game #", QAccessible::EditableText},
        {"Command1", "Play Again?", QAccessible::Button},
        {"Command2", "Reset all", QAccessible::Button},
        {"Command3", "Exit", QAccessible::Button},
        {"Option1", "Beginner", QAccessible::RadioButton},
        {"Option2", "Advanced", QAccessible::RadioButton},
        {"Label5", "Gorvane", QAccessible::StaticText},
    };
    for (const auto &row : rows)
        QTest::newRow(row.control) << QString(row.control) << QString(row.name) << row.role;
}

void DesktopTest::accessibleNames()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);

    QAccessibleInterface *interface = accessible(child(control));
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(interface->role(), role);
    QCOMPARE(child(control)->objectName(), control);
}

// Whatever is added to the window later must be named too.
void DesktopTest::everyControlIsNamed()
{
    QAccessibleInterface *window = accessible(m_window.get());
    QCOMPARE(window->childCount(), 24);
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface *control = window->child(i);
        QVERIFY2(!control->text(QAccessible::Name).isEmpty(),
                 qPrintable(control->object()->objectName()));
    }
}

void DesktopTest::labelsNameTheirBoxes()
{
    for (const auto &[label, box] : {std::pair{"Label1", "Text2"}, std::pair{"Label2", "Text3"},
                                     std::pair{"Label3", "Text4"}, std::pair{"Label4", "Text5"}}) {
        const auto labels = accessible(child(QLatin1String(box)))->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), child(QLatin1String(label)));
    }
}

// A screen reader speaks a cell's text, then its description, which adds only what the text does
// not say: "empty" for a free cell, nothing for a mark, the computer's reply or typed text.
void DesktopTest::cellDescriptionsFollowTheMarks()
{
    DialogAnswerer answerer({"1", "X"});
    m_window->load();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(cellDescriptions(), QStringList(10, QStringLiteral("empty")));

    QTest::mouseClick(cell(4), Qt::LeftButton);
    const QStringList descriptions = cellDescriptions();
    QCOMPARE(descriptions.at(4), QString());
    QCOMPARE(descriptions.count(QString()), 2);
    QCOMPARE(descriptions.count(QStringLiteral("empty")), 8);
    const int free = int(descriptions.indexOf(QStringLiteral("empty")));
    QTest::keyClicks(cell(free), QStringLiteral("Z"));
    QCOMPARE(accessible(cell(free))->text(QAccessible::Description), QString());

    QTest::mouseClick(child(QStringLiteral("Command2")), Qt::LeftButton); // Reset all
    QCOMPARE(cellDescriptions(), QStringList(10, QStringLiteral("empty")));
}

void DesktopTest::windowIsAWindow()
{
    DialogAnswerer answerer({"2", "X"});
    m_window->load();
    QAccessibleInterface *window = accessible(m_window.get());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Gorvane"));
}

// A screen reader's user plays by the cells' press action, through the same click as the mouse:
// the marks, the refusal of a taken cell, the winning line told in words, and the locked board.
void DesktopTest::cellsArePressed()
{
    DialogAnswerer answerer({"2", "X"});
    m_window->load();
    const auto press = [this](int index) {
        QAccessibleActionInterface *actions = accessible(cell(index))->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    };
    for (int index : {1, 0, 5, 3}) {
        press(index);
        QTRY_VERIFY(!qobject_cast<QLineEdit *>(cell(index))->text().isEmpty());
    }
    // The second press arrives while the first one's refusal is open, and is handled after it.
    press(1);
    press(2);
    QTRY_COMPARE(qobject_cast<QLineEdit *>(cell(2))->text(), QStringLiteral("X"));
    QCOMPARE(answerer.messages(), QStringList{"Sorry, already selected."});
    press(4);
    press(9);
    QTRY_COMPARE(answerer.messages().size(), 2);
    QCOMPARE(answerer.messages().last(), QStringLiteral("X has won by diagonal  1"));
    QCOMPARE(cellDescriptions(),
             (QStringList{"", "winning line", "", "", "", "winning line", "empty", "empty", "empty",
                          "winning line"}));

    QAccessibleActionInterface *locked = accessible(cell(6))->actionInterface();
    QVERIFY(!locked->actionNames().contains(QAccessibleActionInterface::pressAction()));
    locked->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents(); // the press is one posted call
    QCOMPARE(cellDescriptions().at(6), QStringLiteral("empty"));
    QCOMPARE(answerer.transcript.size(), 4);
}

void DesktopTest::winMessagesNameTheirCells_data()
{
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<QStringList>("descriptions");
    QTest::newRow("a diagonal") << QList<int>{1, 0, 5, 3, 9} << QStringList{"cells 1, 5 and 9"};
    QTest::newRow("a row and a column, a message each")
        << QList<int>{0, 3, 1, 6, 5, 7, 8, 9, 2}
        << QStringList{"cells 0, 1 and 2", "cells 2, 5 and 8"};
    QTest::newRow("two diagonals, one message")
        << QList<int>{0, 1, 8, 3, 2, 5, 6, 7, 4} << QStringList{"cells 0, 2, 4, 6 and 8"};
}

// Each win message tells a screen reader the cells of its own lines, once each.
void DesktopTest::winMessagesNameTheirCells()
{
    QFETCH(QList<int>, moves);
    QFETCH(QStringList, descriptions);
    DialogAnswerer answerer({"2", "X"});
    m_window->load();
    for (const int move : moves)
        QTest::mouseClick(cell(move), Qt::LeftButton);
    QCOMPARE(answerer.messageDescriptions, descriptions);
}

// Scores are the game's to write; a screen reader reads them.
void DesktopTest::scoreBoxesCannotBeWritten()
{
    auto *box = qobject_cast<QLineEdit *>(child(QStringLiteral("Text2")));
    QAccessibleInterface *interface = accessible(box);
    QVERIFY(interface->state().readOnly);
    QVERIFY(!interface->editableTextInterface());
    interface->setText(QAccessible::Value, QStringLiteral("99"));
    QCOMPARE(box->text(), QStringLiteral("0"));
    QCOMPARE(interface->text(QAccessible::Value), QStringLiteral("0"));
    QCOMPARE(interface->textInterface()->text(0, 1), QStringLiteral("0"));
}

// Qt's own press and toggle actions reach the buttons and options while a dialog is open; each
// is handled after the dialog's handler, in the order they came, as the cells' presses are.
void DesktopTest::pressesWaitForTheDialog()
{
    {
        DialogAnswerer answerer({"1", "X"});
        m_window->load();
    }
    std::optional<DialogAnswerer> answerer; // for Play Again?'s question
    QTimer::singleShot(0, this, [this, &answerer] {
        accessible(child(QStringLiteral("Option2")))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        for (const char *button : {"Command1", "Command2", "Command3"}) {
            auto *pushButton = qobject_cast<QPushButton *>(child(QLatin1String(button)));
            accessible(pushButton)
                ->actionInterface()
                ->doAction(QAccessibleActionInterface::pressAction());
            // Qt's press clicks a button a tenth of a second later.
            QTRY_VERIFY(!pushButton->isDown());
        }
        qobject_cast<QMessageBox *>(QApplication::activeModalWidget())->accept();
        answerer.emplace(QStringList{"X"});
    });
    QTest::keyClicks(cell(0), QStringLiteral("Z"));
    QTest::mouseClick(cell(0), Qt::LeftButton); // refused, with a message
    QTRY_VERIFY(!m_window->isVisible()); // Exit, the last
    QCOMPARE(answerer->transcript, QStringList{"ask|who goes first X or O?|gorvane|X"});
    QVERIFY(qobject_cast<QRadioButton *>(child(QStringLiteral("Option2")))->isChecked());
    QCOMPARE(qobject_cast<QLineEdit *>(child(QStringLiteral("Text5")))->text(),
             QStringLiteral("0"));
    QCOMPARE(qobject_cast<QLineEdit *>(cell(0))->text(), QString());
}

GORVANE_WINDOW_TEST_MAIN(DesktopTest)
#include "desktop_test.moc"
