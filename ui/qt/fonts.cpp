#include "ui/qt/fonts.h"

#include "conversion/window_texts.h"
#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/core_text.h"
#include "ui/qt/version.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace hinomori::ui {

namespace {

// The smallest size a font is made; below it kanji are no longer legible.
constexpr int smallestPixelSize = 8;

// How a control places its text: one line centred, as labels and line
// edits do, each rounding an odd difference in height its own way, or lines
// from the top as the remarks label lays them out.
enum class Placement { label, lineEdit, readableLines };

// Room for each of `texts` in a box `width` by `height` pixels: `lines` lines
// (one, unless placed as the remarks label places them).
struct TextRoom {
    Placement placement;
    int lines;
    int width;
    int height;
    QStringList texts;
};

using LineLayout = accessibility::ReadableLines::Layout;

// Where the control puts the first baseline, and each next one after it.
LineLayout layoutIn(const QFont& font, const TextRoom& room)
{
    const QFontMetrics metrics(font);
    const int spare = room.height - metrics.height();
    switch (room.placement) {
    case Placement::label:
        return {static_cast<int>(std::floor(spare / 2.0 + 0.5)) + metrics.ascent(), metrics.lineSpacing()};
    case Placement::lineEdit:
        return {static_cast<int>(std::ceil(spare / 2.0 + 0.5)) + metrics.ascent(), metrics.lineSpacing()};
    case Placement::readableLines:
        break;
    }
    return accessibility::ReadableLines::layoutOf(font, room.texts);
}

// Whether the glyphs stay inside the room when the control lays the lines
// out. The outlines are measured exactly; a quarter of a pixel over is the
// faint fringe of antialiasing.
bool inkFits(const QFont& font, const TextRoom& room)
{
    const QFontMetrics metrics(font);
    QPainterPath outlines;
    for (const QString& text : room.texts) {
        if (metrics.horizontalAdvance(text) > room.width)
            return false;
        outlines.addText(0, 0, font, text);
    }
    const QRectF ink = outlines.boundingRect();
    const LineLayout layout = layoutIn(font, room);
    const qreal top = layout.baseline + ink.top();
    const qreal bottom = layout.baseline + (room.lines - 1) * layout.pitch + ink.bottom();
    return top >= -0.25 && bottom <= room.height + 0.25;
}

QFont fittedFont(QFont font, int pixelSize, const QList<TextRoom>& rooms)
{
    font.setPixelSize(pixelSize);
    const auto fits = [&font](const TextRoom& room) { return inkFits(font, room); };
    while (pixelSize > smallestPixelSize && !std::all_of(rooms.begin(), rooms.end(), fits))
        font.setPixelSize(--pixelSize);
    return font;
}

QFont fittedFont(const QStringList& families, int pixelSize, const QList<TextRoom>& rooms, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Noto CJK's everyday line box is nearly half as tall again as its
    // glyphs, and reaches further above them than below; its typographic one
    // is one em around the glyphs, as IPA's. Laid out by that one, a line's
    // glyphs sit in the middle of their room, and crowded lines can be larger.
    font.setPixelSize(pixelSize);
    if (QFontMetrics(font).height() > pixelSize * 5 / 4)
        font.setStyleStrategy(QFont::PreferTypoLineMetrics);
#endif
    return fittedFont(font, pixelSize, rooms);
}

const QStringList defaultFamilies{u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAGothic"_s, u"IPAPGothic"_s,
                                 u"Noto Sans CJK JP"_s};

// Noto's fixed-pitch face comes before IPA's: it has a real bold face.
const QStringList textBoxFamilies{u"ＭＳ ゴシック"_s, u"MS Gothic"_s, u"Noto Sans Mono CJK JP"_s, u"IPAGothic"_s};

// A line edit 24 pixels tall has 20 inside its frame.
// The boxes hold years, era letters, month/day and weekdays; a text wider
// than its box scrolls in it.
TextRoom textBoxRoom()
{
    return {Placement::lineEdit, 1, 40, 20, {u"2001"_s, u"12/31"_s, u"MTSHR"_s, u"月"_s, u"火"_s, u"水"_s, u"木"_s, u"金"_s, u"土"_s, u"日"_s}};
}

QStringList remarksLines()
{
    QStringList lines;
    for (const std::u16string& line : hinomori::conversion::remarks_lines())
        lines.append(toQString(line));
    return lines;
}

}  // namespace

QFont defaultFont()
{
    // The captions of both windows, each in its label's width.
    return fittedFont(defaultFamilies, 12,
                      {{Placement::label, 1, 24, 12, {u"入力"_s, u"変換"_s, u"曜日"_s}},
                       {Placement::label, 1, 171, 12, {toQString(hinomori::conversion::attention_detail)}},
                       {Placement::label, 1, 69, 12, {u"ひのもり"_s}},
                       {Placement::label, 1, 50, 12,
                        {toQString(hinomori::conversion::version_text(hinomori::version::major,
                                                                      hinomori::version::minor))}},
                       {Placement::label, 1, 174, 12, {QString::fromUtf16(hinomori::version::copyright)}}});
}

QFont remarksFont()
{
    return fittedFont(defaultFamilies, 12,
                      {{Placement::readableLines, 6, 205, 76, remarksLines()}});
}

QFont textBoxFont()
{
    return fittedFont(textBoxFamilies, 16, {textBoxRoom()});
}

QFont emphasisFont()
{
    QFont font = textBoxFont();
    font.setBold(true);
    return font;
}

QFont attentionFont()
{
    return fittedFont({u"ＭＳ Ｐゴシック"_s, u"MS PGothic"_s, u"IPAPGothic"_s, u"Noto Sans CJK JP"_s}, 15,
                      {{Placement::label, 1, 81, 15, {toQString(hinomori::conversion::attention_caption)}}}, true);
}

}  // namespace hinomori::ui
