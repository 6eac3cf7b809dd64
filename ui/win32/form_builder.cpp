#include "ui/win32/form_builder.h"

#include "ui/win32/dpi.h"
#include "ui/win32/window_text.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <string>

namespace hinomori::ui::win32 {

using form::ControlDescription;
using form::ControlKind;
using form::WindowDescription;

namespace {

// The program's icon in the executable's resources.
const wchar_t* const programIconName = MAKEINTRESOURCEW(1);

// What a control's text needs in its font, as Windows draws it: each of its
// lines, one under the other. A button's text keeps the button's edges
// clear, an average character's width beside it and an edge above and below.
form::PixelSize neededBy(std::u16string_view text, HFONT font, ControlKind kind, UINT dpi)
{
    const bool button = kind == ControlKind::button || kind == ControlKind::default_button;
    if (!button && kind != ControlKind::label && kind != ControlKind::frame && kind != ControlKind::remarks)
        return {};
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    const std::wstring units = wide(text);
    RECT needed{};
    DrawTextW(dc, units.c_str(), static_cast<int>(units.size()), &needed, DT_CALCRECT | DT_NOPREFIX);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (!button)
        return {needed.right, std::max<int>(needed.bottom, metrics.tmHeight)};
    return {needed.right + 2 * metrics.tmAveCharWidth, metrics.tmHeight + 4 * metricAt(SM_CYEDGE, dpi)};
}

}  // namespace

HINSTANCE instance()
{
    return GetModuleHandleW(nullptr);
}

std::wstring programPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        // Cut to fit: a longer path (up to 32767 units) is asked for again.
        path.resize(path.size() * 2);
    }
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

std::size_t indexOf(const WindowDescription& window, std::u16string_view name)
{
    const auto found = std::ranges::find(window.controls, name, &ControlDescription::name);
    return static_cast<std::size_t>(std::distance(window.controls.begin(), found));
}

int controlId(const WindowDescription& window, std::u16string_view name)
{
    return firstControlId + static_cast<int>(indexOf(window, name));
}

int commandId(form::Command command)
{
    return firstCommandId + static_cast<int>(command);
}

ControlClass controlClass(const ControlDescription& control)
{
    // Every control is a group of its own, as a dialog resource's buttons,
    // boxes and labels are: the dialog manager's arrow keys move the focus
    // within a group, and would leave it on a label or the picture.
    const DWORD visible = (control.emphasis == form::Emphasis::shown ? 0 : WS_VISIBLE) | WS_GROUP;
    const DWORD label = (control.alignment == form::Alignment::centre ? SS_CENTER : SS_LEFT) | SS_NOPREFIX;
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
        // One line to each line of its text, cut at none: it grows to hold them.
        return {WC_STATICW, visible | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case ControlKind::picture:
        return {WC_STATICW, visible | SS_ICON | SS_CENTERIMAGE, 0};
    case ControlKind::etched_rule:
        return {WC_STATICW, visible | SS_ETCHEDHORZ, 0};
    }
    return {WC_STATICW, visible, 0};
}

std::vector<HWND> createControls(HWND parent, const WindowDescription& window, const form::WindowLayout& layout,
                                 const TextOf& textOf, const FontOf& fontOf)
{
    std::vector<HWND> made;
    for (const ControlDescription& control : window.controls) {
        const ControlClass kind = controlClass(control);
        const auto id = static_cast<INT_PTR>(controlId(window, control.name));
        const form::PixelRect placed = layout.in_client(window, control.name);
        HWND created = CreateWindowExW(kind.exStyle, kind.name, wide(textOf(control)).c_str(), WS_CHILD | kind.style,
                                       placed.left, placed.top, placed.width, placed.height, parent,
                                       reinterpret_cast<HMENU>(id), instance(), nullptr);
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(control)), FALSE);
        // An etched line sizes itself to its edge as it is made (under Wine
        // 8, two pixels wider than asked): put back where it stands.
        if (control.kind == ControlKind::etched_rule)
            MoveWindow(created, placed.left, placed.top, placed.width, placed.height, FALSE);
        // A control inside a frame is its sibling, drawn after it: directly
        // above it in the z-order, where tab order (creation order) would
        // put it below.
        if (!control.container.empty()) {
            HWND above = GetWindow(made[indexOf(window, control.container)], GW_HWNDPREV);
            SetWindowPos(created, above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        made.push_back(created);
    }
    return made;
}

HMENU createMenuBar(const WindowDescription& window)
{
    if (window.menus.empty())
        return nullptr;
    HMENU bar = CreateMenu();
    for (const form::MenuDescription& menu : window.menus) {
        HMENU dropDown = CreatePopupMenu();
        for (const form::MenuItemDescription& item : menu.items)
            AppendMenuW(dropDown, MF_STRING, static_cast<UINT_PTR>(commandId(item.command)),
                        wide(item.caption).c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), wide(menu.caption).c_str());
    }
    return bar;
}

form::WindowLayout layOut(const WindowDescription& window, const TextOf& textOf, const FontOf& fontOf,
                                UINT dpi)
{
    return form::lay_out(window, static_cast<int>(dpi), [&](const ControlDescription& control) {
        return neededBy(textOf(control), fontOf(control), control.kind, dpi);
    });
}

void applyLayout(const std::vector<HWND>& controls, const WindowDescription& window, const form::WindowLayout& layout,
                 const FontOf& fontOf)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDescription& described = window.controls[i];
        const form::PixelRect placed = layout.in_client(window, described.name);
        SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(described)), FALSE);
        MoveWindow(controls[i], placed.left, placed.top, placed.width, placed.height, FALSE);
    }
}

RECT toRect(const form::PixelRect& rect)
{
    return {rect.left, rect.top, rect.right(), rect.bottom()};
}

SIZE frameFor(form::PixelSize client, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    RECT frame{0, 0, client.width, client.height};
    adjustWindowRect(frame, style, menu, exStyle, dpi);
    return {width(frame), height(frame)};
}

RECT centredOver(const RECT& over, SIZE frame)
{
    RECT placed{over.left + (width(over) - frame.cx) / 2, over.top + (height(over) - frame.cy) / 2, 0, 0};
    placed.right = placed.left + frame.cx;
    placed.bottom = placed.top + frame.cy;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&placed, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    OffsetRect(&placed, std::max(work.left - placed.left, std::min(0L, work.right - placed.right)),
               std::max(work.top - placed.top, std::min(0L, work.bottom - placed.bottom)));
    return placed;
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
