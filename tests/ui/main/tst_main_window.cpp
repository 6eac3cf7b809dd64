// What the main window is asked to show when it opens and at each run: the
// conversion itself is tst_convert's; these rows check the order and targets.

#include "ui/main/main_window.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <string>
#include <vector>

using namespace hinomori::ui::main_window;
using hinomori::ui::form::ControlDescription;
using hinomori::ui::form::TwipsRect;
using hinomori::ui::form::WindowDescription;
using namespace std::chrono;

namespace {

// A control lies inside its container, and the window holds the frame, at
// any length of the remarks.
void expect_inside(const TwipsRect& inner, int width, int height)
{
    EXPECT_GE(inner.left, 0);
    EXPECT_GE(inner.top, 0);
    EXPECT_LE(inner.left + inner.width, width);
    EXPECT_LE(inner.top + inner.height, height);
}

// A window of four boxes that writes down what it is asked, one line each.
class RecordingWindow : public MainWindowView {
public:
    std::map<std::u16string, std::u16string, std::less<>> boxes;
    std::vector<std::u16string> asked;

    std::u16string text(std::u16string_view box) const override { return boxes.find(box)->second; }
    void set_text(std::u16string_view box, std::u16string_view text) override
    {
        boxes[std::u16string(box)] = text;
        asked.push_back(std::u16string(box) + u"=" + std::u16string(text));
    }
    void set_emphasis(bool raised) override { asked.push_back(raised ? u"emphasis on" : u"emphasis off"); }
    void warn(std::u16string_view text, std::u16string_view box) override
    {
        asked.push_back(u"warn " + std::u16string(text) + u" → " + std::u16string(box));
    }
    void announce(std::u16string_view sentence) override { asked.push_back(u"say " + std::u16string(sentence)); }
};

std::u16string lines(const std::vector<std::u16string>& asked)
{
    std::u16string text;
    for (const std::u16string& line : asked)
        text += (text.empty() ? u"" : u"\n") + line;
    return text;
}

struct RunRow {
    const char* name;
    std::u16string_view year, month_day;
    std::vector<std::u16string> asked;
};

const RunRow run_rows[] = {
    {"Gregorian: the results, then spoken",
     u"2001",
     u"10/16",
     {u"emphasis off", u"txtNenConv=H13", u"txtWeek=火", u"say 変換結果 H13、曜日 火"}},
    {"era typed in lower case: the year box rewritten, and said first",
     u"h13",
     u"10/16",
     {u"emphasis off", u"txtNen=H13", u"txtNenConv=2001", u"txtWeek=火", u"say 年 H13、変換結果 2001、曜日 火"}},
    {"era-change year: emphasis after the results, the warning labels spoken",
     u"1989",
     u"1/7",
     {u"emphasis off", u"txtNenConv=S64", u"txtWeek=土", u"emphasis on",
      u"say 変換結果 S64、曜日 土、年号注意！ 月日によって年号が変わる年です"}},
    {"no such day: the last results stay, the month/day box takes the focus",
     u"2001",
     u"13/1",
     {u"emphasis off", u"warn 西暦の年月日が間違っています。 → txtMmdd"}},
    {"no year: the year box takes the focus", u"", u"10/16", {u"emphasis off", u"warn 「年」が未入力です。 → txtNen"}},
};

TEST(MainWindow, ARunAsksForItsResultsInOrder)
{
    for (const RunRow& row : run_rows) {
        SCOPED_TRACE(row.name);
        RecordingWindow window;
        window.boxes = {{u"txtNen", std::u16string(row.year)},
                        {u"txtMmdd", std::u16string(row.month_day)},
                        {u"txtNenConv", u"last"},
                        {u"txtWeek", u"last"}};
        run_conversion(window);
        EXPECT_SAME_TEXT(lines(window.asked), lines(row.asked));
    }
}

TEST(MainWindow, OpensOnTodayWithoutEmphasis)
{
    RecordingWindow window;
    open_on(window, 1989y / January / 7);
    EXPECT_SAME_TEXT(lines(window.asked), u"txtNen=S64\ntxtMmdd=1/7\ntxtWeek=土\ntxtNenConv=1989");
}

TEST(MainWindow, RemarksGrowTheWindowByTheirLines)
{
    const WindowDescription six = description(6);
    for (const std::size_t lines : {5u, 6u, 7u, 9u}) {
        SCOPED_TRACE(lines);
        const WindowDescription window = description(lines);
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

}  // namespace
