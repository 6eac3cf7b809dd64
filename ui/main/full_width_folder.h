#pragma once

#include <QValidator>

namespace hinomori::ui {

// Folds full-width digits, letters, slash and the ideographic space to ASCII
// as they are committed to a box, however they arrive (typed, pasted, from
// the input method), so that the box shows, bounds and converts ASCII. Text
// the program writes is ASCII already and passes unchanged.
class FullWidthFolder : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};

}  // namespace hinomori::ui
