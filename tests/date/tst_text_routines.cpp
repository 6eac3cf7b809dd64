#include "date/text_routines.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

using namespace hinomori::date;

namespace {

struct ReadInt32Row {
    const char* name;
    std::u16string_view text;
    std::optional<std::int32_t> value;  // nullopt: the text does not read
};

const ReadInt32Row read_int32_rows[] = {
    {"plain", u"2001", 2001},
    {"leading zeros", u"0999", 999},
    {"plus sign", u"+13", 13},
    {"minus sign", u"-5", -5},
    {"largest", u"2147483647", std::numeric_limits<std::int32_t>::max()},
    {"smallest", u"-2147483648", std::numeric_limits<std::int32_t>::min()},
    {"one past largest", u"2147483648", std::nullopt},
    {"one past smallest", u"-2147483649", std::nullopt},
    {"far too many digits", u"99999999999999999999999", std::nullopt},
    {"empty", u"", std::nullopt},
    {"sign alone", u"-", std::nullopt},
    {"trailing letter", u"12a", std::nullopt},
    {"inner space", u"1 2", std::nullopt},
    {"full-width digits", u"１２", std::nullopt},
    {"decimal point", u"1.5", std::nullopt},
};

struct TrimRow {
    const char* name;
    std::u16string_view text;
    std::u16string_view trimmed;
};

const TrimRow trim_rows[] = {
    {"both ends", u"  H13 ", u"H13"},
    {"inner space kept", u" 10 /16 ", u"10 /16"},
    {"only spaces", u"   ", u""},
    {"tab is not a space", u"\tH13", u"\tH13"},
    {"ideographic space is not trimmed", u"\u3000H13", u"\u3000H13"},
};

struct PaddedRow {
    const char* name;
    std::int64_t value;
    int width;
    std::u16string_view digits;
};

const PaddedRow padded_rows[] = {
    {"padded", 5, 2, u"05"},
    {"zero", 0, 2, u"00"},
    {"wider than width", 123, 2, u"123"},
    {"four-digit year", 999, 4, u"0999"},
};

}  // namespace

TEST(Text, ReadInt32)
{
    for (const ReadInt32Row& row : read_int32_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(read_int32(row.text), row.value);
    }
}

TEST(Text, TrimSpaces)
{
    for (const TrimRow& row : trim_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(trim_spaces(row.text), row.trimmed);
    }
}

TEST(Text, UpperCase)
{
    EXPECT_SAME_TEXT(to_upper_ascii(u"h13 az AZ 09 ｈ 平成"), u"H13 AZ AZ 09 ｈ 平成");
}

TEST(Text, PaddedDigits)
{
    for (const PaddedRow& row : padded_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(to_padded_digits(row.value, row.width), row.digits);
    }
}
