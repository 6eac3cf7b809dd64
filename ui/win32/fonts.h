#pragma once

// The fonts of the two windows, made for the DPI of the monitor a window is on.

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>
#include <vector>

namespace hinomori::ui::win32 {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// "ＭＳ ゴシック" 12 pt with the Japanese character set: the four boxes.
Font textBoxFont(UINT dpi, bool bold);

// "ＭＳ Ｐゴシック" 11.25 pt bold with the Japanese character set: 年号注意！.
Font attentionFont(UINT dpi);

// A text and the room its control gives it, in pixels.
struct TextRoom {
    std::u16string_view text;  // lines joined by CR LF
    int width;
    int height;
};

// The system's message font at `dpi`, the font every control without one of
// its own uses. Where a text would not fit its room in it (the windows were
// drawn for a 9-point font with a 12-pixel line), the font is made smaller,
// as little as it takes for every text's lines to fit side by side and their
// characters one above the other. Only for texts that cannot grow (the
// remarks inside their frame); a label grows instead, see grownToFit.
Font defaultFont(UINT dpi, const std::vector<TextRoom>& rooms);

// Pixel metrics of `font` for laying text out.
TEXTMETRICW metricsOf(HFONT font);

// The width of the widest line of `text` in `font`, and the height of its lines.
SIZE textExtent(HFONT font, std::u16string_view text);

// A label's rectangle, grown where its text in its font needs more room: in
// height about its middle, in width about its middle when the text is
// centred, else to the right. The windows were drawn for a 9-point font with
// a 12-pixel line; the system's font may be larger.
RECT grownToFit(RECT label, SIZE text, bool centred);

}  // namespace hinomori::ui::win32
