#pragma once

// What the program's windows share in building themselves from the core's
// description: the controls' classes, styles and IDs, where they stand at
// the DPI of the monitor the window is on, and the frame around them.

#include "ui/form/form.h"
#include "ui/form/form_layout.h"

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace hinomori::ui::win32 {

// The executable, whose resources (icon, version) the windows use.
HINSTANCE instance();
// Its full path, however long.
std::wstring programPath();

// The program's icon at `width` by `height` pixels, for the caller to destroy.
HICON programIcon(int width, int height);

// Registers the class `name` the first time it is asked for: windows that
// the dialog manager runs (DLGWINDOWEXTRA; `procedure` passes on to
// DefDlgProcW), on the button face. Its windows set their icons themselves,
// at their DPI's sizes.
void registerDialogClass(const wchar_t* name, WNDPROC procedure);

// A control's ID is its place in the description's tab order past this; a
// menu item's is its command's past firstCommandId.
inline constexpr int firstControlId = 100;
inline constexpr int firstCommandId = 200;

// The place of the control `name` in the description's tab order.
std::size_t indexOf(const form::WindowDescription& window, std::u16string_view name);
int controlId(const form::WindowDescription& window, std::u16string_view name);
int commandId(form::Command command);

// The window class and styles a control of that description is made of.
// Visible unless only the emphasis shows it.
struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};
ControlClass controlClass(const form::ControlDescription& control);

// The window's menu bar, or none for a window without menus.
HMENU createMenuBar(const form::WindowDescription& window);

// The font each control of a window is drawn in, and the text it shows.
using FontOf = std::function<HFONT(const form::ControlDescription&)>;
using TextOf = std::function<std::u16string(const form::ControlDescription&)>;

// Lays out the controls of `window` at `dpi` (ui/form/form_layout.h),
// each measured with its text in its font: labels and buttons grow where
// their text needs more room than the window was drawn for (a 9-point font,
// a 12-pixel line), the remarks to hold their lines, and frames where their
// caption does. The boxes keep their size: their font is a fixed one.
form::WindowLayout layOut(const form::WindowDescription& window, const TextOf& textOf,
                                const FontOf& fontOf, UINT dpi);

// Creates every control of `window` inside `parent`, in tab order, where
// `layout` places it, with the text it was laid out for and in its font;
// returns them in that order.
std::vector<HWND> createControls(HWND parent, const form::WindowDescription& window, const form::WindowLayout& layout,
                                 const TextOf& textOf, const FontOf& fontOf);

// Gives each of the `controls` made for `window` (in its order) its font and
// its place in their window's client area, without redrawing it.
void applyLayout(const std::vector<HWND>& controls, const form::WindowDescription& window,
                 const form::WindowLayout& layout, const FontOf& fontOf);

// In Windows' own type.
RECT toRect(const form::PixelRect& rect);

// The outer size of a window whose client area is `client`, with one line
// of menu bar if `menu`.
SIZE frameFor(form::PixelSize client, DWORD style, bool menu, DWORD exStyle, UINT dpi);

// Where a window of the size `frame` stands centred over `over` (screen
// coordinates), moved as little as it takes to lie within the work area of
// the monitor it is then most on. (Wine 8 ignores DM_REPOSITION.)
RECT centredOver(const RECT& over, SIZE frame);

// Tells the dialog manager that the window lays itself out on a DPI change,
// where Windows offers that (Windows 10 1703 and later).
void keepDpiScalingToMyself(HWND window);

inline int width(const RECT& r)
{
    return r.right - r.left;
}

inline int height(const RECT& r)
{
    return r.bottom - r.top;
}

}  // namespace hinomori::ui::win32
