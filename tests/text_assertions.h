#pragma once

// GoogleTest prints a std::u16string as a run of \x escapes, which hides what
// a Japanese text says. These assertions compare UTF-16 texts and, when they
// differ, print both as UTF-8 with line breaks and tabs made visible.

#include <gtest/gtest.h>

#include <chrono>
#include <concepts>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace hinomori::test {

// The text as UTF-8 in double quotes; CR, LF, tab, quote and backslash
// escaped, and a lone surrogate shown as \uD800, since it has no UTF-8 form.
inline std::string readable(std::u16string_view text)
{
    std::string out = "\"";
    const auto put = [&out](char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        switch (unit) {
        case u'\r': out += "\\r"; continue;
        case u'\n': out += "\\n"; continue;
        case u'\t': out += "\\t"; continue;
        case u'"': out += "\\\""; continue;
        case u'\\': out += "\\\\"; continue;
        default: break;
        }
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            put(0x10000 + ((char32_t{unit} - 0xD800) << 10) + (char32_t{text[i + 1]} - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(unit >> shift) & 0xF];
        } else if (unit < 0x20) {
            out += "\\x";
            out += "0123456789ABCDEF"[unit >> 4];
            out += "0123456789ABCDEF"[unit & 0xF];
        } else {
            put(unit);
        }
    }
    return out + '"';
}

// A day as 1989-01-08, since GoogleTest shows a std::chrono date as raw bytes;
// "(none)" for a text that named no day.
inline std::string iso_day(std::optional<std::chrono::year_month_day> day)
{
    if (!day)
        return "(none)";
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day->year()),
                  static_cast<unsigned>(day->month()), static_cast<unsigned>(day->day()));
    return text;
}

inline ::testing::AssertionResult same_text(const char* actual_expression, const char* expected_expression,
                                            std::u16string_view actual, std::u16string_view expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual_expression << "\n      is " << readable(actual) << "\nexpected "
                                         << readable(expected) << " (" << expected_expression << ')';
}

// For results that may leave a text out; nullopt prints as "(none)".
template <std::same_as<std::optional<std::u16string>> Optional>
::testing::AssertionResult same_text(const char* actual_expression, const char* expected_expression,
                                     const Optional& actual, const Optional& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    const auto shown = [](const Optional& text) { return text ? readable(*text) : std::string("(none)"); };
    return ::testing::AssertionFailure() << actual_expression << "\n      is " << shown(actual) << "\nexpected "
                                         << shown(expected) << " (" << expected_expression << ')';
}

}  // namespace hinomori::test

#define EXPECT_SAME_TEXT(actual, expected) EXPECT_PRED_FORMAT2(::hinomori::test::same_text, actual, expected)
#define ASSERT_SAME_TEXT(actual, expected) ASSERT_PRED_FORMAT2(::hinomori::test::same_text, actual, expected)
