// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/cell_edit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

#include <algorithm>
#include <utility>

namespace {

// Black on the board's green, red and yellow: contrasts of 15.3, 5.3 and 19.6 to 1.
const QColor MarkColour(Qt::black);
constexpr qreal FocusMarkWidth = 2;
constexpr qreal DesignCellWidth = 41; // pixels

QColor toQColor(Colour colour)
{
    return {int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF)};
}

// The cell that took the mouse's last press. Qt reports a press that quickly follows the one
// before it as a double-click, whichever cell it lands on.
QPointer<CellEdit> &lastPressedCell()
{
    static QPointer<CellEdit> cell;
    return cell;
}

} // namespace

CellEdit::CellEdit(QWidget *parent)
    : QLineEdit(parent)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Text, MarkColour); // in every colour group: a locked board too
    palette.setColor(QPalette::Base, toQColor(m_colour));
    setPalette(palette);
    describe();
    // A line edit tells assistive tools of its caret when it first moves. Untold, the first focus
    // would place it, and a screen reader would take that for reading within the cell, not for
    // arriving at it: placed here, the first visit is told like every other.
    setCursorPosition(0);
    // Typed text counts as a mark too, so the description follows every change of the text.
    connect(this, &QLineEdit::textChanged, this, &CellEdit::describe);
}

void CellEdit::setColour(Colour colour)
{
    m_colour = colour;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, toQColor(colour));
    setPalette(palette);
    describe();
}

void CellEdit::describe()
{
    // A screen reader speaks the text itself; the description adds only what the text cannot say.
    QString description;
    if (m_colour == CellWinColour)
        //: said of a cell ("Cell %1") on the completed line, after the mark it holds
        description = tr("winning line");
    else if (text().isEmpty())
        //: said of a cell ("Cell %1") that holds no mark: agrees with the word for "Cell"
        description = tr("empty");
    setAccessibleDescription(description);
}

void CellEdit::click()
{
    // A press on its way when the board locked is dropped.
    if (isEnabled())
        emit clicked();
}

void CellEdit::keyPressEvent(QKeyEvent *event)
{
    // With Shift or Control the keys keep their text-box meanings: selecting, moving by words.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (plain ? event->key() : Qt::Key_unknown) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        return;
    case Qt::Key_Left:
        emit stepRequested(-1, 0);
        return;
    case Qt::Key_Right:
        emit stepRequested(1, 0);
        return;
    case Qt::Key_Up:
        emit stepRequested(0, -1);
        return;
    case Qt::Key_Down:
        emit stepRequested(0, 1);
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CellEdit::mousePressEvent(QMouseEvent *event)
{
    lastPressedCell() = this;
    QLineEdit::mousePressEvent(event);
}

void CellEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
    // A quick press that follows one on another cell is a press of its own.
    if (lastPressedCell() != this) {
        mousePressEvent(event);
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
    // A double-click is one click on the cell, already reported by its first release.
    m_endsDoubleClick = true;
}

void CellEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    const bool endsDoubleClick = std::exchange(m_endsDoubleClick, false);
    // Released outside the cell, a press is a change of mind, not a click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && !endsDoubleClick)
        click();
}

void CellEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (!hasFocus())
        return;
    // The style's own focus frame is drawn in the scheme's highlight colour, which can be hard
    // to see on the fixed cell colours.
    // It keeps its proportion to the cell at every size, never thinner than at the design size,
    // and stays clear of the cell's edge, which a neighbour overlaps by a 41st of the cell.
    const qreal edge = std::max(qreal(1), width() / DesignCellWidth);
    const qreal markWidth = FocusMarkWidth * edge;
    QPainter painter(this);
    painter.setPen(QPen(MarkColour, markWidth));
    const qreal inset = markWidth / 2 + edge;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

bool PressesOffCells::eventFilter(QObject *watched, QEvent *event)
{
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched->isWidgetType() && qobject_cast<CellEdit *>(watched) == nullptr)
        lastPressedCell() = nullptr;
    return QObject::eventFilter(watched, event);
}
