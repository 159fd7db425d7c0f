// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Form1 as the game sees it: the view that the Qt-free core reads and writes through.

#include "window/form1.h"

#include "window/cell_edit.h"
#include "window/screen_placement.h"
#include "window/whole_text.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QWindow>

std::string Form1::cellText(int index) const
{
    return m_cells.at(index)->text().toStdString();
}

void Form1::setCellText(int index, const std::string &text)
{
    m_cells.at(index)->setText(QString::fromStdString(text));
    m_narrator.cellWritten(index, text);
}

void Form1::setCellColour(int index, Colour colour)
{
    m_cells.at(index)->setColour(colour);
    m_narrator.cellColoured(index, colour);
}

void Form1::setCellEnabled(int index, bool enabled)
{
    m_cells.at(index)->setEnabled(enabled);
}

void Form1::setScoreText(ScoreBox box, const std::string &text)
{
    QLineEdit *edit = scoreBox(box);
    edit->setText(QString::fromStdString(text));
    showWholeText(edit);
}

void Form1::setOptionsEnabled(bool enabled)
{
    for (QAbstractButton *option : m_options->buttons())
        option->setEnabled(enabled);
}

void Form1::setCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void Form1::showForm()
{
    // Centred on its screen by the program rather than placed by a window manager, so that its
    // position is known at once: the first dialog opens before a window manager would tell it.
    // Not a window that opens maximised or full screen: placing it would silently drop that state
    // from the widget, which would then take the screen's size for its normal one.
    if (!isMaximized() && !isFullScreen()) {
        const QRect screenArea = screen()->availableGeometry();
        setGeometry(centredWithin(size(), screenArea.center(), screenArea));
    }
    QWidget::show();
    // The first question waits for the compositor to show the window: on Wayland a dialog whose
    // first frame arrives before the window's is mapped first, and mutter gives it the keyboard
    // only to hand it to the window a moment later. An X server keeps the order of the two maps.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        while (isVisible() && !windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// The frame's size is known once a window manager has framed the shown window: a size left on a
// larger screen, or one that a large font asks for, may then reach past the screen's edge with
// the title bar. Checked once, so that the player may move the window where they like.
void Form1::keepFrameOnScreen()
{
    const QRect frame = frameGeometry();
    if (frame == geometry() || isMaximized() || isFullScreen())
        return;
    m_framePlaced = true;
    const QRect screenArea = screen()->availableGeometry();
    if (screenArea.contains(frame))
        return;
    const QSize frameMargins = frame.size() - size();
    resize(size().boundedTo(screenArea.size() - frameMargins));
    move(centredWithin(size() + frameMargins, frame.center(), screenArea).topLeft());
}

// The window closes first, as it does when the desktop ends the program.
void Form1::endProgram()
{
    close();
}

// Closing the window ends the program, also while one of its questions is open. Qt closes the
// window when the application quits, whoever asked: "Exit", a desktop's logout, SIGTERM.
void Form1::closeEvent(QCloseEvent *event)
{
    m_dialogs.setQuitting();
    m_handlers.close();
    QWidget::closeEvent(event);
    QCoreApplication::quit();
}
