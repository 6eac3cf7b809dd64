#pragma once

#include <windows.h>

namespace hinomori::ui::win32 {

// Hands one message to its window, with the keyboard handling of a dialog
// (Tab between the controls, Enter and Esc as the dialog keys) for every
// window of the program.
void dispatch(MSG& message);

// Runs the event loop until `window` is gone.
void runUntilClosed(HWND window);

}  // namespace hinomori::ui::win32
