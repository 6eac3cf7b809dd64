#include "conversion/convert.h"

#include "added_eras.h"
#include "text_assertions.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

using namespace hinomori::conversion;

namespace {

// nullopt in a row means "the run leaves that box alone".
using Box = std::optional<std::u16string>;
constexpr std::nullopt_t none = std::nullopt;

std::u16string message(std::optional<Warning> warning)
{
    return warning ? std::u16string(warning_text(*warning)) : std::u16string();
}

struct ConvertRow {
    const char* name;
    std::u16string_view year;
    std::u16string_view month_day;
    Box year_box;
    Box converted;
    Box weekday;
    bool era_change;
    std::optional<Warning> warning = std::nullopt;
    std::span<const hinomori::date::EraSetting> eras = {};  // added to the table for the row
};

using enum Warning;
using hinomori::test::test_era;
const ConvertRow convert_rows[] = {
    // Gregorian in: the year box is never rewritten.
    {"Gregorian", u"2001", u"10/16", none, u"H13", u"火", false},
    {"last day of 昭和", u"1989", u"1/7", none, u"S64", u"土", true},
    {"first day of 平成", u"1989", u"1/8", none, u"H1", u"日", true},
    {"last day of 平成", u"2019", u"4/30", none, u"H31", u"火", true},
    {"first day of 令和", u"2019", u"5/1", none, u"R1", u"水", true},
    {"before 明治", u"1868", u"10/22", none, u"1868", u"木", true},
    {"today", u"2026", u"12/7", none, u"R8", u"月", false},
    {"leading zeros in the month/day", u"2001", u"01/07", none, u"H13", u"日", false},
    {"month/day padded with spaces", u"2001", u" 10/16 ", none, u"H13", u"火", false},

    // Era in: the year box shows the trimmed, upper-cased year, and in an
    // era-change year the era that is right for the day.
    {"era", u"H13", u"10/16", u"H13", u"2001", u"火", false},
    {"era lower case after a space", u" h13", u"10/16", u"H13", u"2001", u"火", false},
    {"平成 1 on a 昭和 day", u"H1", u"1/7", u"S64", u"1989", u"土", true},
    {"昭和 64 on a 平成 day", u"S64", u"1/8", u"H1", u"1989", u"日", true},
    {"明治 1 before 明治", u"M1", u"1/1", u"1868", u"1868", u"水", true},
    {"昭和 past its end", u"S65", u"1/1", u"S65", u"1990", u"月", false},
    {"令和 1", u"R1", u"5/1", u"R1", u"2019", u"水", true},
    {"平成 31 on a 令和 day", u"H31", u"5/1", u"R1", u"2019", u"水", true},
    {"令和 1 on a 平成 day", u"R1", u"4/30", u"H31", u"2019", u"火", true},
    {"平成 past its end", u"H32", u"1/1", u"H32", u"2020", u"水", false},

    // With 試験 (Q) added from 2030-03-01: the same rules for its letter,
    // its name and short name, and its change year.
    {"Gregorian into an added era", u"2030", u"3/1", none, u"Q1", u"金", true, none, test_era},
    {"last 令和 day before an added era", u"2030", u"2/28", none, u"R12", u"木", true, none, test_era},
    {"year after an added era's change year", u"2031", u"1/1", none, u"Q2", u"水", false, none, test_era},
    {"added era's letter", u"Q1", u"3/1", u"Q1", u"2030", u"金", true, none, test_era},
    {"added era's letter in lower case", u"q2", u"1/1", u"Q2", u"2031", u"水", false, none, test_era},
    {"added era's letter in full width", u"ｑ１", u"３/１", u"Q1", u"2030", u"金", true, none, test_era},
    {"added era's name", u"試験2", u"1/1", u"Q2", u"2031", u"水", false, none, test_era},
    {"added era's short name", u"試2", u"1/1", u"Q2", u"2031", u"水", false, none, test_era},
    {"added era's 元年", u"試験元年", u"3/1", u"Q1", u"2030", u"金", true, none, test_era},
    {"letter and 元", u"Q元", u"3/1", u"Q1", u"2030", u"金", true, none, test_era},
    {"added era 1 on a 令和 day", u"Q1", u"2/28", u"R12", u"2030", u"木", true, none, test_era},
    {"令和 12 on an added era's day", u"R12", u"3/1", u"Q1", u"2030", u"金", true, none, test_era},
    {"令和 past its end", u"R13", u"1/1", u"R13", u"2031", u"水", false, none, test_era},
    {"letter of an era not added", u"Q1", u"3/1", none, none, none, false, year_malformed},
    {"令和 stays open-ended without one", u"2030", u"3/1", none, u"R12", u"金", false},

    // What Japanese users type with the input method on.
    {"full-width Gregorian", u"１９８９", u"１/７", none, u"S64", u"土", true},
    {"full-width era", u"ｈ１３", u"１０／１６", u"H13", u"2001", u"火", false},
    {"ideographic spaces around", u"\u3000H13\u3000", u"\u300010/16", u"H13", u"2001", u"火", false},
    {"era name", u"平成13", u"10/16", u"H13", u"2001", u"火", false},
    {"era abbreviation", u"昭64", u"1/7", u"S64", u"1989", u"土", true},
    {"元 year", u"令和元", u"5/1", u"R1", u"2019", u"水", true},
    {"letter and 元", u"H元", u"1/8", u"H1", u"1989", u"日", true},
    {"元 with a digit after", u"H元1", u"1/8", none, none, none, false, year_malformed},
    {"digit with 元 after", u"1元", u"1/8", none, none, none, false, year_malformed},
    {"era name alone", u"平成", u"1/8", none, none, none, false, year_malformed},
    {"元年", u"令和元年", u"5/1", u"R1", u"2019", u"水", true},
    {"平成元年 on a 昭和 day", u"平成元年", u"1/7", u"S64", u"1989", u"土", true},
    {"letter year with 年", u"H13年", u"10/16", u"H13", u"2001", u"火", false},
    {"年 alone", u"年", u"1/8", none, none, none, false, year_malformed},
    {"年 inside the year", u"H年13", u"1/8", none, none, none, false, year_malformed},
    {"middle dot for the slash", u"2001", u"10・16", none, u"H13", u"火", false},
    {"a pasted cell's line break", u"H13\t", u"1/7\r\n", u"H13", u"2001", u"日", false},

    // Stops, in the order the checks run.
    {"year empty", u"   ", u"", none, none, none, false, year_missing},
    {"month/day empty", u"2001", u"  ", none, none, none, false, month_day_missing},
    {"month/day without slash", u"2001", u"1016", none, none, none, false, month_day_malformed},
    {"slash checked before the year", u"X", u"1016", none, none, none, false, month_day_malformed},
    {"three-digit year", u"999", u"1/1", none, none, none, false, year_malformed},
    {"zero-padded three-digit year", u"0999", u"1/1", none, none, none, false, year_malformed},
    {"year not a number", u"20a1", u"1/1", none, none, none, false, year_malformed},
    {"year beyond 32 bits", u"99999999999", u"1/1", none, none, none, false, year_malformed},
    {"letter alone", u"H", u"1/1", none, none, none, false, year_malformed},
    {"era year 0", u"H0", u"1/1", none, none, none, false, year_malformed},
    {"令和 0", u"R0", u"1/1", none, none, none, false, year_malformed},
    {"negative era year", u"H-1", u"1/1", none, none, none, false, year_malformed},
    {"unknown letter", u"X1", u"1/1", none, none, none, false, year_malformed},
    {"two letters", u"AB", u"1/1", none, none, none, false, year_malformed},
    {"Gregorian date that does not exist", u"2001", u"2/29", none, none, none, false, gregorian_date_invalid},
    {"Gregorian year past 9999", u"12345", u"1/1", none, none, none, false, gregorian_date_invalid},
    {"lone slash", u"2001", u"/", none, none, none, false, gregorian_date_invalid},
    // The era form is already in the year box when the date turns out wrong.
    {"era date that does not exist", u"h13", u"2/29", u"H13", none, none, false, era_date_invalid},
    {"era year too far", u"R9999", u"1/1", u"R9999", none, none, false, era_date_invalid},
};

struct FormatNenRow {
    const char* name;
    std::u16string_view date_text;
    hinomori::date::DatePattern pattern;
    std::u16string_view year_part;
    std::u16string_view weekday;  // empty when the date is not a real one
};

const FormatNenRow format_nen_rows[] = {
    {"to era", u"2001/10/16", hinomori::date::DatePattern::era_month_day, u"H13", u"火"},
    {"to Gregorian", u"H13/10/16", hinomori::date::DatePattern::year_month_day, u"2001", u"火"},
    {"not a date", u"2001/2/29", hinomori::date::DatePattern::era_month_day, u"2001", u""},
    {"no slash at all", u"garbage", hinomori::date::DatePattern::era_month_day, u"garbage", u""},
};

struct CheckNengoYearRow {
    const char* name;
    std::u16string_view year_text;
    std::int32_t result;
    std::span<const hinomori::date::EraSetting> eras = {};  // added to the table for the row
};

const CheckNengoYearRow check_nengo_year_rows[] = {
    {"1868", u"1868", 1},
    {"1912", u"1912", 1},
    {"1926", u"1926", 1},
    {"1989", u"1989", 1},
    {"2019", u"2019", 1},
    {"an added era's first year", u"2030", 1, test_era},
    {"2030 without an added era", u"2030", 0},
    {"built-in years with an added era", u"1989", 1, test_era},
    {"ordinary year", u"2001", 0},
    {"padded with a space", u" 1989", 0},
    {"signed", u"+1989", 0},
    {"five digits", u"01989", 0},
    {"era form", u"S64", 0},
    {"empty", u"", 0},
};

}  // namespace

TEST(Convert, Convert)
{
    for (const ConvertRow& row : convert_rows) {
        SCOPED_TRACE(row.name);
        const hinomori::test::AddedEras added(row.eras);
        const ConversionResult result = convert(row.year, row.month_day);
        EXPECT_SAME_TEXT(result.year_box, row.year_box);
        EXPECT_SAME_TEXT(result.converted_year, row.converted);
        EXPECT_SAME_TEXT(result.weekday, row.weekday);
        EXPECT_EQ(result.era_change_year, row.era_change);
        EXPECT_SAME_TEXT(message(result.warning), message(row.warning));
    }
}

TEST(Convert, FormatNenKeepsTheYearPart)
{
    for (const FormatNenRow& row : format_nen_rows) {
        SCOPED_TRACE(row.name);
        std::u16string text(row.date_text);
        const std::u16string weekday = FormatNen(text, row.pattern);
        EXPECT_SAME_TEXT(text, row.year_part);
        EXPECT_SAME_TEXT(weekday, row.weekday);
    }
}

TEST(Convert, CheckNengoYear)
{
    for (const CheckNengoYearRow& row : check_nengo_year_rows) {
        SCOPED_TRACE(row.name);
        const hinomori::test::AddedEras added(row.eras);
        EXPECT_EQ(CheckNengoYear(row.year_text), row.result);
    }
}
