#include "conversion/convert.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace hinomori::conversion;

namespace {

// A null QString in a row means "the run leaves that box alone".
std::optional<std::u16string> optionalText(const QString& text)
{
    if (text.isNull())
        return std::nullopt;
    return text.toStdU16String();
}

QString message(Warning warning)
{
    const auto text = warning_text(warning);
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

const QString none;

}  // namespace

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void convert_data();
    void convert();
    void formatNenKeepsTheYearPart_data();
    void formatNenKeepsTheYearPart();
    void checkNengoYear_data();
    void checkNengoYear();
};

void TestConvert::convert_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("monthDay");
    QTest::addColumn<QString>("yearBox");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("eraChange");
    QTest::addColumn<QString>("warning");

    const auto row = [](const char* name, const QString& year, const QString& monthDay, const QString& yearBox,
                        const QString& converted, const QString& weekday, bool eraChange,
                        const QString& warning = QString()) {
        QTest::newRow(name) << year << monthDay << yearBox << converted << weekday << eraChange << warning;
    };

    // Gregorian in: the year box is never rewritten.
    row("Gregorian", u"2001"_s, u"10/16"_s, none, u"H13"_s, u"火"_s, false);
    row("last day of 昭和", u"1989"_s, u"1/7"_s, none, u"S64"_s, u"土"_s, true);
    row("first day of 平成", u"1989"_s, u"1/8"_s, none, u"H1"_s, u"日"_s, true);
    row("last day of 平成", u"2019"_s, u"4/30"_s, none, u"H31"_s, u"火"_s, true);
    row("first day of 令和", u"2019"_s, u"5/1"_s, none, u"R1"_s, u"水"_s, true);
    row("before 明治", u"1868"_s, u"10/22"_s, none, u"1868"_s, u"木"_s, true);
    row("today", u"2026"_s, u"12/7"_s, none, u"R8"_s, u"月"_s, false);
    row("leading zeros in the month/day", u"2001"_s, u"01/07"_s, none, u"H13"_s, u"日"_s, false);
    row("month/day padded with spaces", u"2001"_s, u" 10/16 "_s, none, u"H13"_s, u"火"_s, false);

    // Era in: the year box shows the trimmed, upper-cased year, and in an
    // era-change year the era that is right for the day.
    row("era", u"H13"_s, u"10/16"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("era lower case after a space", u" h13"_s, u"10/16"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("平成 1 on a 昭和 day", u"H1"_s, u"1/7"_s, u"S64"_s, u"1989"_s, u"土"_s, true);
    row("昭和 64 on a 平成 day", u"S64"_s, u"1/8"_s, u"H1"_s, u"1989"_s, u"日"_s, true);
    row("明治 1 before 明治", u"M1"_s, u"1/1"_s, u"1868"_s, u"1868"_s, u"水"_s, true);
    row("昭和 past its end", u"S65"_s, u"1/1"_s, u"S65"_s, u"1990"_s, u"月"_s, false);
    row("令和 1", u"R1"_s, u"5/1"_s, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("平成 31 on a 令和 day", u"H31"_s, u"5/1"_s, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("令和 1 on a 平成 day", u"R1"_s, u"4/30"_s, u"H31"_s, u"2019"_s, u"火"_s, true);
    row("平成 past its end", u"H32"_s, u"1/1"_s, u"H32"_s, u"2020"_s, u"水"_s, false);

    // What Japanese users type with the input method on.
    row("full-width Gregorian", u"１９８９"_s, u"１/７"_s, none, u"S64"_s, u"土"_s, true);
    row("full-width era", u"ｈ１３"_s, u"１０／１６"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("ideographic spaces around", u"\u3000H13\u3000"_s, u"\u300010/16"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("era name", u"平成13"_s, u"10/16"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("era abbreviation", u"昭64"_s, u"1/7"_s, u"S64"_s, u"1989"_s, u"土"_s, true);
    row("元 year", u"令和元"_s, u"5/1"_s, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("letter and 元", u"H元"_s, u"1/8"_s, u"H1"_s, u"1989"_s, u"日"_s, true);
    row("元 with a digit after", u"H元1"_s, u"1/8"_s, none, none, none, false, message(Warning::year_malformed));
    row("digit with 元 after", u"1元"_s, u"1/8"_s, none, none, none, false, message(Warning::year_malformed));
    row("era name alone", u"平成"_s, u"1/8"_s, none, none, none, false, message(Warning::year_malformed));
    row("元年", u"令和元年"_s, u"5/1"_s, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("平成元年 on a 昭和 day", u"平成元年"_s, u"1/7"_s, u"S64"_s, u"1989"_s, u"土"_s, true);
    row("letter year with 年", u"H13年"_s, u"10/16"_s, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("年 alone", u"年"_s, u"1/8"_s, none, none, none, false, message(Warning::year_malformed));
    row("年 inside the year", u"H年13"_s, u"1/8"_s, none, none, none, false, message(Warning::year_malformed));
    row("middle dot for the slash", u"2001"_s, u"10・16"_s, none, u"H13"_s, u"火"_s, false);
    row("a pasted cell's line break", u"H13\t"_s, u"1/7\r\n"_s, u"H13"_s, u"2001"_s, u"日"_s, false);

    // Stops, in the order the checks run.
    const QString yearWrong = message(Warning::year_malformed);
    row("year empty", u"   "_s, u""_s, none, none, none, false, message(Warning::year_missing));
    row("month/day empty", u"2001"_s, u"  "_s, none, none, none, false, message(Warning::month_day_missing));
    row("month/day without slash", u"2001"_s, u"1016"_s, none, none, none, false,
        message(Warning::month_day_malformed));
    row("slash checked before the year", u"X"_s, u"1016"_s, none, none, none, false,
        message(Warning::month_day_malformed));
    row("three-digit year", u"999"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("zero-padded three-digit year", u"0999"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("year not a number", u"20a1"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("year beyond 32 bits", u"99999999999"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("letter alone", u"H"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("era year 0", u"H0"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("令和 0", u"R0"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("negative era year", u"H-1"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("unknown letter", u"X1"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("two letters", u"AB"_s, u"1/1"_s, none, none, none, false, yearWrong);
    row("Gregorian date that does not exist", u"2001"_s, u"2/29"_s, none, none, none, false,
        message(Warning::gregorian_date_invalid));
    row("Gregorian year past 9999", u"12345"_s, u"1/1"_s, none, none, none, false,
        message(Warning::gregorian_date_invalid));
    row("lone slash", u"2001"_s, u"/"_s, none, none, none, false, message(Warning::gregorian_date_invalid));
    // The era form is already in the year box when the date turns out wrong.
    row("era date that does not exist", u"h13"_s, u"2/29"_s, u"H13"_s, none, none, false,
        message(Warning::era_date_invalid));
    row("era year too far", u"R9999"_s, u"1/1"_s, u"R9999"_s, none, none, false,
        message(Warning::era_date_invalid));
}

void TestConvert::convert()
{
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(QString, yearBox);
    QFETCH(QString, converted);
    QFETCH(QString, weekday);
    QFETCH(bool, eraChange);
    QFETCH(QString, warning);

    const ConversionResult result = hinomori::conversion::convert(year.toStdU16String(), monthDay.toStdU16String());

    QCOMPARE(result.year_box, optionalText(yearBox));
    QCOMPARE(result.converted_year, optionalText(converted));
    QCOMPARE(result.weekday, optionalText(weekday));
    QCOMPARE(result.era_change_year, eraChange);
    QCOMPARE(result.warning ? message(*result.warning) : QString(), warning);
}

void TestConvert::formatNenKeepsTheYearPart_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("yearPart");
    QTest::addColumn<QString>("weekday");

    const int era = static_cast<int>(hinomori::date::DatePattern::era_month_day);
    const int gregorian = static_cast<int>(hinomori::date::DatePattern::year_month_day);
    QTest::newRow("to era") << u"2001/10/16"_s << era << u"H13"_s << u"火"_s;
    QTest::newRow("to Gregorian") << u"H13/10/16"_s << gregorian << u"2001"_s << u"火"_s;
    QTest::newRow("not a date") << u"2001/2/29"_s << era << u"2001"_s << QString();
    QTest::newRow("no slash at all") << u"garbage"_s << era << u"garbage"_s << QString();
}

void TestConvert::formatNenKeepsTheYearPart()
{
    QFETCH(QString, dateText);
    QFETCH(int, pattern);
    QFETCH(QString, yearPart);
    QFETCH(QString, weekday);

    std::u16string text = dateText.toStdU16String();
    const std::u16string result = FormatNen(text, static_cast<hinomori::date::DatePattern>(pattern));
    QCOMPARE(QString::fromStdU16String(text), yearPart);
    QCOMPARE(QString::fromStdU16String(result), weekday.isNull() ? u""_s : weekday);
}

void TestConvert::checkNengoYear_data()
{
    QTest::addColumn<QString>("yearText");
    QTest::addColumn<int>("result");

    for (const QString& year : {u"1868"_s, u"1912"_s, u"1926"_s, u"1989"_s, u"2019"_s})
        QTest::newRow(qPrintable(year)) << year << 1;
    QTest::newRow("ordinary year") << u"2001"_s << 0;
    QTest::newRow("padded with a space") << u" 1989"_s << 0;
    QTest::newRow("signed") << u"+1989"_s << 0;
    QTest::newRow("five digits") << u"01989"_s << 0;
    QTest::newRow("era form") << u"S64"_s << 0;
    QTest::newRow("empty") << QString() << 0;
}

void TestConvert::checkNengoYear()
{
    QFETCH(QString, yearText);
    QFETCH(int, result);
    QCOMPARE(CheckNengoYear(yearText.toStdU16String()), result);
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
