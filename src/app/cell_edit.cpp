#include "app/cell_edit.h"

#include <QMouseEvent>

void CellEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // Released outside the cell, a press is a change of mind, not a click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
