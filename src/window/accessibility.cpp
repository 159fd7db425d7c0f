// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accessibility.h"

#include "window/cell_edit.h"

#include <QAccessibleWidget>

namespace {

// A line edit as text that can be read, selected and navigated. Qt's own interface for a line edit
// also lets an assistive tool write into it, even when it is read-only; this one offers no writing.
class ReadableLineEdit : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReadableLineEdit(QLineEdit *edit)
        : QAccessibleWidget(edit, QAccessible::EditableText)
    {
    }

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? edit()->text() : QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = edit()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // A box selects all it holds whenever it takes the focus, and drops the selection when it
    // loses it; told, that would be read out on every visit ("X selected", "Text unselected").
    // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): Qt's signature
    void selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    [[nodiscard]] int selectionCount() const override { return 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int /*selectionIndex*/) override { edit()->deselect(); }
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override
    {
        edit()->setSelection(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    [[nodiscard]] int characterCount() const override { return int(edit()->text().size()); }
    // A box holds a mark or a short number: the box's own rectangle is close enough.
    [[nodiscard]] QRect characterRect(int /*offset*/) const override { return rect(); }
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override { }
    // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): Qt's signature
    [[nodiscard]] QString attributes(int /*offset*/, int *startOffset,
                                     int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    [[nodiscard]] QLineEdit *edit() const { return qobject_cast<QLineEdit *>(widget()); }
};

// A cell can also be pressed, as a screen reader's user presses a button.
class CellAccessible : public ReadableLineEdit
{
public:
    using ReadableLineEdit::ReadableLineEdit;

    [[nodiscard]] QStringList actionNames() const override
    {
        QStringList names = ReadableLineEdit::actionNames();
        if (widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName != pressAction()) {
            ReadableLineEdit::doAction(actionName);
            return;
        }
        // Queued, as Qt's own buttons do: the click may open a modal message box, and the
        // assistive tool's call has to return first.
        QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
    }

    [[nodiscard]] QStringList keyBindingsForAction(const QString &actionName) const override
    {
        if (actionName == pressAction())
            return {QStringLiteral("Return")};
        return ReadableLineEdit::keyBindingsForAction(actionName);
    }
};

QAccessibleInterface *gameInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("CellEdit"))
        return new CellAccessible(qobject_cast<CellEdit *>(object));
    // A top-level QWidget would be told as a pane ("filler"), not as the window it is.
    if (className == QLatin1String("Form1"))
        return new QAccessibleWidget(qobject_cast<QWidget *>(object), QAccessible::Window);
    auto *edit = qobject_cast<QLineEdit *>(object);
    if (className == QLatin1String("QLineEdit") && edit->isReadOnly())
        return new ReadableLineEdit(edit);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(gameInterface); // once: Qt ignores a factory it already has
}
