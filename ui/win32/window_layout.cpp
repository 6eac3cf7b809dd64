#include "ui/win32/window_layout.h"

#include "ui/win32/window_text.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace hinomori::ui::win32 {

using conversion::ControlDescription;
using conversion::ControlKind;
using conversion::WindowDescription;

namespace {

// The program's icon in the executable's resources.
const wchar_t* const programIconName = MAKEINTRESOURCEW(1);

// Labels and buttons grow where their text needs more room.
bool growsToFit(ControlKind kind)
{
    return kind == ControlKind::label || kind == ControlKind::button || kind == ControlKind::default_button;
}

// A control's rectangle, grown to hold `text` in `font`: in height about its
// middle, in width about its middle when centred, else to the right. A
// button's text keeps the button's edges clear.
RECT grownToFit(RECT control, HFONT font, std::u16string_view text, ControlKind kind, bool centred)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring units = wide(text);
    SIZE needed{};
    GetTextExtentPoint32W(dc, units.c_str(), static_cast<int>(units.size()), &needed);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);

    needed.cy = metrics.tmHeight;
    if (kind != ControlKind::label) {
        // A button draws its edges and focus rectangle around the text:
        // an average character's width beside it, an edge above and below.
        needed.cx += 2 * metrics.tmAveCharWidth;
        needed.cy += 4 * GetSystemMetrics(SM_CYEDGE);
        centred = true;
    }
    if (const LONG more = needed.cy - height(control); more > 0) {
        control.top -= more / 2;
        control.bottom += more - more / 2;
    }
    if (const LONG more = needed.cx - width(control); more > 0) {
        control.left -= centred ? more / 2 : 0;
        control.right += centred ? more - more / 2 : more;
    }
    return control;
}

}  // namespace

HINSTANCE instance()
{
    return GetModuleHandleW(nullptr);
}

HICON programIcon(int width, int height)
{
    return static_cast<HICON>(LoadImageW(instance(), programIconName, IMAGE_ICON, width, height, 0));
}

void registerDialogClass(const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance(), name, &windowClass))
        return;
    windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

int controlId(const WindowDescription& window, std::u16string_view name)
{
    const auto found = std::ranges::find(window.controls, name, &ControlDescription::name);
    return firstControlId + static_cast<int>(std::distance(window.controls.begin(), found));
}

int commandId(conversion::Command command)
{
    return firstCommandId + static_cast<int>(command);
}

ControlClass controlClass(const ControlDescription& control)
{
    const DWORD visible = control.hidden_at_start ? 0 : WS_VISIBLE;
    const DWORD label = (control.alignment == conversion::Alignment::centre ? SS_CENTER : SS_LEFT) | SS_NOPREFIX;
    constexpr DWORD box = WS_TABSTOP | ES_AUTOHSCROLL;
    switch (control.kind) {
    case ControlKind::input_box:
        return {WC_EDITW, visible | box, WS_EX_CLIENTEDGE};
    case ControlKind::output_box:
        // Read-only edit boxes take the button face as their background.
        return {WC_EDITW, visible | box | ES_READONLY, WS_EX_CLIENTEDGE};
    case ControlKind::button:
        return {WC_BUTTONW, visible | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::default_button:
        return {WC_BUTTONW, visible | WS_TABSTOP | BS_DEFPUSHBUTTON, 0};
    case ControlKind::label:
        return {WC_STATICW, visible | label, 0};
    case ControlKind::frame:
        return {WC_BUTTONW, visible | BS_GROUPBOX, 0};
    case ControlKind::remarks:
        // Drawn by the window, line by line, so that every line fits whatever the font.
        return {WC_STATICW, visible | SS_OWNERDRAW, 0};
    case ControlKind::picture:
        return {WC_STATICW, visible | SS_ICON | SS_CENTERIMAGE, 0};
    case ControlKind::etched_rule:
        return {WC_STATICW, visible | SS_ETCHEDHORZ, 0};
    }
    return {WC_STATICW, visible, 0};
}

std::vector<HWND> createControls(HWND parent, const WindowDescription& window)
{
    std::vector<HWND> created;
    for (const ControlDescription& control : window.controls) {
        const ControlClass kind = controlClass(control);
        const auto id = static_cast<INT_PTR>(controlId(window, control.name));
        created.push_back(CreateWindowExW(kind.exStyle, kind.name, wide(control.caption).c_str(),
                                          WS_CHILD | kind.style, 0, 0, 0, 0, parent, reinterpret_cast<HMENU>(id),
                                          instance(), nullptr));
        // A control inside a frame is its sibling, drawn after it: directly
        // above it in the z-order, where tab order (creation order) would
        // put it below.
        if (!control.container.empty()) {
            HWND frame = created[static_cast<std::size_t>(controlId(window, control.container) - firstControlId)];
            HWND above = GetWindow(frame, GW_HWNDPREV);
            SetWindowPos(created.back(), above ? above : HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
    return created;
}

HMENU createMenuBar(const WindowDescription& window)
{
    if (window.menus.empty())
        return nullptr;
    HMENU bar = CreateMenu();
    for (const conversion::MenuDescription& menu : window.menus) {
        HMENU dropDown = CreatePopupMenu();
        for (const conversion::MenuItemDescription& item : menu.items)
            AppendMenuW(dropDown, MF_STRING, static_cast<UINT_PTR>(commandId(item.command)),
                        wide(item.caption).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), wide(menu.caption).c_str());
    }
    return bar;
}

RECT placeInWindow(const WindowDescription& window, const ControlDescription& control, UINT dpi)
{
    conversion::TwipsRect twips = control.twips;
    if (!control.container.empty()) {
        const conversion::TwipsRect& frame = window.control(control.container).twips;
        twips.left += frame.left;
        twips.top += frame.top;
    }
    return pixelsFromTwips(twips, dpi);
}

void place(HWND control, HFONT font, const WindowDescription& window, const ControlDescription& described, UINT dpi)
{
    RECT pixels = placeInWindow(window, described, dpi);
    if (growsToFit(described.kind))
        pixels = grownToFit(pixels, font, textOf(control), described.kind,
                            described.alignment == conversion::Alignment::centre);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    MoveWindow(control, pixels.left, pixels.top, width(pixels), height(pixels), FALSE);
}

SIZE frameFor(SIZE client, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    RECT frame{0, 0, client.cx, client.cy};
    AdjustWindowRectExForDpi(&frame, style, menu ? TRUE : FALSE, exStyle, dpi);
    return {width(frame), height(frame)};
}

SIZE clientSize(const WindowDescription& window, UINT dpi)
{
    return {pixelsFromTwips(window.client_width_twips, dpi), pixelsFromTwips(window.client_height_twips, dpi)};
}

void centreIn(HWND window, const RECT& area)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, area.left + (width(area) - width(frame)) / 2,
                 area.top + (height(area) - height(frame)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void keepDpiScalingToMyself(HWND window)
{
    // Looked up, not linked: Windows before 10 1703, and Wine, lack it.
    using SetBehavior = BOOL(WINAPI*)(HWND, DIALOG_DPI_CHANGE_BEHAVIORS, DIALOG_DPI_CHANGE_BEHAVIORS);
    static const auto setBehavior = reinterpret_cast<SetBehavior>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior")));
    if (setBehavior)
        setBehavior(window, DDC_DISABLE_ALL, DDC_DISABLE_ALL);
}

}  // namespace hinomori::ui::win32
