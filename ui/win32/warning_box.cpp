#include "ui/win32/warning_box.h"

#include "ui/win32/window_text.h"

namespace hinomori::ui::win32 {

void showWarning(HWND owner, std::u16string_view text)
{
    MessageBoxW(owner, wide(text).c_str(), wide(textOf(owner)).c_str(), MB_ICONEXCLAMATION | MB_OK);
}

}  // namespace hinomori::ui::win32
