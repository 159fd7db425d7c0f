// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"
#include "window/translations.h"

#include "support/dialog_answerer.h"

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

namespace {

const QStringList Captioned{"Label1",   "Label2",   "Label3",  "Label4", "Command1",
                            "Command2", "Command3", "Option1", "Option2"};

// The width a caption has inside its control's frame, margins and indicator.
int room(QWidget *control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    const bool radio = qobject_cast<QRadioButton *>(control) != nullptr;
    if (!radio && qobject_cast<QPushButton *>(control) == nullptr)
        return control->contentsRect().width();
    const auto contents = radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents;
    return control->style()->subElementRect(contents, &option, control).width();
}

} // namespace

// The window in each language the game speaks, with Qt's and the game's translations installed
// as at start-up.
class TranslationTest : public QObject
{
    Q_OBJECT

public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *input = qobject_cast<QInputDialog *>(watched);
        if (input != nullptr && event->type() == QEvent::Show && m_firstBox.isEmpty()) {
            for (const QPushButton *button : input->findChildren<QPushButton *>())
                m_firstBox << button->text();
            m_firstBoxDirection = input->layoutDirection();
        }
        return false;
    }

private:
    QStringList m_englishCaptions;
    int m_englishPixels = 0;
    QStringList m_firstBox;
    Qt::LayoutDirection m_firstBoxDirection = Qt::LeftToRight;

private slots:
    void initTestCase()
    {
        const Form1 english;
        for (const QString &name : Captioned)
            m_englishCaptions << english.findChild<QWidget *>(name)->property("text").toString();
        m_englishPixels = QFontInfo(english.font()).pixelSize();
        qApp->installEventFilter(this);
    }

    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale::system());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        m_firstBox.clear();
    }

    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("two"); // the answer 2 as the language writes it
        QTest::addColumn<bool>("qtCancel"); // whether Qt's translation has its buttons' texts
        const QStringList languages{"bg",    "ca", "cs", "da", "de-DE", "es",    "fi", "fr", "gd",
                                    "hr",    "hu", "it", "ja", "ko",    "lv",    "nl", "nn", "pl",
                                    "pt-BR", "ru", "tr", "uk", "zh-CN", "zh-TW", "he"};
        for (const QString &language : languages)
            QTest::newRow(qPrintable(language)) << language << QStringLiteral("2") << true;
        // Qt 6.4's Slovak translates the buttons only under the names Qt 5 gave them.
        QTest::newRow("sk") << QStringLiteral("sk") << QStringLiteral("2") << false;
        QTest::newRow("ar") << QStringLiteral("ar") << QStringLiteral("\u0662") << true;
        QTest::newRow("fa") << QStringLiteral("fa") << QStringLiteral("\u06F2") << true;
    }

    void languages()
    {
        QFETCH(QString, language);
        QFETCH(QString, two);
        QFETCH(bool, qtCancel);
        installTranslations({language});
        QCOMPARE(qApp->findChildren<QTranslator *>().size(), 2); // Qt's and the game's
        const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
        Form1 window;

        QString longest; // for the log: the caption that fills most of its room
        for (int at = 0; at < Captioned.size(); ++at) {
            auto *control = window.findChild<QWidget *>(Captioned[at]);
            const QString text = control->property("text").toString();
            const int width = control->fontMetrics().horizontalAdvance(text);
            QVERIFY2(text != m_englishCaptions[at] && width <= room(control), qPrintable(text));
            if (longest.isEmpty()
                || width * 100 / room(control) > longest.section(u'%', 0, 0).toInt())
                longest = QStringLiteral("%1% \"%2\" %3 of %4 px")
                              .arg(width * 100 / room(control))
                              .arg(text)
                              .arg(width)
                              .arg(room(control));
        }
        qInfo("%s: longest caption %s", qPrintable(language), qPrintable(longest));
        QCOMPARE(QFontInfo(window.font()).pixelSize(), m_englishPixels);

        DialogAnswerer answerer({QString(), two, QStringLiteral("x")});
        window.load();
        QCOMPARE(!m_firstBox.contains(QStringLiteral("Cancel")), qtCancel);
        QCOMPARE(m_firstBox.size(), 2);
        QCOMPARE(m_firstBoxDirection, rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QCOMPARE(answerer.transcript.size(), 4); // the refusal of "", then the first mover
        QVERIFY(!answerer.transcript.first().contains(QLatin1String("players")));

        const auto cell = [&window](int index) {
            return window.findChild<QWidget *>(QStringLiteral("Text1_%1").arg(index));
        };
        // Drawn mirrored: the tenth cell left of the bottom row, the scores left of the board.
        const int toRight = rightToLeft ? -1 : 1;
        QVERIFY((cell(9)->x() - cell(8)->x()) * toRight > 0);
        QVERIFY((window.findChild<QWidget *>("Text2")->x() - cell(0)->x()) * toRight > 0);
        // Left moves the focus to the cell drawn on the left.
        cell(8)->setFocus();
        QTest::keyClick(cell(8), Qt::Key_Left);
        QCOMPARE(window.focusWidget(), cell(rightToLeft ? 9 : 7));

        for (const int index : {0, 3, 1, 4, 2})
            QTest::mouseClick(cell(index), Qt::LeftButton);
        QTRY_COMPARE(answerer.messages().size(), 2);
        const QString win = answerer.messages().last();
        QVERIFY2(win.contains(QLatin1Char('X')) && !win.contains(QLatin1String("has won")),
                 qPrintable(win));
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
