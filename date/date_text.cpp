#include "date/date_text.h"

#include "date/era.h"
#include "date/text_routines.h"

#include <array>

namespace hinomori::date {

namespace {

using namespace std::chrono;

// Reads a run of one or more digits, with at most `max_significant_digits`
// after any leading zeros. Values saturate instead of overflowing: a caller only checks
// ranges far below the saturation point.
std::optional<int> read_digits(std::u16string_view text, std::size_t max_significant_digits) noexcept
{
    if (text.empty())
        return std::nullopt;
    constexpr int saturated = 1'000'000;
    int value = 0;
    std::size_t significant = 0;
    for (const char16_t c : text) {
        if (!is_decimal_digit(c))
            return std::nullopt;
        if (value > 0 || c != u'0')
            ++significant;
        value = value >= saturated ? saturated : value * 10 + (c - u'0');
    }
    if (significant > max_significant_digits)
        return std::nullopt;
    return value;
}

std::optional<year> read_year(std::u16string_view text) noexcept
{
    if (text.empty())
        return std::nullopt;

    std::optional<int> gregorian;
    if (is_decimal_digit(text.front())) {
        gregorian = read_digits(text, 4);
    } else if (const EraEntry* era = era_by_letter(text.front())) {
        const auto era_year = read_digits(text.substr(1), 4);
        if (era_year && *era_year >= 1)
            gregorian = static_cast<int>(era->first_year()) + *era_year - 1;
    }
    if (!gregorian)
        return std::nullopt;
    const year y{*gregorian};
    if (y < first_supported_year || y > last_supported_year)
        return std::nullopt;
    return y;
}

// Month and day: one or two digits, leading zero allowed.
std::optional<unsigned> read_small_number(std::u16string_view text) noexcept
{
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    const auto value = read_digits(text, 2);
    if (!value)
        return std::nullopt;
    return static_cast<unsigned>(*value);
}

std::u16string era_year_text(year_month_day day)
{
    const EraEntry* era = era_of(sys_days{day});
    if (!era)
        return to_padded_digits(static_cast<int>(day.year()), 4);
    return era->letter + to_padded_digits(era->era_year(day.year()), 1);
}

}  // namespace

std::optional<year_month_day> parse_date_text(std::u16string_view text) noexcept
{
    const auto first_slash = text.find(u'/');
    if (first_slash == std::u16string_view::npos)
        return std::nullopt;
    const auto second_slash = text.find(u'/', first_slash + 1);
    if (second_slash == std::u16string_view::npos)
        return std::nullopt;

    const auto y = read_year(text.substr(0, first_slash));
    const auto m = read_small_number(text.substr(first_slash + 1, second_slash - first_slash - 1));
    const auto d = read_small_number(text.substr(second_slash + 1));
    if (!y || !m || !d)
        return std::nullopt;

    const year_month_day ymd{*y, month{*m}, day{*d}};
    if (!ymd.ok())
        return std::nullopt;
    return ymd;
}

std::u16string render_date(year_month_day day, DatePattern pattern)
{
    const auto two_digits = [](auto part) { return to_padded_digits(static_cast<unsigned>(part), 2); };
    const auto month_and_day = [&] { return u'/' + two_digits(day.month()) + u'/' + two_digits(day.day()); };
    const auto year_text = [&] { return to_padded_digits(static_cast<int>(day.year()), 4); };

    switch (pattern) {
    case DatePattern::year_month_day:
        return year_text() + month_and_day();
    case DatePattern::era_month_day:
        return era_year_text(day) + month_and_day();
    case DatePattern::era_year:
        return era_year_text(day);
    case DatePattern::month_day:
        return to_padded_digits(static_cast<unsigned>(day.month()), 1) + u'/'
               + to_padded_digits(static_cast<unsigned>(day.day()), 1);
    case DatePattern::year:
        return year_text();
    case DatePattern::weekday:
        return std::u16string(1, weekday_name(weekday{sys_days{day}}));
    }
    return {};
}

std::u16string render_date_text(std::u16string_view text, DatePattern pattern)
{
    if (const auto day = parse_date_text(text))
        return render_date(*day, pattern);
    return std::u16string(text);
}

char16_t weekday_name(weekday day) noexcept
{
    static constexpr std::array<char16_t, 7> names{u'日', u'月', u'火', u'水', u'木', u'金', u'土'};
    return names[day.c_encoding()];
}

}  // namespace hinomori::date
