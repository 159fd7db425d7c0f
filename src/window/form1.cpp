// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include "control/buttons.h"
#include "control/start_up.h"
#include "game/raise_event.h"
#include "play/cell_click.h"
#include "window/accessibility.h"
#include "window/cell_edit.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <array>

namespace {

// The layout is designed in twips; 15 twips make one logical pixel.
QRect twips(int left, int top, int width, int height)
{
    constexpr int PerPixel = 15;
    return {left / PerPixel, top / PerPixel, width / PerPixel, height / PerPixel};
}

// Cells 0 to 8 form the square in rows of three; cell 9 extends the bottom row to the right.
QPoint cellPlace(int index)
{
    return index < 9 ? QPoint(index % 3, index / 3) : QPoint(3, 2);
}

// On a 600-twip pitch, 615 twips square: neighbours overlap by one pixel and share their borders.
QRect cellGeometry(int index)
{
    const QPoint place = cellPlace(index);
    return twips(120 + 600 * place.x(), 720 + 600 * place.y(), 615, 615);
}

// The cell at that column and row of the board, or -1 where there is none.
int cellAt(QPoint place)
{
    for (int index = 0; index < CellCount; ++index) {
        if (cellPlace(index) == place)
            return index;
    }
    return -1;
}

// Right to left, the window is drawn mirrored, as Qt mirrors a laid-out window.
void setDesignGeometry(QWidget *widget, const QRect &geometry)
{
    const QWidget *window = widget->parentWidget();
    widget->setGeometry(QStyle::visualRect(window->layoutDirection(), window->rect(), geometry));
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template<typename Widget>
Widget *place(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *widget = new Widget(text, parent);
    widget->setObjectName(QLatin1String(name));
    setDesignGeometry(widget, geometry);
    return widget;
}

// A caption in the player's language. The English, the design's own caption, stays with it: the
// font is fitted to the English, so that every language is shown at the same size.
constexpr const char *DesignCaption = "designCaption";

template<typename Widget>
Widget *placeCaptioned(QWidget *parent, const char *name, const char *english,
                       const QRect &geometry)
{
    auto *widget = place<Widget>(parent, name, Form1::tr(english), geometry);
    widget->setProperty(DesignCaption, QLatin1String(english));
    return widget;
}

// A screen reader names the box after its label; the buddy ties the two for other tools too.
void labelBox(QLabel *label, QLineEdit *box)
{
    label->setBuddy(box);
    box->setAccessibleName(label->text());
}

} // namespace

Form1::Form1(QWidget *parent)
    : QWidget(parent)
    , m_dialogs(this)
    , m_game{GameState{}, *this, m_dialogs, m_random}
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(326, 255);
    // Created in keyboard focus order: the cells, the buttons, the score boxes, the options.
    createBoard();
    createButtons();
    createScoreBoxes();
    createOptions();
    followColourScheme();
    fitFontToDesign();
}

// The controls were sized for an 8-point system font (11 pixels). Wider fonts would clip the
// labels and options, so the window's font steps down to a pixel size at which every caption
// fits. Pixel steps, because sizes between two whole pixels render alike.
void Form1::fitFontToDesign()
{
    constexpr int DesignPixels = 11;
    constexpr int SmallestPixels = 8;
    const std::array<QWidget *, 6> captioned{findChild<QLabel *>(QStringLiteral("Label1")),
                                             findChild<QLabel *>(QStringLiteral("Label2")),
                                             findChild<QLabel *>(QStringLiteral("Label3")),
                                             findChild<QLabel *>(QStringLiteral("Label4")),
                                             m_option1,
                                             m_option2};
    const auto widestOverRoom = [&captioned] {
        qreal widest = 0;
        for (const QWidget *control : captioned) {
            const QString english = control->property(DesignCaption).toString();
            const QString shown = control->property("text").toString();
            int width = control->sizeHint().width();
            // In English the shown caption is the design's; nothing else to measure.
            if (shown != english) {
                const QFontMetrics metrics = control->fontMetrics();
                width += metrics.horizontalAdvance(english) - metrics.horizontalAdvance(shown);
            }
            widest = std::max(widest, qreal(width) / control->width());
        }
        return widest;
    };
    // Captions grow about in proportion to the font: start from that estimate, so that only one
    // or two sizes are tried, each a font load.
    const int estimate = int(QFontInfo(font()).pixelSize() / widestOverRoom());
    QFont designFont = font();
    for (int pixels = std::clamp(estimate, SmallestPixels, DesignPixels);; --pixels) {
        designFont.setPixelSize(pixels);
        setFont(designFont);
        if (widestOverRoom() <= 1 || pixels <= SmallestPixels)
            return;
    }
}

void Form1::createBoard()
{
    for (int index = 0; index < CellCount; ++index) {
        auto *cell = new CellEdit(this);
        cell->setObjectName(QStringLiteral("Text1_%1").arg(index));
        cell->setAccessibleName(tr("Cell %1").arg(index));
        setDesignGeometry(cell, cellGeometry(index));
        cell->setAlignment(Qt::AlignCenter);
        connect(cell, &CellEdit::clicked, this,
                [this, index] { raise([index](Game &game) { Text1_Click(game, index); }); });
        // Left and Right follow the board as it is drawn, mirrored too.
        connect(cell, &CellEdit::stepRequested, this, [this, index](int across, int down) {
            const int drawnAcross = isRightToLeft() ? -across : across;
            const int next = cellAt(cellPlace(index) + QPoint(drawnAcross, down));
            if (next >= 0)
                m_cells.at(next)->setFocus(Qt::TabFocusReason);
        });
        m_cells.at(index) = cell;
    }
}

void Form1::createButtons()
{
    auto *playAgain = placeCaptioned<QPushButton>(this, "Command1", QT_TR_NOOP("Play Again?"),
                                                  twips(360, 2760, 1935, 495));
    auto *exit = placeCaptioned<QPushButton>(this, "Command3", QT_TR_NOOP("Exit"),
                                             twips(3960, 2760, 855, 615));
    auto *resetAll = placeCaptioned<QPushButton>(this, "Command2", QT_TR_NOOP("Reset all"),
                                                 twips(3480, 2040, 1335, 495));
    // Return and Enter press a focused button, as Space does.
    for (QPushButton *button : {playAgain, exit, resetAll})
        button->setAutoDefault(true);
    connect(playAgain, &QPushButton::clicked, this, [this] { raise(Command1_Click); });
    connect(exit, &QPushButton::clicked, this, [this] { raise(Command3_Click); });
    connect(resetAll, &QPushButton::clicked, this, [this] { raise(Command2_Click); });
}

void Form1::createScoreBoxes()
{
    struct Box
    {
        ScoreBox box;
        const char *name;
        const char *text;
        int top;
    };
    constexpr std::array Boxes{
        Box{ScoreBox::Text5, "Text5", "1", 1560}, Box{ScoreBox::Text3, "Text3", "0", 840},
        Box{ScoreBox::Text4, "Text4", "0", 1200}, Box{ScoreBox::Text2, "Text2", "0", 480}};
    for (const Box &box : Boxes) {
        auto *edit = place<QLineEdit>(this, box.name, QLatin1String(box.text),
                                      twips(4440, box.top, 375, 285));
        // Scores are the game's to write.
        edit->setReadOnly(true);
        scoreBox(box.box) = edit;
    }

    //: the number of the current game
    labelBox(
        placeCaptioned<QLabel>(this, "Label4", QT_TR_NOOP("Game #"), twips(3720, 1560, 615, 255)),
        scoreBox(ScoreBox::Text5));
    //: the mark stays X
    labelBox(
        placeCaptioned<QLabel>(this, "Label1", QT_TR_NOOP("Wins by X"), twips(3600, 480, 735, 255)),
        scoreBox(ScoreBox::Text2));
    //: the mark stays O
    labelBox(
        placeCaptioned<QLabel>(this, "Label2", QT_TR_NOOP("Wins by O"), twips(3600, 840, 735, 255)),
        scoreBox(ScoreBox::Text3));
    labelBox(placeCaptioned<QLabel>(this, "Label3", QT_TR_NOOP("Games Tied"),
                                    twips(3480, 1200, 855, 255)),
             scoreBox(ScoreBox::Text4));

    m_title = place<QLabel>(this, "Label5", QStringLiteral("Gorvane"), twips(960, 0, 2295, 375));
    QFont titleFont = font();
    titleFont.setFamily(QStringLiteral("MS Sans Serif"));
    titleFont.setStyleHint(QFont::SansSerif); // where that font is missing, any sans-serif
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    m_title->setFont(titleFont);
}

// The score boxes' backgrounds and the title's text are in the desktop's own colours, and follow
// its colour scheme when that changes while the game runs.
void Form1::followColourScheme()
{
    for (const ScoreBox box :
         {ScoreBox::Text2, ScoreBox::Text3, ScoreBox::Text4, ScoreBox::Text5}) {
        // The menu colour for "Wins by X", scroll-bar grey for the others.
        const auto role = box == ScoreBox::Text2 ? QPalette::Window : QPalette::Midlight;
        setColour(scoreBox(box), QPalette::Base, palette().color(role));
    }
    setColour(m_title, QPalette::WindowText, palette().color(QPalette::Highlight));
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followColourScheme();
}

void Form1::createOptions()
{
    //: the computer's strength
    m_option1 = placeCaptioned<QRadioButton>(this, "Option1", QT_TR_NOOP("Beginner"),
                                             twips(960, 3480, 975, 255));
    //: the computer's strength
    m_option2 = placeCaptioned<QRadioButton>(this, "Option2", QT_TR_NOOP("Advanced"),
                                             twips(2520, 3480, 1095, 255));
    m_option1->setChecked(true);
    connect(m_option1, &QRadioButton::clicked, this, [this] { raise(Option1_Click); });
    connect(m_option2, &QRadioButton::clicked, this, [this] { raise(Option2_Click); });
}

QLineEdit *&Form1::scoreBox(ScoreBox box)
{
    return m_scoreBoxes.at(static_cast<std::size_t>(box));
}

template<typename Handler>
void Form1::raise(Handler handler)
{
    raiseEvent(m_dialogs, [this, &handler] { handler(m_game); });
}

void Form1::load()
{
    raise(Form_Load);
}

std::string Form1::cellText(int index) const
{
    return m_cells.at(index)->text().toStdString();
}

void Form1::setCellText(int index, const std::string &text)
{
    m_cells.at(index)->setText(QString::fromStdString(text));
}

void Form1::setCellColour(int index, Colour colour)
{
    m_cells.at(index)->setColour(colour);
}

void Form1::setCellEnabled(int index, bool enabled)
{
    m_cells.at(index)->setEnabled(enabled);
}

void Form1::setScoreText(ScoreBox box, const std::string &text)
{
    scoreBox(box)->setText(QString::fromStdString(text));
}

void Form1::setOptionsEnabled(bool enabled)
{
    m_option1->setEnabled(enabled);
    m_option2->setEnabled(enabled);
}

void Form1::setCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void Form1::show()
{
    // Centred on its screen by the program rather than placed by a window manager, so that its
    // position is known at once: the first dialog opens before a window manager would tell it.
    QRect placed(QPoint(), size());
    placed.moveCenter(screen()->availableGeometry().center());
    setGeometry(placed);
    QWidget::show();
}

void Form1::endProgram()
{
    QCoreApplication::quit();
}
