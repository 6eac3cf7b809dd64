#include "ui/win32/window_text.h"

namespace hinomori::ui::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows texts are UTF-16");

std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

std::u16string utf16(std::wstring_view text)
{
    return {text.begin(), text.end()};
}

std::u16string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return utf16(text);
}

void setText(HWND window, std::u16string_view text)
{
    SetWindowTextW(window, wide(text).c_str());
}

}  // namespace hinomori::ui::win32
