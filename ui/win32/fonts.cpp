#include "ui/win32/fonts.h"

#include <algorithm>
#include <string>

namespace hinomori::ui::win32 {

namespace {

Font createFont(UINT dpi, const wchar_t* face, BYTE pitchAndFamily, int twentiethsOfAPoint, bool bold)
{
    // Point sizes are given to the twentieth (11.25 pt), as pixels at `dpi`.
    const int height = -MulDiv(twentiethsOfAPoint, static_cast<int>(dpi), 72 * 20);
    return Font(CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                            OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitchAndFamily, face));
}

LOGFONTW messageFont(UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi)) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof metrics.lfMessageFont, &metrics.lfMessageFont);
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, static_cast<int>(dpi), 96);
    }
    return metrics.lfMessageFont;
}

// A device context that measures text in a font, released when done.
class Measure {
public:
    explicit Measure(HFONT font) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, font)) {}
    ~Measure()
    {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    TEXTMETRICW metrics() const
    {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_, &metrics);
        return metrics;
    }

    int width(std::u16string_view line) const
    {
        const std::wstring text(line.begin(), line.end());
        SIZE size{};
        GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
        return size.cx;
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

bool fits(HFONT font, const std::vector<TextRoom>& rooms)
{
    const Measure measure(font);
    const TEXTMETRICW metrics = measure.metrics();
    const int characterHeight = metrics.tmHeight - metrics.tmInternalLeading;
    return std::all_of(rooms.begin(), rooms.end(), [&](const TextRoom& room) {
        int lines = 0;
        for (std::size_t start = 0; start <= room.text.size();) {
            const std::size_t end = std::min(room.text.find(u"\r\n", start), room.text.size());
            if (measure.width(room.text.substr(start, end - start)) > room.width)
                return false;
            ++lines;
            start = end + 2;
        }
        return lines * characterHeight <= room.height;
    });
}

}  // namespace

Font textBoxFont(UINT dpi, bool bold)
{
    return createFont(dpi, L"ＭＳ ゴシック", FIXED_PITCH | FF_MODERN, 12 * 20, bold);
}

Font attentionFont(UINT dpi)
{
    return createFont(dpi, L"ＭＳ Ｐゴシック", VARIABLE_PITCH | FF_SWISS, 225, true);
}

Font defaultFont(UINT dpi, const std::vector<TextRoom>& rooms)
{
    LOGFONTW logical = messageFont(dpi);
    // Never below 7 points: smaller is no longer read.
    const int smallest = MulDiv(7, static_cast<int>(dpi), 72);
    for (;;) {
        Font font(CreateFontIndirectW(&logical));
        const int height = logical.lfHeight < 0 ? -logical.lfHeight : logical.lfHeight;
        if (!font || height <= smallest || fits(font.get(), rooms))
            return font;
        logical.lfHeight = logical.lfHeight < 0 ? logical.lfHeight + 1 : logical.lfHeight - 1;
    }
}

TEXTMETRICW metricsOf(HFONT font)
{
    return Measure(font).metrics();
}

SIZE textExtent(HFONT font, std::u16string_view text)
{
    const Measure measure(font);
    SIZE extent{0, 0};
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u"\r\n", start), text.size());
        extent.cx = std::max<LONG>(extent.cx, measure.width(text.substr(start, end - start)));
        extent.cy += measure.metrics().tmHeight;
        start = end + 2;
    }
    return extent;
}

RECT grownToFit(RECT label, SIZE text, bool centred)
{
    if (const LONG more = text.cy - (label.bottom - label.top); more > 0) {
        label.top -= more / 2;
        label.bottom += more - more / 2;
    }
    if (const LONG more = text.cx - (label.right - label.left); more > 0) {
        label.left -= centred ? more / 2 : 0;
        label.right += centred ? more - more / 2 : more;
    }
    return label;
}

}  // namespace hinomori::ui::win32
