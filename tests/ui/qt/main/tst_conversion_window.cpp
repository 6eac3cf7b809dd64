#include "conversion/convert.h"
#include "ui/main/main_texts.h"
#include "ui/qt/announcement_helper.h"
#include "ui/qt/core_text.h"
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

    // One row for each way to run it and each way a run ends; what the
    // conversion gives is the core's (tests/conversion).
    QTest::newRow("Enter in the year box") << u"2001"_s << u"10/16"_s << Trigger::enterInYear;
    QTest::newRow("Enter in the month/day box") << u"2001"_s << u"10/16"_s << Trigger::enterInMonthDay;
    QTest::newRow("the button") << u"2001"_s << u"10/16"_s << Trigger::button;
    QTest::newRow("Enter on the button") << u"2001"_s << u"10/16"_s << Trigger::enterOnButton;
    QTest::newRow("year rewritten, emphasis raised") << u"H1"_s << u"1/7"_s << Trigger::button;
    QTest::newRow("warning: year missing") << QString() << u"10/16"_s << Trigger::button;
    QTest::newRow("warning: month/day missing") << u"2001"_s << QString() << Trigger::button;
    QTest::newRow("warning: month/day malformed") << u"2001"_s << u"1016"_s << Trigger::button;
    QTest::newRow("warning: year malformed") << u"X1"_s << u"1/1"_s << Trigger::button;
    QTest::newRow("warning: no such Gregorian day") << u"2001"_s << u"2/29"_s << Trigger::button;
    QTest::newRow("warning: no such era day") << u"H13"_s << u"2/29"_s << Trigger::button;
}

void TestConversionWindow::convertsAndWarns()
{
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(Trigger, trigger);

    using hinomori::ui::toQString;
    const auto expected = hinomori::conversion::convert(year.toStdU16String(), monthDay.toStdU16String());
    Window window;
    window.type(window.year(), year);
    window.type(window.monthDay(), monthDay);
    const QString convertedBefore = window.converted()->text();
    const QString weekdayBefore = window.weekday()->text();
    Announcements announcements;
    const auto seen = window.convert(trigger);

    QCOMPARE(window.year()->text(), expected.year_box ? toQString(*expected.year_box) : year);
    QCOMPARE(window.converted()->text(), expected.converted_year ? toQString(*expected.converted_year) : convertedBefore);
    QCOMPARE(window.weekday()->text(), expected.weekday ? toQString(*expected.weekday) : weekdayBefore);
    QCOMPARE(window.emphasised(), expected.era_change_year);
    if (expected.warning) {
        using hinomori::conversion::WarningTarget;
        QVERIFY(seen);
        QCOMPARE(seen->text, toQString(hinomori::conversion::warning_text(*expected.warning)));
        QCOMPARE(seen->title, u"ひのもり"_s);
        QCOMPARE(seen->icon, QMessageBox::Warning);
        QCOMPARE(seen->buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
        const bool toYear = hinomori::conversion::warning_target(*expected.warning) == WarningTarget::year_box;
        QLineEdit* target = toYear ? window.year() : window.monthDay();
        QCOMPARE(window.focused(), target);
        // The focus move selects the box's text so the user can type over it.
        QCOMPARE(target->selectedText(), target->text());
        // A warning speaks for itself.
        QVERIFY(announcements.said.isEmpty());
        return;
    }
    QVERIFY(!seen);
    // A screen reader hears the result without leaving the box.
    const std::u16string yearAfter = window.year()->text().toStdU16String();
    const bool rewritten = window.year()->text() != year;
    QCOMPARE(announcements.said,
             QStringList{toQString(hinomori::ui::main_window::result_announcement(
                 rewritten ? std::optional<std::u16string_view>(yearAfter) : std::nullopt,
                 window.converted()->text().toStdU16String(), window.weekday()->text().toStdU16String(),
                 expected.era_change_year))});
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
