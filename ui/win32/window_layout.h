#pragma once

// What the program's windows share in making themselves: their window class,
// their controls, and their layout at the DPI of the monitor they are on.

#include "ui/win32/twips.h"

#include <windows.h>

#include <string_view>

namespace hinomori::ui::win32 {

// The executable, whose resources (icon, version) the windows use.
HINSTANCE instance();

// The program's icon at `width` by `height` pixels, for the caller to destroy.
HICON programIcon(int width, int height);

// Whether a window class shows the program's icon in its windows' title bars.
enum class ClassIcon { none, program };

// Registers the window class `name`, on the button face with the arrow cursor,
// the first time it is asked for. Its windows start on DefWindowProcW.
void registerWindowClass(const wchar_t* name, ClassIcon icon);

// A child control of `parent` with no size yet, whose ID is `id`.
HWND createChild(HWND parent, const wchar_t* kind, std::u16string_view text, DWORD style, DWORD exStyle, int id);

template <typename Id>
HWND createControl(HWND parent, const wchar_t* kind, std::u16string_view text, DWORD style, DWORD exStyle, Id id)
{
    return createChild(parent, kind, text, style, exStyle, static_cast<int>(id));
}

// Sends `window`'s messages from now on to `procedure`, which finds `self`
// again through forward.
void attach(HWND window, void* self, WNDPROC procedure);

// What a window made by attach does with its last message, WM_NCDESTROY: its
// object gets no message after it.
LRESULT detach(HWND window, WPARAM wParam, LPARAM lParam);

// What a window procedure does with a message to a window made by attach:
// `self`'s `handle` takes it, or DefWindowProcW while there is no `self` yet
// or any more.
template <typename Window>
LRESULT forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                LRESULT (Window::*handle)(UINT, WPARAM, LPARAM))
{
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    return (self->*handle)(message, wParam, lParam);
}

inline int width(const RECT& r)
{
    return r.right - r.left;
}

inline int height(const RECT& r)
{
    return r.bottom - r.top;
}

// Where a window's control stands.
template <typename Id>
struct Placement {
    Id id;
    TwipsRect twips;  // relative to the control's container
};

// Gives `control` its font and moves it to `pixels`, without redrawing it.
void place(HWND control, HFONT font, const RECT& pixels);

// The outer size of a window whose client area is `clientWidth` by
// `clientHeight` pixels at `dpi`; `menu` says whether it has a menu bar.
SIZE frameFor(int clientWidth, int clientHeight, DWORD style, bool menu, DWORD exStyle, UINT dpi);

// Sizes `window` without moving or activating it.
void resize(HWND window, SIZE size);

// Moves `window` to the middle of `area`, in screen coordinates.
void centreIn(HWND window, const RECT& area);

}  // namespace hinomori::ui::win32
