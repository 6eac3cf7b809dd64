#include "ui/win32/fonts.h"

#include "ui/win32/window_text.h"

#include <algorithm>
#include <string>

namespace hinomori::ui::win32 {

namespace {

LOGFONTW messageLogFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfMessageFont, &metrics.lfMessageFont);
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), 96);
    }
    return metrics.lfMessageFont;
}

bool fits(HFONT font, const std::vector<std::u16string>& lines, int width, int height)
{
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const bool wideEnough = std::ranges::all_of(lines, [&](const std::u16string& line) {
        const std::wstring units = wide(line);
        SIZE size{};
        GetTextExtentPoint32W(dc, units.c_str(), static_cast<int>(units.size()), &size);
        return size.cx <= width;
    });
    SelectObject(dc, old);
    DeleteDC(dc);
    const int characterHeight = metrics.tmHeight - metrics.tmInternalLeading;
    return wideEnough && static_cast<int>(lines.size()) * characterHeight <= height;
}

}  // namespace

Font messageFont(UINT dpi)
{
    const LOGFONTW logical = messageLogFont(dpi);
    return Font(CreateFontIndirectW(&logical));
}

Font requestedFont(const conversion::FontRequest& request, UINT dpi, bool bold)
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

Font fittedFont(UINT dpi, const std::vector<std::u16string>& lines, int width, int height)
{
    LOGFONTW logical = messageLogFont(dpi);
    const int smallest = MulDiv(7, static_cast<int>(dpi), 72);
    for (;;) {
        Font font(CreateFontIndirectW(&logical));
        const int size = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
        if (!font || size <= smallest || fits(font.get(), lines, width, height))
            return font;
        logical.lfHeight = logical.lfHeight < 0 ? logical.lfHeight + 1 : logical.lfHeight - 1;
    }
}

}  // namespace hinomori::ui::win32
