// SPDX-FileCopyrightText: Gorvane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/accessibility.h"

#include "window/cell_edit.h"
#include "window/form1.h"
#include "window/text_pieces.h"

#include <QAccessibleWidget>
#include <QInputDialog>

#include <algorithm>

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
    // An assistive tool may send any offset at all; within the text, their difference fits.
    void setSelection(int /*selectionIndex*/, int startOffset, int endOffset) override
    {
        const int start = std::clamp(startOffset, 0, characterCount());
        edit()->setSelection(start, std::clamp(endOffset, 0, characterCount()) - start);
    }
    [[nodiscard]] int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        if (startOffset < 0 || startOffset > endOffset)
            return {};
        return edit()->text().mid(startOffset, endOffset - startOffset);
    }
    // Qt's own textAtOffset loops for ever with words or sentences at the end of a text, where the
    // caret usually stands when a screen reader asks for the word under it, and with words at the
    // start of a text that begins with a space; its textBeforeOffset answers "from -1 to 0" within
    // the first word or sentence. All three answer here, from the same pieces.
    [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                           int *startOffset, int *endOffset) const override
    {
        return piece(offset, boundary, Around::Before, startOffset, endOffset);
    }
    [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                       int *startOffset, int *endOffset) const override
    {
        return piece(offset, boundary, Around::At, startOffset, endOffset);
    }
    [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                          int *startOffset, int *endOffset) const override
    {
        return piece(offset, boundary, Around::After, startOffset, endOffset);
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

protected:
    [[nodiscard]] QLineEdit *edit() const { return qobject_cast<QLineEdit *>(widget()); }

private:
    // NOLINTBEGIN(bugprone-easily-swappable-parameters): Qt's offsets come as a pair
    QString piece(int offset, QAccessible::TextBoundaryType boundary, Around where,
                  int *startOffset, int *endOffset) const
    {
        const TextPiece piece = textPiece(edit()->text(), offset, boundary, where);
        *startOffset = piece.start;
        *endOffset = piece.end;
        return piece.text;
    }
    // NOLINTEND(bugprone-easily-swappable-parameters)
};

// The answer's box of an input box: its text is read as the others are, its selection as it is,
// and it is written by replacing text.
class AnswerAccessible : public ReadableLineEdit, public QAccessibleEditableTextInterface
{
public:
    using ReadableLineEdit::ReadableLineEdit;

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return ReadableLineEdit::interface_cast(type);
    }
    // The default answer is selected when the box opens, so that typing replaces it.
    // NOLINTNEXTLINE(bugprone-easily-swappable-parameters): Qt's signature
    void selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = edit()->selectionStart();
        *endOffset = edit()->selectionEnd();
    }
    [[nodiscard]] int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        QString content = edit()->text();
        if (0 <= startOffset && startOffset <= endOffset && endOffset <= content.size())
            edit()->setText(content.replace(startOffset, endOffset - startOffset, text));
    }
};

// A cell can also be pressed, as a screen reader's user presses a button.
class CellAccessible : public ReadableLineEdit
{
public:
    explicit CellAccessible(CellEdit *cell)
        : ReadableLineEdit(cell)
    {
    }

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

QAccessibleInterface *gameInterface(const QString & /*className*/, QObject *object)
{
    if (auto *cell = qobject_cast<CellEdit *>(object))
        return new CellAccessible(cell);
    // A top-level QWidget would be told as a pane ("filler"), not as the window it is.
    if (auto *form = qobject_cast<Form1 *>(object))
        return new QAccessibleWidget(form, QAccessible::Window);
    auto *edit = qobject_cast<QLineEdit *>(object);
    if (edit == nullptr)
        return nullptr;
    if (edit->isReadOnly() && qobject_cast<Form1 *>(edit->window()) != nullptr) // a score box
        return new ReadableLineEdit(edit);
    // Qt's own text queries would hang here too.
    if (qobject_cast<QInputDialog *>(edit->window()) != nullptr)
        return new AnswerAccessible(edit);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(gameInterface); // once: Qt ignores a factory it already has
}
