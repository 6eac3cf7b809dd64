// What the main window shows when it opens and at each run, its remarks and
// its manual texts. The conversion itself is tst_convert's: these rows check
// what a run adds to it.

#include "ui/main/main_window.h"

#include "added_eras.h"
#include "text_assertions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace std::chrono;
using namespace hinomori::ui::main_window;
using hinomori::conversion::WarningTarget;
using hinomori::ui::form::ControlDescription;
using hinomori::ui::form::TwipsRect;
using hinomori::ui::form::WindowDescription;

namespace {

using hinomori::date::EraSetting;
using hinomori::test::test_era;

struct RunRow {
    const char* name;
    std::u16string_view year, month_day;
    std::optional<std::u16string_view> year_box;  // nullopt: the box keeps its text
    bool emphasis;
    std::u16string_view spoken;  // empty where a warning shows
    std::u16string_view warning = {};
    WarningTarget focus = WarningTarget::year_box;
};

const RunRow run_rows[] = {
    {"Gregorian in: the result spoken", u"2001", u"10/16", std::nullopt, false, u"変換結果 H13、曜日 火"},
    {"era typed in lower case: the year box rewritten, and said first", u"h13", u"10/16", u"H13", false,
     u"年 H13、変換結果 2001、曜日 火"},
    {"era typed as shown: written back, not said", u"H13", u"10/16", u"H13", false, u"変換結果 2001、曜日 火"},
    {"Gregorian era-change year: the warning labels spoken", u"1989", u"1/7", std::nullopt, true,
     u"変換結果 S64、曜日 土、年号注意！ 月日によって年号が変わる年です"},
    {"era in an era-change year: the era the day belongs to", u"H1", u"1/7", u"S64", true,
     u"年 S64、変換結果 1989、曜日 土、年号注意！ 月日によって年号が変わる年です"},
    {"no such day: the month/day box takes the focus", u"2001", u"13/1", std::nullopt, false, u"",
     u"西暦の年月日が間違っています。", WarningTarget::month_day_box},
    {"era date refused after the year box was rewritten", u"h13", u"2/29", u"H13", false, u"",
     u"和暦の年月日が間違っています。", WarningTarget::month_day_box},
    {"no year: the year box takes the focus", u"", u"10/16", std::nullopt, false, u"", u"「年」が未入力です。",
     WarningTarget::year_box},
};

struct StartRow {
    const char* name;
    year_month_day today;
    std::u16string_view year_box, month_day_box, weekday, converted_year;
    std::span<const EraSetting> eras = {};  // added to the table for the row
};

const StartRow start_rows[] = {
    {"ordinary day", 2001y / October / 16, u"H13", u"10/16", u"火", u"2001"},
    {"last day of 昭和", 1989y / January / 7, u"S64", u"1/7", u"土", u"1989"},
    {"first day of 平成", 1989y / January / 8, u"H1", u"1/8", u"日", u"1989"},
    {"last day of 平成", 2019y / April / 30, u"H31", u"4/30", u"火", u"2019"},
    {"first day of 令和", 2019y / May / 1, u"R1", u"5/1", u"水", u"2019"},
    {"last day before 明治", 1868y / October / 22, u"1868", u"10/22", u"木", u"1868"},
    {"first day of 明治", 1868y / October / 23, u"M1", u"10/23", u"金", u"1868"},
    {"leap day", 2024y / February / 29, u"R6", u"2/29", u"木", u"2024"},
    {"first day of an added era", 2030y / March / 1, u"Q1", u"3/1", u"金", u"2030", test_era},
    {"last 令和 day before an added era", 2030y / February / 28, u"R12", u"2/28", u"木", u"2030", test_era},
};

struct RemarksRow {
    const char* name;
    std::span<const EraSetting> eras;
    std::vector<std::u16string_view> lines;
};

const RemarksRow remarks_rows[] = {
    {"the eras the program is built with",
     {},
     {
         u"令和(2019)\u3000R01/05/01 \uFF5E",
         u"平成(1989)\u3000H01/01/08 \uFF5E H31/04/30",
         u"昭和(1926)\u3000S01/12/25 \uFF5E S64/01/07",
         u"大正(1912)\u3000T01/07/30 \uFF5E T15/12/24",
         u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29",
         u"1868/10/22以前は西暦表示",
     }},
    {"an added era: 令和 gains its last day",
     test_era,
     {
         u"試験(2030)\u3000Q01/03/01 \uFF5E",
         u"令和(2019)\u3000R01/05/01 \uFF5E R12/02/28",
         u"平成(1989)\u3000H01/01/08 \uFF5E H31/04/30",
         u"昭和(1926)\u3000S01/12/25 \uFF5E S64/01/07",
         u"大正(1912)\u3000T01/07/30 \uFF5E T15/12/24",
         u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29",
         u"1868/10/22以前は西暦表示",
     }},
};

struct ManualPathRow {
    const char* name;
    std::u16string_view folder;
    char16_t separator;
    std::u16string_view path;
};

const ManualPathRow manual_path_rows[] = {
    {"installed folder", u"/usr/lib/hinomori", u'/', u"/usr/lib/hinomori/Hinomori.txt"},
    {"root folder", u"/", u'/', u"/Hinomori.txt"},
    {"Windows folder", u"C:\\Tools\\Hinomori", u'\\', u"C:\\Tools\\Hinomori\\Hinomori.txt"},
    {"drive root", u"C:\\", u'\\', u"C:\\Hinomori.txt"},
    {"installed Windows folder", u"C:\\Program Files\\ひのもり", u'\\', u"C:\\Program Files\\ひのもり\\Hinomori.txt"},
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

TEST(MainWindow, ARunShowsItsResultsWarningOrSentence)
{
    for (const RunRow& row : run_rows) {
        SCOPED_TRACE(row.name);
        const RunShown shown = run(row.year, row.month_day);
        EXPECT_EQ(shown.year_box.has_value(), row.year_box.has_value());
        if (shown.year_box && row.year_box) {
            EXPECT_SAME_TEXT(*shown.year_box, *row.year_box);
        }
        EXPECT_EQ(shown.emphasis, row.emphasis);
        EXPECT_SAME_TEXT(shown.announcement, row.spoken);
        EXPECT_EQ(shown.warning.has_value(), !row.warning.empty());
        if (shown.warning) {
            EXPECT_SAME_TEXT(shown.warning->text, row.warning);
            EXPECT_EQ(shown.warning->focus, row.focus);
            EXPECT_FALSE(shown.converted_year) << "the last results stay";
        }
    }
}

TEST(MainWindow, StartTexts)
{
    for (const StartRow& row : start_rows) {
        SCOPED_TRACE(row.name);
        const hinomori::test::AddedEras added(row.eras);
        const StartTexts texts = start_texts(row.today);
        EXPECT_SAME_TEXT(texts.year_box, row.year_box);
        EXPECT_SAME_TEXT(texts.month_day_box, row.month_day_box);
        EXPECT_SAME_TEXT(texts.weekday, row.weekday);
        EXPECT_SAME_TEXT(texts.converted_year, row.converted_year);
    }
}

TEST(MainWindow, Remarks)
{
    for (const RemarksRow& row : remarks_rows) {
        SCOPED_TRACE(row.name);
        const hinomori::test::AddedEras added(row.eras);
        const std::vector<std::u16string> lines = remarks_lines();
        ASSERT_EQ(lines.size(), row.lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_SAME_TEXT(lines[i], row.lines[i]);
    }
}

TEST(MainWindow, ManualPathHasOneSeparator)
{
    for (const ManualPathRow& row : manual_path_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(manual_path_in(row.folder, row.separator), row.path);
    }
}

TEST(MainWindow, ManualWarningsNameThePath)
{
    struct Row {
        const char* name;
        std::u16string (*text)(std::u16string_view path);
        std::u16string_view shown;
    };
    const Row rows[] = {
        {"missing or not opened", &manual_failure_text,
         u"説明書が開けません。\r\n\r\nC:\\Program Files\\ひのもり\\Hinomori.txt\r\n"
         u" が存在するか確認してください。"},
        {"no program for text files", &manual_no_program_text,
         u"説明書が開けません。\r\n\r\nC:\\Program Files\\ひのもり\\Hinomori.txt\r\n"
         u" テキストファイル（.txt）を開くプログラムが設定されていません。"},
        {"another failure, in the system's words",
         [](std::u16string_view path) { return manual_open_failure_text(path, u"アクセスが拒否されました。"); },
         u"説明書が開けません。\r\n\r\nC:\\Program Files\\ひのもり\\Hinomori.txt\r\nアクセスが拒否されました。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(row.text(u"C:\\Program Files\\ひのもり\\Hinomori.txt"), row.shown);
    }
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
