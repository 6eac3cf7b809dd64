#pragma once

// The fonts of the two windows, made for the DPI of the monitor a window is on.

#include "ui/form/form.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace hinomori::ui::win32 {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The system's message font at `dpi`: the font of every control that asks
// for none of its own, at the size the user chose for text.
Font messageFont(UINT dpi);

// The font a control asks for, at `dpi`; bold also where `bold` says so. A
// request for the desktop's own font gives the message font.
Font requestedFont(const form::FontRequest& request, UINT dpi, bool bold = false);

}  // namespace hinomori::ui::win32
