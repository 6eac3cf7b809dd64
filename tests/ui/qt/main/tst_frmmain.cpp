#include "ui/qt/input_helper.h"
#include "ui/qt/text_fit.h"
#include "ui/qt/window_helper.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono;

Q_DECLARE_METATYPE(std::chrono::year_month_day)

namespace {

QLineEdit* box(const QWidget& window, const QString& name)
{
    return child<QLineEdit>(window, name);
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void startsOnToday_data();
    void startsOnToday();
    void layout_data();
    void layout();
    void windowIsFixedWithoutMaximise();
    void remarksListEveryEra();
    void everyCaptionShowsWhole();
    void separatorSpansTheClientWidth();
    void tabOrderAndNames();
    void outputBoxesAreReadOnly();
    void screenReadersReadWholeTexts_data();
    void screenReadersReadWholeTexts();
    void remarksAreReadLineByLine();
    void separatorSaysNothing();
    void iconHasBothImages();
    void typingIsFoldedAndBounded_data();
    void typingIsFoldedAndBounded();
    void focusSelectsOrKeepsTheSelection_data();
    void focusSelectsOrKeepsTheSelection();
    void laterClickPlacesTheCaret();
    void programTextIsNeverCut();
};

void TestFrmMain::startsOnToday_data()
{
    QTest::addColumn<year_month_day>("today");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("monthDay");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("gregorian");

    QTest::newRow("平成") << 2001y / October / 16 << u"H13"_s << u"10/16"_s << u"火"_s << u"2001"_s;
    QTest::newRow("last day of 昭和") << 1989y / January / 7 << u"S64"_s << u"1/7"_s << u"土"_s << u"1989"_s;
    QTest::newRow("first day of 令和") << 2019y / May / 1 << u"R1"_s << u"5/1"_s << u"水"_s << u"2019"_s;
    QTest::newRow("before 明治") << 1868y / October / 22 << u"1868"_s << u"10/22"_s << u"木"_s << u"1868"_s;
    QTest::newRow("today") << 2026y / December / 7 << u"R8"_s << u"12/7"_s << u"月"_s << u"2026"_s;
}

void TestFrmMain::startsOnToday()
{
    QFETCH(year_month_day, today);
    QFETCH(QString, year);
    QFETCH(QString, monthDay);
    QFETCH(QString, weekday);
    QFETCH(QString, gregorian);

    const auto window = openMainWindow(today);
    QCOMPARE(box(*window, u"txtNen"_s)->text(), year);
    QCOMPARE(box(*window, u"txtMmdd"_s)->text(), monthDay);
    QCOMPARE(box(*window, u"txtWeek"_s)->text(), weekday);
    QCOMPARE(box(*window, u"txtNenConv"_s)->text(), gregorian);

    // No era-change emphasis at start, even in an era-change year.
    QVERIFY(!box(*window, u"txtNen"_s)->font().bold());
    QVERIFY(!box(*window, u"txtNenConv"_s)->font().bold());
    QVERIFY(!child<QLabel>(*window, u"lblAttention1"_s)->isVisible());
    QVERIFY(!child<QLabel>(*window, u"lblAttention2"_s)->isVisible());
}

void TestFrmMain::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");

    // Twips at 15 to the pixel.
    QTest::newRow("year box") << u"txtNen"_s << QRect(67, 21, 46, 24);
    QTest::newRow("month/day box") << u"txtMmdd"_s << QRect(124, 21, 52, 24);
    QTest::newRow("convert button") << u"cmdNenConv"_s << QRect(187, 21, 43, 22);
    QTest::newRow("weekday box") << u"txtWeek"_s << QRect(148, 54, 28, 24);
    QTest::newRow("warning title, centred") << u"lblAttention1"_s << QRect(92, 90, 81, 15);
    QTest::newRow("remarks frame") << u"fraBikou"_s << QRect(19, 135, 226, 106);
    QTest::newRow("remarks, inside the frame") << u"lblBikou"_s << QRect(9, 21, 205, 76);
}

void TestFrmMain::layout()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);

    const auto window = openMainWindow();
    QCOMPARE(child<QWidget>(*window, name)->geometry(), pixels);
}

void TestFrmMain::windowIsFixedWithoutMaximise()
{
    const auto window = openMainWindow();
    QCOMPARE(window->windowTitle(), u"ひのもり"_s);
    QCOMPARE(window->centralWidget()->size(), QSize(264, 252));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!window->windowIcon().isNull());
}

void TestFrmMain::remarksListEveryEra()
{
    const auto window = openMainWindow();
    QCOMPARE(child<QLabel>(*window, u"lblBikou"_s)->text(),
             u"令和(2019)\u3000R01/05/01 \uFF5E\r\n"
             u"平成(1989)\u3000H01/01/08 \uFF5E H31/04/30\r\n"
             u"昭和(1926)\u3000S01/12/25 \uFF5E S64/01/07\r\n"
             u"大正(1912)\u3000T01/07/30 \uFF5E T15/12/24\r\n"
             u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29\r\n"
             u"1868/10/22以前は西暦表示"_s);
    QCOMPARE(child<QGroupBox>(*window, u"fraBikou"_s)->title(), u"備考"_s);
}

void TestFrmMain::everyCaptionShowsWhole()
{
    const auto window = openMainWindow();
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    QVERIFY(labels.size() >= 6);
    for (const QLabel* label : labels)
        QVERIFY2(showsWholeText(*label), qPrintable(label->objectName()));
}

void TestFrmMain::separatorSpansTheClientWidth()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->showMinimized();
    window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    const QList<QFrame*> lines = window->findChildren<QFrame*>(u"linSeparate"_s);
    QCOMPARE(lines.size(), 2);
    const int clientWidth = window->centralWidget()->width();
    QCOMPARE(lines[0]->geometry(), QRect(0, 0, clientWidth, 1));
    QCOMPARE(lines[1]->geometry(), QRect(0, 1, clientWidth, 1));
    QCOMPARE(lines[0]->backgroundRole(), QPalette::Dark);
    QCOMPARE(lines[1]->backgroundRole(), QPalette::Light);
}

void TestFrmMain::tabOrderAndNames()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    const QStringList order{u"txtNen"_s, u"txtMmdd"_s, u"cmdNenConv"_s, u"txtNenConv"_s, u"txtWeek"_s, u"lblBikou"_s};
    const QStringList spoken{u"年"_s, u"月日"_s, u"変換"_s, u"変換結果"_s, u"曜日"_s, u"備考"_s};
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
    QCOMPARE(box(*window, order.first())->selectedText(), u"H13"_s);
    for (qsizetype i = 0; i < order.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused->objectName(), order[i]);
        QCOMPARE(focused->accessibleName(), spoken[i]);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
}

void TestFrmMain::outputBoxesAreReadOnly()
{
    const auto window = openMainWindow();
    for (const QString& name : {u"txtNenConv"_s, u"txtWeek"_s}) {
        QLineEdit* output = box(*window, name);
        QVERIFY(output->isReadOnly());
        QCOMPARE(output->palette().color(QPalette::Base), output->palette().color(QPalette::Button));
    }
    QVERIFY(!box(*window, u"txtNen"_s)->isReadOnly());
}

void TestFrmMain::screenReadersReadWholeTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weight");

    QTest::newRow("year") << u"txtNen"_s << false << u"R8"_s << u"normal"_s;
    QTest::newRow("month/day") << u"txtMmdd"_s << false << u"12/7"_s << u"normal"_s;
    QTest::newRow("weekday, one character") << u"txtWeek"_s << false << u"月"_s << u"normal"_s;
    QTest::newRow("converted year") << u"txtNenConv"_s << false << u"2026"_s << u"normal"_s;
    QTest::newRow("year in bold") << u"txtNen"_s << true << u"S64"_s << u"bold"_s;
    QTest::newRow("converted year in bold") << u"txtNenConv"_s << true << u"1989"_s << u"bold"_s;
    QTest::newRow("remarks") << u"lblBikou"_s << false
                             << u"令和(2019)\u3000R01/05/01 \uFF5E\n平成(1989)\u3000H01/01/08 \uFF5E H31/04/30\n"
                                u"昭和(1926)\u3000S01/12/25 \uFF5E S64/01/07\n大正(1912)\u3000T01/07/30 \uFF5E T15/12/24\n"
                                u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29\n1868/10/22以前は西暦表示"_s
                             << u"normal"_s;
}

void TestFrmMain::screenReadersReadWholeTexts()
{
    QFETCH(QString, name);
    QFETCH(bool, emphasised);
    QFETCH(QString, text);
    QFETCH(QString, weight);

    const auto window = openMainWindow(2026y / December / 7);
    if (emphasised) {
        box(*window, u"txtNen"_s)->setText(u"H1"_s);
        box(*window, u"txtMmdd"_s)->setText(u"1/7"_s);
        child<QPushButton>(*window, u"cmdNenConv"_s)->click();
    }
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(child<QWidget>(*window, name));
    QAccessibleTextInterface* reader = accessible->textInterface();
    QVERIFY(reader);
    QCOMPARE(reader->text(0, reader->characterCount()), text);
    QCOMPARE(accessible->text(QAccessible::Value), text);

    // One run of attributes over the whole text, wherever it is asked for.
    for (const int offset : {0, static_cast<int>(text.size()) - 1, static_cast<int>(text.size())}) {
        int start = -1;
        int end = -1;
        QCOMPARE(reader->attributes(offset, &start, &end), u"font-weight:"_s + weight + u';');
        QCOMPARE(start, 0);
        QCOMPARE(end, text.size());
    }
}

void TestFrmMain::remarksAreReadLineByLine()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    auto* remarks = child<QLabel>(*window, u"lblBikou"_s);
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(remarks)->textInterface();
    remarks->setFocus(Qt::TabFocusReason);

    const auto currentLine = [&] {
        int start = 0;
        int end = 0;
        return reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
    };
    QCOMPARE(currentLine(), u"令和(2019)\u3000R01/05/01 \uFF5E"_s);
    QTest::keyClick(remarks, Qt::Key_Down);
    QCOMPARE(currentLine(), u"平成(1989)\u3000H01/01/08 \uFF5E H31/04/30"_s);
    QTest::keyClick(remarks, Qt::Key_End);
    QCOMPARE(currentLine(), u"1868/10/22以前は西暦表示"_s);
    QTest::keyClick(remarks, Qt::Key_Down);
    QCOMPARE(currentLine(), u"1868/10/22以前は西暦表示"_s);
    QTest::keyClick(remarks, Qt::Key_Up);
    QCOMPARE(currentLine(), u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29"_s);
    // The label is the same to the eye: its text keeps its line breaks.
    QVERIFY(remarks->text().contains(u"\r\n"_s));
}

void TestFrmMain::separatorSaysNothing()
{
    const auto window = openMainWindow();
    for (QFrame* line : window->findChildren<QFrame*>(u"linSeparate"_s)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(line);
        QVERIFY(accessible->text(QAccessible::Name).isEmpty());
        QVERIFY(accessible->state().invisible);
    }
}

void TestFrmMain::iconHasBothImages()
{
    const auto window = openMainWindow();
    QCOMPARE(window->windowIcon().availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));

    // The small image is the large one's design at half size: as symmetric
    // about its middle, with the red band above and below the black bar.
    const QImage small = window->windowIcon().pixmap(16, 16).toImage();
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 16; ++column)
            QCOMPARE(small.pixel(column, row), small.pixel(column, 15 - row));
    }
    for (const int row : {2, 13})
        QCOMPARE(QColor(small.pixel(7, row)), QColor(Qt::red));
    QCOMPARE(QColor(small.pixel(0, 9)), QColor(Qt::white));
}

void TestFrmMain::typingIsFoldedAndBounded_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("year: four fit") << u"txtNen"_s << u"2001"_s << u"2001"_s;
    QTest::newRow("year: fifth refused") << u"txtNen"_s << u"20011"_s << u"2001"_s;
    QTest::newRow("month/day: five fit") << u"txtMmdd"_s << u"10/16"_s << u"10/16"_s;
    QTest::newRow("month/day: sixth refused") << u"txtMmdd"_s << u"10/16/"_s << u"10/16"_s;
    QTest::newRow("full-width year digits") << u"txtNen"_s << u"１９８９"_s << u"1989"_s;
    QTest::newRow("full-width era letter") << u"txtNen"_s << u"ｈ１３"_s << u"h13"_s;
    QTest::newRow("full-width slash") << u"txtMmdd"_s << u"１０／１６"_s << u"10/16"_s;
    QTest::newRow("era name stays for the conversion") << u"txtNen"_s << u"平成１３"_s << u"平成13"_s;
    QTest::newRow("bounded after folding") << u"txtNen"_s << u"平成１３年"_s << u"平成13"_s;
    QTest::newRow("middle dot for the slash") << u"txtMmdd"_s << u"１０・１６"_s << u"10/16"_s;
    QTest::newRow("half-width middle dot") << u"txtMmdd"_s << u"1･7"_s << u"1/7"_s;
    QTest::newRow("middle dot stays in the year") << u"txtNen"_s << u"H・1"_s << u"H・1"_s;
    QTest::newRow("元年 from the input method") << u"txtNen"_s << u"令和元年"_s << u"令和元年"_s;
}

void TestFrmMain::typingIsFoldedAndBounded()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    const auto window = openMainWindow();
    QLineEdit* input = box(*window, name);
    input->clear();
    typeLikeAUser(input, typed);
    QCOMPARE(input->text(), shown);
}

enum class FocusBy { tab, backtab, click, dragFromTheEnd, alt, f10, menuKey, otherWindow };
Q_DECLARE_METATYPE(FocusBy)
Q_DECLARE_METATYPE(Qt::FocusReason)

void TestFrmMain::focusSelectsOrKeepsTheSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<FocusBy>("by");
    QTest::addColumn<Qt::FocusReason>("reason");  // that the box is given the focus back with
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("cursor");

    // The window opens on 2026-12-07: R8, 12/7, 2026, 月. Each box starts with
    // its caret after the first character and nothing selected, the year box
    // with "8" selected and the caret before it.
    const QString year = u"txtNen"_s;
    QTest::newRow("Tab into the month/day box") << u"txtMmdd"_s << FocusBy::tab << Qt::TabFocusReason << u"12/7"_s << 4;
    QTest::newRow("Tab into the converted year") << u"txtNenConv"_s << FocusBy::tab << Qt::TabFocusReason << u"2026"_s
                                                 << 4;
    QTest::newRow("Tab into the weekday") << u"txtWeek"_s << FocusBy::tab << Qt::TabFocusReason << u"月"_s << 1;
    QTest::newRow("Shift+Tab into the year box") << year << FocusBy::backtab << Qt::BacktabFocusReason << u"R8"_s << 2;
    QTest::newRow("click into the month/day box") << u"txtMmdd"_s << FocusBy::click << Qt::MouseFocusReason << u"12/7"_s
                                                  << 4;
    QTest::newRow("click into the weekday") << u"txtWeek"_s << FocusBy::click << Qt::MouseFocusReason << u"月"_s << 1;
    QTest::newRow("first click dragging a selection") << u"txtMmdd"_s << FocusBy::dragFromTheEnd << Qt::MouseFocusReason
                                                      << u"7"_s << 3;
    QTest::newRow("Alt and back") << year << FocusBy::alt << Qt::MenuBarFocusReason << u"8"_s << 1;
    QTest::newRow("F10 and back") << year << FocusBy::f10 << Qt::MenuBarFocusReason << u"8"_s << 1;
    QTest::newRow("a menu by its key and back") << year << FocusBy::menuKey << Qt::MenuBarFocusReason << u"8"_s << 1;
    QTest::newRow("another window and back") << year << FocusBy::otherWindow << Qt::ActiveWindowFocusReason << u"8"_s
                                             << 1;
}

void TestFrmMain::focusSelectsOrKeepsTheSelection()
{
    QFETCH(QString, name);
    QFETCH(FocusBy, by);
    QFETCH(Qt::FocusReason, reason);
    QFETCH(QString, selected);
    QFETCH(int, cursor);

    const auto window = openMainWindow(2026y / December / 7);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* target = box(*window, name);
    QLineEdit* year = box(*window, u"txtNen"_s);
    for (QLineEdit* each : window->findChildren<QLineEdit*>())
        each->setCursorPosition(1);
    year->setSelection(2, -1);

    // The reasons the target is given the focus with, as Qt hands them over.
    class FocusReasons : public QObject {
    public:
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::FocusIn)
                seen << static_cast<QFocusEvent*>(event)->reason();
            return false;
        }
        QList<Qt::FocusReason> seen;
    } reasons;
    target->installEventFilter(&reasons);

    const QPoint middle(target->width() / 2, target->height() / 2);
    QWindow* keys = window->windowHandle();
    switch (by) {
    case FocusBy::tab: {
        QWidget* before = target->previousInFocusChain();
        while (!(before->focusPolicy() & Qt::TabFocus))
            before = before->previousInFocusChain();
        before->setFocus();
        QTest::keyClick(keys, Qt::Key_Tab);
        break;
    }
    case FocusBy::backtab:
        box(*window, u"txtMmdd"_s)->setFocus();
        QTest::keyClick(keys, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case FocusBy::click:
        QTest::mouseClick(target, Qt::LeftButton, {}, middle);
        break;
    case FocusBy::dragFromTheEnd:
        QTest::mousePress(target, Qt::LeftButton, {}, QPoint(target->width() - 3, middle.y()));
        QTest::mouseMove(target, QPoint(2, middle.y()));
        QTest::mouseMove(target, middle);
        QTest::mouseRelease(target, Qt::LeftButton, {}, middle);
        break;
    case FocusBy::alt:
        QTest::keyClick(keys, Qt::Key_Alt);
        QCOMPARE(QApplication::focusWidget(), window->menuBar());
        QTest::keyClick(keys, Qt::Key_Escape);
        break;
    case FocusBy::f10:
        QTest::keyClick(keys, Qt::Key_F10);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), window->menuBar());
        QTest::keyClick(keys, Qt::Key_Escape);
        break;
    case FocusBy::menuKey:
        QTest::keyClick(keys, Qt::Key_H, Qt::AltModifier);
        QVERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(keys, Qt::Key_Escape);
        break;
    case FocusBy::otherWindow: {
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        other.close();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        break;
    }
    }

    QCOMPARE(QApplication::focusWidget(), target);
    QVERIFY(!reasons.seen.isEmpty());
    QCOMPARE(reasons.seen.last(), reason);
    QCOMPARE(target->selectedText(), selected);
    QCOMPARE(target->cursorPosition(), cursor);
}

void TestFrmMain::laterClickPlacesTheCaret()
{
    const auto window = openMainWindow(2026y / December / 7);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* monthDay = box(*window, u"txtMmdd"_s);
    const QPoint afterTheSeven(monthDay->width() - 3, monthDay->height() / 2);

    QTest::mouseClick(monthDay, Qt::LeftButton, {}, afterTheSeven);
    QCOMPARE(monthDay->selectedText(), u"12/7"_s);
    QTest::mouseClick(monthDay, Qt::LeftButton, {}, afterTheSeven);
    QVERIFY(!monthDay->hasSelectedText());
    QCOMPARE(monthDay->cursorPosition(), 4);
}

void TestFrmMain::programTextIsNeverCut()
{
    // Far in the future today's era year needs five characters.
    const auto window = openMainWindow(9999y / December / 31);
    QLineEdit* year = box(*window, u"txtNen"_s);
    QCOMPARE(year->text(), u"R7981"_s);

    // The user still cannot make it longer, only shorter.
    year->end(false);
    QTest::keyClicks(year, u"1"_s);
    QCOMPARE(year->text(), u"R7981"_s);
    QTest::keyClick(year, Qt::Key_Backspace);
    QTest::keyClicks(year, u"23"_s);
    QCOMPARE(year->text(), u"R798"_s);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
