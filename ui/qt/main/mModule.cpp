#include "ui/qt/main/mModule.h"

#include "ui/qt/main/text_box.h"

namespace mModule {

void LimitTextLen(hinomori::ui::TextBox* box, int length)
{
    // Not QLineEdit::setMaxLength, which would also cut the text the program sets.
    box->setLengthLimit(length);
}

}  // namespace mModule
