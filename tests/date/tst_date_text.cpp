#include "date/date_text.h"

#include "added_eras.h"
#include "text_assertions.h"

#include <gtest/gtest.h>

#include <span>
#include <string_view>

using namespace hinomori::date;

namespace {

struct RenderRow {
    const char* name;
    std::u16string_view text;
    DatePattern pattern;
    std::u16string_view rendered;
    std::span<const EraSetting> eras = {};  // added to the table for the row
};

using P = DatePattern;
using hinomori::test::test_era;
const RenderRow render_rows[] = {
    {"every pattern: yyyy/mm/dd", u"2001/10/16", P::year_month_day, u"2001/10/16"},
    {"every pattern: ge/mm/dd", u"2001/10/16", P::era_month_day, u"H13/10/16"},
    {"every pattern: ge", u"2001/10/16", P::era_year, u"H13"},
    {"every pattern: m/d", u"2001/10/16", P::month_day, u"10/16"},
    {"every pattern: yyyy", u"2001/10/16", P::year, u"2001"},
    {"every pattern: aaa", u"2001/10/16", P::weekday, u"火"},
    {"m/d drops leading zeros", u"2001/01/07", P::month_day, u"1/7"},

    {"last day of 昭和", u"1989/1/7", P::era_month_day, u"S64/01/07"},
    {"first day of 平成", u"1989/1/8", P::era_month_day, u"H1/01/08"},
    {"last day of 平成", u"2019/4/30", P::era_month_day, u"H31/04/30"},
    {"first day of 令和", u"2019/5/1", P::era_month_day, u"R1/05/01"},
    {"last day before 明治", u"1868/10/22", P::era_month_day, u"1868/10/22"},
    {"first day of 明治", u"1868/10/23", P::era_month_day, u"M1/10/23"},
    {"before 明治 the era year is the Gregorian one", u"1500/3/1", P::era_year, u"1500"},

    {"era year counts from the era's first year", u"H1/1/1", P::year_month_day, u"1989/01/01"},
    {"era past its end still counts", u"S65/1/1", P::year_month_day, u"1990/01/01"},
    {"era comes from the day, not the letter", u"H1/1/7", P::era_month_day, u"S64/01/07"},
    {"平成 year in 令和", u"H31/5/1", P::era_month_day, u"R1/05/01"},
    {"令和 letter", u"R1/5/1", P::year_month_day, u"2019/05/01"},
    {"明治 1 is before 明治", u"M1/1/1", P::year_month_day, u"1868/01/01"},
    {"... and stays Gregorian", u"1868/01/01", P::era_month_day, u"1868/01/01"},
    {"era rendering parses again", u"S64/01/07", P::weekday, u"土"},
    {"leading zeros in the era year", u"H01/01/08", P::year_month_day, u"1989/01/08"},
    {"weekday of an era date", u"H13/10/16", P::weekday, u"火"},

    {"leap day in a 400 year", u"2000/2/29", P::year_month_day, u"2000/02/29"},
    {"last supported day", u"9999/12/31", P::era_month_day, u"R7981/12/31"},
    {"first supported year pads to four digits", u"1/1/1", P::year, u"0001"},

    // With 試験 (Q) added from 2030-03-01.
    {"first day of an added era", u"2030/3/1", P::era_month_day, u"Q1/03/01", test_era},
    {"令和 ends the day before", u"2030/2/28", P::era_month_day, u"R12/02/28", test_era},
    {"added era's letter", u"Q1/3/1", P::year_month_day, u"2030/03/01", test_era},
    {"令和 year on an added era's day", u"R12/3/1", P::era_month_day, u"Q1/03/01", test_era},
    {"added era's weekday", u"Q1/3/1", P::weekday, u"金", test_era},
    {"last supported day in an added era", u"9999/12/31", P::era_month_day, u"Q7970/12/31", test_era},
    {"older eras keep their days", u"1989/1/7", P::era_month_day, u"S64/01/07", test_era},
};

// Texts that do not parse come back unchanged from every rendering, which is
// how the conversion tells a real date from a wrong one.
struct RefusedRow {
    const char* name;
    std::u16string_view text;
};

const RefusedRow refused_rows[] = {
    {"no leap day in a common year", u"2001/2/29"},
    {"no leap day in a century", u"1900/2/29"},
    {"month 13", u"2001/13/1"},
    {"month 0", u"2001/0/1"},
    {"day 0", u"2001/1/0"},
    {"day 32", u"2001/1/32"},
    {"April 31", u"2001/4/31"},
    {"three-digit month", u"2001/001/1"},
    {"one slash", u"2001/1016"},
    {"three slashes", u"2001/10/16/1"},
    {"empty month", u"2001//16"},
    {"lone slashes", u"//"},
    {"empty", u""},
    {"year 0", u"0/1/1"},
    {"five-digit year", u"10000/1/1"},
    {"huge year", u"99999999999999999999/1/1"},
    {"era year 0", u"H0/1/1"},
    {"era year signed", u"H+13/10/16"},
    {"era without year", u"H/10/16"},
    {"era past 9999", u"R7982/1/1"},
    {"huge era year", u"H99999999999/1/1"},
    {"unknown letter", u"X13/10/16"},
    {"letter of an era not added", u"Q1/3/1"},
    {"lower-case letter", u"h13/10/16"},
    {"negative year", u"-2001/10/16"},
    {"inner space", u"2001/ 10/16"},
    {"full-width digits", u"２００１/10/16"},
    {"unpaired surrogate", u"\xD800/1/1"},
};

}  // namespace

TEST(DateText, Render)
{
    for (const RenderRow& row : render_rows) {
        SCOPED_TRACE(row.name);
        const hinomori::test::AddedEras added(row.eras);
        EXPECT_SAME_TEXT(render_date_text(row.text, row.pattern), row.rendered);
    }
}

TEST(DateText, Refused)
{
    for (const RefusedRow& row : refused_rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FALSE(parse_date_text(row.text));
        EXPECT_SAME_TEXT(render_date_text(row.text, DatePattern::era_month_day), row.text);
        EXPECT_SAME_TEXT(render_date_text(row.text, DatePattern::weekday), row.text);
    }
}
