#include "ui/qt/about/frmAbout.h"
#include "ui/qt/core_text.h"
#include "ui/qt/modal_helper.h"
#include "ui/qt/version.h"
#include "ui/qt/window_helper.h"
#include "ui/qt/window_placement.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void showsNameVersionAndCopyright();
    void fixedAndModal();
    void reactivatedOnlyWhereTheCompositorNeedsIt_data();
    void reactivatedOnlyWhereTheCompositorNeedsIt();
    void titleColourReadsOnTheTheme_data();
    void titleColourReadsOnTheTheme();
    void dialogKeysClose_data();
    void dialogKeysClose();
    void isATransientWindowOfTheMainWindow();
};

void TestFrmAbout::showsNameVersionAndCopyright()
{
    using hinomori::ui::toQString;
    frmAbout about;
    QCOMPARE(about.windowTitle(), u"ひのもりのバージョン情報"_s);
    QCOMPARE(about.findChild<QLabel*>(u"lblTitle"_s)->text(), u"ひのもり"_s);
    QCOMPARE(about.findChild<QLabel*>(u"lblVersion"_s)->text(), u"Ver.1.00"_s);
    const QString copyright = toQString(hinomori::version::copyright);
    QVERIFY(!copyright.isEmpty());
    QCOMPARE(about.findChild<QLabel*>(u"lblCopyright"_s)->text(), copyright);
    // Read after the title when the dialog opens: name, version, notice.
    QCOMPARE(about.accessibleDescription(), u"ひのもり Ver.1.00 "_s + copyright);
    QCOMPARE(about.findChild<QLabel*>(u"picIcon"_s)->pixmap().deviceIndependentSize(), QSizeF(32, 32));
}

void TestFrmAbout::fixedAndModal()
{
    frmAbout about;
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.isModal());
}

void TestFrmAbout::reactivatedOnlyWhereTheCompositorNeedsIt_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<bool>("needed");
    QTest::newRow("GNOME keeps the dialog over the window") << u"GNOME"_s << false;
    QTest::newRow("Ubuntu's GNOME") << u"ubuntu:GNOME"_s << false;
    QTest::newRow("KDE Plasma") << u"KDE"_s << false;
    QTest::newRow("sway stacks it like any window") << u"sway"_s << true;
    QTest::newRow("a desktop that names none") << QString() << true;
}

void TestFrmAbout::reactivatedOnlyWhereTheCompositorNeedsIt()
{
    QFETCH(QString, desktop);
    QFETCH(bool, needed);
    QCOMPARE(hinomori::ui::dialogNeedsReactivating(desktop), needed);
}

void TestFrmAbout::titleColourReadsOnTheTheme_data()
{
    QTest::addColumn<QColor>("window");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("title");

    QTest::newRow("light theme: black") << QColor(0xef, 0xef, 0xef) << QColor(0x30, 0x30, 0x30) << QColor(Qt::black);
    QTest::newRow("white: black") << QColor(Qt::white) << QColor(Qt::darkBlue) << QColor(Qt::black);
    QTest::newRow("dark theme: the theme's text") << QColor(0x35, 0x35, 0x35) << QColor(0xee, 0xee, 0xec)
                                                  << QColor(0xee, 0xee, 0xec);
}

void TestFrmAbout::titleColourReadsOnTheTheme()
{
    QFETCH(QColor, window);
    QFETCH(QColor, text);
    QFETCH(QColor, title);

    const QPalette original = QApplication::palette();
    QPalette theme = original;
    theme.setColor(QPalette::Window, window);
    theme.setColor(QPalette::WindowText, text);

    frmAbout opened;  // follows a theme changed while it is open
    QApplication::setPalette(theme);
    QCoreApplication::processEvents();  // the change reaches open windows as posted events
    frmAbout fresh;
    for (const frmAbout* about : {&opened, &fresh}) {
        const auto* label = about->findChild<QLabel*>(u"lblTitle"_s);
        QCOMPARE(label->palette().color(QPalette::WindowText), title);
    }
    QApplication::setPalette(original);
}

void TestFrmAbout::dialogKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter presses OK") << int(Qt::Key_Return);
    QTest::newRow("Esc closes") << int(Qt::Key_Escape);
}

void TestFrmAbout::dialogKeysClose()
{
    QFETCH(int, key);

    frmAbout about;
    QTimer::singleShot(0, &about, [&] { QTest::keyClick(&about, Qt::Key(key)); });
    QTimer::singleShot(5000, &about, [&] { about.done(-1); });  // a key that closes nothing fails, not hangs
    const int result = about.exec();
    QVERIFY(result != -1);
}

void TestFrmAbout::isATransientWindowOfTheMainWindow()
{
    // Compositors keep a transient window over its parent and place it there.
    const auto window = openMainWindow();
    QWindow* transientParent = nullptr;
    ModalCloser closer([&](QWidget* modal) {
        transientParent = modal->windowHandle()->transientParent();
        modal->close();
    });
    child<QAction>(*window, u"mnuVersion"_s)->trigger();
    QCOMPARE(closer.seen(), 1);
    QVERIFY(transientParent != nullptr);
    QCOMPARE(transientParent, window->windowHandle());
}

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
