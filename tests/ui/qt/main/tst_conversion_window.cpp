#include "ui/qt/announcement_helper.h"
#include "ui/qt/input_helper.h"
#include "ui/qt/modal_helper.h"
#include "ui/qt/window_helper.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

enum class Trigger { enterInYear, enterInMonthDay, button, enterOnButton };

// The window as it opens on 2001-10-16: H13, 10/16, 2001, 火.
class Window {
public:
    Window() : window_(openMainWindow())
    {
        if (!QTest::qWaitForWindowActive(window_.get()))
            qFatal("the window never became active");
    }

    QLineEdit* box(const QString& name) const { return child<QLineEdit>(*window_, name); }
    QLineEdit* year() const { return box(u"txtNen"_s); }
    QLineEdit* monthDay() const { return box(u"txtMmdd"_s); }
    QLineEdit* converted() const { return box(u"txtNenConv"_s); }
    QLineEdit* weekday() const { return box(u"txtWeek"_s); }
    QPushButton* convertButton() const { return child<QPushButton>(*window_, u"cmdNenConv"_s); }

    bool emphasised() const
    {
        const bool yearBold = year()->font().bold();
        const bool convertedBold = converted()->font().bold();
        const bool title = child<QLabel>(*window_, u"lblAttention1"_s)->isVisible();
        const bool note = child<QLabel>(*window_, u"lblAttention2"_s)->isVisible();
        if (yearBold != convertedBold || yearBold != title || yearBold != note)
            qFatal("the emphasis is only partly raised");
        return yearBold;
    }

    void type(QLineEdit* target, const QString& text)
    {
        target->setFocus();
        target->selectAll();
        if (text.isEmpty())
            QTest::keyClick(target, Qt::Key_Delete);
        else
            typeLikeAUser(target, text);
    }

    // Runs the conversion the way a user would and returns what the warning said, if one showed.
    std::optional<MessageBoxSeen> convert(Trigger trigger)
    {
        MessageBoxCloser closer;
        switch (trigger) {
        case Trigger::enterInYear:
            year()->setFocus();
            QTest::keyClick(year(), Qt::Key_Return);
            break;
        case Trigger::enterInMonthDay:
            monthDay()->setFocus();
            QTest::keyClick(monthDay(), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Trigger::button:
            QTest::mouseClick(convertButton(), Qt::LeftButton);
            break;
        case Trigger::enterOnButton:
            convertButton()->setFocus(Qt::TabFocusReason);
            QTest::keyClick(convertButton(), Qt::Key_Return);
            break;
        }
        // A window manager activates the window again once the warning is gone;
        // the offscreen platform has none.
        window_->activateWindow();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qFatal("the window did not come back after the warning");
        return closer.last;
    }

    QWidget* focused() const { return window_->focusWidget(); }

private:
    std::unique_ptr<frmMain> window_;
};

}  // namespace

Q_DECLARE_METATYPE(Trigger)

class TestConversionWindow : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void convertsAndWarns_data();
    void convertsAndWarns();
    void failedRunKeepsLastResultsAndClearsEmphasis();
    void enterLeavesTheCaretAtTheEnd_data();
    void enterLeavesTheCaretAtTheEnd();
    void enterElsewhereDoesNothing();
    void everyRunIsAnnounced();
};

void TestConversionWindow::convertsAndWarns_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("monthDay");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<QStringList>("shown");  // the year, converted year and weekday boxes afterwards
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<QString>("warning");  // empty: none
    QTest::addColumn<QString>("focus");    // the box the warning hands the focus to
    QTest::addColumn<QString>("spoken");

    // One row for each way to run it and each way a run ends; what the
    // conversion gives is the core's. The window opens showing 2001 and 火.
    const QString result = u"変換結果 H13、曜日 火"_s;
    const QStringList converted{u"2001"_s, u"H13"_s, u"火"_s};
    QTest::newRow("Enter in the year box") << u"2001"_s << u"10/16"_s << Trigger::enterInYear << converted << false
                                           << QString() << QString() << result;
    QTest::newRow("Enter in the month/day box") << u"2001"_s << u"10/16"_s << Trigger::enterInMonthDay << converted
                                                << false << QString() << QString() << result;
    QTest::newRow("the button") << u"2001"_s << u"10/16"_s << Trigger::button << converted << false << QString()
                                << QString() << result;
    QTest::newRow("Enter on the button") << u"2001"_s << u"10/16"_s << Trigger::enterOnButton << converted << false
                                         << QString() << QString() << result;
    QTest::newRow("year rewritten, emphasis raised")
        << u"H1"_s << u"1/7"_s << Trigger::button << QStringList{u"S64"_s, u"1989"_s, u"土"_s} << true << QString()
        << QString() << u"年 S64、変換結果 1989、曜日 土、年号注意！ 月日によって年号が変わる年です"_s;
    QTest::newRow("warning: to the year box")
        << u"X1"_s << u"1/1"_s << Trigger::button << QStringList{u"X1"_s, u"2001"_s, u"火"_s} << false
        << u"「年」が間違っています。"_s << u"txtNen"_s << QString();
    QTest::newRow("warning: to the month/day box, the year already rewritten")
        << u"h13"_s << u"2/29"_s << Trigger::button << QStringList{u"H13"_s, u"2001"_s, u"火"_s} << false
        << u"和暦の年月日が間違っています。"_s << u"txtMmdd"_s << QString();
}

void TestConversionWindow::convertsAndWarns()
{
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(Trigger, trigger);
    QFETCH(QStringList, shown);
    QFETCH(bool, emphasised);
    QFETCH(QString, warning);
    QFETCH(QString, focus);
    QFETCH(QString, spoken);

    Window window;
    window.type(window.year(), year);
    window.type(window.monthDay(), monthDay);
    Announcements announcements;
    const auto seen = window.convert(trigger);

    QCOMPARE((QStringList{window.year()->text(), window.converted()->text(), window.weekday()->text()}), shown);
    QCOMPARE(window.emphasised(), emphasised);
    if (warning.isEmpty()) {
        QVERIFY(!seen);
        // A screen reader hears the result without leaving the box.
        QCOMPARE(announcements.said, QStringList{spoken});
        return;
    }
    QVERIFY(seen);
    QCOMPARE(seen->text, warning);
    QCOMPARE(seen->title, u"ひのもり"_s);
    QCOMPARE(seen->icon, QMessageBox::Warning);
    QCOMPARE(seen->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QLineEdit* target = window.box(focus);
    QCOMPARE(window.focused(), target);
    // The focus move selects the box's text so the user can type over it.
    QCOMPARE(target->selectedText(), target->text());
    // A warning speaks for itself.
    QVERIFY(announcements.said.isEmpty());
}

void TestConversionWindow::failedRunKeepsLastResultsAndClearsEmphasis()
{
    Window window;
    window.type(window.year(), u"H1"_s);
    window.type(window.monthDay(), u"1/7"_s);
    QVERIFY(!window.convert(Trigger::button));
    QVERIFY(window.emphasised());

    window.type(window.monthDay(), u"2/30"_s);
    QVERIFY(window.convert(Trigger::button));
    QVERIFY(!window.emphasised());
    QCOMPARE(window.converted()->text(), u"1989"_s);
    QCOMPARE(window.weekday()->text(), u"土"_s);
    QCOMPARE(window.year()->text(), u"S64"_s);
}

void TestConversionWindow::enterLeavesTheCaretAtTheEnd_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("monthDay");
    QTest::addColumn<Trigger>("trigger");
    QTest::addColumn<bool>("warns");

    QTest::newRow("year box, rewritten year") << u"H1"_s << u"1/7"_s << Trigger::enterInYear << false;
    QTest::newRow("month/day box") << u"2001"_s << u"10/16"_s << Trigger::enterInMonthDay << false;
    // The warning's focus move selects the box, then Enter puts the caret at its end.
    QTest::newRow("year box, malformed year") << u"X1"_s << u"10/16"_s << Trigger::enterInYear << true;
    QTest::newRow("month/day box, warning elsewhere") << u"X1"_s << u"10/16"_s << Trigger::enterInMonthDay << true;
}

void TestConversionWindow::enterLeavesTheCaretAtTheEnd()
{
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(Trigger, trigger);
    QFETCH(bool, warns);

    Window window;
    window.type(window.year(), year);
    window.type(window.monthDay(), monthDay);
    QCOMPARE(bool(window.convert(trigger)), warns);

    QLineEdit* pressedIn = trigger == Trigger::enterInYear ? window.year() : window.monthDay();
    QCOMPARE(pressedIn->cursorPosition(), pressedIn->text().size());
    QVERIFY(!pressedIn->hasSelectedText());
}

void TestConversionWindow::enterElsewhereDoesNothing()
{
    Window window;
    window.type(window.year(), u"H1"_s);
    window.type(window.monthDay(), u"1/7"_s);

    MessageBoxCloser closer;
    for (QWidget* target : std::initializer_list<QWidget*>{window.converted(), window.weekday()}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    }
    QCOMPARE(window.converted()->text(), u"2001"_s);
    QCOMPARE(window.year()->text(), u"H1"_s);
    QCOMPARE(closer.seen(), 0);
}

void TestConversionWindow::everyRunIsAnnounced()
{
    Window window;
    Announcements announcements;
    for (int run = 0; run < 2; ++run)
        QVERIFY(!window.convert(Trigger::enterInYear));
    QCOMPARE(announcements.said.size(), 2);
    QCOMPARE(announcements.said.first(), announcements.said.last());
    QCOMPARE(window.focused(), window.year());
}

QTEST_MAIN(TestConversionWindow)
#include "tst_conversion_window.moc"
