#pragma once

// The windows are laid out in twips, 1/1440 inch: 15 twips make one pixel at
// 96 dots per inch. Qt scales device-independent pixels on high-DPI screens.

#include <QRect>

#include <cmath>

namespace hinomori::ui {

constexpr int twipsPerPixel = 15;

inline int pixelsFromTwips(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

inline QRect rectFromTwips(int left, int top, int width, int height)
{
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height)};
}

}  // namespace hinomori::ui
