#pragma once

#include "ui/form/form.h"

#include <windows.h>

namespace hinomori::ui::win32 {

// Gives the edit control `box` what the main window's boxes do beyond the
// edit control's own:
// - The click that brings the focus in selects the whole text, unless it
//   dragged out a selection of its own; later clicks place the caret. (Tab
//   and the window's own focus moves select through the dialog manager; the
//   focus coming back with the window leaves the selection as it was.)
// - Under an input rule, whatever the user types, pastes or commits from the
//   input method is folded and cut to what the bound leaves room for
//   (conversion::fit_input); a character of two UTF-16 units goes in whole
//   or not at all. Text the program sets is never cut.
void makeTextBox(HWND box, conversion::InputRule rule);

}  // namespace hinomori::ui::win32
