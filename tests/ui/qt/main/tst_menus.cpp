#include "conversion/window_texts.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/main/manual.h"
#include "ui/qt/modal_helper.h"
#include "ui/qt/window_helper.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QAction* menuItem(const QWidget& window, const QString& name)
{
    return child<QAction>(window, name);
}

// Where the program looks for its manual: beside the test executable here.
QString manualPath()
{
    return QCoreApplication::applicationDirPath() + u"/Hinomori.txt"_s;
}

QString expectedWarning()
{
    return u"説明書が開けません。\r\n\r\n"_s + QDir::toNativeSeparators(manualPath())
           + u"\r\n が存在するか確認してください。"_s;
}

// Stands in for the desktop's xdg-open: a script first on PATH that notes the
// files it is given and then does what the test says. Without a script the
// PATH holds no launcher at all.
class FakeLauncher {
public:
    explicit FakeLauncher(const QString& script = {})
        : path(qgetenv("PATH"))
    {
        QString searched = folder.path();
        if (!script.isNull()) {
            QFile launcher(folder.filePath(u"xdg-open"_s));
            if (!launcher.open(QIODevice::WriteOnly))
                qFatal("cannot write the fake launcher");
            launcher.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$(dirname \"$0\")/opened\"\n");
            launcher.write(script.toUtf8() + '\n');
            launcher.close();
            launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
            searched += u":/usr/bin:/bin"_s;
        }
        qputenv("PATH", searched.toLocal8Bit());
    }
    ~FakeLauncher() { qputenv("PATH", path); }

    QStringList opened() const
    {
        QFile log(folder.filePath(u"opened"_s));
        if (!log.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryDir folder;
    QByteArray path;
};

}  // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void init() { QFile::remove(manualPath()); }
    void cleanup() { QFile::remove(manualPath()); QDir().rmdir(manualPath()); }

    void menuTree();
    void exitClosesTheWindow();
    void manualPathHasOneSeparator_data();
    void manualPathHasOneSeparator();
    void presentManualGoesToTheDesktop_data();
    void presentManualGoesToTheDesktop();
    void manualAnswersThroughItsCallback_data();
    void manualAnswersThroughItsCallback();
    void missingManualWarnsWithItsPath_data();
    void missingManualWarnsWithItsPath();
    void versionDialogIsModalAndFreshEachTime();
};

void TestMenus::menuTree()
{
    const auto window = openMainWindow();
    const QList<QAction*> top = window->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), u"操作(&O)"_s);
    QCOMPARE(top[0]->menu()->objectName(), u"mnuTopOperate"_s);
    QCOMPARE(top[1]->text(), u"情報(&H)"_s);
    QCOMPARE(top[1]->menu()->objectName(), u"mnuTopInfo"_s);

    const auto captions = [](QMenu* menu) {
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->objectName() + u'=' + action->text();
        return texts;
    };
    QCOMPARE(captions(top[0]->menu()), QStringList{u"mnuExit=終了(&X)"_s});
    QCOMPARE(captions(top[1]->menu()), (QStringList{u"mnuReadme=説明書表示(&T)"_s, u"mnuVersion=バージョン情報(&A)"_s}));
}

void TestMenus::exitClosesTheWindow()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    menuItem(*window, u"mnuExit"_s)->trigger();
    QVERIFY(!window->isVisible());
}

void TestMenus::manualPathHasOneSeparator_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QString>("path");

    QTest::newRow("installed folder") << u"/usr/lib/hinomori"_s << QChar(u'/') << u"/usr/lib/hinomori/Hinomori.txt"_s;
    QTest::newRow("root folder") << u"/"_s << QChar(u'/') << u"/Hinomori.txt"_s;
    QTest::newRow("Windows folder") << u"C:\\Tools\\Hinomori"_s << QChar(u'\\') << u"C:\\Tools\\Hinomori\\Hinomori.txt"_s;
    QTest::newRow("drive root") << u"C:\\"_s << QChar(u'\\') << u"C:\\Hinomori.txt"_s;
}

void TestMenus::manualPathHasOneSeparator()
{
    QFETCH(QString, folder);
    QFETCH(QChar, separator);
    QFETCH(QString, path);
    QCOMPARE(QString::fromStdU16String(hinomori::conversion::manual_path_in(folder.toStdU16String(), separator.unicode())),
             path);
}

void TestMenus::presentManualGoesToTheDesktop_data()
{
    QTest::addColumn<bool>("launcherOnPath");
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<bool>("warns");

    QTest::newRow("launcher opens it") << true << u"exit 0"_s << false;
    QTest::newRow("launcher finds no viewer") << true << u"exit 3"_s << true;
    QTest::newRow("launcher fails late") << true << u"sleep 1; exit 4"_s << true;
    // Some launchers wait for the viewer they started to be closed.
    QTest::newRow("launcher still running") << true << u"exec sleep 5"_s << false;
    QTest::newRow("no launcher") << false << QString() << true;
}

void TestMenus::presentManualGoesToTheDesktop()
{
    QFETCH(bool, launcherOnPath);
    QFETCH(QString, launcher);
    QFETCH(bool, warns);

    QFile manual(manualPath());
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("manual\n");
    manual.close();

    const auto window = openMainWindow();
    FakeLauncher desktop(launcherOnPath ? launcher : QString());
    MessageBoxCloser closer;
    // The window keeps answering while the launcher is asked.
    bool ticked = false;
    QTimer::singleShot(200, window.get(), [&] { ticked = true; });
    QElapsedTimer asked;
    asked.start();
    menuItem(*window, u"mnuReadme"_s)->trigger();
    if (asked.elapsed() >= 500)
        QVERIFY(ticked);

    if (launcherOnPath)
        QCOMPARE(desktop.opened(), QStringList{manualPath()});
    if (warns) {
        QCOMPARE(closer.seen(), 1);
        QCOMPARE(closer.last->text, expectedWarning());
    } else {
        QCOMPARE(closer.seen(), 0);
    }
    // A launcher left running is not killed, and finishes on its own.
    QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(), 10000);
}

void TestMenus::manualAnswersThroughItsCallback_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<bool>("contextKept");
    QTest::addColumn<bool>("fails");

    QTest::newRow("opened") << true << u"exit 0"_s << true << false;
    QTest::newRow("launcher finds no viewer") << true << u"exit 3"_s << true << true;
    QTest::newRow("no file") << false << u"exit 0"_s << true << true;
    QTest::newRow("asker gone before the answer") << true << u"sleep 1; exit 3"_s << false << false;
}

void TestMenus::manualAnswersThroughItsCallback()
{
    QFETCH(bool, present);
    QFETCH(QString, launcher);
    QFETCH(bool, contextKept);
    QFETCH(bool, fails);

    if (present) {
        QFile manual(manualPath());
        QVERIFY(manual.open(QIODevice::WriteOnly));
        manual.close();
    }
    FakeLauncher desktop(launcher);
    auto context = std::make_unique<QObject>();
    int failures = 0;
    hinomori::ui::openManual(manualPath(), context.get(), [&] { ++failures; });
    // The call returns before the launcher answers.
    QCOMPARE(failures, 0);
    if (!contextKept)
        context.reset();

    QTRY_VERIFY_WITH_TIMEOUT(QCoreApplication::instance()->findChildren<QProcess*>().isEmpty(), 10000);
    QTest::qWait(50);
    QCOMPARE(failures, fails ? 1 : 0);
}

void TestMenus::missingManualWarnsWithItsPath_data()
{
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder by that name") << true;
}

void TestMenus::missingManualWarnsWithItsPath()
{
    QFETCH(bool, folderInItsPlace);
    if (folderInItsPlace)
        QVERIFY(QDir().mkdir(manualPath()));

    const auto window = openMainWindow();
    FakeLauncher desktop(u"exit 0"_s);
    MessageBoxCloser closer;
    menuItem(*window, u"mnuReadme"_s)->trigger();

    QVERIFY(closer.last);
    QCOMPARE(closer.last->text, expectedWarning());
    QCOMPARE(closer.last->title, u"ひのもり"_s);
    QCOMPARE(closer.last->icon, QMessageBox::Warning);
    QCOMPARE(closer.last->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(desktop.opened().isEmpty());
    QVERIFY(window->isVisible());
}

void TestMenus::versionDialogIsModalAndFreshEachTime()
{
    const auto window = openMainWindow();
    QStringList shown;
    ModalCloser closer([&](QWidget* modal) {
        auto* about = qobject_cast<frmAbout*>(modal);
        QVERIFY(about);
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QCOMPARE(about->parentWidget(), window.get());
        shown << about->windowTitle() + u'|' + about->findChild<QLabel*>(u"lblVersion"_s)->text();
        QTest::mouseClick(about->findChild<QPushButton*>(u"cmdOk"_s), Qt::LeftButton);
    });

    for (int time = 0; time < 2; ++time) {
        menuItem(*window, u"mnuVersion"_s)->trigger();
        // Closed means gone: the next command builds the dialog anew.
        QVERIFY(window->findChildren<frmAbout*>().isEmpty());
    }
    QCOMPARE(closer.seen(), 2);
    QCOMPARE(shown, QStringList(2, u"ひのもりのバージョン情報|Ver.1.00"_s));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
