#pragma once

// The Convert command: reads the year and month/day boxes, decides from the
// year's shape whether it is Gregorian (2001) or an era year (H13), and gives
// what the window shows: the year in the other notation, the weekday, whether
// the year is one in which the era changed, or a warning.

#include "date/date_text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hinomori::conversion {

enum class ConversionMode : std::int32_t { era = 0, gregorian = 1 };

enum class Warning {
    year_missing,
    month_day_missing,
    month_day_malformed,
    year_malformed,
    gregorian_date_invalid,
    era_date_invalid,
};

// The box that takes the focus once the warning is dismissed.
enum class WarningTarget { year_box, month_day_box };

std::u16string_view warning_text(Warning warning) noexcept;
WarningTarget warning_target(Warning warning) noexcept;

// What one run changes. Boxes left as nullopt keep their text, so a run that
// stops at a warning leaves the last results showing.
struct ConversionResult {
    std::optional<std::u16string> year_box;        // the year box, rewritten in era mode
    std::optional<std::u16string> converted_year;  // the converted-year box
    std::optional<std::u16string> weekday;         // the weekday box
    bool era_change_year = false;                  // raises the bold year boxes and the warning labels
    std::optional<Warning> warning;
};

// One run of the Convert command over the two input boxes' texts.
ConversionResult convert(std::u16string_view year_box, std::u16string_view month_day_box);

// Renders `dateText` by `pattern`, leaves only its year part in `dateText`
// (the text before the first "/") and returns the weekday, or an empty text
// when the date is not a real one.
std::u16string FormatNen(std::u16string& dateText, date::DatePattern pattern);

// 1 when `yearText` is exactly a four-digit year in which an era of the table
// begins ("1868", "1912", "1926", "1989", "2019", and an added era's), else 0.
// No trimming, no folding.
std::int32_t CheckNengoYear(std::u16string_view yearText);

}  // namespace hinomori::conversion
