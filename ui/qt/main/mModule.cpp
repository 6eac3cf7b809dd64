#include "ui/qt/main/mModule.h"

#include "ui/qt/main/input_gate.h"

namespace mModule {

void LimitTextLen(QLineEdit* box, int length)
{
    // QLineEdit::setMaxLength would also cut text the program sets, so the
    // box's input gate bounds the user's edits instead.
    hinomori::ui::InputGate::of(box)->setLengthLimit(length);
}

}  // namespace mModule
