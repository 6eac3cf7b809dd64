#pragma once

// The windows are laid out in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch, 10 at 144. Every position is scaled to the DPI of the
// monitor the window is on.

#include <windows.h>

namespace hinomori::ui::win32 {

// Rounded to the nearest pixel, halves away from zero.
inline int pixelsFromTwips(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

// Left, top, width and height in twips, as pixels at `dpi`.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    RECT pixels(UINT dpi) const
    {
        const int x = pixelsFromTwips(left, dpi);
        const int y = pixelsFromTwips(top, dpi);
        return {x, y, x + pixelsFromTwips(width, dpi), y + pixelsFromTwips(height, dpi)};
    }
};

}  // namespace hinomori::ui::win32
