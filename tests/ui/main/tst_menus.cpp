#include "ui/about/frmAbout.h"
#include "ui/main/manual.h"
#include "ui/modal_helper.h"
#include "ui/window_helper.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>

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

// Stands in for the desktop's text viewer.
class FileOpener : public QObject {
    Q_OBJECT

public:
    FileOpener() { QDesktopServices::setUrlHandler(u"file"_s, this, "open"); }
    ~FileOpener() override { QDesktopServices::unsetUrlHandler(u"file"_s); }

    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
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
    void presentManualGoesToTheDesktop();
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
    QCOMPARE(hinomori::ui::manualPathIn(folder, separator), path);
}

void TestMenus::presentManualGoesToTheDesktop()
{
    QFile manual(manualPath());
    QVERIFY(manual.open(QIODevice::WriteOnly));
    manual.write("manual\n");
    manual.close();

    const auto window = openMainWindow();
    FileOpener desktop;
    MessageBoxCloser closer;
    menuItem(*window, u"mnuReadme"_s)->trigger();

    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(manualPath())});
    QCOMPARE(closer.seen(), 0);
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
    FileOpener desktop;
    MessageBoxCloser closer;
    menuItem(*window, u"mnuReadme"_s)->trigger();

    QVERIFY(closer.last);
    QCOMPARE(closer.last->text, u"説明書が開けません。\r\n\r\n"_s + QDir::toNativeSeparators(manualPath())
                                    + u"\r\n が存在するか確認してください。"_s);
    QCOMPARE(closer.last->title, u"ひのもり"_s);
    QCOMPARE(closer.last->icon, QMessageBox::Warning);
    QCOMPARE(closer.last->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QVERIFY(desktop.opened.isEmpty());
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
