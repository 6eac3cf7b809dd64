#include "ui/win32/window_layout.h"

#include "ui/win32/window_text.h"

namespace hinomori::ui::win32 {

HINSTANCE instance()
{
    return GetModuleHandleW(nullptr);
}

namespace {

// The program's icon in the executable's resources.
const wchar_t* const programIconName = MAKEINTRESOURCEW(1);

}  // namespace

HICON programIcon(int width, int height)
{
    return static_cast<HICON>(LoadImageW(instance(), programIconName, IMAGE_ICON, width, height, 0));
}

void registerWindowClass(const wchar_t* name, ClassIcon icon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance(), name, &windowClass))
        return;
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance();
    if (icon == ClassIcon::program)
        windowClass.hIcon = LoadIconW(instance(), programIconName);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

HWND createChild(HWND parent, const wchar_t* kind, std::u16string_view text, DWORD style, DWORD exStyle, int id)
{
    return CreateWindowExW(exStyle, kind, wide(text).c_str(), WS_CHILD | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance(), nullptr);
}

void attach(HWND window, void* self, WNDPROC procedure)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

LRESULT detach(HWND window, WPARAM wParam, LPARAM lParam)
{
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

void place(HWND control, HFONT font, const RECT& pixels)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    MoveWindow(control, pixels.left, pixels.top, width(pixels), height(pixels), FALSE);
}

SIZE frameFor(int clientWidth, int clientHeight, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectExForDpi(&frame, style, menu ? TRUE : FALSE, exStyle, dpi);
    return {width(frame), height(frame)};
}

void resize(HWND window, SIZE size)
{
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void centreIn(HWND window, const RECT& area)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, area.left + (width(area) - width(frame)) / 2,
                 area.top + (height(area) - height(frame)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace hinomori::ui::win32
