#pragma once

#include <windows.h>

#include <string_view>

namespace hinomori::ui::win32 {

// The program's warning: a modal message box over `owner` with the
// exclamation icon and one OK button, titled with the owner's caption.
void showWarning(HWND owner, std::u16string_view text);

}  // namespace hinomori::ui::win32
