#pragma once

// The windows are described in twips, 1/1440 inch: 15 twips make one pixel
// at 96 dots per inch, 10 at 144. Every position is scaled to the DPI of the
// monitor the window is on.

#include "conversion/window_description.h"

#include <windows.h>

namespace hinomori::ui::win32 {

// Rounded to the nearest pixel, halves away from zero.
inline int pixelsFromTwips(int twips, UINT dpi)
{
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

inline RECT pixelsFromTwips(const conversion::TwipsRect& twips, UINT dpi)
{
    const int x = pixelsFromTwips(twips.left, dpi);
    const int y = pixelsFromTwips(twips.top, dpi);
    return {x, y, x + pixelsFromTwips(twips.width, dpi), y + pixelsFromTwips(twips.height, dpi)};
}

}  // namespace hinomori::ui::win32
