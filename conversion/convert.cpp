#include "conversion/convert.h"

#include "conversion/input_folding.h"
#include "date/era.h"
#include "date/text_routines.h"

#include <algorithm>

namespace hinomori::conversion {

namespace {

using date::DatePattern;

std::optional<ConversionMode> classify_year(std::u16string_view year_text)
{
    const char16_t first = year_text.front();
    if (date::is_decimal_digit(first)) {
        // Gregorian years start at 1000: the era forms need four digits.
        if (date::read_int32(year_text).value_or(0) < 1000)
            return std::nullopt;
        return ConversionMode::gregorian;
    }
    if (!date::era_by_letter(first))
        return std::nullopt;
    if (date::read_int32(year_text.substr(1)).value_or(0) < 1)
        return std::nullopt;
    return ConversionMode::era;
}

ConversionResult stop_with(ConversionResult result, Warning warning)
{
    result.warning = warning;
    return result;
}

}  // namespace

std::u16string_view warning_text(Warning warning) noexcept
{
    switch (warning) {
    case Warning::year_missing: return u"「年」が未入力です。";
    case Warning::month_day_missing: return u"「月日」が未入力です。";
    case Warning::month_day_malformed: return u"「月日」が間違っています。";
    case Warning::year_malformed: return u"「年」が間違っています。";
    case Warning::gregorian_date_invalid: return u"西暦の年月日が間違っています。";
    case Warning::era_date_invalid: return u"和暦の年月日が間違っています。";
    }
    return {};
}

WarningTarget warning_target(Warning warning) noexcept
{
    switch (warning) {
    case Warning::year_missing:
    case Warning::year_malformed:
        return WarningTarget::year_box;
    case Warning::month_day_missing:
    case Warning::month_day_malformed:
    case Warning::gregorian_date_invalid:
    case Warning::era_date_invalid:
        return WarningTarget::month_day_box;
    }
    return WarningTarget::year_box;
}

ConversionResult convert(std::u16string_view year_box, std::u16string_view month_day_box)
{
    ConversionResult result;

    const std::u16string year_text = read_year_text(year_box);
    const std::u16string month_day_text = read_month_day_text(month_day_box);

    if (year_text.empty())
        return stop_with(result, Warning::year_missing);
    if (month_day_text.empty())
        return stop_with(result, Warning::month_day_missing);
    // The month/day is only checked for its slash here; the date parse judges the rest.
    if (month_day_text.find(u'/') == std::u16string::npos)
        return stop_with(result, Warning::month_day_malformed);

    const auto mode = classify_year(year_text);
    if (!mode)
        return stop_with(result, Warning::year_malformed);

    const auto date_text = [&] { return year_text + u'/' + month_day_text; };

    if (*mode == ConversionMode::gregorian) {
        std::u16string era_date = date_text();
        std::u16string weekday = FormatNen(era_date, DatePattern::era_month_day);
        if (weekday.empty())
            return stop_with(result, Warning::gregorian_date_invalid);
        result.converted_year = std::move(era_date);
        result.weekday = std::move(weekday);
        // The year box is checked as typed: a padded " 1989" is not the bare year.
        result.era_change_year = CheckNengoYear(fold_year_box(year_box)) != 0;
        return result;
    }

    // Era mode shows the normalised year in the year box even when the date then fails.
    result.year_box = year_text;
    std::u16string gregorian_date = date_text();
    std::u16string weekday = FormatNen(gregorian_date, DatePattern::year_month_day);
    if (weekday.empty())
        return stop_with(result, Warning::era_date_invalid);
    result.converted_year = gregorian_date;
    result.weekday = std::move(weekday);
    if (CheckNengoYear(gregorian_date) != 0) {
        // In an era-change year the typed letter may name the wrong era for the
        // day (H1/1/7 is still 昭和): show the era the day really belongs to.
        result.era_change_year = true;
        std::u16string era_date = date_text();
        FormatNen(era_date, DatePattern::era_month_day);
        result.year_box = std::move(era_date);
    }
    return result;
}

std::u16string FormatNen(std::u16string& dateText, date::DatePattern pattern)
{
    dateText = date::render_date_text(dateText, pattern);
    // Rendering a text that does not parse gives it back unchanged, and its
    // weekday rendering is then no single character: that is the validity test.
    std::u16string weekday = date::render_date_text(dateText, DatePattern::weekday);
    if (weekday.size() != 1)
        weekday.clear();
    dateText.resize(std::min(dateText.find(u'/'), dateText.size()));
    return weekday;
}

std::int32_t CheckNengoYear(std::u16string_view yearText)
{
    if (yearText.size() != 4 || !std::ranges::all_of(yearText, date::is_decimal_digit))
        return 0;
    const auto value = date::read_int32(yearText);
    return value && date::is_era_change_year(std::chrono::year{*value}) ? 1 : 0;
}

}  // namespace hinomori::conversion
