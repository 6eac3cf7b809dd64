#pragma once

// Text primitives the date services and the conversion rest on. They work on
// UTF-16 code units, the same units a QString counts. Every character the
// conversion accepts is one unit; a character outside the Basic Multilingual
// Plane is two (a surrogate pair), though the windows show it as one.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hinomori::date {

// True exactly for the ASCII digits 0-9.
constexpr bool is_decimal_digit(char16_t c) noexcept { return c >= u'0' && c <= u'9'; }

// The text less leading and trailing ASCII spaces (U+0020 only).
std::u16string_view trim_spaces(std::u16string_view text) noexcept;

// a-z turned to A-Z; every other unit unchanged.
std::u16string to_upper_ascii(std::u16string_view text);

// An optionally signed run of ASCII digits and nothing else, read as a signed
// 32-bit value. Empty text, any other unit, or a value outside the 32-bit range
// gives nullopt: the read never wraps.
std::optional<std::int32_t> read_int32(std::u16string_view text) noexcept;

// ASCII digits of a non-negative value, zero-padded to at least `width` digits.
std::u16string to_padded_digits(std::int64_t value, int width);

}  // namespace hinomori::date
