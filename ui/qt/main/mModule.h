#pragma once

namespace hinomori::ui {
class TextBox;
}

namespace mModule {

// Bounds what the user can type, paste, drop or commit from the input method
// into `box` to `length` characters. Text the program writes is never cut.
void LimitTextLen(hinomori::ui::TextBox* box, int length);

}  // namespace mModule
