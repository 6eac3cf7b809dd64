#include "ui/about/about_window.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/core_text.h"
#include "ui/qt/modal_helper.h"
#include "ui/qt/version.h"
#include "ui/qt/window_helper.h"

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
    void fixedDialogWithoutMinimiseOrMaximise();
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
    const auto description = hinomori::ui::about_window::description();
    QCOMPARE(about.windowTitle(), toQString(description.caption));
    QCOMPARE(about.findChild<QLabel*>(u"lblTitle"_s)->text(), toQString(description.control(u"lblTitle").caption));
    const std::u16string version =
        hinomori::ui::about_window::version_text(hinomori::version::major, hinomori::version::minor);
    QCOMPARE(about.findChild<QLabel*>(u"lblVersion"_s)->text(), toQString(version));

    auto* copyright = about.findChild<QLabel*>(u"lblCopyright"_s);
    QCOMPARE(copyright->text(), toQString(hinomori::version::copyright));
    QVERIFY(!copyright->text().isEmpty());
    QCOMPARE(copyright->alignment(), Qt::AlignCenter);
    // Read after the title when the dialog opens: name, version, notice.
    QCOMPARE(about.accessibleDescription(),
             toQString(hinomori::ui::about_window::about_description(version, hinomori::version::copyright)));

    auto* icon = about.findChild<QLabel*>(u"picIcon"_s);
    QCOMPARE(icon->pixmap().size(), QSize(32, 32));
}

void TestFrmAbout::fixedDialogWithoutMinimiseOrMaximise()
{
    frmAbout about;
    const auto description = hinomori::ui::about_window::description();
    QCOMPARE(about.minimumSize(), about.maximumSize());
    QVERIFY(about.width() >= description.client_width_twips / 15);
    QVERIFY(about.height() >= description.client_height_twips / 15);
    QVERIFY(!(about.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(about.isModal());
    QVERIFY(about.findChild<QPushButton*>(u"cmdOk"_s)->isDefault());
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
