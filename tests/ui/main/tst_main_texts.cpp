#include "ui/main/main_texts.h"

#include "date/date_text.h"
#include "date/era.h"

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

namespace {

using hinomori::date::EraSetting;
using hinomori::test::test_era;

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

struct AnnouncementRow {
    const char* name;
    std::optional<std::u16string_view> rewritten_year;
    std::u16string_view converted_year, weekday;
    bool era_change_year;
    std::u16string_view spoken;
};

const AnnouncementRow announcement_rows[] = {
    {"Gregorian in", std::nullopt, u"H13", u"火", false, u"変換結果 H13、曜日 火"},
    {"era in, year box rewritten", u"H13", u"2001", u"火", false, u"年 H13、変換結果 2001、曜日 火"},
    {"era in, era-change year", u"S64", u"1989", u"土", true,
     u"年 S64、変換結果 1989、曜日 土、年号注意！ 月日によって年号が変わる年です"},
    {"Gregorian in, era-change year", std::nullopt, u"S64", u"土", true,
     u"変換結果 S64、曜日 土、年号注意！ 月日によって年号が変わる年です"},
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

// The day a date text names, as 1989-01-08, or "(none)".
std::string day_of(std::u16string_view text)
{
    return hinomori::test::iso_day(hinomori::date::parse_date_text(text));
}

std::string day_before(year_month_day day)
{
    return hinomori::test::iso_day(year_month_day{sys_days{day} - days{1}});
}

}  // namespace

TEST(WindowTexts, StartTexts)
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

TEST(WindowTexts, Remarks)
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

// Each era's line, newest first, reads "平成(1989)　H01/01/08 ～ H31/04/30":
// its name, its first year, an ideographic space, its first day, an ASCII
// space and a full-width tilde, and the day before the next era begins. The
// newest era's line stops at the tilde; a last line names the day before 明治.
TEST(WindowTexts, RemarksFollowTheEraTable)
{
    const auto eras = hinomori::date::era_table();
    const std::vector<std::u16string> lines = remarks_lines();
    ASSERT_EQ(lines.size(), eras.size() + 1);

    for (std::size_t i = 0; i < eras.size(); ++i) {
        const hinomori::date::EraEntry& era = eras[i];
        const std::u16string_view line = lines[i];
        SCOPED_TRACE(hinomori::test::readable(line));

        const std::size_t open = line.find(u'(');
        const std::size_t close = line.find(u")\u3000");
        ASSERT_NE(open, line.npos);
        ASSERT_NE(close, line.npos);
        EXPECT_SAME_TEXT(line.substr(0, open), era.name);
        EXPECT_SAME_TEXT(line.substr(open + 1, close - open - 1),
                         hinomori::date::render_date(era.first_day, hinomori::date::DatePattern::year));

        const std::u16string_view span = line.substr(close + 2);
        const std::size_t tilde = span.find(u" ～");
        ASSERT_NE(tilde, span.npos);
        const std::u16string_view first = span.substr(0, tilde);
        EXPECT_EQ(first.size(), 9u) << "two-digit era year, month and day";
        EXPECT_EQ(first.front(), era.letter);
        EXPECT_EQ(day_of(first), hinomori::test::iso_day(era.first_day));

        const std::u16string_view rest = span.substr(tilde + 2);
        if (i == 0) {
            EXPECT_SAME_TEXT(rest, u"") << "the newest era has no end";
            continue;
        }
        ASSERT_EQ(rest.size(), 10u);
        EXPECT_EQ(rest.front(), u' ');
        EXPECT_EQ(rest[1], era.letter);
        EXPECT_EQ(day_of(rest.substr(1)), day_before(eras[i - 1].first_day));
    }

    const std::u16string_view last = lines.back();
    SCOPED_TRACE(hinomori::test::readable(last));
    ASSERT_GE(last.size(), 10u);
    EXPECT_EQ(day_of(last.substr(0, 10)), day_before(eras.back().first_day));
    EXPECT_SAME_TEXT(last.substr(10), u"以前は西暦表示");
}

TEST(WindowTexts, ResultAnnouncement)
{
    for (const AnnouncementRow& row : announcement_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(result_announcement(row.rewritten_year, row.converted_year, row.weekday, row.era_change_year),
                         row.spoken);
    }
}

TEST(WindowTexts, ManualPathHasOneSeparator)
{
    for (const ManualPathRow& row : manual_path_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(manual_path_in(row.folder, row.separator), row.path);
    }
}

TEST(WindowTexts, ManualWarningsNameThePath)
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(row.text(u"C:\\Program Files\\ひのもり\\Hinomori.txt"), row.shown);
    }
}
