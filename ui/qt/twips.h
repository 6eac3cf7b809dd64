#pragma once

// The windows are described in twips (conversion/window_description.h); Qt
// lays them out in device-independent pixels, 15 twips to the pixel, and
// scales those on high-DPI screens.

#include "conversion/window_description.h"

#include <QRect>

#include <cmath>

namespace hinomori::ui {

inline int pixelsFromTwips(int twips)
{
    return static_cast<int>(
        std::lround(static_cast<double>(twips) / hinomori::conversion::twips_per_pixel_at_96_dpi));
}

inline QRect pixelsFromTwips(const hinomori::conversion::TwipsRect& twips)
{
    return {pixelsFromTwips(twips.left), pixelsFromTwips(twips.top), pixelsFromTwips(twips.width),
            pixelsFromTwips(twips.height)};
}

}  // namespace hinomori::ui
