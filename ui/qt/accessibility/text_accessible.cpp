#include "ui/qt/accessibility/text_accessible.h"

#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/main/text_box.h"

#include <QFontMetrics>

#include <algorithm>

namespace hinomori::ui::accessibility {

// --- TextAccessible ----------------------------------------------------------

void* TextAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString TextAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return wholeText();
    return QAccessibleWidget::text(t);
}

QString TextAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = wholeText();
    startOffset = std::clamp(startOffset, 0, static_cast<int>(whole.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(whole.size()));
    return whole.mid(startOffset, endOffset - startOffset);
}

int TextAccessible::characterCount() const
{
    return static_cast<int>(wholeText().size());
}

QString TextAccessible::attributes(int /*offset*/, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return widget()->font().bold() ? QStringLiteral("font-weight:bold;") : QStringLiteral("font-weight:normal;");
}

void TextAccessible::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
}

// --- BoxAccessible -----------------------------------------------------------

BoxAccessible::BoxAccessible(TextBox* box) : TextAccessible(box, QAccessible::EditableText) {}

TextBox* BoxAccessible::box() const
{
    return static_cast<TextBox*>(widget());
}

QString BoxAccessible::wholeText() const
{
    return box()->text();
}

QAccessible::State BoxAccessible::state() const
{
    QAccessible::State state = TextAccessible::state();
    if (box()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    state.selectableText = true;
    return state;
}

void BoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    if (selectionIndex != 0 || !box()->hasSelectedText()) {
        *startOffset = *endOffset = 0;
        return;
    }
    *startOffset = box()->selectionStart();
    *endOffset = box()->selectionEnd();
}

int BoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void BoxAccessible::addSelection(int startOffset, int endOffset)
{
    box()->setSelection(startOffset, endOffset - startOffset);
}

void BoxAccessible::removeSelection(int /*selectionIndex*/)
{
    box()->deselect();
}

void BoxAccessible::setSelection(int /*selectionIndex*/, int startOffset, int endOffset)
{
    addSelection(startOffset, endOffset);
}

int BoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void BoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QRect BoxAccessible::characterRect(int offset) const
{
    const QString whole = wholeText();
    if (offset < 0 || offset >= whole.size())
        return {};
    // The box says which caret position a point is nearest to, and a
    // character's middle is where that turns from before it to after it.
    const QFontMetrics metrics(box()->font());
    const int width = metrics.horizontalAdvance(whole.mid(offset, 1));
    const int middle = box()->height() / 2;
    int x = 0;
    while (x < box()->width() && box()->cursorPositionAt(QPoint(x, middle)) <= offset)
        ++x;
    const QRect local(x - width / 2, middle - metrics.height() / 2, width, metrics.height());
    return {box()->mapToGlobal(local.topLeft()), local.size()};
}

int BoxAccessible::offsetAtPoint(const QPoint& point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

// --- LinesAccessible ---------------------------------------------------------

LinesAccessible::LinesAccessible(ReadableLines* label) : TextAccessible(label, QAccessible::EditableText) {}

ReadableLines* LinesAccessible::label() const
{
    return static_cast<ReadableLines*>(widget());
}

QString LinesAccessible::wholeText() const
{
    return label()->readableText();
}

QAccessible::State LinesAccessible::state() const
{
    QAccessible::State state = TextAccessible::state();
    state.readOnly = true;
    state.multiLine = true;
    state.focusable = true;
    state.focused = widget()->hasFocus();
    return state;
}

int LinesAccessible::cursorPosition() const
{
    return label()->lineStart(label()->currentLine());
}

void LinesAccessible::setCursorPosition(int position)
{
    label()->moveTo(static_cast<int>(wholeText().left(position).count(u'\n')));
}

QRect LinesAccessible::characterRect(int offset) const
{
    const QString whole = wholeText();
    const QString before = whole.left(offset);
    const int line = static_cast<int>(before.count(u'\n'));
    const QString lineBefore = before.mid(before.lastIndexOf(u'\n') + 1);
    const QFontMetrics metrics(widget()->font());
    const QRect row = label()->lineRect(line);
    const int width = offset < whole.size() && whole.at(offset) != u'\n' ? metrics.horizontalAdvance(whole.at(offset)) : 0;
    const QRect local(row.left() + metrics.horizontalAdvance(lineBefore), row.top(), width, row.height());
    return {widget()->mapToGlobal(local.topLeft()), local.size()};
}

int LinesAccessible::offsetAtPoint(const QPoint& point) const
{
    for (int offset = 0; offset < characterCount(); ++offset) {
        if (characterRect(offset).contains(point))
            return offset;
    }
    return -1;
}

}  // namespace hinomori::ui::accessibility
