// The [Eras] group read from settings files in folders of the test's own,
// named to Qt through XDG_CONFIG_HOME and XDG_CONFIG_DIRS as a session
// names them: good entries reach the era table, each bad one is reported in
// one line that names its file.

#include "ui/qt/era_settings.h"

#include "date/date_text.h"
#include "date/era.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        qFatal("cannot write %s", qPrintable(path));
}

}  // namespace

class TestEraSettings : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void erasAdded_data();
    void erasAdded();
    void erasLeftOut_data();
    void erasLeftOut();
    void oneLinePerEntryLeftOut();

private:
    QTemporaryDir folders;
    QString userFile;
    QString machineFile;
    QStringList reported;
};

void TestEraSettings::initTestCase()
{
    QVERIFY(folders.isValid());
    // Qt reads these once, when the first QSettings is made.
    qputenv("XDG_CONFIG_HOME", folders.filePath(u"home"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", folders.filePath(u"machine"_s).toLocal8Bit());
    userFile = folders.filePath(u"home/hinomori/hinomori.conf"_s);
    machineFile = folders.filePath(u"machine/hinomori/hinomori.conf"_s);

    writeFile(userFile, "[Eras]\n"
                        "2030 03 01=試験_試_Shiken_Q\n"
                        "2030 02 30=誤日_誤_Gojitsu_X\n");
    writeFile(machineFile, "[Eras]\n"
                           "2019 05 01=令和_令_Reiwa_R\n"
                           "2030 03 01=別案_別_Betsuan_B\n"
                           "2040%2001%2001=未来_未_Mirai_Z\n"
                           "2050 01 01=遠い,未来_遠_Toi_F\n"
                           "2060/01/01=年月_年_Nengetsu_N\n"
                           "2070 01 01=改\\n行_改_Kaigyo_K\n"
                           "\n[Other]\n2080 01 01=他組_他_Tagumi_O\n");
    // Qt's IniFormat would read this name; the program reads the .conf.
    writeFile(folders.filePath(u"home/hinomori/hinomori.ini"_s), "[Eras]\n2090 01 01=別名_名_Betsumei_I\n");

    std::FILE* errors = std::tmpfile();
    QVERIFY(errors);
    hinomori::ui::loadEraSettings(errors);
    std::rewind(errors);
    QByteArray text;
    char buffer[512];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, errors)) > 0;)
        text.append(buffer, static_cast<qsizetype>(read));
    std::fclose(errors);
    reported = QString::fromLocal8Bit(text).split(u'\n');
    QCOMPARE(reported.takeLast(), QString());  // every line ends in a line feed
}

void TestEraSettings::cleanupTestCase()
{
    hinomori::date::reset_era_table();
}

void TestEraSettings::erasAdded_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("firstDay");

    QTest::newRow("the user's") << QChar(u'Q') << u"試験"_s << u"2030/03/01"_s;
    QTest::newRow("the machine's, its key escaped as QSettings writes it")
        << QChar(u'Z') << u"未来"_s << u"2040/01/01"_s;
}

void TestEraSettings::erasAdded()
{
    QFETCH(QChar, letter);
    QFETCH(QString, name);
    QFETCH(QString, firstDay);

    const hinomori::date::EraEntry* era = hinomori::date::era_by_letter(letter.unicode());
    QVERIFY(era);
    QCOMPARE(QString::fromStdU16String(era->name), name);
    using hinomori::date::DatePattern;
    QCOMPARE(QString::fromStdU16String(render_date(era->first_day, DatePattern::year_month_day)), firstDay);
}

void TestEraSettings::erasLeftOut_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<QString>("line");  // what standard error says of it; empty: nothing

    const QString user = u"hinomori: "_s + userFile + u": [Eras] "_s;
    const QString machine = u"hinomori: "_s + machineFile + u": [Eras] "_s;
    QTest::newRow("no such day") << QChar(u'X') << user + u"2030 02 30=誤日_誤_Gojitsu_X: no such day"_s;
    QTest::newRow("the machine's day the user's already has")
        << QChar(u'B') << machine + u"2030 03 01=別案_別_Betsuan_B: another era already begins on that day"_s;
    QTest::newRow("a value QSettings reads as a list, reported as written")
        << QChar(u'F') << machine + u"2050 01 01=遠い,未来_遠_Toi_F: the name is not one to four kanji"_s;
    QTest::newRow("a key QSettings reads as groups")
        << QChar(u'N') << machine + u"2060/01/01=年月_年_Nengetsu_N: the first day is not written YYYY MM DD"_s;
    QTest::newRow("an escaped line break stays inside the line")
        << QChar(u'K') << machine + u"2070 01 01=改\uFFFD行_改_Kaigyo_K: the name is not one to four kanji"_s;
    QTest::newRow("another group") << QChar(u'O') << QString();
    QTest::newRow("the .ini file") << QChar(u'I') << QString();
}

void TestEraSettings::erasLeftOut()
{
    QFETCH(QChar, letter);
    QFETCH(QString, line);

    QVERIFY(!hinomori::date::era_by_letter(letter.unicode()));
    if (!line.isEmpty())
        QCOMPARE(reported.count(line), 1);
}

// 令和, which Windows lists too, is passed over without a word.
void TestEraSettings::oneLinePerEntryLeftOut()
{
    QCOMPARE(reported.size(), 5);
}

QTEST_GUILESS_MAIN(TestEraSettings)
#include "tst_era_settings.moc"
