// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/form1.h"

#include "control/buttons.h"
#include "control/start_up.h"
#include "game/raise_event.h"
#include "play/cell_click.h"
#include "window/accessibility.h"
#include "window/board_places.h"
#include "window/cell_edit.h"
#include "window/held_key_filter.h"
#include "window/whole_text.h"
#include "window/zoom_actions.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <array>

namespace {

// Each colour group from its own group of the scheme: an inactive window has colours of its own.
void setColour(QWidget *widget, QPalette::ColorRole role, const QPalette &scheme,
               QPalette::ColorRole schemeRole)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, scheme.color(group, schemeRole));
    widget->setPalette(palette);
}

template<typename Widget>
Widget *place(DesignLayout &layout, const char *name, const QString &text, const QRect &twips)
{
    auto *widget = new Widget(text, layout.parentWidget());
    widget->setObjectName(QLatin1String(name));
    layout.place(widget, twips);
    return widget;
}

// A caption in the player's language. One that the window's font is fitted to joins `fitted` in
// English, the design's own caption, so that every language is shown at the same size.
template<typename Widget>
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the name before the caption, as in place()
Widget *placeCaptioned(DesignLayout &layout, const char *name, const char *english,
                       const QRect &twips, std::vector<DesignLayout::Caption> *fitted = nullptr)
{
    auto *widget = place<Widget>(layout, name, Form1::tr(english), twips);
    if (fitted != nullptr)
        fitted->push_back({widget, QLatin1String(english)});
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
    , m_layout(new DesignLayout(this))
    , m_handlers([this] { showLevel(); })
    , m_dialogs(this)
    , m_narrator(this, m_dialogs)
    , m_game{GameState{}, *this, m_dialogs, m_random}
{
    installAccessibleInterfaces();
    QCoreApplication::instance()->installEventFilter(new HeldKeyFilter(this));
    QCoreApplication::instance()->installEventFilter(new PressesOffCells(this));
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    resize(DesignLayout::DesignSize);
    // The labels' and options' captions fit the room the design gives them.
    std::vector<DesignLayout::Caption> fitted;
    // Created in keyboard focus order: the cells, the buttons, the score boxes, the options.
    createBoard();
    createButtons();
    createScoreBoxes(fitted);
    createOptions(fitted);
    followColourScheme();
    m_layout->fitFontToDesign(fitted);
    m_zoomActions = addZoomActions(this);
    zoomForTextOf(this, QFontInfo(QApplication::font()).pixelSize());
}

void Form1::createBoard()
{
    for (int index = 0; index < CellCount; ++index) {
        auto *cell = new CellEdit(this);
        cell->setObjectName(QStringLiteral("Text1_%1").arg(index));
        //: a board cell's name, as a screen reader tells it; %1 is its number, 0 to 9
        cell->setAccessibleName(tr("Cell %1").arg(index));
        m_layout->place(cell, cellTwips(index));
        cell->setAlignment(Qt::AlignCenter);
        const auto click = [index](Game &game) { Text1_Click(game, index); };
        connect(cell, &CellEdit::clicked, this,
                [this, cell, index, click] { runHandler(cell, click, index); });
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
    //: the button that starts the next game; the scores stay
    auto *playAgain = placeCaptioned<QPushButton>(*m_layout, "Command1", QT_TR_NOOP("Play Again?"),
                                                  QRect(360, 2760, 1935, 495));
    auto *exit = placeCaptioned<QPushButton>(*m_layout, "Command3", QT_TR_NOOP("Exit"),
                                             QRect(3960, 2760, 855, 615));
    //: the button that sets the four score boxes back to 0 and clears the board; it undoes no
    //: move
    auto *resetAll = placeCaptioned<QPushButton>(*m_layout, "Command2", QT_TR_NOOP("Reset all"),
                                                 QRect(3480, 2040, 1335, 495));
    // Return and Enter press a focused button, as Space does.
    for (QPushButton *button : {playAgain, exit, resetAll})
        button->setAutoDefault(true);
    connect(playAgain, &QPushButton::clicked, this, [this, playAgain] {
        runHandler(playAgain, [this](Game &game) {
            ++m_boardsCleared;
            Command1_Click(game);
            focusFirstFreeCell();
        });
    });
    connect(exit, &QPushButton::clicked, this, [this, exit] { runHandler(exit, Command3_Click); });
    connect(resetAll, &QPushButton::clicked, this, [this, resetAll] {
        runHandler(resetAll, [this](Game &game) {
            ++m_boardsCleared;
            Command2_Click(game);
        });
    });
}

void Form1::createScoreBoxes(std::vector<DesignLayout::Caption> &fitted)
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
        auto *edit = place<QLineEdit>(*m_layout, box.name, QLatin1String(box.text),
                                      QRect(4440, box.top, 375, 285));
        // Scores are the game's to write.
        edit->setReadOnly(true);
        m_scoreBoxes.at(static_cast<std::size_t>(box.box)) = edit;
    }

    //: the caption of the box that shows the current game's number
    labelBox(placeCaptioned<QLabel>(*m_layout, "Label4", QT_TR_NOOP("Game #"),
                                    QRect(3720, 1560, 615, 255), &fitted),
             scoreBox(ScoreBox::Text5));
    //: the caption of the box that counts the games X has won; the mark stays X
    labelBox(placeCaptioned<QLabel>(*m_layout, "Label1", QT_TR_NOOP("Wins by X"),
                                    QRect(3600, 480, 735, 255), &fitted),
             scoreBox(ScoreBox::Text2));
    //: the caption of the box that counts the games O has won; the mark stays O
    labelBox(placeCaptioned<QLabel>(*m_layout, "Label2", QT_TR_NOOP("Wins by O"),
                                    QRect(3600, 840, 735, 255), &fitted),
             scoreBox(ScoreBox::Text3));
    //: the caption of the box that counts the games that ended in a tie, not a word on one game
    labelBox(placeCaptioned<QLabel>(*m_layout, "Label3", QT_TR_NOOP("Games Tied"),
                                    QRect(3480, 1200, 855, 255), &fitted),
             scoreBox(ScoreBox::Text4));

    m_title =
        place<QLabel>(*m_layout, "Label5", QStringLiteral("Gorvane"), QRect(960, 0, 2295, 375));
    QFont titleFont = font();
    titleFont.setFamily(QStringLiteral("MS Sans Serif"));
    titleFont.setStyleHint(QFont::SansSerif); // where that font is missing, any sans-serif
    titleFont.setPointSize(18);
    titleFont.setBold(true);
    m_layout->keepFont(m_title, titleFont);
}

// The score boxes' backgrounds and the title's text are in the desktop's own colours, and follow
// its colour scheme when that changes while the game runs.
void Form1::followColourScheme()
{
    for (const ScoreBox box :
         {ScoreBox::Text2, ScoreBox::Text3, ScoreBox::Text4, ScoreBox::Text5}) {
        // The menu colour for "Wins by X", scroll-bar grey for the others.
        const auto role = box == ScoreBox::Text2 ? QPalette::Window : QPalette::Midlight;
        setColour(scoreBox(box), QPalette::Base, palette(), role);
    }
    setColour(m_title, QPalette::WindowText, palette(), QPalette::Highlight);
}

bool Form1::event(QEvent *event)
{
    if (event->type() == QEvent::Move && !m_framePlaced)
        keepFrameOnScreen();
    if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
        // A dialog's keys are its own, also in the moment before it becomes the active window,
        // while the window's shortcuts would still match them.
        for (QAction *zoom : m_zoomActions)
            zoom->setEnabled(event->type() == QEvent::WindowUnblocked);
    return QWidget::event(event);
}

void Form1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followColourScheme();
    // The window's size changed the font. Before the window shows, the boxes hold one digit.
    if (event->type() == QEvent::FontChange && isVisible()) {
        for (QLineEdit *box : m_scoreBoxes) {
            if (box != nullptr)
                showWholeText(box);
        }
    }
}

void Form1::createOptions(std::vector<DesignLayout::Caption> &fitted)
{
    m_options = new QButtonGroup(this);
    //: the computer's strength when one person plays: the weaker opponent. It says nothing of
    //: who starts.
    m_options->addButton(placeCaptioned<QRadioButton>(*m_layout, "Option1", QT_TR_NOOP("Beginner"),
                                                      QRect(960, 3480, 975, 255), &fitted),
                         int(Strength::Beginner));
    //: the computer's strength when one person plays: the stronger opponent
    m_options->addButton(placeCaptioned<QRadioButton>(*m_layout, "Option2", QT_TR_NOOP("Advanced"),
                                                      QRect(2520, 3480, 1095, 255), &fitted),
                         int(Strength::Advanced));
    m_options->button(int(Strength::Beginner))->setChecked(true);
    // Whatever checks an option raises its click: the mouse, the keys, an assistive tool's toggle.
    // A click that waits for another handler shows the player's choice until it has run; once no
    // handler runs or waits, the options show the level in force.
    connect(m_options, &QButtonGroup::idToggled, this, [this](int level, bool checked) {
        if (checked)
            runHandler(m_options->button(level),
                       Strength(level) == Strength::Advanced ? Option2_Click : Option1_Click);
    });
}

void Form1::showLevel()
{
    const QSignalBlocker noClick(m_options); // showing the level is no click of the player's
    m_options->button(int(m_game.state.Level))->setChecked(true);
}

QLineEdit *Form1::scoreBox(ScoreBox box) const
{
    return m_scoreBoxes.at(static_cast<std::size_t>(box));
}

// The next game's first move is then one key away.
void Form1::focusFirstFreeCell()
{
    auto *const free = std::find_if(m_cells.begin(), m_cells.end(), [](const CellEdit *cell) {
        return cell->isEnabled() && cell->text().isEmpty();
    });
    if (free != m_cells.end())
        (*free)->setFocus(Qt::OtherFocusReason);
}

template<typename Handler>
void Form1::runHandler(QWidget *control, Handler handler, int clickedCell)
{
    m_handlers.run(control, [this, handler, clickedCell, board = m_boardsCleared] {
        // A press that waited while its board was cleared meant that board, not the next one.
        if (clickedCell >= 0 && board != m_boardsCleared)
            return;
        m_narrator.eventStarting(clickedCell);
        raiseEvent(m_dialogs, [this, &handler] { handler(m_game); });
        m_narrator.eventEnded(m_game.state);
    });
}

void Form1::load()
{
    runHandler(this, Form_Load);
}
