#pragma once

#include <windows.h>

namespace mModule {

// Bounds what the user can type or paste into the edit box `hWnd` to `length`
// characters (UTF-16 units), through the box's own EM_LIMITTEXT. Text the
// program writes into the box is never cut.
void LimitTextLen(HWND hWnd, int length);

}  // namespace mModule
