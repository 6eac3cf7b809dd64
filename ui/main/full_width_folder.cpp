#include "ui/main/full_width_folder.h"

#include "conversion/input_folding.h"

namespace hinomori::ui {

QValidator::State FullWidthFolder::validate(QString& input, int& /*position*/) const
{
    // Folding maps one unit to one unit, so the caret stays where it was.
    const std::u16string folded = conversion::fold_full_width(input.toStdU16String());
    if (folded != input.toStdU16String())
        input = QString::fromStdU16String(folded);
    return Acceptable;
}

}  // namespace hinomori::ui
