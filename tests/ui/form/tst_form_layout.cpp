// Where controls go when their fonts need more room than they were drawn with.

#include "ui/form/form_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string_view>
#include <vector>

using namespace hinomori::ui::form;

// Shown as rectangles and sizes where a row fails.
namespace hinomori::ui::form {
void PrintTo(const PixelRect& r, std::ostream* out)
{
    *out << '(' << r.left << ',' << r.top << ' ' << r.width << 'x' << r.height << ')';
}
void PrintTo(const PixelSize& s, std::ostream* out)
{
    *out << s.width << 'x' << s.height;
}
}  // namespace hinomori::ui::form

namespace {

// A row of a label and a box, a centred label under it, in 100 × 60: the
// smallest margins are 20 on the right and 10 at the bottom.
constexpr PixelRect label{10, 12, 20, 10};
constexpr PixelRect box{40, 10, 30, 14};
constexpr PixelRect note{20, 40, 60, 10};
constexpr PixelSize area{100, 60};

struct PlaceRow {
    const char* name;
    PixelSize label_needs, box_needs, note_needs;
    std::vector<PixelRect> placed;
    PixelSize area;
};

const PlaceRow place_rows[] = {
    {"everything fits: as drawn", {20, 10}, {30, 14}, {50, 8}, {label, box, note}, area},
    {"wider label: its row-mate keeps the gap", {25, 10}, {30, 14}, {60, 10}, {{10, 12, 25, 10}, {45, 10, 30, 14}, note},
     area},
    {"taller box: grows about its middle, what is below moves down",
     {20, 10},
     {30, 20},
     {60, 10},
     {label, {40, 7, 30, 20}, {20, 43, 60, 10}},
     {100, 63}},
    {"wider centred label: grows on both sides, the area keeps its margins",
     {20, 10},
     {30, 14},
     {70, 10},
     {label, box, {20, 40, 70, 10}},
     {110, 60}},
    {"centred label wider than the area: the area grows, the label stays centred",
     {20, 10},
     {30, 14},
     {110, 10},
     {label, box, {20, 40, 110, 10}},
     {150, 60}},
    {"row pushed past the margin: the area grows, the centred label stays centred",
     {60, 10},
     {30, 14},
     {60, 10},
     {{10, 12, 60, 10}, {80, 10, 30, 14}, {35, 40, 60, 10}},
     {130, 60}},
};

TEST(WindowLayout, GrownControlsKeepTheirGaps)
{
    for (const PlaceRow& row : place_rows) {
        SCOPED_TRACE(row.name);
        const Placement placement =
            place({{label, row.label_needs, false}, {box, row.box_needs, false}, {note, row.note_needs, true}}, area);
        EXPECT_EQ(placement.controls, row.placed);
        EXPECT_EQ(placement.area, row.area);
    }
}

// A window of 150 × 90 pixels at 96 dpi: a rule under the menu bar, a
// button, and a frame holding a label, whose own height is the caption line.
WindowDescription framed_window()
{
    return {u"frmTest", WindowKind::dialog, u"", 2250, 1350,
            {
                {u"cmdGo", ControlKind::button, {1500, 150, 600, 300}, u"Go"},
                {u"fraBox", ControlKind::frame, {150, 600, 1200, 600}, u"Box"},
                {.name = u"lblIn", .kind = ControlKind::label, .twips = {150, 300, 900, 150}, .caption = u"In",
                 .container = u"fraBox"},
                {u"linRule", ControlKind::etched_rule, {0, 0, 2250, 30}, u""},
            },
            {}};
}

struct LayOutRow {
    const char* name;
    std::map<std::u16string_view, PixelSize> needs;
    std::vector<PixelRect> in_container;  // cmdGo, fraBox, lblIn, linRule
    PixelRect label_in_client;
    PixelSize client;
};

const LayOutRow lay_out_rows[] = {
    {"everything fits: as drawn",
     {{u"fraBox", {20, 10}}},
     {{100, 10, 40, 20}, {10, 40, 80, 40}, {10, 20, 60, 10}, {0, 0, 150, 2}},
     {20, 60, 60, 10},
     {150, 90}},
    {"a caption taller than its line moves what the frame holds down; the frame grows about its middle",
     {{u"fraBox", {20, 16}}},
     {{100, 10, 40, 20}, {10, 39, 80, 43}, {10, 23, 60, 10}, {0, 0, 150, 2}},
     {20, 62, 60, 10},
     {150, 92}},
    {"a wider button grows on both sides; the window and its rule grow to keep the margin",
     {{u"fraBox", {20, 10}}, {u"cmdGo", {50, 20}}},
     {{95, 10, 50, 20}, {10, 40, 80, 40}, {10, 20, 60, 10}, {0, 0, 155, 2}},
     {20, 60, 60, 10},
     {155, 90}},
};

TEST(WindowLayout, LaysADescribedWindowOut)
{
    const WindowDescription window = framed_window();
    for (const LayOutRow& row : lay_out_rows) {
        SCOPED_TRACE(row.name);
        const WindowLayout layout = lay_out(window, 96, [&](const ControlDescription& control) {
            const auto need = row.needs.find(control.name);
            return need == row.needs.end() ? PixelSize{} : need->second;
        });
        EXPECT_EQ(layout.controls, row.in_container);
        EXPECT_EQ(layout.in_client(window, u"lblIn"), row.label_in_client);
        EXPECT_EQ(layout.client, row.client);
    }
}

TEST(WindowLayout, TwipsRoundToTheNearestPixelHalvesAwayFromZero)
{
    const struct {
        int twips, dpi, pixels;
    } rows[] = {{15, 96, 1}, {7, 96, 0}, {8, 96, 1}, {5, 144, 1}, {-5, 144, -1}, {1440, 192, 192}};
    for (const auto& row : rows)
        EXPECT_EQ(pixels_from_twips(row.twips, row.dpi), row.pixels) << row.twips << " twips at " << row.dpi;
}

}  // namespace
