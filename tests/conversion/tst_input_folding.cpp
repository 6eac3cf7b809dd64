#include "conversion/input_folding.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace hinomori::conversion;

class TestInputFolding : public QObject {
    Q_OBJECT

private slots:
    void fullWidth_data();
    void fullWidth();
    void eraNames_data();
    void eraNames();
};

void TestInputFolding::fullWidth_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("yearBox");
    QTest::addColumn<QString>("monthDayBox");

    const auto row = [](const char* name, const QString& typed, const QString& yearBox,
                        const QString& monthDayBox = QString()) {
        QTest::newRow(name) << typed << yearBox << (monthDayBox.isNull() ? yearBox : monthDayBox);
    };
    row("digits and slash", u"０１２３４５６７８９／"_s, u"0123456789/"_s);
    row("letters", u"ＡＺａｚＨｈ"_s, u"AZazHh"_s);
    row("ideographic space", u"\u3000H13\u3000"_s, u" H13 "_s);
    row("neighbours of the folded ranges stay", u"＠［｀｛．"_s, u"＠［｀｛．"_s);
    row("kanji and ASCII stay", u"平成13/10"_s, u"平成13/10"_s);
    row("a pasted cell's tab and line break", u"\tH13\r\n"_s, u" H13  "_s);
    row("middle dots are the month/day's slash", u"10・16･1"_s, u"10・16･1"_s, u"10/16/1"_s);
}

void TestInputFolding::fullWidth()
{
    QFETCH(QString, typed);
    QFETCH(QString, yearBox);
    QFETCH(QString, monthDayBox);
    QCOMPARE(QString::fromStdU16String(fold_year_box(typed.toStdU16String())), yearBox);
    QCOMPARE(QString::fromStdU16String(fold_month_day_box(typed.toStdU16String())), monthDayBox);
}

void TestInputFolding::eraNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folded");

    QTest::newRow("明治") << u"明治45"_s << u"M45"_s;
    QTest::newRow("大") << u"大15"_s << u"T15"_s;
    QTest::newRow("昭和") << u"昭和64"_s << u"S64"_s;
    QTest::newRow("平") << u"平13"_s << u"H13"_s;
    QTest::newRow("令和元") << u"令和元"_s << u"R1"_s;
    QTest::newRow("lower-case letter and 元") << u"h元"_s << u"h1"_s;
    QTest::newRow("元 followed by a digit") << u"元1"_s << u"元1"_s;
    QTest::newRow("digit before 元") << u"H1元"_s << u"H1元"_s;
    QTest::newRow("元 alone has no era") << u"元"_s << u"元"_s;
    QTest::newRow("era name later in the text") << u"1平成"_s << u"1平成"_s;
    QTest::newRow("letters untouched") << u"H13"_s << u"H13"_s;
    QTest::newRow("令和元年") << u"令和元年"_s << u"R1"_s;
    QTest::newRow("letter, digits and 年") << u"H13年"_s << u"H13"_s;
    QTest::newRow("abbreviation and 年") << u"昭64年"_s << u"S64"_s;
    QTest::newRow("年 alone stays") << u"年"_s << u"年"_s;
    QTest::newRow("only one 年 goes") << u"H13年年"_s << u"H13年"_s;
    QTest::newRow("年 inside stays") << u"H年13"_s << u"H年13"_s;
}

void TestInputFolding::eraNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, folded);
    QCOMPARE(QString::fromStdU16String(fold_era_names(typed.toStdU16String())), folded);
}

QTEST_GUILESS_MAIN(TestInputFolding)
#include "tst_input_folding.moc"
