// Qt's messages while the program starts, and after, and what is left
// running when it quits. The fatal message's one line and exit status are
// checked on the real program (check_no_display.sh).

#include "ui/qt/main/manual.h"
#include "ui/qt/start_up.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <signal.h>

namespace {

QStringList heard;

void listen(QtMsgType, const QMessageLogContext&, const QString& message)
{
    heard << message;
}

}  // namespace

class TestStartUp : public QObject {
    Q_OBJECT

private slots:
    void warningsStayOutUntilTheApplicationIsUp();
    void aManualLauncherOutlivesTheApplication();
};

void TestStartUp::warningsStayOutUntilTheApplicationIsUp()
{
    const QtMessageHandler before = qInstallMessageHandler(listen);
    heard.clear();
    {
        hinomori::ui::StartUpMessages startUp;
        qWarning("while starting");
        startUp.release();
        qWarning("once up");
    }
    qWarning("after");
    qInstallMessageHandler(before);
    QCOMPARE(heard, (QStringList{QStringLiteral("once up"), QStringLiteral("after")}));
}

// A launcher may wait for the viewer it started; quitting neither kills it nor warns of it.
void TestStartUp::aManualLauncherOutlivesTheApplication()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QFile launcher(folder.filePath(QStringLiteral("xdg-open")));
    QVERIFY(launcher.open(QIODevice::WriteOnly));
    // It waits for the test, and for no longer than ten seconds.
    launcher.write("#!/bin/sh\ncd \"$(dirname \"$0\")\"\necho $$ > pid\n"
                   "for i in $(seq 500); do [ -e released ] && break; sleep 0.02; done\n: > ended\n");
    launcher.close();
    launcher.setPermissions(launcher.permissions() | QFile::ExeOwner);
    QFile manual(folder.filePath(QStringLiteral("Hinomori.txt")));
    QVERIFY(manual.open(QIODevice::WriteOnly));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (folder.path() + QStringLiteral(":/usr/bin:/bin")).toLocal8Bit());

    const QtMessageHandler before = qInstallMessageHandler(listen);
    heard.clear();
    {
        int argc = 1;
        char name[] = "tst_start_up";
        char* argv[] = {name, nullptr};
        QGuiApplication application(argc, argv);
        QObject context;
        hinomori::ui::openManual(manual.fileName(), &context, [](hinomori::ui::ManualAnswer) {},
                                 std::chrono::hours(1));
        QTRY_VERIFY(QFile::exists(folder.filePath(QStringLiteral("pid"))));
    }
    qInstallMessageHandler(before);
    qputenv("PATH", path);
    QFile pid(folder.filePath(QStringLiteral("pid")));
    QVERIFY(pid.open(QIODevice::ReadOnly));
    const bool running = ::kill(static_cast<pid_t>(pid.readAll().trimmed().toLong()), 0) == 0;

    QFile released(folder.filePath(QStringLiteral("released")));
    QVERIFY(released.open(QIODevice::WriteOnly));
    QTRY_VERIFY(QFile::exists(folder.filePath(QStringLiteral("ended"))));
    QVERIFY2(running, "the launcher was killed");
    QVERIFY2(!heard.join(u'\n').contains(QStringLiteral("Destroyed while process")), qPrintable(heard.join(u'\n')));
}

QTEST_APPLESS_MAIN(TestStartUp)
#include "tst_start_up.moc"
