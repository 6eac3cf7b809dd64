#include "date/era.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

using namespace hinomori::date;

namespace {

using P = EraSettingProblem;

// Puts the table back however a row ends.
struct ResetAfterRow {
    ~ResetAfterRow() { reset_era_table(); }
};

// The table's letters, newest first.
std::u16string letters()
{
    std::u16string letters;
    for (const EraEntry& era : era_table())
        letters += era.letter;
    return letters;
}

struct LeftOutRow {
    const char* name;
    std::vector<EraSetting> entries;
    std::vector<LeftOutEra> left_out;
    std::u16string_view letters_after;  // the table's letters once the good entries are in
};

const LeftOutRow left_out_rows[] = {
    {"no such day", {{u"2030 02 30", u"試験_試_Shiken_Q"}}, {{0, P::no_such_day}}, u"RHSTM"},
    {"month 13", {{u"2030 13 01", u"試験_試_Shiken_Q"}}, {{0, P::no_such_day}}, u"RHSTM"},
    {"month and day unpadded", {{u"2030 3 1", u"試験_試_Shiken_Q"}}, {{0, P::day_malformed}}, u"RHSTM"},
    {"slashes", {{u"2030/03/01", u"試験_試_Shiken_Q"}}, {{0, P::day_malformed}}, u"RHSTM"},
    {"full-width digits", {{u"２０３０ ０３ ０１", u"試験_試_Shiken_Q"}}, {{0, P::day_malformed}}, u"RHSTM"},
    {"three parts", {{u"2030 03 01", u"試験_試_Q"}}, {{0, P::data_malformed}}, u"RHSTM"},
    {"five parts", {{u"2030 03 01", u"試験_試_Shi_ken_Q"}}, {{0, P::data_malformed}}, u"RHSTM"},
    {"two letters", {{u"2030 03 01", u"試験_試_Shiken_QQ"}}, {{0, P::letter_malformed}}, u"RHSTM"},
    {"full-width letter", {{u"2030 03 01", u"試験_試_Shiken_Ｑ"}}, {{0, P::letter_malformed}}, u"RHSTM"},
    {"five kanji", {{u"2030 03 01", u"試験試験試_試_Shiken_Q"}}, {{0, P::name_malformed}}, u"RHSTM"},
    {"placeholder name", {{u"2030 03 01", u"??_?_Test_Q"}}, {{0, P::name_malformed}}, u"RHSTM"},
    {"lone surrogate in the name", {{u"2030 03 01", u"試\xD840_試_Shiken_Q"}}, {{0, P::name_malformed}}, u"RHSTM"},
    {"no short name", {{u"2030 03 01", u"試験__Shiken_Q"}}, {{0, P::short_name_malformed}}, u"RHSTM"},
    {"two-kanji short name", {{u"2030 03 01", u"試験_試験_Shiken_Q"}}, {{0, P::short_name_malformed}}, u"RHSTM"},
    {"on 令和's first day", {{u"2019 05 01", u"試験_試_Shiken_Q"}}, {{0, P::not_after_newest_era}}, u"RHSTM"},
    {"a built-in era's name and letter after 令和", {{u"2030 03 01", u"平成_平_Heisei_H"}},
     {{0, P::letter_taken}}, u"RHSTM"},
    {"令和's letter", {{u"2030 03 01", u"試験_試_Shiken_R"}}, {{0, P::letter_taken}}, u"RHSTM"},
    {"平成's letter in lower case", {{u"2030 03 01", u"試験_試_Shiken_h"}}, {{0, P::letter_taken}}, u"RHSTM"},
    {"令和's name", {{u"2030 03 01", u"令和_試_Reiwa_Q"}}, {{0, P::name_taken}}, u"RHSTM"},
    {"平成's short name as the name", {{u"2030 03 01", u"平_試_Hei_Q"}}, {{0, P::name_taken}}, u"RHSTM"},
    {"昭和's short name", {{u"2030 03 01", u"試験_昭_Shiken_Q"}}, {{0, P::short_name_taken}}, u"RHSTM"},

    // Against eras added by the same call.
    {"same day twice: the first stays",
     {{u"2030 03 01", u"試験_試_Shiken_Q"}, {u"2030 03 01", u"別案_別_Betsuan_B"}},
     {{1, P::same_day_twice}},
     u"QRHSTM"},
    {"letter of an earlier era handed later",
     {{u"2040 01 01", u"未来_未_Mirai_Q"}, {u"2030 03 01", u"試験_試_Shiken_Q"}},
     {{0, P::letter_taken}},
     u"QRHSTM"},
    {"short name of an earlier era", {{u"2030 03 01", u"試験_試_Shiken_Q"}, {u"2040 01 01", u"未来_試_Mirai_Z"}},
     {{1, P::short_name_taken}},
     u"QRHSTM"},
    {"a bad entry does not keep a good one out",
     {{u"2030 02 30", u"試験_試_Shiken_Q"}, {u"2030 03 01", u"試験_試_Shiken_Q"}},
     {{0, P::no_such_day}},
     u"QRHSTM"},
    {"left out in the order handed in",
     {{u"2050 01 01", u"未来_未_Mirai_R"}, {u"2040 01 01", u"別案_別_Betsuan_X"}, {u"2040 13 01", u"試験_試_Shiken_Q"}},
     {{0, P::letter_taken}, {2, P::no_such_day}},
     u"XRHSTM"},
};

struct AddedRow {
    const char* name;
    std::vector<EraSetting> entries;
    std::u16string_view letters_after;
};

const AddedRow added_rows[] = {
    {"an era after 令和", {{u"2030 03 01", u"試験_試_Shiken_Q"}}, u"QRHSTM"},
    {"lower-case letter", {{u"2030 03 01", u"試験_試_Shiken_q"}}, u"QRHSTM"},
    {"four kanji", {{u"2030 03 01", u"天平感宝_天_Tempyokampo_Q"}}, u"QRHSTM"},
    {"a kanji beyond the BMP", {{u"2030 03 01", u"\U0002000B和_\U0002000B_Kowa_Q"}}, u"QRHSTM"},
    {"name led by 平成's short name", {{u"2030 03 01", u"平安_安_Heian_Q"}}, u"QRHSTM"},
    {"English name with anything in it", {{u"2030 03 01", u"試験_試_Shi ken, 2030!_Q"}}, u"QRHSTM"},
    {"two eras handed newest first", {{u"2040 01 01", u"未来_未_Mirai_Z"}, {u"2030 03 01", u"試験_試_Shiken_Q"}},
     u"ZQRHSTM"},
    // Windows lists the built-in eras too, 明治 from its own first day.
    {"Windows' own list",
     {{u"1868 01 01", u"明治_明_Meiji_M"},
      {u"1912 07 30", u"大正_大_Taisho_T"},
      {u"1926 12 25", u"昭和_昭_Showa_S"},
      {u"1989 01 08", u"平成_平_Heisei_H"},
      {u"2019 05 01", u"令和_令_Reiwa_R"}},
     u"RHSTM"},
    {"Windows' own list and a new era",
     {{u"1989 01 08", u"平成_平_Heisei_H"}, {u"2019 05 01", u"令和_令_Reiwa_R"}, {u"2030 03 01", u"試験_試_Shiken_Q"}},
     u"QRHSTM"},
};

}  // namespace

TEST(AddedEras, BadEntriesAreLeftOutWithTheirReason)
{
    for (const LeftOutRow& row : left_out_rows) {
        SCOPED_TRACE(row.name);
        const ResetAfterRow reset;
        const std::vector<LeftOutEra> left_out = add_eras(row.entries);
        ASSERT_EQ(left_out.size(), row.left_out.size());
        for (std::size_t i = 0; i < left_out.size(); ++i) {
            EXPECT_EQ(left_out[i].index, row.left_out[i].index);
            EXPECT_SAME_TEXT(problem_text(left_out[i].problem), problem_text(row.left_out[i].problem));
        }
        EXPECT_SAME_TEXT(letters(), row.letters_after);
    }
}

TEST(AddedEras, GoodEntriesAreAdded)
{
    for (const AddedRow& row : added_rows) {
        SCOPED_TRACE(row.name);
        const ResetAfterRow reset;
        EXPECT_TRUE(add_eras(row.entries).empty());
        EXPECT_SAME_TEXT(letters(), row.letters_after);
    }
}
