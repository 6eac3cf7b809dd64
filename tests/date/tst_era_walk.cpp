#include "date/date_text.h"
#include "date/era.h"

#include "added_eras.h"
#include "text_assertions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using namespace hinomori::date;

// Walks every day from 1000-01-01 to 9999-12-31 on a calendar of the test's
// own (month lengths, the leap rule, a weekday that steps by one each day),
// writes each day as text and checks what the program renders from it
// against eras written out here, independently of the program's table.

namespace {

struct ExpectedEra {
    char16_t letter;
    int first_year, first_month, first_day;
    long days;  // days the walk finds in the era
};

// Oldest first, as the walk meets them. The day counts are worked out
// elsewhere from the first days: 平成 lasted 11070 days, 令和 runs on to the
// end of 9999, and 317326 days of the walk come before 明治.
constexpr long days_before_meiji = 317326;
constexpr ExpectedEra built_in_eras[] = {
    {u'M', 1868, 10, 23, 15985},
    {u'T', 1912, 7, 30, 5261},
    {u'S', 1926, 12, 25, 22660},
    {u'H', 1989, 1, 8, 11070},
    {u'R', 2019, 5, 1, 2914880},
};

// With 試験 (Q) added from 2030-03-01, 令和 lasts 3957 days.
constexpr ExpectedEra eras_with_test_era[] = {
    {u'M', 1868, 10, 23, 15985},
    {u'T', 1912, 7, 30, 5261},
    {u'S', 1926, 12, 25, 22660},
    {u'H', 1989, 1, 8, 11070},
    {u'R', 2019, 5, 1, 3957},
    {u'Q', 2030, 3, 1, 2910923},
};

struct Day {
    int year, month, day;
    auto operator<=>(const Day&) const = default;
};

Day first_day_of(const ExpectedEra& era) { return {era.first_year, era.first_month, era.first_day}; }

bool is_leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int month_length(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && is_leap(year) ? 29 : lengths[month - 1];
}

// Decimal digits of a positive value, zero-padded to `width`.
void append_digits(std::u16string& text, int value, int width)
{
    char16_t reversed[12];
    int count = 0;
    for (; value > 0 || count < width; value /= 10)
        reversed[count++] = static_cast<char16_t>(u'0' + value % 10);
    while (count > 0)
        text += reversed[--count];
}

// Days whose weekday is known from the calendar itself, in walking order, so
// the walk's own weekday counter is checked too.
struct Anchor {
    Day day;
    char16_t weekday;
};
constexpr Anchor anchors[] = {
    {{1000, 1, 1}, u'水'},   {{1582, 10, 15}, u'金'}, {{1868, 10, 22}, u'木'}, {{1868, 10, 23}, u'金'},
    {{1912, 7, 30}, u'火'},  {{1926, 12, 25}, u'土'}, {{1989, 1, 7}, u'土'},   {{1989, 1, 8}, u'日'},
    {{2000, 2, 29}, u'火'},  {{2001, 10, 16}, u'火'}, {{2019, 4, 30}, u'火'},  {{2019, 5, 1}, u'水'},
    {{9999, 12, 31}, u'金'},
};

constexpr std::u16string_view weekday_names = u"日月火水木金土";

// Each day is written as text ("2001/10/16"); the program must read it as
// that day, render it Gregorian and in the era the table above gives, read
// its era form back as the same day, and name the walk's weekday.
void walk_every_day(std::span<const ExpectedEra> expected_eras)
{
    Day day{1000, 1, 1};
    int weekday = 3;  // 1000-01-01 was a Wednesday
    int era = -1;     // index into expected_eras; -1 before 明治
    std::vector<long> days_in_era(expected_eras.size() + 1);
    long leap_days = 0;
    std::size_t next_anchor = 0;
    std::u16string text, gregorian, era_form;

    for (;;) {
        if (era + 1 < static_cast<int>(expected_eras.size()) && day == first_day_of(expected_eras[era + 1]))
            ++era;

        text.clear();
        append_digits(text, day.year, 1);
        text += u'/';
        append_digits(text, day.month, 1);
        text += u'/';
        append_digits(text, day.day, 1);
        gregorian.clear();
        append_digits(gregorian, day.year, 4);
        gregorian += u'/';
        append_digits(gregorian, day.month, 2);
        gregorian += u'/';
        append_digits(gregorian, day.day, 2);
        era_form.clear();
        if (era < 0) {
            append_digits(era_form, day.year, 4);
        } else {
            era_form += expected_eras[era].letter;
            append_digits(era_form, day.year - expected_eras[era].first_year + 1, 1);
        }
        era_form.append(gregorian, 4);

        const auto parsed = parse_date_text(text);
        ASSERT_TRUE(parsed) << hinomori::test::readable(text);
        ASSERT_SAME_TEXT(render_date(*parsed, DatePattern::year_month_day), gregorian);
        ASSERT_SAME_TEXT(render_date(*parsed, DatePattern::era_month_day), era_form);
        ASSERT_EQ(parse_date_text(era_form), parsed) << hinomori::test::readable(era_form);
        ASSERT_SAME_TEXT(render_date(*parsed, DatePattern::weekday), weekday_names.substr(weekday, 1));

        if (next_anchor < std::size(anchors) && day == anchors[next_anchor].day) {
            ASSERT_EQ(weekday_names[weekday], anchors[next_anchor].weekday)
                << "the walk's weekday went wrong by " << day.year;
            ++next_anchor;
        }
        ++days_in_era[era + 1];
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

    EXPECT_EQ(days_in_era[0], days_before_meiji);
    for (std::size_t i = 0; i < expected_eras.size(); ++i)
        EXPECT_EQ(days_in_era[i + 1], expected_eras[i].days) << static_cast<char>(expected_eras[i].letter);
    EXPECT_EQ(leap_days, 2182);
    EXPECT_EQ(next_anchor, std::size(anchors)) << "anchors met";
}

void expect_era_change_years(std::span<const ExpectedEra> expected_eras)
{
    for (int y = 1000; y <= 9999; ++y) {
        const bool expected = std::ranges::find(expected_eras, y, &ExpectedEra::first_year) != expected_eras.end();
        EXPECT_EQ(is_era_change_year(std::chrono::year{y}), expected) << y;
    }
}

void expect_table(std::span<const ExpectedEra> expected_eras)
{
    // The program's table runs newest first.
    const auto table = era_table();
    ASSERT_EQ(table.size(), expected_eras.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ExpectedEra& expected = expected_eras[expected_eras.size() - 1 - i];
        SCOPED_TRACE(static_cast<char>(expected.letter));
        EXPECT_EQ(table[i].letter, expected.letter);
        EXPECT_EQ(hinomori::test::iso_day(table[i].first_day),
                  hinomori::test::iso_day(std::chrono::year{expected.first_year}
                                          / std::chrono::month{static_cast<unsigned>(expected.first_month)}
                                          / std::chrono::day{static_cast<unsigned>(expected.first_day)}));
    }
}

}  // namespace

TEST(EraWalk, EveryDayRendersAndRoundTrips) { walk_every_day(built_in_eras); }
TEST(EraWalk, EraChangeYears) { expect_era_change_years(built_in_eras); }
TEST(EraWalk, TableMatchesTheErasWrittenHere) { expect_table(built_in_eras); }

TEST(EraWalk, EveryDayWithAnAddedEra)
{
    const hinomori::test::AddedEras added(hinomori::test::test_era);
    walk_every_day(eras_with_test_era);
    expect_era_change_years(eras_with_test_era);
    expect_table(eras_with_test_era);
}
