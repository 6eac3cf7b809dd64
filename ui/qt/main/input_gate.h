#pragma once

#include <QValidator>

#include <optional>
#include <string>
#include <string_view>

class QLineEdit;

namespace hinomori::ui {

// Stands between the user and one input box. Whatever the user types,
// pastes, drops or commits from the input method reaches the box folded to
// the forms the conversion reads and cut to the box's length, as a native
// text limit does: the edit keeps as much of what it inserts as fits, and
// stays one step for undo. Text the program writes passes untouched.
//
// How: the gate refuses every user edit that would need folding or cutting,
// which rolls the box back to exactly how it was before the edit, undo
// history, selection and caret included. The box's selection or caret then
// tells where the edit went in, so the inserted text is known, not guessed;
// it goes in again folded and cut, before the box sees any further input.
class InputGate : public QValidator {
    Q_OBJECT

public:
    using Fold = std::u16string (*)(std::u16string_view);

    // The gate of `box`, made the first time it is asked for.
    static InputGate* of(QLineEdit* box);

    // One unit in, one unit out: what the box holds of each character.
    void setFold(Fold fold) { fold_ = fold; }

    // At most `length` characters may result from a user edit; 0 for no bound.
    void setLengthLimit(int length) { limit_ = length; }

    State validate(QString& input, int& position) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit InputGate(QLineEdit* box);

    QString folded(const QString& text) const;
    void redoRefusedEdit();

    QLineEdit* box_;
    Fold fold_ = nullptr;
    int limit_ = 0;
    QString accepted_;    // the box's text after its last change
    bool redoing_ = false;
    mutable std::optional<QString> refused_;  // the box's text as the refused edit left it
};

}  // namespace hinomori::ui
