// Feeds the conversion arbitrary year and month/day texts, folded as the boxes
// fold whatever reaches them, and checks what a user could see: one of the
// fixed warnings, or a weekday and a converted year that name the same day as
// the input. Folding again changes nothing, so the boxes show what converts.
//
// Input: UTF-16 code units (little-endian), the year box's text, a line feed,
// then the month/day box's text. Odd trailing bytes are ignored.

#include "conversion/convert.h"
#include "conversion/input_folding.h"
#include "date/date_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

using namespace hinomori;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

bool is_fixed_warning(std::u16string_view text)
{
    for (const auto warning : {conversion::Warning::year_missing, conversion::Warning::month_day_missing,
                               conversion::Warning::month_day_malformed, conversion::Warning::year_malformed,
                               conversion::Warning::gregorian_date_invalid, conversion::Warning::era_date_invalid}) {
        if (text == conversion::warning_text(warning))
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    const auto split = text.find(u'\n');
    const std::u16string year_box = conversion::fold_year_box(std::u16string_view(text).substr(0, split));
    const std::u16string month_day_box = conversion::fold_month_day_box(
        split == std::u16string::npos ? std::u16string_view{} : std::u16string_view(text).substr(split + 1));
    require(conversion::fold_year_box(year_box) == year_box);
    require(conversion::fold_month_day_box(month_day_box) == month_day_box);

    const conversion::ConversionResult result = conversion::convert(year_box, month_day_box);

    if (result.warning) {
        require(is_fixed_warning(conversion::warning_text(*result.warning)));
        require(!result.converted_year && !result.weekday && !result.era_change_year);
        return 0;
    }

    require(result.converted_year && result.weekday);
    require(result.weekday->size() == 1 && std::u16string_view(u"日月火水木金土").find(result.weekday->front())
                                               != std::u16string_view::npos);

    // The input and the converted year, each with the month/day, name the same day.
    const std::u16string month_day = conversion::read_month_day_text(month_day_box);
    const std::u16string input_year = result.year_box ? *result.year_box : conversion::read_year_text(year_box);
    const auto input_day = date::parse_date_text(input_year + u'/' + month_day);
    const auto converted_day = date::parse_date_text(*result.converted_year + u'/' + month_day);
    require(input_day && converted_day && *input_day == *converted_day);
    require(date::render_date(*input_day, date::DatePattern::weekday) == *result.weekday);
    return 0;
}
