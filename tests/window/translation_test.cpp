// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/design_layout.h"
#include "window/form1.h"
#include "window/translations.h"

#include "support/dialog_answerer.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

#include <utility>

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

// The window in each language the game speaks, with the translations installed as at start-up.
class TranslationTest : public QObject
{
    Q_OBJECT

public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<QInputDialog *>(watched) != nullptr
            && m_firstBox.isEmpty()) {
            for (const QPushButton *button : watched->findChildren<QPushButton *>())
                m_firstBox << button->text();
        }
        return false;
    }

private:
    Form1 m_english;
    QStringList m_firstBox; // the buttons of the first input box

private slots:
    void initTestCase() { qApp->installEventFilter(this); }

    void cleanup()
    {
        qDeleteAll(qApp->findChildren<QTranslator *>());
        QLocale::setDefault(QLocale::system());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        m_firstBox.clear();
    }

    // Each language at the original size, at every quarter step the zoom keys take up to 3x, and
    // as it opens on a desktop whose font is large.
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<int>("desktopPixels");
        for (const QString &language : QStringLiteral("ar bg ca cs da de-DE es fa fi fr gd he hr "
                                                      "hu it ja ko lv nl nn pl pt-BR ru sk tr uk "
                                                      "zh-CN zh-TW")
                                           .split(u' ')) {
            for (int quarters = 4; quarters <= 12; ++quarters)
                QTest::addRow("%s at %gx", qPrintable(language), quarters / 4.0)
                    << language << quarters / 4.0 << 0;
            for (const int pixels : {16, 20, 24})
                QTest::addRow("%s, %d-pixel desktop font", qPrintable(language), pixels)
                    << language << 1.0 << pixels;
        }
    }

    void languages()
    {
        QFETCH(QString, language);
        QFETCH(qreal, scale);
        QFETCH(int, desktopPixels);
        installTranslations({language});
        const QFont desktop = QApplication::font();
        if (desktopPixels > 0) {
            QFont large = desktop;
            large.setPixelSize(desktopPixels);
            QApplication::setFont(large);
        }
        Form1 window;
        QApplication::setFont(desktop);
        if (scale > 1) // a large desktop font has zoomed the window as it opened
            window.resize(DesignLayout::sizeFor(scale));
        // Hidden, a window lays out only when shown: laid out here at its size, its fonts scaled as
        // they would be then; English at the same size.
        window.layout()->setGeometry(window.rect());
        m_english.resize(window.size());
        m_english.layout()->setGeometry(m_english.rect());
        const QString shownScale = QString::number(DesignLayout::scaleFor(window.size()), 'g', 3);
        QCOMPARE(QFontInfo(window.font()).pixelSize(), QFontInfo(m_english.font()).pixelSize());
        std::pair<int, QString> fullest; // for the log: the caption that fills most of its room
        for (const QString &name : Captioned) {
            auto *control = window.findChild<QWidget *>(name);
            const QString text = control->property("text").toString();
            const int width = control->fontMetrics().horizontalAdvance(text);
            QVERIFY2(
                text != m_english.findChild<QWidget *>(name)->property("text").toString()
                    && width <= room(control),
                qPrintable(QStringLiteral("%1 \"%2\" at %3x").arg(language, text, shownScale)));
            fullest = std::max(fullest, std::pair(width * 100 / room(control), text));
        }
        qInfo("fullest caption %d%% \"%s\"", fullest.first, qPrintable(fullest.second));

        // Two players, in the language's own digits, after the refusal of no answer.
        DialogAnswerer answerer({QString(), QLocale().toString(2), QStringLiteral("x")});
        window.load();
        QCOMPARE(answerer.transcript.size(), 4);
        QVERIFY(!answerer.transcript.first().contains(QLatin1String("players")));
        // Qt 6.4's Slovak translates the buttons only under the names Qt 5 gave them; that row
        // also shows that the first box was seen.
        QCOMPARE(m_firstBox.contains(QStringLiteral("Cancel")), language == "sk");

        const auto cell = [&window](int index) {
            return window.findChild<QWidget *>(QStringLiteral("Text1_%1").arg(index));
        };
        // Drawn mirrored: the tenth cell left of the bottom row, the scores left of the board;
        // Left and Right move the focus as the cells are drawn.
        const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
        const int toRight = rightToLeft ? -1 : 1;
        QVERIFY((cell(9)->x() - cell(8)->x()) * toRight > 0);
        QVERIFY((window.findChild<QWidget *>("Text2")->x() - cell(0)->x()) * toRight > 0);
        cell(8)->setFocus();
        QTest::keyClick(cell(8), Qt::Key_Left);
        QCOMPARE(window.focusWidget(), cell(rightToLeft ? 9 : 7));
        QTest::keyClick(window.focusWidget(), Qt::Key_Right);
        QCOMPARE(window.focusWidget(), cell(8));

        for (const int index : {0, 3, 1, 4, 2})
            QTest::mouseClick(cell(index), Qt::LeftButton);
        QTRY_COMPARE(answerer.messages().size(), 2);
        const QString win = answerer.messages().last();
        QVERIFY2(win.contains(QLatin1Char('X')) && !win.contains(QLatin1String("has won")),
                 qPrintable(win));
    }

    // The desktop's list of languages, walked to the first the game speaks.
    void languageList_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<QString>("loaded"); // the game's translation, none in English
        QTest::newRow("the first spoken wins") << QStringList{"gd", "de"} << "gorvane_gd";
        QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "";
        QTest::newRow("Portugal's Portuguese") << QStringList{"pt-PT"} << "gorvane_pt_BR";
        QTest::newRow("Hong Kong's Chinese") << QStringList{"zh-HK"} << "gorvane_zh_TW";
        QTest::newRow("an unspoken one skipped") << QStringList{"eo", "fr-FR"} << "gorvane_fr";
        QTest::newRow("none spoken") << QStringList{"eo", "sv-SE"} << "";
    }

    void languageList()
    {
        QFETCH(QStringList, languages);
        QFETCH(QString, loaded);
        installTranslations(languages);
        QStringList files;
        for (const QTranslator *translator : qApp->findChildren<QTranslator *>())
            files << QFileInfo(translator->filePath()).completeBaseName();
        QCOMPARE(files.filter(QStringLiteral("gorvane_")),
                 loaded.isEmpty() ? QStringList() : QStringList{loaded});
    }
};

QTEST_MAIN(TranslationTest)
#include "translation_test.moc"
