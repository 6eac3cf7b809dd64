#include "ui/win32/fonts.h"

#include "ui/win32/dpi.h"
#include "ui/win32/window_text.h"

namespace hinomori::ui::win32 {

Font messageFont(UINT dpi)
{
    const LOGFONTW logical = nonClientMetricsAt(dpi).lfMessageFont;
    return Font(CreateFontIndirectW(&logical));
}

Font requestedFont(const form::FontRequest& request, UINT dpi, bool bold)
{
    if (request.face.empty())
        return messageFont(dpi);
    // Sizes come in twentieths of a point (11.25 pt), made pixels at `dpi`.
    const int height = -MulDiv(request.twentieths_of_a_point, static_cast<int>(dpi), 72 * 20);
    const BYTE pitch = request.fixed_pitch ? FIXED_PITCH | FF_MODERN : VARIABLE_PITCH | FF_SWISS;
    // The faces asked for by name are Japanese ones, whose character set
    // lets Windows find a like one where they are missing.
    return Font(CreateFontW(height, 0, 0, 0, request.bold || bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                            SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch,
                            wide(request.face).c_str()));
}

}  // namespace hinomori::ui::win32
