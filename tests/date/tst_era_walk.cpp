#include "date/date_text.h"
#include "date/era.h"

#include <QTest>

#include <string>

using namespace std::chrono;
using namespace hinomori::date;

// Walks every supported day and checks the era renderings against a table
// written independently of the program's own.
class TestEraWalk : public QObject {
    Q_OBJECT

private slots:
    void everyDayRoundTrips();
    void eraChangeYears();
};

namespace {

struct ExpectedEra {
    char16_t letter;
    sys_days first_day;
    int first_year;
};

// Newest first, as the remarks panel lists them.
const ExpectedEra expected_eras[] = {
    {u'R', sys_days{2019y / May / 1}, 2019},
    {u'H', sys_days{1989y / January / 8}, 1989},
    {u'S', sys_days{1926y / December / 25}, 1926},
    {u'T', sys_days{1912y / July / 30}, 1912},
    {u'M', sys_days{1868y / October / 23}, 1868},
};

std::u16string expected_era_year(sys_days day)
{
    const int gregorian = static_cast<int>(year_month_day{day}.year());
    for (const ExpectedEra& era : expected_eras) {
        if (day >= era.first_day)
            return std::u16string(1, era.letter) + QString::number(gregorian - era.first_year + 1).toStdU16String();
    }
    return QString::number(gregorian).toStdU16String();
}

}  // namespace

void TestEraWalk::everyDayRoundTrips()
{
    const sys_days first{1000y / January / 1};
    const sys_days last{9999y / December / 31};
    static constexpr char16_t weekday_names[] = u"日月火水木金土";

    long walked = 0;
    for (sys_days day = first; day <= last; day += days{1}, ++walked) {
        const year_month_day ymd{day};
        const std::u16string era_form = render_date(ymd, DatePattern::era_month_day);
        const std::u16string era_year = era_form.substr(0, era_form.find(u'/'));

        const auto reparsed = parse_date_text(era_form);
        if (!reparsed || *reparsed != ymd || era_year != expected_era_year(day)
            || render_date(ymd, DatePattern::weekday) != std::u16string(1, weekday_names[weekday{day}.c_encoding()])
            || render_date(*reparsed, DatePattern::year_month_day) != render_date(ymd, DatePattern::year_month_day)) {
            QFAIL(qPrintable(QStringLiteral("day %1 rendered as %2")
                                 .arg(QString::fromStdU16String(render_date(ymd, DatePattern::year_month_day)),
                                      QString::fromStdU16String(era_form))));
        }
    }
    QCOMPARE(walked, long{(last - first).count() + 1});
}

void TestEraWalk::eraChangeYears()
{
    for (int y = 1000; y <= 9999; ++y) {
        const bool expected = y == 1868 || y == 1912 || y == 1926 || y == 1989 || y == 2019;
        QVERIFY2(is_era_change_year(year{y}) == expected, qPrintable(QString::number(y)));
    }
}

QTEST_GUILESS_MAIN(TestEraWalk)
#include "tst_era_walk.moc"
