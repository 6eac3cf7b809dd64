#include "conversion/input_folding.h"

#include "added_eras.h"
#include "text_assertions.h"

#include <gtest/gtest.h>

#include <optional>
#include <span>
#include <string_view>

using namespace hinomori::conversion;

namespace {

struct FitRow {
    const char* name;
    InputRule rule;
    std::u16string_view input;
    std::size_t current_length, replaced;
    std::u16string_view kept;
};

const FitRow fit_rows[] = {
    {"typed into an empty year box", InputRule::year, u"2001", 0, 0, u"2001"},
    {"full-width folded before it is counted", InputRule::year, u"Ｈ１３", 0, 0, u"H13"},
    {"a paste cut at the bound", InputRule::year, u"200112", 0, 0, u"2001"},
    {"a key into a full box", InputRule::year, u"1", 4, 0, u""},
    {"typed over the selection", InputRule::year, u"H1", 4, 4, u"H1"},
    {"room left beside what stays", InputRule::month_day, u"10/16", 2, 0, u"10/"},
    {"the month/day box's own fold", InputRule::month_day, u"10・16", 0, 0, u"10/16"},
    {"a program-filled box past the bound", InputRule::year, u"1", 6, 1, u""},
    {"never half a character", InputRule::year, u"12\U0001F600", 1, 0, u"12"},
    {"a whole character that fits", InputRule::year, u"1\U0001F600", 1, 0, u"1\U0001F600"},
    {"no bound, no fold", InputRule::none, u"Ｈ１３ and more", 10, 0, u"Ｈ１３ and more"},
};

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
    std::span<const hinomori::date::EraSetting> eras = {};  // added to the table for the row
};

using hinomori::test::test_era;

// Short names need not be their era's first kanji: here 未来's short name
// leads 和光's name.
const hinomori::date::EraSetting crossing_short_names[] = {
    {u"2030 03 01", u"和光_光_Wako_K"},
    {u"2040 01 01", u"未来_和_Mirai_Z"},
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
    {"added era's name", u"試験12", u"Q12", test_era},
    {"added era's short name", u"試12", u"Q12", test_era},
    {"added era's 元年", u"試験元年", u"Q1", test_era},
    {"lower-case added letter and 元", u"q元", u"q1", test_era},
    {"added era's name unknown without it", u"試験12", u"試験12"},
    {"built-in short names with an added era", u"令元", u"R1", test_era},
    {"the whole name before a shorter one", u"和光3", u"K3", crossing_short_names},
    {"the short name alone", u"和3", u"Z3", crossing_short_names},
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
        const hinomori::test::AddedEras added(row.eras);
        EXPECT_SAME_TEXT(fold_era_names(row.typed), row.folded);
    }
}

TEST(InputFolding, FitInput)
{
    for (const FitRow& row : fit_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(fit_input(row.rule, row.input, row.current_length, row.replaced), row.kept);
    }
}
