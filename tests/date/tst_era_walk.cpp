#include "date/date_text.h"
#include "date/era.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

using namespace hinomori::date;

// Walks every day from 1000-01-01 to 9999-12-31 on a calendar of the test's
// own (month lengths, the leap rule, a weekday that steps by one each day),
// writes each day as text and checks what the program renders from it
// against eras written out here, independently of the program's table.

namespace {

struct ExpectedEra {
    char16_t letter;
    int first_year, first_month, first_day;
};

// Newest first, as the remarks panel lists them.
constexpr ExpectedEra expected_eras[] = {
    {u'R', 2019, 5, 1},
    {u'H', 1989, 1, 8},
    {u'S', 1926, 12, 25},
    {u'T', 1912, 7, 30},
    {u'M', 1868, 10, 23},
};

struct Day {
    int year, month, day;
    auto operator<=>(const Day&) const = default;
};

bool is_leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int month_length(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : lengths[month - 1];
}

std::u16string digits(int value, int width)
{
    std::u16string text;
    for (; value > 0 || static_cast<int>(text.size()) < width; value /= 10)
        text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    return text;
}

// 'G' for the days before 明治, which keep the Gregorian year.
char16_t expected_letter(const Day& day)
{
    for (const ExpectedEra& era : expected_eras) {
        if (day >= Day{era.first_year, era.first_month, era.first_day})
            return era.letter;
    }
    return u'G';
}

std::u16string expected_era_form(const Day& day, char16_t letter)
{
    std::u16string year = digits(day.year, 4);
    for (const ExpectedEra& era : expected_eras) {
        if (era.letter == letter)
            year = letter + digits(day.year - era.first_year + 1, 1);
    }
    return year + u'/' + digits(day.month, 2) + u'/' + digits(day.day, 2);
}

// Days the walk finds in each era, and before 明治, counted elsewhere from the
// eras' first days: 平成 lasted 11070 days, 令和 runs on to the end of 9999.
const std::map<char16_t, long> expected_days_per_era = {
    {u'G', 317326}, {u'M', 15985}, {u'T', 5261}, {u'S', 22660}, {u'H', 11070}, {u'R', 2914880},
};

// Days whose weekday is known from the calendar itself, so the walk's own
// weekday counter is checked too.
const std::map<Day, char16_t> anchor_weekdays = {
    {{1000, 1, 1}, u'水'},  {{1582, 10, 15}, u'金'}, {{1868, 10, 22}, u'木'}, {{1868, 10, 23}, u'金'},
    {{1912, 7, 30}, u'火'}, {{1926, 12, 25}, u'土'}, {{1989, 1, 7}, u'土'},   {{1989, 1, 8}, u'日'},
    {{2000, 2, 29}, u'火'}, {{2001, 10, 16}, u'火'}, {{2019, 4, 30}, u'火'},  {{2019, 5, 1}, u'水'},
    {{9999, 12, 31}, u'金'},
};

constexpr std::u16string_view weekday_names = u"日月火水木金土";

}  // namespace

TEST(EraWalk, EveryDayRendersAndRoundTrips)
{
    Day day{1000, 1, 1};
    int weekday = 3;  // 1000-01-01 was a Wednesday
    std::map<char16_t, long> days_per_era;
    long leap_days = 0;
    std::size_t anchors_met = 0;

    for (;;) {
        const std::u16string text = digits(day.year, 1) + u'/' + digits(day.month, 1) + u'/' + digits(day.day, 1);
        const std::u16string gregorian = digits(day.year, 4) + u'/' + digits(day.month, 2) + u'/' + digits(day.day, 2);
        const char16_t letter = expected_letter(day);
        const std::u16string era_form = expected_era_form(day, letter);

        ASSERT_SAME_TEXT(render_date_text(text, DatePattern::year_month_day), gregorian);
        ASSERT_SAME_TEXT(render_date_text(text, DatePattern::era_month_day), era_form);
        ASSERT_SAME_TEXT(render_date_text(era_form, DatePattern::year_month_day), gregorian);
        ASSERT_SAME_TEXT(render_date_text(text, DatePattern::weekday), weekday_names.substr(weekday, 1));

        if (const auto anchor = anchor_weekdays.find(day); anchor != anchor_weekdays.end()) {
            ASSERT_EQ(weekday_names[weekday], anchor->second) << "the walk's weekday went wrong by " << day.year;
            ++anchors_met;
        }
        ++days_per_era[letter];
        leap_days += day.month == 2 && day.day == 29;

        if (day == Day{9999, 12, 31})
            break;
        weekday = (weekday + 1) % 7;
        if (++day.day > month_length(day.year, day.month)) {
            day.day = 1;
            if (++day.month > 12) {
                day.month = 1;
                ++day.year;
            }
        }
    }

    EXPECT_EQ(days_per_era, expected_days_per_era);
    EXPECT_EQ(leap_days, 2182);
    EXPECT_EQ(anchors_met, anchor_weekdays.size());
}

TEST(EraWalk, EraChangeYears)
{
    for (int y = 1000; y <= 9999; ++y) {
        const bool expected = y == 1868 || y == 1912 || y == 1926 || y == 1989 || y == 2019;
        EXPECT_EQ(is_era_change_year(std::chrono::year{y}), expected) << y;
    }
}

TEST(EraWalk, TableMatchesTheErasWrittenHere)
{
    const auto table = era_table();
    ASSERT_EQ(table.size(), std::size(expected_eras));
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(static_cast<char>(expected_eras[i].letter));
        EXPECT_EQ(table[i].letter, expected_eras[i].letter);
        const ExpectedEra& expected = expected_eras[i];
        EXPECT_EQ(hinomori::test::iso_day(table[i].first_day),
                  hinomori::test::iso_day(std::chrono::year{expected.first_year}
                                          / std::chrono::month{static_cast<unsigned>(expected.first_month)}
                                          / std::chrono::day{static_cast<unsigned>(expected.first_day)}));
    }
}
