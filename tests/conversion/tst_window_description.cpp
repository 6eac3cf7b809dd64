#include "conversion/window_description.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace hinomori::conversion;

namespace {

struct FitRow {
    const char* name;
    InputRule rule;
    std::u16string_view input;
    std::size_t current_length, replaced;
    std::u16string_view kept;
};

const FitRow fit_rows[] = {
    {"typed into an empty year box", InputRule::year, u"2001", 0, 0, u"2001"},
    {"full-width folded before it is counted", InputRule::year, u"Ｈ１３", 0, 0, u"H13"},
    {"a paste cut at the bound", InputRule::year, u"200112", 0, 0, u"2001"},
    {"a key into a full box", InputRule::year, u"1", 4, 0, u""},
    {"typed over the selection", InputRule::year, u"H1", 4, 4, u"H1"},
    {"room left beside what stays", InputRule::month_day, u"10/16", 2, 0, u"10/"},
    {"the month/day box's own fold", InputRule::month_day, u"10・16", 0, 0, u"10/16"},
    {"a program-filled box past the bound", InputRule::year, u"1", 6, 1, u""},
    {"never half a character", InputRule::year, u"12\U0001F600", 1, 0, u"12"},
    {"a whole character that fits", InputRule::year, u"1\U0001F600", 1, 0, u"1\U0001F600"},
    {"no bound, no fold", InputRule::none, u"Ｈ１３ and more", 10, 0, u"Ｈ１３ and more"},
};

// A control lies inside its container, and the window holds the frame, at
// any length of the remarks.
void expect_inside(const TwipsRect& inner, int width, int height)
{
    EXPECT_GE(inner.left, 0);
    EXPECT_GE(inner.top, 0);
    EXPECT_LE(inner.left + inner.width, width);
    EXPECT_LE(inner.top + inner.height, height);
}

}  // namespace

TEST(WindowDescription, FitInput)
{
    for (const FitRow& row : fit_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(fit_input(row.rule, row.input, row.current_length, row.replaced), row.kept);
    }
}

TEST(WindowDescription, RemarksGrowTheWindowByTheirLines)
{
    const WindowDescription six = main_window(6);
    for (const std::size_t lines : {5u, 6u, 7u, 9u}) {
        SCOPED_TRACE(lines);
        const WindowDescription window = main_window(lines);
        const ControlDescription& frame = window.control(u"fraBikou");
        const ControlDescription& remarks = window.control(u"lblBikou");
        expect_inside(frame.twips, window.client_width_twips, window.client_height_twips);
        expect_inside(remarks.twips, frame.twips.width, frame.twips.height);
        EXPECT_EQ(window.client_height_twips - (frame.twips.top + frame.twips.height), 165)
            << "the frame keeps its margin below";
        EXPECT_EQ(remarks.twips.height - six.control(u"lblBikou").twips.height,
                  window.client_height_twips - six.client_height_twips);
    }
}

TEST(WindowDescription, BlackReadsOnLightBackgroundsOnly)
{
    EXPECT_TRUE(black_reads_on(240, 240, 240)) << "the usual button face";
    EXPECT_TRUE(black_reads_on(255, 255, 255)) << "high contrast white";
    EXPECT_FALSE(black_reads_on(0, 0, 0)) << "high contrast black";
    EXPECT_FALSE(black_reads_on(53, 53, 53)) << "a dark theme";
    EXPECT_FALSE(black_reads_on(0, 0, 255)) << "saturated blue is dark";
}
