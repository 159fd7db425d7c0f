// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/design_layout.h"
#include "window/form1.h"
#include "window/message_dialogs.h"
#include "window/termination_signal.h"
#include "window/window_state_file.h"

#include "support/dialog_answerer.h"
#include "support/window_test_main.h"

#include <QApplication>
#include <QFontInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <sys/stat.h>

namespace {

QStringList cellTexts(const Form1 &window)
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << window.findChild<QLineEdit *>(QStringLiteral("Text1_%1").arg(i))->text();
    return texts;
}

// WCAG's contrast ratio, 1 to 21.
double contrast(const QColor &one, const QColor &other)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double channel) {
            return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The colours of Adwaita's dark variant, as Qt's GTK platform theme maps them.
QPalette darkPalette()
{
    QPalette palette(QColor(0x32, 0x32, 0x32), QColor(0x32, 0x32, 0x32));
    for (const auto &[role, colour] :
         {std::pair{QPalette::WindowText, 0xf0f0f0}, std::pair{QPalette::Text, 0xf0f0f0},
          std::pair{QPalette::ButtonText, 0xf0f0f0}, std::pair{QPalette::Base, 0x242424},
          std::pair{QPalette::Midlight, 0x2a2a2a}, std::pair{QPalette::Highlight, 0x308cc6}})
        palette.setColor(role, QColor::fromRgb(QRgb(colour)));
    return palette;
}

} // namespace

class Form1Test : public QObject
{
    Q_OBJECT

private:
    QLineEdit *cell(int index) { return child<QLineEdit>(QStringLiteral("Text1_%1").arg(index)); }
    template<typename Widget>
    Widget *child(const QString &name)
    {
        auto *widget = m_window->findChild<Widget *>(name);
        if (!widget)
            qFatal("no control %s", qPrintable(name));
        return widget;
    }
    void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // A press and release at a point of the widget, 50 ms after the last mouse event, as the
    // platform reports them to the window: Qt itself tells a double-click from two clicks.
    void quickClick(QWidget *widget, QPoint at)
    {
        QWindow *window = m_window->windowHandle();
        const QPoint point = widget->mapTo(m_window.get(), at);
        QTest::lastMouseTimestamp += 50;
        for (const auto &[type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                            std::pair{QEvent::MouseButtonRelease, Qt::NoButton}})
            qt_handleMouseEvent(window, point, window->mapToGlobal(point), buttons, Qt::LeftButton,
                                type, Qt::NoModifier, QTest::lastMouseTimestamp);
        QCoreApplication::processEvents();
    }
    void doubleClick(QWidget *widget)
    {
        quickClick(widget, widget->rect().center());
        quickClick(widget, widget->rect().center());
    }
    QColor colourAt(QWidget *widget) // near the top right corner, away from any text
    {
        const QImage image = m_window->grab().toImage();
        return image.pixelColor(widget->geometry().topRight() + QPoint(-4, 4));
    }
    void start(const QStringList &answers, WindowStateFile *kept = nullptr);
    // Waits until the window is the application's active one, where its shortcuts apply. A
    // Wayland client cannot take the keyboard: the compositor gives it, and Qt 6.4's wait for an
    // active window does not wait there.
    bool activate()
    {
        m_window->activateWindow();
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == m_window.get(); },
                               30000);
    }

    std::unique_ptr<Form1> m_window;
    std::unique_ptr<DialogAnswerer> m_answerer;
    QPalette m_startPalette;
    QFont m_startFont;
    QTemporaryDir m_config; // the player's config folder

private slots:
    void initTestCase();
    void cleanup();
    void layout_data();
    void layout();
    void focusOrder();
    void sizes_data();
    void sizes();
    void windowStateIsKept_data();
    void windowStateIsKept();
    void colours();
    void startUpDialogue();
    void twoPlayerGameToAWin();
    void takenCellIsRefused();
    void computerOpensInTheCentre();
    void onePlayerGame_data();
    void onePlayerGame();
    void advancedBlocks();
    void typedTextIsShownAsText();
    void playAgainAndResetAll();
    void exitEndsTheProgram();
    void quitEndsAQuestion_data();
    void quitEndsAQuestion();
    void pressWithOkWaits_data();
    void pressWithOkWaits();
    void heldKeysActOnce_data();
    void heldKeysActOnce();
    void keysClickCells_data();
    void keysClickCells();
    void arrowKeysFollowTheBoard_data();
    void arrowKeysFollowTheBoard();
    void quickClicksOnNeighbours();
    void marksAreLegible_data();
    void marksAreLegible();
    void focusMarkIsVisible_data();
    void focusMarkIsVisible();
    void schemeChangeIsFollowed();
    void dialogStaysOnASmallScreen();
};

void Form1Test::start(const QStringList &answers, WindowStateFile *kept)
{
    m_window = std::make_unique<Form1>();
    if (kept != nullptr)
        kept->restore(*m_window);
    m_answerer = std::make_unique<DialogAnswerer>(answers);
    m_window->load();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void Form1Test::initTestCase()
{
    m_startPalette = QApplication::palette();
    m_startFont = QApplication::font();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
}

void Form1Test::cleanup()
{
    m_answerer.reset();
    m_window.reset();
    QApplication::setPalette(m_startPalette);
    QApplication::setFont(m_startFont);
}

void Form1Test::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    // Logical pixels; neighbouring cells overlap by one, cell 9 stands right of cell 8.
    for (int i = 0; i < 9; ++i) {
        QTest::newRow(qPrintable(QStringLiteral("cell %1").arg(i)))
            << QStringLiteral("Text1_%1").arg(i)
            << QRect(8 + 40 * (i % 3), 48 + 40 * (i / 3), 41, 41) << QString();
    }
    QTest::newRow("cell 9") << "Text1_9" << QRect(128, 128, 41, 41) << QString();
    QTest::newRow("play again") << "Command1" << QRect(24, 184, 129, 33) << "Play Again?";
    QTest::newRow("exit") << "Command3" << QRect(264, 184, 57, 41) << "Exit";
    QTest::newRow("reset all") << "Command2" << QRect(232, 136, 89, 33) << "Reset all";
    QTest::newRow("wins by X box") << "Text2" << QRect(296, 32, 25, 19) << "0";
    QTest::newRow("wins by O box") << "Text3" << QRect(296, 56, 25, 19) << "0";
    QTest::newRow("ties box") << "Text4" << QRect(296, 80, 25, 19) << "0";
    QTest::newRow("game number box") << "Text5" << QRect(296, 104, 25, 19) << "1";
    QTest::newRow("wins by X label") << "Label1" << QRect(240, 32, 49, 17) << "Wins by X";
    QTest::newRow("wins by O label") << "Label2" << QRect(240, 56, 49, 17) << "Wins by O";
    QTest::newRow("ties label") << "Label3" << QRect(232, 80, 57, 17) << "Games Tied";
    QTest::newRow("game number label") << "Label4" << QRect(248, 104, 41, 17) << "Game #";
    QTest::newRow("title") << "Label5" << QRect(64, 0, 153, 25) << "Gorvane";
    QTest::newRow("beginner") << "Option1" << QRect(64, 232, 65, 17) << "Beginner";
    QTest::newRow("advanced") << "Option2" << QRect(168, 232, 73, 17) << "Advanced";
}

void Form1Test::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    Form1 window;
    QCOMPARE(window.objectName(), QStringLiteral("Form1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(window.size(), QSize(326, 255));
    auto *control = window.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        QCOMPARE(edit->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        QCOMPARE(button->text(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(control)->text(), text);
}

void Form1Test::focusOrder()
{
    Form1 window;
    QStringList order;
    QWidget *widget = window.findChild<QWidget *>(QStringLiteral("Text1_0"));
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget->objectName() != QLatin1String("Text1_0"));
    QCOMPARE(order,
             (QStringList{"Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4", "Text1_5",
                          "Text1_6", "Text1_7", "Text1_8", "Text1_9", "Command1", "Command3",
                          "Command2", "Text5", "Text3", "Text4", "Text2", "Option1", "Option2"}));
}

void Form1Test::sizes_data()
{
    // The window resized, zoomed by keys typed into a control, or opened with a large
    // application font; then cell 4's place, the captions' pixel size and the window's size.
    QTest::addColumn<QSize>("resizeTo");
    QTest::addColumn<QString>("typedInto");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<int>("desktopPixels");
    QTest::addColumn<QRect>("cell4");
    QTest::addColumn<int>("captionPixels");
    QTest::addColumn<QSize>("size");

    const QSize design(326, 255);
    const QSize zoomed(489, 383);
    const QRect zoomedCell(72, 132, 62, 62);
    QTest::newRow("design size") << design << "" << QStringList() << 0 << QRect(48, 88, 41, 41)
                                 << 10 << design;
    QTest::newRow("below the design")
        << QSize(200, 150) << "" << QStringList() << 0 << QRect(48, 88, 41, 41) << 10 << design;
    QTest::newRow("twice") << QSize(652, 510) << "" << QStringList() << 0 << QRect(96, 176, 82, 82)
                           << 20 << QSize(652, 510);
    QTest::newRow("wide, centred across") << QSize(900, 510) << "" << QStringList() << 0
                                          << QRect(220, 176, 82, 82) << 20 << QSize(900, 510);
    QTest::newRow("tall, centred down") << QSize(400, 700) << "" << QStringList() << 0
                                        << QRect(59, 302, 50, 50) << 12 << QSize(400, 700);
    QTest::newRow("Ctrl+Plus, Ctrl+= in a cell")
        << design << "Text1_4" << QStringList{"Ctrl++", "Ctrl+="} << 0 << zoomedCell << 15
        << zoomed;
    QTest::newRow("in, in, in, out on a button")
        << design << "Command1" << QStringList{"Ctrl+=", "Ctrl+=", "Ctrl+=", "Ctrl+-"} << 0
        << zoomedCell << 15 << zoomed;
    QTest::newRow("Ctrl+0 and below the design on a button")
        << design << "Command1" << QStringList{"Ctrl++", "Ctrl+0", "Ctrl+-"} << 0
        << QRect(48, 88, 41, 41) << 10 << design;
    // The offscreen platform's screen is 800 x 800 pixels and frames a window by 2 on each side.
    QTest::newRow("zoomed up to the screen")
        << design << "Text1_0" << QStringList(8, QStringLiteral("Ctrl++")) << 0
        << QRect(117, 215, 100, 100) << 24 << QSize(796, 623);
    QTest::newRow("22-pixel desktop font")
        << QSize() << "" << QStringList() << 22 << QRect(108, 198, 92, 92) << 22 << QSize(734, 574);
}

void Form1Test::sizes()
{
    QFETCH(QSize, resizeTo);
    QFETCH(QString, typedInto);
    QFETCH(QStringList, keys);
    QFETCH(int, desktopPixels);
    QFETCH(QRect, cell4);
    QFETCH(int, captionPixels);
    QFETCH(QSize, size);

    if (desktopPixels > 0) {
        QFont large = QApplication::font();
        large.setPixelSize(desktopPixels);
        QApplication::setFont(large);
    }
    start({"2", "X"});
    if (resizeTo.isValid())
        m_window->resize(resizeTo);
    if (!keys.isEmpty()) {
        QVERIFY(activate());
        for (const QString &key : keys)
            QTest::keySequence(child<QWidget>(typedInto), QKeySequence(key));
        QCOMPARE(cell(4)->text(), QString()); // a zoom key is not text
    }
    QTRY_COMPARE(m_window->size(), size);
    QCOMPARE(cell(4)->geometry(), cell4);
    // The largest score shows whole: no digit lies outside the box, nor is scrolled out of it.
    auto *game = child<QLineEdit>("Text5");
    m_window->setScoreText(ScoreBox::Text5, "32767");
    const int end = game->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    QVERIFY(end - game->fontMetrics().horizontalAdvance("32767") >= 0 && end <= game->width());
    QCOMPARE(QFontInfo(child<QLabel>("Label3")->font()).pixelSize(), captionPixels);
    const QStyle *style = m_window->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)
        + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    for (const char *name : {"Label1", "Label2", "Label3", "Label4"}) {
        auto *label = child<QLabel>(QLatin1String(name));
        QVERIFY2(label->sizeHint().width() <= label->width(), name);
    }
    for (const char *name : {"Option1", "Option2"}) {
        auto *option = child<QRadioButton>(QLatin1String(name));
        QVERIFY2(indicator + option->fontMetrics().horizontalAdvance(option->text())
                     <= option->width(),
                 name);
    }
}

void Form1Test::windowStateIsKept_data()
{
    // What stands at the settings' place and what the file holds, the keys typed, whether the
    // window is maximised and the signals that end the first run, then the normal size (invalid:
    // the screen's, less the frame) and state the next start opens at, and what the two runs say
    // on standard error.
    QTest::addColumn<QString>("place");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QList<int>>("endedBy");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QStringList>("warnings");
    const QString corrupt = QStringLiteral("holds no window size");
    const QString special = QStringLiteral("is not a regular file");
    const QStringList zoom{"Ctrl++"};
    const QSize design(326, 255);
    const QSize zoomed(408, 319);
    QTest::newRow("zoomed, maximised") << "file" << QByteArray() << QStringList{"Ctrl++", "Ctrl++"}
                                       << true << QList<int>() << QSize(489, 383) << QStringList();
    QTest::newRow("larger than the screen")
        << "file" << QByteArray("[window]\nsize=@Size(9000 7000)\nstate=normal\n") << QStringList()
        << false << QList<int>() << QSize() << QStringList();
    QTest::newRow("corrupt") << "file" << QByteArray("\x01[window\nsize=twelve\n") << QStringList()
                             << false << QList<int>() << design << QStringList{corrupt, corrupt};
    QTest::newRow("read-only folder") << "file for the folder" << QByteArray() << zoom << false
                                      << QList<int>() << design << QStringList{"could not be kept"};
    QTest::newRow("FIFO") << "FIFO" << QByteArray() << zoom << false << QList<int>() << design
                          << QStringList{special, special};
    QTest::newRow("link to a device") << "link to /dev/null" << QByteArray() << zoom << false
                                      << QList<int>() << design << QStringList{special, special};
    QTest::newRow("lock a folder") << "folder for the lock" << QByteArray() << zoom << false
                                   << QList<int>() << design << QStringList{"could not be kept"};
    QTest::newRow("SIGHUP") << "file" << QByteArray() << zoom << false << QList<int>{SIGHUP}
                            << zoomed << QStringList();
    QTest::newRow("SIGTERM, then SIGHUP") << "file" << QByteArray() << zoom << false
                                          << QList<int>{SIGTERM, SIGHUP} << zoomed << QStringList();
}

void Form1Test::windowStateIsKept()
{
    QFETCH(QString, place);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, keys);
    QFETCH(bool, maximised);
    QFETCH(QList<int>, endedBy);
    QFETCH(QSize, size);
    QFETCH(QStringList, warnings);
    const QDir config(m_config.path());
    QDir(config.filePath("gorvane")).removeRecursively();
    QFile::remove(config.filePath("gorvane"));
    const QString name = config.filePath("gorvane/gorvane.conf");
    QFile settings(place == "file for the folder" ? config.filePath("gorvane") : name);
    QVERIFY(place == "file for the folder" || config.mkpath("gorvane"));
    if (place == "FIFO")
        QCOMPARE(::mkfifo(qPrintable(name), 0600), 0);
    else if (place == "link to /dev/null")
        QVERIFY(QFile::link("/dev/null", name));
    else if (place == "folder for the lock")
        QVERIFY(config.mkpath("gorvane/gorvane.conf.lock"));
    else if (!file.isEmpty() || place == "file for the folder")
        QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write(file) >= 0);
    settings.close();
    for (const QString &warning : warnings)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));

    WindowStateFile first;
    start({"2", "X"}, &first);
    QVERIFY(keys.isEmpty() || activate());
    for (const QString &key : keys)
        QTest::keySequence(cell(4), QKeySequence(key));
    if (maximised)
        m_window->showMaximized();
    QTRY_COMPARE(m_window->isMaximized(), maximised);
    if (!endedBy.isEmpty()) {
        // Kept as the size settled, before a logout's signals come.
        QTRY_VERIFY(QFileInfo(name).size() > 0);
        quitOnTerminationSignal();
        QTimer::singleShot(0, this, [&endedBy] {
            for (const int signal : endedBy)
                std::raise(signal);
        });
        QTimer deadline; // ends with the test, so that it cannot stop a later one
        connect(&deadline, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
        deadline.start(5000);
        QCOMPARE(QCoreApplication::exec(), 0);
    } else {
        first.save(*m_window);
    }
    if (keys.isEmpty() && size == DesignLayout::DesignSize
        && settings.open(QIODevice::ReadOnly)) // nothing changed, nothing written
        QCOMPARE(settings.readAll(), file);
    QCOMPARE(QFileInfo(name).isSymLink(), place == "link to /dev/null");

    WindowStateFile next;
    start({"2", "X"}, &next);
    QTRY_COMPARE(m_window->isMaximized(), maximised);
    const QSize frame = m_window->frameGeometry().size() - m_window->size();
    QCOMPARE(m_window->normalGeometry().size(),
             size.isValid() ? size : m_window->screen()->availableGeometry().size() - frame);
}

void Form1Test::colours()
{
    start({"2", "X"});
    for (int i = 0; i < 10; ++i)
        QCOMPARE(colourAt(cell(i)), QColor(Qt::green));
    QVERIFY(colourAt(child<QLineEdit>("Text2")) != colourAt(child<QLineEdit>("Text3")));
    QCOMPARE(colourAt(child<QLineEdit>("Text3")), colourAt(child<QLineEdit>("Text4")));
    QCOMPARE(colourAt(child<QLineEdit>("Text3")), colourAt(child<QLineEdit>("Text5")));

    auto *title = child<QLabel>("Label5");
    QCOMPARE(title->font().pointSize(), 18);
    QVERIFY(title->font().bold());
    QCOMPARE(title->font().styleHint(), QFont::SansSerif);
    QCOMPARE(title->palette().color(QPalette::WindowText),
             m_window->palette().color(QPalette::Highlight));
    QVERIFY(child<QRadioButton>("Option1")->isChecked());
}

void Form1Test::startUpDialogue()
{
    start({"3", "2", "z", "x", "X"});
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Gorvane"));
    QCOMPARE(
        m_answerer->transcript,
        (QStringList{
            "ask|Select number of players.|Player Number|1", "message|Sorry, must be 1 or 2.",
            "ask|Number or players?|Player Number|1", "ask|who goes first X or O?|gorvane|X",
            "message|Sorry, your choices are X or O", "ask|Who goes first X or O?|gorvane|X",
            "message|Sorry, your choices are X or O", "ask|Who goes first X or O?|gorvane|X"}));
    QVERIFY(!child<QRadioButton>("Option1")->isEnabled());
    QVERIFY(!child<QRadioButton>("Option2")->isEnabled());
}

// A whole game by mouse, to a win that locks the board.
void Form1Test::twoPlayerGameToAWin()
{
    start({"2", "X"});
    for (int index : {0, 3, 1, 4, 2})
        click(cell(index));

    QCOMPARE(m_answerer->messages(), QStringList{"X has won by row  0"});
    QCOMPARE(cellTexts(*m_window), (QStringList{"X", "X", "X", "O", "O", "", "", "", "", ""}));
    QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral(" 1"));
    for (int i = 0; i < 10; ++i)
        QVERIFY(!cell(i)->isEnabled());
    // A locked board keeps its colours: the yellow line, the red marks, the green free cells.
    for (int i : {0, 1, 2})
        QCOMPARE(colourAt(cell(i)), QColor(Qt::yellow));
    for (int i : {3, 4})
        QCOMPARE(colourAt(cell(i)), QColor(Qt::red));
    for (int i : {5, 6, 7, 8, 9})
        QCOMPARE(colourAt(cell(i)), QColor(Qt::green));
    // Nothing stands right of cells 2 and 5.
    const QImage image = m_window->grab().toImage();
    const QColor background = image.pixelColor(cell(9)->geometry().center() + QPoint(0, -40));
    QVERIFY(background != QColor(Qt::green));
    QCOMPARE(image.pixelColor(cell(9)->geometry().center() + QPoint(0, -80)), background);

    const QStringList transcript = m_answerer->transcript;
    click(cell(9)); // locked
    QCOMPARE(cell(9)->text(), QString());
    QCOMPARE(m_answerer->transcript, transcript);
}

void Form1Test::takenCellIsRefused()
{
    start({"2", "O"});
    doubleClick(cell(9)); // one click, not two
    QCOMPARE(cell(9)->text(), QStringLiteral("O"));
    QVERIFY(m_answerer->messages().isEmpty());
    click(cell(9));
    QCOMPARE(m_answerer->messages(), QStringList{"Sorry, already selected."});
    QCOMPARE(cell(9)->text(), QStringLiteral("O"));
    click(cell(8));
    QCOMPARE(cell(8)->text(), QStringLiteral("X"));
}

void Form1Test::computerOpensInTheCentre()
{
    start({"1", "o"});
    QCOMPARE(cellTexts(*m_window), (QStringList{"", "", "", "", "O", "", "", "", "", ""}));
    QCOMPARE(colourAt(cell(4)), QColor(Qt::red));
}

void Form1Test::onePlayerGame_data()
{
    QTest::addColumn<QString>("strength");
    QTest::newRow("beginner") << "Option1";
    QTest::newRow("advanced") << "Option2";
}

// Whole games against the computer: each accepted "X" is answered by one "O" in the same click,
// until a win or a tie locks the board.
void Form1Test::onePlayerGame()
{
    QFETCH(QString, strength);
    start({"1", "X"});
    QVERIFY(child<QRadioButton>(strength)->isEnabled());
    click(child<QRadioButton>(strength));
    QVERIFY(child<QRadioButton>(strength)->isChecked());

    for (int move = 0; move < 5 && cell(0)->isEnabled(); ++move) {
        const QStringList before = cellTexts(*m_window);
        const int free = int(before.indexOf(QString()));
        click(cell(free));
        const QStringList after = cellTexts(*m_window);
        QCOMPARE(after.count("X"), before.count("X") + 1);
        const int replies = int(after.count("O") - before.count("O"));
        QVERIFY(replies == 1 || (replies == 0 && !cell(0)->isEnabled()));
    }
    QVERIFY(!cell(0)->isEnabled());
    const QStringList messages = m_answerer->messages();
    QVERIFY2(!messages.isEmpty()
                 && (messages.last().contains(QLatin1String(" has won by "))
                     || messages.last() == QLatin1String("The game is a tie.")),
             qPrintable(messages.join(QLatin1Char('/'))));
}

// With "Advanced" chosen, two "X" on a line with a free third cell are always blocked.
void Form1Test::advancedBlocks()
{
    start({"1", "X"});
    click(child<QRadioButton>("Option2"));
    click(cell(0));
    for (const auto &[partner, target] : {std::pair{1, 2}, std::pair{3, 6}, std::pair{4, 8}}) {
        if (cell(partner)->text().isEmpty() && cell(target)->text().isEmpty()) {
            click(cell(partner));
            QCOMPARE(cell(target)->text(), QStringLiteral("O"));
            return;
        }
    }
    QFAIL("the first reply took two of the three lines through cell 0");
}

void Form1Test::typedTextIsShownAsText()
{
    start({"2", "X"});
    for (int i : {0, 1, 2})
        QTest::keyClicks(cell(i), QStringLiteral("<b>"));
    click(cell(2));
    QCOMPARE(m_answerer->transcript.last(), QStringLiteral("message|Sorry, already selected."));
    click(cell(5));
    QCOMPARE(m_answerer->messages().last(), QStringLiteral("<b> has won by row  0"));
    QCOMPARE(child<QLineEdit>("Text3")->text(), QStringLiteral(" 1"));
}

void Form1Test::playAgainAndResetAll()
{
    start({"2", "X", "O"});
    for (int index : {0, 3, 1, 4, 2})
        click(cell(index));

    click(child<QPushButton>("Command1"));
    QCOMPARE(m_answerer->transcript.last(), QStringLiteral("ask|who goes first X or O?|gorvane|X"));
    QCOMPARE(child<QLineEdit>("Text5")->text(), QStringLiteral("2"));
    QCOMPARE(cellTexts(*m_window), QStringList(10, QString()));
    QVERIFY(cell(0)->isEnabled());
    click(cell(7));
    QCOMPARE(cell(7)->text(), QStringLiteral("O"));

    click(child<QPushButton>("Command2"));
    for (const char *box : {"Text2", "Text3", "Text4", "Text5"})
        QCOMPARE(child<QLineEdit>(box)->text(), QStringLiteral("0"));
    QCOMPARE(cell(7)->text(), QString());
    QCOMPARE(colourAt(cell(7)), QColor(Qt::green));
}

void Form1Test::exitEndsTheProgram()
{
    start({"2", "X"});
    QTimer::singleShot(0, this, [this] { click(child<QPushButton>("Command3")); });
    QTimer deadline; // ends with the test, so that it cannot stop a later one
    connect(&deadline, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    deadline.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void Form1Test::quitEndsAQuestion_data()
{
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("request");
    for (const char *question : {"Select number of players.", "who goes first X or O?"}) {
        for (const char *request : {"quit", "close", "SIGTERM"})
            QTest::addRow("%s at \"%s\"", request, question) << question << request;
    }
}

// A request to end the program while a question is open ends it with status 0, instead of
// asking again and again; "Exit" presses that arrive meanwhile are dropped with the question.
void Form1Test::quitEndsAQuestion()
{
    QFETCH(QString, question);
    QFETCH(QString, request);
    quitOnTerminationSignal();
    m_window = std::make_unique<Form1>();
    QTimer asker;
    connect(&asker, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (box != nullptr && box->labelText() != question) {
            box->setTextValue(QStringLiteral("2"));
            box->accept();
        } else if (box != nullptr) {
            asker.stop();
            child<QPushButton>("Command3")->click();
            if (request == "quit")
                QCoreApplication::quit();
            else if (request == "close")
                m_window->close();
            else
                std::raise(SIGTERM);
        }
    });
    asker.start(2);
    QTimer deadline;
    connect(&deadline, &QTimer::timeout, this, [] { QCoreApplication::exit(1); });
    deadline.start(5000);
    QTimer::singleShot(0, m_window.get(), &Form1::load);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(deadline.isActive());
}

void Form1Test::pressWithOkWaits_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QList<int>>("moves");
    QTest::addColumn<int>("dialog"); // the dialog, counted from the first, whose OK comes with it
    QTest::addColumn<QString>("target"); // the controls pressed, in order
    QTest::addColumn<QString>("after"); // the board, the score boxes, the level
    QTest::addColumn<int>("dialogs");
    QTest::newRow("a cell after a win")
        << QStringList{"2", "X"} << QList<int>{1, 0, 5, 3, 9} << 2 << "Text1_7"
        << "OX.O.X...X| 1|0|0|1|Beginner" << 3;
    QTest::newRow("Reset all after a tie")
        << QStringList{"2", "X"} << QList<int>{0, 2, 1, 3, 5, 4, 6, 8, 7, 9} << 2 << "Command2"
        << "..........|0|0|0|0|Beginner" << 3;
    QTest::newRow("a cell after a refusal")
        << QStringList{"2", "X"} << QList<int>{0, 0} << 2 << "Text1_4"
        << "X...O.....|0|0|0|1|Beginner" << 3;
    QTest::newRow("Play Again? and a cell after a win")
        << QStringList{"2", "X", "X"} << QList<int>{1, 0, 5, 3, 9} << 2 << "Command1,Text1_5"
        << "..........| 1|0|0|2|Beginner" << 4;
    QTest::newRow("Play Again? and a cell after a refusal, the computer opening")
        << QStringList{"1", "X", "O"} << QList<int>{4, 4} << 2 << "Command1,Text1_4"
        << "....O.....|0|0|0|2|Beginner" << 4;
    QTest::newRow("two options after the first mover's question")
        << QStringList{"1", "X"} << QList<int>{} << 1 << "Option2,Option1"
        << "..........|0|0|0|1|Beginner" << 2;
    QTest::newRow("an option after the players' question")
        << QStringList{"1", "X"} << QList<int>{} << 0 << "Option2"
        << "..........|0|0|0|1|Advanced" << 2;
    QTest::newRow("Play Again? after the first mover's question")
        << QStringList{"2", "X", "O"} << QList<int>{} << 1 << "Command1"
        << "..........|0|0|0|2|Beginner" << 3;
    QTest::newRow("Exit after Play Again?'s question")
        << QStringList{"2", "X", "X"} << QList<int>{-1} << 2 << "Command3"
        << "..........|0|0|0|2|Beginner|closed" << 3;
}

// A press that comes in one batch with a dialog's OK is handled after the handler that opened
// the dialog, against the state it left: a locked cell takes none.
void Form1Test::pressWithOkWaits()
{
    QFETCH(QStringList, answers);
    QFETCH(QList<int>, moves);
    QFETCH(int, dialog);
    QFETCH(QString, target);
    QFETCH(QString, after);
    QFETCH(int, dialogs);
    m_window = std::make_unique<Form1>();
    m_answerer = std::make_unique<DialogAnswerer>(answers);
    m_answerer->pressAfter(dialog, [this, target] {
        for (const QString &name : target.split(QLatin1Char(',')))
            click(child<QWidget>(name));
    });
    m_window->load();
    for (const int move : moves)
        click(move < 0 ? child<QWidget>("Command1") : cell(move));
    const auto summary = [this] {
        QString board;
        for (const QString &text : cellTexts(*m_window))
            board += text.isEmpty() ? QStringLiteral(".") : text;
        QStringList parts{board};
        for (const char *box : {"Text2", "Text3", "Text4", "Text5"})
            parts << child<QLineEdit>(box)->text();
        parts << (child<QRadioButton>("Option2")->isChecked() ? "Advanced" : "Beginner");
        if (!m_window->isVisible())
            parts << "closed";
        return parts.join(QLatin1Char('|'));
    };
    QTRY_COMPARE(summary(), after);
    QCoreApplication::processEvents(); // a press still waiting has its turn, and changes nothing
    QCOMPARE(summary(), after);
    QCOMPARE(m_answerer->transcript.size(), dialogs);
}

void Form1Test::keysClickCells_data()
{
    QTest::addColumn<QString>("players");
    QTest::addColumn<int>("key");
    QTest::newRow("two players, Return") << "2" << int(Qt::Key_Return);
    QTest::newRow("two players, Enter") << "2" << int(Qt::Key_Enter);
    QTest::newRow("one player, Return") << "1" << int(Qt::Key_Return);
    QTest::newRow("one player, Enter") << "1" << int(Qt::Key_Enter);
}

// Return and Enter on a cell are a click: the mark, the computer's reply within the same key
// press, the refusal of a taken cell. Typed text, a blank included, stays typed text. Return
// and Enter on a focused button press it.
void Form1Test::keysClickCells()
{
    QFETCH(QString, players);
    QFETCH(int, key);
    start({players, "X"});
    QTest::keyClick(cell(4), Qt::Key(key));
    QCOMPARE(cell(4)->text(), QStringLiteral("X"));
    QCOMPARE(colourAt(cell(4)), QColor(Qt::red));
    QCOMPARE(cellTexts(*m_window).count("O"), players == "1" ? 1 : 0);
    QTest::keyClick(cell(4), Qt::Key(key));
    QCOMPARE(m_answerer->messages(), QStringList{"Sorry, already selected."});

    const int free = int(cellTexts(*m_window).indexOf(QString()));
    QTest::keyClick(cell(free), Qt::Key_Space);
    QCOMPARE(cell(free)->text(), QStringLiteral(" "));
    QCOMPARE(colourAt(cell(free)), QColor(Qt::green));
    QTest::keyClick(cell(free), Qt::Key(key)); // a typed blank takes the cell
    QCOMPARE(m_answerer->messages().size(), 2);

    QTest::keyClick(child<QPushButton>("Command2"), Qt::Key(key)); // Reset all
    QCOMPARE(cellTexts(*m_window), QStringList(10, QString()));
}

void Form1Test::heldKeysActOnce_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("inDialog"); // held in the dialog that a first press opens
    QTest::addColumn<QString>("cellZero");
    QTest::newRow("Return on a cell") << "Text1_4" << int(Qt::Key_Return) << false << "Z";
    QTest::newRow("Enter on Reset all") << "Command2" << int(Qt::Key_Enter) << false << "Z";
    QTest::newRow("Return in a message box") << "Text1_0" << int(Qt::Key_Return) << true << "";
    QTest::newRow("Enter in an input box") << "Command1" << int(Qt::Key_Enter) << true << "";
    QTest::newRow("Space types in a cell") << "Text1_0" << int(Qt::Key_Space) << false << "Z ";
}

// The repeats of a held key do nothing: they neither play a cell nor press a button, and the
// message or input box that the first press opened stays open until a fresh press. In a cell, a
// held Space types as in any text box.
void Form1Test::heldKeysActOnce()
{
    QFETCH(QString, target);
    QFETCH(int, key);
    QFETCH(bool, inDialog);
    QFETCH(QString, cellZero);
    start({"2", "X"});
    QTest::keyClicks(cell(0), QStringLiteral("Z")); // cleared by "Reset all", refused by a click
    const auto hold = [key](QWidget *widget) {
        const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, text, true);
        QApplication::sendEvent(widget, &repeat);
    };
    if (!inDialog) {
        hold(child<QWidget>(target));
        QCOMPARE(cellTexts(*m_window), (QStringList{cellZero, "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(child<QLineEdit>("Text5")->text(), QStringLiteral("1"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        return;
    }
    m_answerer.reset();
    bool heldOpen = false;
    QTimer::singleShot(0, this, [&] {
        QWidget *box = QApplication::activeModalWidget();
        hold(box);
        heldOpen = box->isVisible();
        QTest::keyClick(box, Qt::Key(key));
    });
    QTest::keyClick(child<QWidget>(target), Qt::Key(key));
    QVERIFY(heldOpen);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void Form1Test::arrowKeysFollowTheBoard_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");

    // Where Left, Right, Up and Down lead from each cell; a cell leads to itself where no cell
    // lies in that direction.
    constexpr std::array<std::array<int, 5>, 10> Steps{{
        // cell, left, right, up, down
        {0, 0, 1, 0, 3},
        {1, 0, 2, 1, 4},
        {2, 1, 2, 2, 5},
        {3, 3, 4, 0, 6},
        {4, 3, 5, 1, 7},
        {5, 4, 5, 2, 8},
        {6, 6, 7, 3, 6},
        {7, 6, 8, 4, 7},
        {8, 7, 9, 5, 8},
        {9, 8, 9, 9, 9},
    }};
    const std::array keys{std::pair{Qt::Key_Left, "Left"}, std::pair{Qt::Key_Right, "Right"},
                          std::pair{Qt::Key_Up, "Up"}, std::pair{Qt::Key_Down, "Down"}};
    for (const auto &step : Steps) {
        for (std::size_t k = 0; k < keys.size(); ++k) {
            QTest::addRow("%s from %d", keys.at(k).second, step.at(0))
                << step.at(0) << int(keys.at(k).first) << step.at(k + 1);
        }
    }
}

void Form1Test::arrowKeysFollowTheBoard()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    start({"2", "X"});
    QTest::keyClicks(cell(from), QStringLiteral("ab")); // not a move: the arrows still move on
    cell(from)->setFocus();
    QTest::keyClick(cell(from), Qt::Key(key));
    QCOMPARE(m_window->focusWidget(), cell(to));
    QVERIFY(m_answerer->messages().isEmpty());
}

// Qt reports a press that quickly follows another nearby as a double-click, whichever cell it
// lands on; on the neighbouring cell it is a click of its own.
void Form1Test::quickClicksOnNeighbours()
{
    start({"2", "X"});
    quickClick(cell(0), QPoint(cell(0)->width() - 2, 20));
    quickClick(cell(1), QPoint(2, 20));
    QCOMPARE(cellTexts(*m_window), (QStringList{"X", "O", "", "", "", "", "", "", "", ""}));
    doubleClick(cell(5));
    QCOMPARE(cell(5)->text(), QStringLiteral("X"));
    QVERIFY(m_answerer->messages().isEmpty());
    // A quick press beside a cell, then one on it: the second is a click of its own, although
    // that cell took the press before the one beside it.
    quickClick(cell(6), QPoint(1, 20));
    QTest::lastMouseTimestamp += 1000;
    quickClick(m_window.get(), cell(6)->geometry().topLeft() + QPoint(-3, 20));
    quickClick(cell(6), QPoint(1, 20));
    QCOMPARE(m_answerer->messages(), QStringList{"Sorry, already selected."});
}

void Form1Test::marksAreLegible_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light scheme") << false;
    QTest::newRow("dark scheme") << true;
}

// The marks against each of the fixed cell colours, live and locked, in a light and a dark
// scheme, measured from the rendered pixels: the cell's colour against the mark's darkest pixel.
void Form1Test::marksAreLegible()
{
    QFETCH(bool, dark);
    if (dark)
        QApplication::setPalette(darkPalette());
    start({"2", "X"});
    const auto markContrast = [](QWidget *widget) {
        const QImage image = widget->grab().toImage();
        const QColor background = image.pixelColor(image.width() - 6, 6);
        double most = 1;
        for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y) {
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
                most = std::max(most, contrast(background, image.pixelColor(x, y)));
        }
        return most;
    };
    QTest::keyClicks(cell(9), QStringLiteral("Z")); // typed text on green
    for (int index : {0, 3, 1, 4})
        click(cell(index));
    QVERIFY2(markContrast(cell(9)) >= 4.5, "typed text on green");
    QVERIFY2(markContrast(cell(3)) >= 4.5, "live red");
    click(cell(2));
    QVERIFY(!cell(0)->isEnabled());
    QVERIFY2(markContrast(cell(0)) >= 4.5, "locked yellow");
    QVERIFY2(markContrast(cell(3)) >= 4.5, "locked red");
    QVERIFY2(markContrast(cell(9)) >= 4.5, "locked green");
}

void Form1Test::focusMarkIsVisible_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<uint>("colour");
    for (const auto &[scheme, dark] : {std::pair{"light", false}, std::pair{"dark", true}}) {
        QTest::addRow("green, %s scheme", scheme) << dark << uint(CellEmptyColour);
        QTest::addRow("red, %s scheme", scheme) << dark << uint(CellTakenColour);
        QTest::addRow("yellow, %s scheme", scheme) << dark << uint(CellWinColour);
    }
}

// The focused cell carries a mark at least 2 pixels wide that stands out at 3 to 1 from the
// cell's colour: the rows along the cell's top edge, focused and not.
void Form1Test::focusMarkIsVisible()
{
    QFETCH(bool, dark);
    QFETCH(uint, colour);
    if (dark)
        QApplication::setPalette(darkPalette());
    start({"2", "X"});
    QVERIFY(activate());
    m_window->setCellColour(4, colour);
    const auto markedRows = [this] {
        const QImage image = cell(4)->grab().toImage();
        const QColor background = image.pixelColor(image.width() - 8, 8);
        int rows = 0;
        for (int y = 1; y < 6; ++y)
            rows += contrast(background, image.pixelColor(image.width() / 2, y)) >= 3 ? 1 : 0;
        return rows;
    };
    const int unfocused = markedRows();
    cell(4)->setFocus();
    QTRY_VERIFY(cell(4)->hasFocus());
    QVERIFY(markedRows() >= unfocused + 2);
}

void Form1Test::schemeChangeIsFollowed()
{
    start({"2", "X"});
    QPalette dark = darkPalette();
    dark.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x80, 0x80, 0x80));
    QApplication::setPalette(dark);
    QTRY_COMPARE(colourAt(child<QLineEdit>("Text2")), dark.color(QPalette::Window));
    for (const char *box : {"Text3", "Text4", "Text5"})
        QCOMPARE(colourAt(child<QLineEdit>(box)), dark.color(QPalette::Midlight));
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        QCOMPARE(child<QLabel>("Label5")->palette().color(group, QPalette::WindowText),
                 dark.color(group, QPalette::Highlight));
    }
    QCOMPARE(colourAt(cell(0)), QColor(Qt::green));
}

// Run on a screen smaller than a dialog too: its top left corner, with its title, stays on it.
void Form1Test::dialogStaysOnASmallScreen()
{
    Form1 window;
    window.show();
    const auto box = messageBox(QStringLiteral("Sorry, already selected."), &window);
    box->show();
    QVERIFY(window.screen()->availableGeometry().contains(box->geometry().topLeft()));
}

GORVANE_WINDOW_TEST_MAIN(Form1Test)
#include "form1_test.moc"
