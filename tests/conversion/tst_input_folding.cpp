#include "conversion/input_folding.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace hinomori::conversion;

namespace {

struct BoxFoldRow {
    const char* name;
    std::u16string_view typed;
    std::u16string_view year_box;
    std::optional<std::u16string_view> month_day_box;  // nullopt: as the year box
};

const BoxFoldRow box_fold_rows[] = {
    {"digits and slash", u"０１２３４５６７８９／", u"0123456789/", std::nullopt},
    {"letters", u"ＡＺａｚＨｈ", u"AZazHh", std::nullopt},
    {"ideographic space", u"\u3000H13\u3000", u" H13 ", std::nullopt},
    {"neighbours of the folded ranges stay", u"＠［｀｛．", u"＠［｀｛．", std::nullopt},
    {"kanji and ASCII stay", u"平成13/10", u"平成13/10", std::nullopt},
    {"a pasted cell's tab and line break", u"\tH13\r\n", u" H13  ", std::nullopt},
    {"middle dots are the month/day's slash", u"10・16･1", u"10・16･1", u"10/16/1"},
};

struct EraNameRow {
    const char* name;
    std::u16string_view typed;
    std::u16string_view folded;
};

const EraNameRow era_name_rows[] = {
    {"明治", u"明治45", u"M45"},
    {"大", u"大15", u"T15"},
    {"昭和", u"昭和64", u"S64"},
    {"平", u"平13", u"H13"},
    {"令和元", u"令和元", u"R1"},
    {"lower-case letter and 元", u"h元", u"h1"},
    {"元 followed by a digit", u"元1", u"元1"},
    {"digit before 元", u"H1元", u"H1元"},
    {"元 alone has no era", u"元", u"元"},
    {"era name later in the text", u"1平成", u"1平成"},
    {"letters untouched", u"H13", u"H13"},
    {"令和元年", u"令和元年", u"R1"},
    {"letter, digits and 年", u"H13年", u"H13"},
    {"abbreviation and 年", u"昭64年", u"S64"},
    {"年 alone stays", u"年", u"年"},
    {"only one 年 goes", u"H13年年", u"H13年"},
    {"年 inside stays", u"H年13", u"H年13"},
};

}  // namespace

TEST(InputFolding, FullWidth)
{
    for (const BoxFoldRow& row : box_fold_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(fold_year_box(row.typed), row.year_box);
        EXPECT_SAME_TEXT(fold_month_day_box(row.typed), row.month_day_box.value_or(row.year_box));
    }
}

TEST(InputFolding, EraNames)
{
    for (const EraNameRow& row : era_name_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(fold_era_names(row.typed), row.folded);
    }
}
