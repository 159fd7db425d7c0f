#pragma once

#include <QLineEdit>

// A board cell: an ordinary line edit that takes typed text and also reports a mouse click.
// Disabled, it receives no mouse events and so raises no click. Its accessible description is
// its mark, kept up to date, so that a screen reader can follow the board.
class CellEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CellEdit(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_endsDoubleClick = false;
};
