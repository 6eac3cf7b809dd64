#pragma once

// Texts cross into the Windows API as UTF-16 in wchar_t, which is 16 bits on
// Windows: the core's char16_t texts go in and come out unit for unit.

#include <windows.h>

#include <string>
#include <string_view>

namespace hinomori::ui::win32 {

std::wstring wide(std::u16string_view text);
std::u16string utf16(std::wstring_view text);

// A window's text (a box's contents, a label's caption).
std::u16string textOf(HWND window);
void setText(HWND window, std::u16string_view text);

}  // namespace hinomori::ui::win32
