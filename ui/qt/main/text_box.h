#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <optional>
#include <string>
#include <string_view>

namespace hinomori::ui {

// A text box of the main window, owning what every box there does:
// - The focus arriving by Tab, by a click or after a warning selects the whole
//   text, so typing replaces it; a first click that drags out a selection
//   keeps that one. The focus coming back with the window, from a menu or from
//   the menu bar (Alt, F10) leaves caret and selection as the user had them.
// - Enter is enterPressed(); it never reaches the text.
// - What the user types, pastes (keys, context menu, middle click), drops or
//   commits from the input method is folded and bounded as it is handed over:
//   an edit keeps as much as fits, as a native text limit does, a surrogate
//   pair is never split, and the edit stays one step for undo. setText() is
//   the program's way in and is never cut.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using Fold = std::u16string (*)(std::u16string_view);

    explicit TextBox(QWidget* parent = nullptr);

    // One unit in, one unit out: what the box keeps of each character.
    void setFold(Fold fold) { fold_ = fold; }
    // At most `length` characters may result from a user's edit; 0 for no bound.
    void setLengthLimit(int length) { limit_ = length; }

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
    // What the box takes of `text` put in by the user in place of `replaced`
    // characters: folded, then cut to what the bound leaves room for.
    QString fitted(const QString& text, qsizetype replaced) const;
    void insertAsUser(const QString& text);
    void pasteFrom(QClipboard::Mode mode);

    struct Selection {
        int start;
        int length;
        int cursor;
    };

    Fold fold_ = nullptr;
    int limit_ = 0;
    bool clickFocused_ = false;  // the focus came with a click not yet released
    std::optional<Selection> leftForMenuBar_;
    QString preedit_;           // what the input method shows in the box now
    QString cancelledPreedit_;  // a preedit the input method took back unused
};

}  // namespace hinomori::ui
