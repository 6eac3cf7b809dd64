#pragma once

#include "ui/form/form.h"

#include <QClipboard>
#include <QLineEdit>

#include <optional>

namespace hinomori::ui {

// A text box of the main window, owning what every box there does:
// - The focus arriving by Tab, by a click or after a warning selects the whole
//   text, so typing replaces it; a first click that drags out a selection
//   keeps that one. The focus coming back with the window, from a menu or from
//   the menu bar (Alt, F10) leaves caret and selection as the user had them.
// - Enter is enterPressed(); it never reaches the text.
// - What the user types, pastes (keys, context menu, middle click), drops or
//   commits from the input method is fitted by its input rule
//   (conversion::fit_input) as it is handed over: an edit keeps as much as
//   fits, as a native text limit does, and stays one step for undo; a paste
//   is a step of its own, as Qt's is. Every key that Qt's line edit would
//   insert is bounded; shortcuts stay shortcuts.
//   setText() is the program's way in and is never cut.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    explicit TextBox(hinomori::conversion::InputRule rule, QWidget* parent = nullptr);

signals:
    void enterPressed();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the box takes of `input` put in by the user in place of `replaced` characters.
    QString fitted(const QString& input, qsizetype replaced) const;
    void insertAsUser(const QString& text);
    void pasteFrom(QClipboard::Mode mode);
    void startUndoStep();
    void releaseHeldCommit();
    static bool insertsText(const QKeyEvent& event);

    struct Selection {
        int start;
        int length;
        int cursor;
    };

    hinomori::conversion::InputRule rule_;
    bool clickFocused_ = false;  // the focus came with a click not yet released
    std::optional<Selection> leftForMenuBar_;
    QString preedit_;           // what the input method shows in the box now
    QString cancelledPreedit_;  // a preedit the input method took back unused
    QString heldCommit_;        // that preedit committed again, until the focus leaves or the event loop turns
};

}  // namespace hinomori::ui
