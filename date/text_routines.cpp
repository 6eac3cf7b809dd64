#include "date/text_routines.h"

#include <algorithm>
#include <limits>

namespace hinomori::date {

std::u16string_view trim_spaces(std::u16string_view text) noexcept
{
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos)
        return {};
    const auto last = text.find_last_not_of(u' ');
    return text.substr(first, last - first + 1);
}

std::u16string to_upper_ascii(std::u16string_view text)
{
    std::u16string upper(text);
    std::ranges::transform(upper, upper.begin(), [](char16_t c) {
        return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
    });
    return upper;
}

std::optional<std::int32_t> read_int32(std::u16string_view text) noexcept
{
    bool negative = false;
    if (!text.empty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;

    // Accumulate as a negative number so that INT32_MIN, whose magnitude has no
    // positive 32-bit counterpart, reads like every other value.
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (const char16_t c : text) {
        if (!is_decimal_digit(c))
            return std::nullopt;
        value = value * 10 - (c - u'0');
        if (value < lowest)
            return std::nullopt;
    }
    if (!negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::u16string to_padded_digits(std::int64_t value, int width)
{
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), u'0');
    return digits;
}

}  // namespace hinomori::date
