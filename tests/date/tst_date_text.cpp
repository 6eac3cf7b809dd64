#include "date/date_text.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace hinomori::date;

Q_DECLARE_METATYPE(hinomori::date::DatePattern)

class TestDateText : public QObject {
    Q_OBJECT

private slots:
    void render_data();
    void render();
    void refused_data();
    void refused();
};

void TestDateText::render_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<DatePattern>("pattern");
    QTest::addColumn<QString>("rendered");

    const auto row = [](const char* name, const QString& text, DatePattern pattern, const QString& rendered) {
        QTest::newRow(name) << text << pattern << rendered;
    };
    using P = DatePattern;
    row("every pattern: yyyy/mm/dd", u"2001/10/16"_s, P::year_month_day, u"2001/10/16"_s);
    row("every pattern: ge/mm/dd", u"2001/10/16"_s, P::era_month_day, u"H13/10/16"_s);
    row("every pattern: ge", u"2001/10/16"_s, P::era_year, u"H13"_s);
    row("every pattern: m/d", u"2001/10/16"_s, P::month_day, u"10/16"_s);
    row("every pattern: yyyy", u"2001/10/16"_s, P::year, u"2001"_s);
    row("every pattern: aaa", u"2001/10/16"_s, P::weekday, u"火"_s);
    row("m/d drops leading zeros", u"2001/01/07"_s, P::month_day, u"1/7"_s);

    row("last day of 昭和", u"1989/1/7"_s, P::era_month_day, u"S64/01/07"_s);
    row("first day of 平成", u"1989/1/8"_s, P::era_month_day, u"H1/01/08"_s);
    row("last day of 平成", u"2019/4/30"_s, P::era_month_day, u"H31/04/30"_s);
    row("first day of 令和", u"2019/5/1"_s, P::era_month_day, u"R1/05/01"_s);
    row("last day before 明治", u"1868/10/22"_s, P::era_month_day, u"1868/10/22"_s);
    row("first day of 明治", u"1868/10/23"_s, P::era_month_day, u"M1/10/23"_s);
    row("before 明治 the era year is the Gregorian one", u"1500/3/1"_s, P::era_year, u"1500"_s);

    row("era year counts from the era's first year", u"H1/1/1"_s, P::year_month_day, u"1989/01/01"_s);
    row("era past its end still counts", u"S65/1/1"_s, P::year_month_day, u"1990/01/01"_s);
    row("era comes from the day, not the letter", u"H1/1/7"_s, P::era_month_day, u"S64/01/07"_s);
    row("平成 year in 令和", u"H31/5/1"_s, P::era_month_day, u"R1/05/01"_s);
    row("令和 letter", u"R1/5/1"_s, P::year_month_day, u"2019/05/01"_s);
    row("明治 1 is before 明治", u"M1/1/1"_s, P::year_month_day, u"1868/01/01"_s);
    row("... and stays Gregorian", u"1868/01/01"_s, P::era_month_day, u"1868/01/01"_s);
    row("era rendering parses again", u"S64/01/07"_s, P::weekday, u"土"_s);
    row("leading zeros in the era year", u"H01/01/08"_s, P::year_month_day, u"1989/01/08"_s);
    row("weekday of an era date", u"H13/10/16"_s, P::weekday, u"火"_s);

    row("leap day in a 400 year", u"2000/2/29"_s, P::year_month_day, u"2000/02/29"_s);
    row("last supported day", u"9999/12/31"_s, P::era_month_day, u"R7981/12/31"_s);
    row("first supported year pads to four digits", u"1/1/1"_s, P::year, u"0001"_s);
}

void TestDateText::render()
{
    QFETCH(QString, text);
    QFETCH(DatePattern, pattern);
    QFETCH(QString, rendered);

    QCOMPARE(QString::fromStdU16String(render_date_text(text.toStdU16String(), pattern)), rendered);
}

// Texts that do not parse come back unchanged from every rendering, which is
// how the conversion tells a real date from a wrong one.
void TestDateText::refused_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("no leap day in a common year") << u"2001/2/29"_s;
    QTest::newRow("no leap day in a century") << u"1900/2/29"_s;
    QTest::newRow("month 13") << u"2001/13/1"_s;
    QTest::newRow("month 0") << u"2001/0/1"_s;
    QTest::newRow("day 0") << u"2001/1/0"_s;
    QTest::newRow("day 32") << u"2001/1/32"_s;
    QTest::newRow("April 31") << u"2001/4/31"_s;
    QTest::newRow("three-digit month") << u"2001/001/1"_s;
    QTest::newRow("one slash") << u"2001/1016"_s;
    QTest::newRow("three slashes") << u"2001/10/16/1"_s;
    QTest::newRow("empty month") << u"2001//16"_s;
    QTest::newRow("lone slashes") << u"//"_s;
    QTest::newRow("empty") << QString();
    QTest::newRow("year 0") << u"0/1/1"_s;
    QTest::newRow("five-digit year") << u"10000/1/1"_s;
    QTest::newRow("huge year") << u"99999999999999999999/1/1"_s;
    QTest::newRow("era year 0") << u"H0/1/1"_s;
    QTest::newRow("era year signed") << u"H+13/10/16"_s;
    QTest::newRow("era without year") << u"H/10/16"_s;
    QTest::newRow("era past 9999") << u"R7982/1/1"_s;
    QTest::newRow("huge era year") << u"H99999999999/1/1"_s;
    QTest::newRow("unknown letter") << u"X13/10/16"_s;
    QTest::newRow("lower-case letter") << u"h13/10/16"_s;
    QTest::newRow("negative year") << u"-2001/10/16"_s;
    QTest::newRow("inner space") << u"2001/ 10/16"_s;
    QTest::newRow("full-width digits") << u"２００１/10/16"_s;
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + u"/1/1"_s;
}

void TestDateText::refused()
{
    QFETCH(QString, text);
    const std::u16string source = text.toStdU16String();

    QVERIFY(!parse_date_text(source));
    QCOMPARE(render_date_text(source, DatePattern::era_month_day), source);
    QCOMPARE(render_date_text(source, DatePattern::weekday), source);
}

QTEST_GUILESS_MAIN(TestDateText)
#include "tst_date_text.moc"
