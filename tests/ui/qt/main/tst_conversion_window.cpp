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
    void warningBoxLooksRight();
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
    QTest::addColumn<QString>("yearAfter");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<bool>("emphasis");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("focus");

    const auto row = [](const char* name, const QString& year, const QString& monthDay, Trigger trigger,
                        const QString& yearAfter, const QString& converted, const QString& weekday, bool emphasis,
                        const QString& warning = QString(), const QString& focus = QString()) {
        QTest::newRow(name) << year << monthDay << trigger << yearAfter << converted << weekday << emphasis
                            << warning << focus;
    };
    using T = Trigger;
    // Opening values stay in the output boxes when a run stops at a warning.
    const QString was = u"2001"_s;
    const QString wasDay = u"火"_s;

    row("Gregorian by Enter", u"2001"_s, u"10/16"_s, T::enterInYear, u"2001"_s, u"H13"_s, u"火"_s, false);
    row("Gregorian by the button", u"2001"_s, u"10/16"_s, T::button, u"2001"_s, u"H13"_s, u"火"_s, false);
    row("Gregorian by Enter on the button", u"2001"_s, u"10/16"_s, T::enterOnButton, u"2001"_s, u"H13"_s, u"火"_s,
        false);
    row("昭和 in its last year", u"1989"_s, u"1/7"_s, T::enterInMonthDay, u"1989"_s, u"S64"_s, u"土"_s, true);
    row("平成 1 on a 昭和 day", u"H1"_s, u"1/7"_s, T::button, u"S64"_s, u"1989"_s, u"土"_s, true);
    row("lower case era", u"h13"_s, u"10/16"_s, T::enterInYear, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("明治 1 before 明治", u"M1"_s, u"1/1"_s, T::button, u"1868"_s, u"1868"_s, u"水"_s, true);
    row("令和 from 2019", u"2019"_s, u"5/1"_s, T::button, u"2019"_s, u"R1"_s, u"水"_s, true);
    row("平成 31 on a 令和 day", u"H31"_s, u"5/1"_s, T::enterInYear, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("令和 1 on a 平成 day", u"R1"_s, u"4/30"_s, T::button, u"H31"_s, u"2019"_s, u"火"_s, true);
    row("平成 past its end", u"H32"_s, u"1/1"_s, T::button, u"H32"_s, u"2020"_s, u"水"_s, false);
    row("full-width input", u"１９８９"_s, u"１/７"_s, T::button, u"1989"_s, u"S64"_s, u"土"_s, true);
    row("era name", u"平成13"_s, u"10/16"_s, T::button, u"H13"_s, u"2001"_s, u"火"_s, false);
    row("元", u"令和元"_s, u"5/1"_s, T::enterInMonthDay, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("元年 from the input method", u"令和元年"_s, u"5/1"_s, T::enterInYear, u"R1"_s, u"2019"_s, u"水"_s, true);
    row("middle dot from the input method", u"2001"_s, u"10・16"_s, T::enterInMonthDay, u"2001"_s, u"H13"_s,
        u"火"_s, false);

    const QString yearMissing = u"「年」が未入力です。"_s;
    const QString yearWrong = u"「年」が間違っています。"_s;
    row("year empty", QString(), u"10/16"_s, T::button, QString(), was, wasDay, false, yearMissing, u"txtNen"_s);
    row("month/day empty", u"2001"_s, QString(), T::button, u"2001"_s, was, wasDay, false,
        u"「月日」が未入力です。"_s, u"txtMmdd"_s);
    row("month/day spaces", u"2001"_s, u"   "_s, T::enterInYear, u"2001"_s, was, wasDay, false,
        u"「月日」が未入力です。"_s, u"txtMmdd"_s);
    row("month/day without slash", u"2001"_s, u"1016"_s, T::button, u"2001"_s, was, wasDay, false,
        u"「月日」が間違っています。"_s, u"txtMmdd"_s);
    for (const char* typed : {"999", "0999", "H", "H0", "R0", "X1", "AB"})
        row(typed, QString::fromLatin1(typed), u"1/1"_s, T::button, QString::fromLatin1(typed), was, wasDay, false,
            yearWrong, u"txtNen"_s);
    row("Gregorian day that does not exist", u"2001"_s, u"2/29"_s, T::button, u"2001"_s, was, wasDay, false,
        u"西暦の年月日が間違っています。"_s, u"txtMmdd"_s);
    row("era day that does not exist", u"h13"_s, u"2/29"_s, T::enterInYear, u"H13"_s, was, wasDay, false,
        u"和暦の年月日が間違っています。"_s, u"txtMmdd"_s);
}

void TestConversionWindow::convertsAndWarns()
{
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(Trigger, trigger);
    QFETCH(QString, yearAfter);
    QFETCH(QString, converted);
    QFETCH(QString, weekday);
    QFETCH(bool, emphasis);
    QFETCH(QString, warning);
    QFETCH(QString, focus);

    Window window;
    window.type(window.year(), year);
    window.type(window.monthDay(), monthDay);
    const QString yearBefore = window.year()->text();
    Announcements announcements;
    const auto seen = window.convert(trigger);

    QCOMPARE(seen ? seen->text : QString(), warning);
    QCOMPARE(window.year()->text(), yearAfter);
    QCOMPARE(window.converted()->text(), converted);
    QCOMPARE(window.weekday()->text(), weekday);
    QCOMPARE(window.emphasised(), emphasis);

    // A screen reader hears the result without leaving the box; a warning speaks for itself.
    QStringList spoken;
    if (!seen) {
        QString result = yearAfter == yearBefore ? QString() : u"年 "_s + yearAfter + u"、"_s;
        result += u"変換結果 "_s + converted + u"、曜日 "_s + weekday;
        if (emphasis)
            result += u"、年号注意！ 月日によって年号が変わる年です"_s;
        spoken << result;
    }
    QCOMPARE(announcements.said, spoken);
    if (!focus.isNull())
        QCOMPARE(window.focused()->objectName(), focus);
}

void TestConversionWindow::warningBoxLooksRight()
{
    Window window;
    window.type(window.year(), u"X1"_s);
    const auto seen = window.convert(Trigger::button);
    QVERIFY(seen);
    QCOMPARE(seen->title, u"ひのもり"_s);
    QCOMPARE(seen->icon, QMessageBox::Warning);
    QCOMPARE(seen->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    // The focus move selects the box's text so the user can type over it.
    QCOMPARE(window.focused(), window.year());
    QCOMPARE(window.year()->selectedText(), u"X1"_s);
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
    QCOMPARE(announcements.said, QStringList(2, u"変換結果 2001、曜日 火"_s));
    QCOMPARE(window.focused(), window.year());
}

QTEST_MAIN(TestConversionWindow)
#include "tst_conversion_window.moc"
