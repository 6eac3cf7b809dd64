#include "date/text.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;
using namespace hinomori::date;

class TestText : public QObject {
    Q_OBJECT

private slots:
    void readInt32_data();
    void readInt32();
    void trimSpaces_data();
    void trimSpaces();
    void upperCase();
    void paddedDigits_data();
    void paddedDigits();
};

void TestText::readInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << u"2001"_s << true << 2001;
    QTest::newRow("leading zeros") << u"0999"_s << true << 999;
    QTest::newRow("plus sign") << u"+13"_s << true << 13;
    QTest::newRow("minus sign") << u"-5"_s << true << -5;
    QTest::newRow("largest") << u"2147483647"_s << true << std::numeric_limits<int>::max();
    QTest::newRow("smallest") << u"-2147483648"_s << true << std::numeric_limits<int>::min();
    QTest::newRow("one past largest") << u"2147483648"_s << false << 0;
    QTest::newRow("one past smallest") << u"-2147483649"_s << false << 0;
    QTest::newRow("far too many digits") << u"99999999999999999999999"_s << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("sign alone") << u"-"_s << false << 0;
    QTest::newRow("trailing letter") << u"12a"_s << false << 0;
    QTest::newRow("inner space") << u"1 2"_s << false << 0;
    QTest::newRow("full-width digits") << u"１２"_s << false << 0;
    QTest::newRow("decimal point") << u"1.5"_s << false << 0;
}

void TestText::readInt32()
{
    QFETCH(QString, text);
    QFETCH(bool, reads);
    QFETCH(int, value);

    const auto result = read_int32(text.toStdU16String());
    QCOMPARE(result.has_value(), reads);
    if (reads)
        QCOMPARE(*result, value);
}

void TestText::trimSpaces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");

    QTest::newRow("both ends") << u"  H13 "_s << u"H13"_s;
    QTest::newRow("inner space kept") << u" 10 /16 "_s << u"10 /16"_s;
    QTest::newRow("only spaces") << u"   "_s << QString();
    QTest::newRow("tab is not a space") << u"\tH13"_s << u"\tH13"_s;
    QTest::newRow("ideographic space is not trimmed") << u"\u3000H13"_s << u"\u3000H13"_s;
}

void TestText::trimSpaces()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    const std::u16string source = text.toStdU16String();
    QCOMPARE(QString::fromStdU16String(std::u16string(trim_spaces(source))), trimmed);
}

void TestText::upperCase()
{
    QCOMPARE(QString::fromStdU16String(to_upper_ascii(u"h13 az AZ 09 ｈ 平成")), u"H13 AZ AZ 09 ｈ 平成"_s);
}

void TestText::paddedDigits_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("digits");

    QTest::newRow("padded") << qint64{5} << 2 << u"05"_s;
    QTest::newRow("zero") << qint64{0} << 2 << u"00"_s;
    QTest::newRow("wider than width") << qint64{123} << 2 << u"123"_s;
    QTest::newRow("four-digit year") << qint64{999} << 4 << u"0999"_s;
}

void TestText::paddedDigits()
{
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(QString, digits);
    QCOMPARE(QString::fromStdU16String(to_padded_digits(value, width)), digits);
}

QTEST_GUILESS_MAIN(TestText)
#include "tst_text.moc"
