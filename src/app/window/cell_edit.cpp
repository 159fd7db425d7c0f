#include "app/window/cell_edit.h"

#include <QMouseEvent>

#include <utility>

namespace {

QString describeMark(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("empty") : text;
}

} // namespace

CellEdit::CellEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAccessibleDescription(describeMark(text()));
    // Typed text counts as a mark too, so the description follows every change of the text.
    connect(this, &QLineEdit::textChanged, this,
            [this](const QString &text) { setAccessibleDescription(describeMark(text)); });
}

void CellEdit::mouseDoubleClickEvent(QMouseEvent *event)
{
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
        emit clicked();
}
