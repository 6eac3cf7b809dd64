#pragma once

#include <QAccessibleWidget>

namespace hinomori::ui {
class TextBox;
}

namespace hinomori::ui::accessibility {

class ReadableLines;

// The text of a control as screen readers read it. The whole text is one
// run of attributes carrying the weight it is drawn in: Qt 6.4's line edit
// reports empty runs, and Orca then reads every value less its last
// character.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    using QAccessibleWidget::QAccessibleWidget;

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

protected:
    virtual QString wholeText() const = 0;
};

// One of the main window's boxes, in place of Qt's own line edit interface
// for the attribute runs above; the rest answers as Qt's does, except that
// screen readers cannot edit the text.
class BoxAccessible : public TextAccessible {
public:
    explicit BoxAccessible(TextBox* box);

    QAccessible::State state() const override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

protected:
    QString wholeText() const override;

private:
    TextBox* box() const;
};

// A label made readable by line: a read-only multi-line text whose caret
// stands at the start of the current line.
class LinesAccessible : public TextAccessible {
public:
    explicit LinesAccessible(ReadableLines* label);

    QAccessible::State state() const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;

protected:
    QString wholeText() const override;

private:
    ReadableLines* label() const;
};

}  // namespace hinomori::ui::accessibility
