// The [Eras] group read from settings files in folders of the test's own,
// named to Qt through XDG_CONFIG_HOME and XDG_CONFIG_DIRS as a session
// names them: good entries reach the era table, each bad one is reported in
// one line that names its file.

#include "ui/qt/era_settings.h"
#include "ui/qt/window_helper.h"

#include "date/date_text.h"
#include "date/era.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
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

// The lines loadEraSettings() writes to standard error, each without its line feed.
QStringList loadAndListen()
{
    std::FILE* errors = std::tmpfile();
    if (!errors)
        qFatal("no temporary file");
    hinomori::ui::loadEraSettings(errors);
    std::rewind(errors);
    QByteArray text;
    char buffer[512];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, errors)) > 0;)
        text.append(buffer, static_cast<qsizetype>(read));
    std::fclose(errors);
    QStringList lines = QString::fromLocal8Bit(text).split(u'\n');
    if (!lines.takeLast().isEmpty())
        qFatal("a line without its line feed");
    return lines;
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
    void theWindowFollowsTheAddedEra();
    void everyConfigFolderIsRead_data();
    void everyConfigFolderIsRead();

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
    // As Plasma's session names them: its own defaults first, with no era file.
    const QString dirs = folders.filePath(u"kdedefaults"_s) + u':' + folders.filePath(u"machine"_s);
    qputenv("XDG_CONFIG_DIRS", dirs.toLocal8Bit());
    QVERIFY(QDir().mkpath(folders.filePath(u"kdedefaults/hinomori"_s)));
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

    reported = loadAndListen();
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


// The window made after the settings were read: the added eras' remarks
// lines show whole, and it converts, in its change year with the emphasis.
void TestEraSettings::theWindowFollowsTheAddedEra()
{
    const auto window = openMainWindow(std::chrono::year{2030} / std::chrono::March / 1);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(child<QLineEdit>(*window, u"txtNen"_s)->text(), u"Q1"_s);

    auto* remarks = child<QPlainTextEdit>(*window, u"lblBikou"_s);
    // Both eras the files add, 未来 and 試験, over the six lines of the built-in table.
    QCOMPARE(remarks->document()->blockCount(), 8);
    QCOMPARE(remarks->document()->findBlockByNumber(1).text(), u"試験(2030)\u3000Q01/03/01 ～ Q10/12/31"_s);
    QCOMPARE(remarks->document()->findBlockByNumber(2).text(), u"令和(2019)\u3000R01/05/01 ～ R12/02/28"_s);
    const QRectF last = remarks->document()->documentLayout()->blockBoundingRect(remarks->document()->lastBlock());
    QVERIFY2(last.bottom() <= remarks->viewport()->height(), "the last line is cut off");

    child<QLineEdit>(*window, u"txtNen"_s)->setText(u"2030"_s);
    child<QLineEdit>(*window, u"txtMmdd"_s)->setText(u"2/28"_s);
    QTest::mouseClick(child<QPushButton>(*window, u"cmdNenConv"_s), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(*window, u"txtNenConv"_s)->text(), u"R12"_s);
    QVERIFY(child<QLabel>(*window, u"lblAttention1"_s)->isVisible());
}

void TestEraSettings::everyConfigFolderIsRead_data()
{
    // Folders of XDG_CONFIG_DIRS, each named as the era its file adds on 2030/03/01.
    QTest::addColumn<QStringList>("machineFolders");
    QTest::addColumn<QStringList>("written");  // the folders with an era file
    QTest::addColumn<QString>("taken");        // the era the table has

    // Plasma's session puts ~/.config/kdedefaults first, others /etc/xdg/xdg-$DESKTOP_SESSION.
    QTest::newRow("in the second folder") << QStringList{u"既定"_s, u"機械"_s} << QStringList{u"機械"_s} << u"機械"_s;
    QTest::newRow("in the third folder") << QStringList{u"既定"_s, u"会話"_s, u"機械"_s} << QStringList{u"機械"_s}
                                         << u"機械"_s;
    QTest::newRow("the earlier folder wins") << QStringList{u"会話"_s, u"機械"_s} << QStringList{u"機械"_s, u"会話"_s}
                                             << u"会話"_s;
}

// Run last: it sets the era table anew for each row.
void TestEraSettings::everyConfigFolderIsRead()
{
    QFETCH(QStringList, machineFolders);
    QFETCH(QStringList, written);
    QFETCH(QString, taken);

    QTemporaryDir root;
    QStringList dirs;
    for (const QString& folder : machineFolders)
        dirs << root.filePath(folder);
    qputenv("XDG_CONFIG_HOME", root.filePath(u"home"_s).toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", dirs.join(u':').toLocal8Bit());
    for (const QString& folder : written)
        writeFile(root.filePath(folder + u"/hinomori/hinomori.conf"_s),
                  "[Eras]\n2030 03 01=" + folder.toUtf8() + "_試_Shiken_Q\n2030 02 30=誤日_誤_Gojitsu_X\n");
    hinomori::date::reset_era_table();
    const QStringList lines = loadAndListen();

    QVERIFY(hinomori::date::era_by_letter(u'Q'));
    QCOMPARE(QString::fromStdU16String(hinomori::date::era_by_letter(u'Q')->name), taken);
    // The more important file's bad entry is reported first.
    QCOMPARE(lines.value(0), u"hinomori: "_s + root.filePath(taken)
                                 + u"/hinomori/hinomori.conf: [Eras] 2030 02 30=誤日_誤_Gojitsu_X: no such day"_s);
}

QTEST_MAIN(TestEraSettings)
#include "tst_era_settings.moc"
