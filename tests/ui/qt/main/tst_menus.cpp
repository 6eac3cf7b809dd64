#include "ui/main/main_window.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/main/manual.h"
#include "ui/qt/modal_helper.h"
#include "ui/qt/window_helper.h"

#include <QAction>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QMessageBox>
#include <QTest>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;
using hinomori::ui::ManualAnswer;

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

QString noProgramWarning()
{
    return QString::fromStdU16String(hinomori::ui::main_window::manual_no_program_text(manualPath().toStdU16String()));
}

// Stands in for the desktop's xdg-open: a script first on PATH that notes the
// files it is given and then does what the test says. Without a script the
// PATH holds no launcher at all. `answerOnRelease` makes the script wait for
// release() before it does so.
class FakeLauncher {
public:
    explicit FakeLauncher(const QString& script = {}, bool answerOnRelease = false)
        : path(qgetenv("PATH"))
    {
        QString searched = folder.path();
        if (!script.isNull()) {
            QFile launcher(folder.filePath(u"xdg-open"_s));
            if (!launcher.open(QIODevice::WriteOnly))
                qFatal("cannot write the fake launcher");
            launcher.write("#!/bin/sh\nprintf '%s\\n' \"$@\" >> \"$(dirname \"$0\")/opened\"\n"
                           "printf '%s' \"${DESKTOP_STARTUP_ID-}\" > \"$(dirname \"$0\")/startup-id\"\n");
            if (answerOnRelease)
                launcher.write("while [ ! -e \"$(dirname \"$0\")/released\" ]; do sleep 0.02; done\n");
            launcher.write(script.toUtf8() + '\n');
            launcher.close();
            launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
            searched += u":/usr/bin:/bin"_s;
        }
        qputenv("PATH", searched.toLocal8Bit());
    }
    ~FakeLauncher()
    {
        release();
        qputenv("PATH", path);
        // A launcher never outlives its test.
        if (!QTest::qWaitFor([] { return hinomori::ui::runningLaunchers()->findChildren<QProcess*>().isEmpty(); }))
            qFatal("a launcher is still running");
    }

    void release() const
    {
        QFile released(folder.filePath(u"released"_s));
        if (!released.open(QIODevice::WriteOnly))
            qFatal("cannot release the fake launcher");
    }

    // DESKTOP_STARTUP_ID as the launcher got it, once it ran.
    std::optional<QString> startupId() const
    {
        QFile id(folder.filePath(u"startup-id"_s));
        if (!id.open(QIODevice::ReadOnly))
            return std::nullopt;
        return QString::fromLocal8Bit(id.readAll());
    }

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
    void cleanup()
    {
        QFile::remove(manualPath());
        QDir().rmdir(manualPath());
        QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void exitClosesTheWindow();
    void presentManualGoesToTheDesktop_data();
    void presentManualGoesToTheDesktop();
    void manualChosenAgainWhileAskedStartsNoSecondLauncher();
    void lateManualFailureShowsOverAnOpenDialog();
    void manualAnswersThroughItsCallback_data();
    void manualAnswersThroughItsCallback();
    void launcherStillRunningCountsAsOpened();
    void missingManualWarnsWithItsPath_data();
    void missingManualWarnsWithItsPath();
    void versionDialogIsModalAndFreshEachTime();
    void launcherGetsTheUserTimeOnX11_data();
    void launcherGetsTheUserTimeOnX11();
};

void TestMenus::exitClosesTheWindow()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    menuItem(*window, u"mnuExit"_s)->trigger();
    QVERIFY(!window->isVisible());
}

void writeManual()
{
    QFile manual(manualPath());
    if (!manual.open(QIODevice::WriteOnly) || manual.write("manual\n") < 0)
        qFatal("cannot write the manual");
}

void TestMenus::presentManualGoesToTheDesktop_data()
{
    QTest::addColumn<bool>("launcherOnPath");
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<QString>("warning");  // empty: none

    QTest::newRow("launcher opens it") << true << u"exit 0"_s << QString();
    QTest::newRow("launcher finds no tool") << true << u"exit 3"_s << noProgramWarning();
    QTest::newRow("launcher's tool fails to open it") << true << u"exit 4"_s << noProgramWarning();
    QTest::newRow("launcher fails otherwise") << true << u"exit 1"_s << expectedWarning();
    QTest::newRow("no launcher") << false << QString() << noProgramWarning();
}

void TestMenus::presentManualGoesToTheDesktop()
{
    QFETCH(bool, launcherOnPath);
    QFETCH(QString, launcher);
    QFETCH(QString, warning);

    writeManual();
    const auto window = openMainWindow();
    FakeLauncher desktop(launcherOnPath ? launcher : QString(), true);
    MessageBoxCloser closer;
    menuItem(*window, u"mnuReadme"_s)->trigger();
    // The command returns at once: the desktop's answer comes later.
    QCOMPARE(closer.seen(), 0);

    desktop.release();
    if (!warning.isEmpty()) {
        QTRY_COMPARE(closer.seen(), 1);
        QCOMPARE(closer.last->text, warning);
    } else {
        // The launcher's end is its answer, given before the launcher is gone.
        QTRY_VERIFY(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().isEmpty());
        QCOMPARE(closer.seen(), 0);
    }
    if (launcherOnPath)
        QCOMPARE(desktop.opened(), QStringList{manualPath()});
}

void TestMenus::manualChosenAgainWhileAskedStartsNoSecondLauncher()
{
    writeManual();
    const auto window = openMainWindow();
    FakeLauncher desktop(u"exit 0"_s, true);
    QAction* readme = menuItem(*window, u"mnuReadme"_s);
    readme->trigger();
    readme->trigger();
    QCOMPARE(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().size(), 1);
    QTRY_COMPARE(desktop.opened().size(), 1);

    // Once the desktop has answered, the command asks it again.
    desktop.release();
    QTRY_VERIFY(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().isEmpty());
    readme->trigger();
    QTRY_COMPARE(desktop.opened().size(), 2);
}

void TestMenus::lateManualFailureShowsOverAnOpenDialog()
{
    writeManual();
    const auto window = openMainWindow();
    FakeLauncher desktop(u"exit 3"_s, true);
    menuItem(*window, u"mnuReadme"_s)->trigger();

    // The user opens the version dialog while the desktop is still asked;
    // the failure comes then, and shows over the dialog at once.
    std::optional<QString> warnedOverTheDialog;
    ModalCloser closer([&](QWidget* modal) {
        if (qobject_cast<frmAbout*>(modal)) {
            desktop.release();
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(modal);
        frmAbout* about = window->findChild<frmAbout*>();
        if (box && about && about->isVisible())
            warnedOverTheDialog = box->text();
        modal->close();
        if (about)
            about->close();
    });
    menuItem(*window, u"mnuVersion"_s)->trigger();
    QCOMPARE(warnedOverTheDialog, std::optional<QString>(noProgramWarning()));
}

void TestMenus::manualAnswersThroughItsCallback_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<bool>("contextKept");
    QTest::addColumn<std::optional<ManualAnswer>>("answer");

    QTest::newRow("opened") << true << u"exit 0"_s << true << std::optional(ManualAnswer::opened);
    QTest::newRow("launcher finds no tool") << true << u"exit 3"_s << true << std::optional(ManualAnswer::no_program);
    QTest::newRow("launcher fails") << true << u"exit 1"_s << true << std::optional(ManualAnswer::not_opened);
    QTest::newRow("no file") << false << u"exit 0"_s << true << std::optional(ManualAnswer::not_opened);
    QTest::newRow("no launcher") << true << QString() << true << std::optional(ManualAnswer::no_program);
    QTest::newRow("asker gone before the answer") << true << u"exit 3"_s << false << std::optional<ManualAnswer>();
}

void TestMenus::manualAnswersThroughItsCallback()
{
    QFETCH(bool, present);
    QFETCH(QString, launcher);
    QFETCH(bool, contextKept);
    QFETCH(std::optional<ManualAnswer>, answer);

    if (present)
        writeManual();
    FakeLauncher desktop(launcher, true);
    auto context = std::make_unique<QObject>();
    std::optional<ManualAnswer> answered;
    int answers = 0;
    hinomori::ui::openManual(
        manualPath(), context.get(),
        [&](ManualAnswer given) {
            answered = given;
            ++answers;
        },
        std::chrono::hours(1));
    // The call returns before the launcher answers.
    QCOMPARE(answers, 0);
    if (!contextKept)
        context.reset();

    desktop.release();
    if (answer) {
        QTRY_COMPARE(answered, answer);
    } else {
        // The answer would come before the launcher is gone.
        QTRY_VERIFY(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().isEmpty());
    }
    QCOMPARE(answers, answer ? 1 : 0);
}

void TestMenus::launcherStillRunningCountsAsOpened()
{
    writeManual();
    FakeLauncher desktop(u"exit 3"_s, true);
    QObject context;
    std::optional<ManualAnswer> answered;
    hinomori::ui::openManual(manualPath(), &context, [&](ManualAnswer given) { answered = given; },
                             std::chrono::milliseconds(100));
    QTRY_COMPARE(answered, std::optional(ManualAnswer::opened));
    // Not killed: the launcher may be waiting for its viewer. Its late failure says nothing more.
    QCOMPARE(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().size(), 1);
    desktop.release();
    QTRY_VERIFY(hinomori::ui::runningLaunchers()->findChildren<QProcess*>().isEmpty());
    QCOMPARE(answered, std::optional(ManualAnswer::opened));
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

    QTRY_VERIFY(closer.last);
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
        shown << about->windowTitle();
        QTest::mouseClick(about->findChild<QPushButton*>(u"cmdOk"_s), Qt::LeftButton);
    });

    for (int time = 0; time < 2; ++time) {
        menuItem(*window, u"mnuVersion"_s)->trigger();
        // Closed means gone: the next command builds the dialog anew.
        QVERIFY(window->findChildren<frmAbout*>().isEmpty());
    }
    QCOMPARE(closer.seen(), 2);
    QCOMPARE(shown, QStringList(2, u"ひのもりのバージョン情報"_s));
}

void TestMenus::launcherGetsTheUserTimeOnX11_data()
{
    QTest::addColumn<bool>("timeSet");  // the window's _NET_WM_USER_TIME, else none
    QTest::addColumn<QString>("startupId");

    QTest::newRow("the time of the user's input") << true << u"^hinomori-[0-9]+-.+-[0-9]+_TIME4242$"_s;
    QTest::newRow("no input yet: none") << false << u"^$"_s;
}

// As the window manager reads the time of the user's input from the
// window, the launcher passes it on to the viewer.
void TestMenus::launcherGetsTheUserTimeOnX11()
{
    QFETCH(bool, timeSet);
    QFETCH(QString, startupId);

    if (QGuiApplication::platformName() != u"xcb"_s)
        QSKIP("X11 only: the X11 run checks it");
    writeManual();
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    xcb_connection_t* connection = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const char name[] = "_NET_WM_USER_TIME";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    QVERIFY(atom);
    const auto on = static_cast<xcb_window_t>(window->windowHandle()->winId());
    const quint32 time = 4242;
    if (timeSet)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, on, atom->atom, XCB_ATOM_CARDINAL, 32, 1, &time);
    else
        xcb_delete_property(connection, on, atom->atom);
    std::free(atom);

    FakeLauncher desktop(u"exit 0"_s);
    menuItem(*window, u"mnuReadme"_s)->trigger();
    QTRY_VERIFY(desktop.startupId());
    QVERIFY2(QRegularExpression(startupId).match(*desktop.startupId()).hasMatch(), qPrintable(*desktop.startupId()));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
