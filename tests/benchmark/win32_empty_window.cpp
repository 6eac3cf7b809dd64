// What the start-up benchmark measures the program against: a window of the
// main window's class of frame, client size and menu bar, with nothing in
// it, shown the same way. It loads only what any window needs.
//
// Started as `empty_window.exe label` it holds one label: what any window of
// the program's manifest pays before its first control, which has Windows
// load common controls 6. As `empty_window.exe controls` it holds a bare
// control of the same class in place of each of the main window's (no
// font, text or layout): what that many controls cost in themselves.

#include "ui/form/form.h"
#include "ui/main/main_window.h"
#include "ui/main/main_window.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace {

std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show)
{
    const hinomori::ui::form::WindowDescription described =
        hinomori::ui::main_window::description(hinomori::ui::main_window::remarks_lines().size());

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"emptyWindow";
    RegisterClassExW(&windowClass);

    HMENU bar = CreateMenu();
    for (const auto& menu : described.menus) {
        HMENU dropDown = CreatePopupMenu();
        for (const auto& item : menu.items)
            AppendMenuW(dropDown, MF_STRING, 1, wide(item.caption).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), wide(menu.caption).c_str());
    }

    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, MulDiv(described.client_width_twips, 96, 1440), MulDiv(described.client_height_twips, 96, 1440)};
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    HWND window = CreateWindowExW(0, L"emptyWindow", L"empty", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, bar, instance, nullptr);
    const std::wstring_view mode(commandLine);
    if (mode == L"label")
        CreateWindowExW(0, L"Static", L"label", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, window, nullptr, instance,
                        nullptr);
    if (mode == L"controls") {
        using hinomori::ui::form::ControlKind;
        int top = 0;
        for (const auto& control : described.controls) {
            const bool box = control.kind == ControlKind::input_box || control.kind == ControlKind::output_box;
            const bool button = control.kind == ControlKind::button || control.kind == ControlKind::default_button
                                || control.kind == ControlKind::frame;
            CreateWindowExW(0, box ? L"Edit" : button ? L"Button" : L"Static", L"", WS_CHILD | WS_VISIBLE, 0, top,
                            100, 16, window, nullptr, instance, nullptr);
            top += 16;
        }
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG message;
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
