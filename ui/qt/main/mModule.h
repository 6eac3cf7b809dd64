#pragma once

class QLineEdit;

namespace mModule {

// Bounds what the user can type, paste, drop or commit from the input method
// into `box` to `length` characters. Text the program writes is never cut.
void LimitTextLen(QLineEdit* box, int length);

}  // namespace mModule
