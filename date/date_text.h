#pragma once

// Dates written as text: "2001/10/16" or, with an era letter and era year,
// "H13/10/16". This is the only way dates enter and leave the program.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace hinomori::date {

// The renderings the program uses, named after their picture strings.
enum class DatePattern {
    year_month_day,  // "yyyy/mm/dd": 2001/10/16
    era_month_day,   // "ge/mm/dd":   H13/10/16, or 1868/10/22 before 明治
    era_year,        // "ge":         H13, or 1868 before 明治
    month_day,       // "m/d":        10/16
    year,            // "yyyy":       2001
    weekday,         // "aaa":        火
};

// The years a date text may name. Wider years are refused rather than
// rendered in a shape no box expects.
inline constexpr std::chrono::year first_supported_year{1};
inline constexpr std::chrono::year last_supported_year{9999};

// Reads "year/month/day". The year is ASCII digits (Gregorian) or the letter
// of an era in the table (M, T, S, H, R and any added) followed by an era
// year of at least 1, which counts from the era's first year whether or not
// the day lies in that era (H1/1/1 is 1989-01-01). Month and day are one or two digits each. Anything
// else, and days that do not exist, give nullopt.
std::optional<std::chrono::year_month_day> parse_date_text(std::u16string_view text) noexcept;

// Renders a valid day. The era comes from the day itself.
std::u16string render_date(std::chrono::year_month_day day, DatePattern pattern);

// Renders a date text; a text that does not parse comes back unchanged.
std::u16string render_date_text(std::u16string_view text, DatePattern pattern);

// Sunday first: 日 月 火 水 木 金 土.
char16_t weekday_name(std::chrono::weekday day) noexcept;

}  // namespace hinomori::date
