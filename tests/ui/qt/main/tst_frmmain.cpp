#include "ui/main/main_window.h"
#include "ui/qt/core_text.h"
#include "ui/qt/window_helper.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
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
    void windowIsFixedAndTheRuleSpansIt();
    void tabOrderAndNames();
    void screenReadersReadWholeTexts_data();
    void screenReadersReadWholeTexts();
    void remarksAreReadLineByLine();
    void iconHasBothImages();
    void focusSelectsOrKeepsTheSelection_data();
    void focusSelectsOrKeepsTheSelection();
    void laterClickPlacesTheCaret();
    void programTextIsNeverCut();
};

void TestFrmMain::startsOnToday_data()
{
    QTest::addColumn<year_month_day>("today");
    QTest::addColumn<QStringList>("boxes");  // year, month/day, weekday, converted year
    QTest::newRow("an everyday year") << 2001y / October / 16 << QStringList{u"H13"_s, u"10/16"_s, u"火"_s, u"2001"_s};
    QTest::newRow("an era-change year: no emphasis at start")
        << 1989y / January / 7 << QStringList{u"S64"_s, u"1/7"_s, u"土"_s, u"1989"_s};
}

void TestFrmMain::startsOnToday()
{
    QFETCH(year_month_day, today);
    QFETCH(QStringList, boxes);

    const auto window = openMainWindow(today);
    QStringList shown;
    for (const QString& name : {u"txtNen"_s, u"txtMmdd"_s, u"txtWeek"_s, u"txtNenConv"_s})
        shown << box(*window, name)->text();
    QCOMPARE(shown, boxes);
    QVERIFY(!box(*window, u"txtNen"_s)->font().bold());
    QVERIFY(!box(*window, u"txtNenConv"_s)->font().bold());
    QVERIFY(!child<QLabel>(*window, u"lblAttention1"_s)->isVisible());
    QVERIFY(!child<QLabel>(*window, u"lblAttention2"_s)->isVisible());

    // The remarks, one era a line, newest first.
    const QStringList remarks = child<QPlainTextEdit>(*window, u"lblBikou"_s)->toPlainText().split(u'\n');
    QCOMPARE(remarks.size(), 6);
    QCOMPARE(remarks.first(), u"令和(2019)\u3000R01/05/01 ～"_s);
    QCOMPARE(remarks.last(), u"1868/10/22以前は西暦表示"_s);
}

void TestFrmMain::windowIsFixedAndTheRuleSpansIt()
{
    const auto window = openMainWindow();
    QCOMPARE(window->minimumSize(), window->maximumSize());
    // Also after the window was minimised and restored.
    window->showMinimized();
    window->showNormal();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(child<QFrame>(*window, u"linSeparate"_s)->width(), window->centralWidget()->width());
}

void TestFrmMain::tabOrderAndNames()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    // A screen reader names each control by its accessible name, else by its caption.
    const QStringList order{u"txtNen"_s,  u"txtMmdd"_s, u"cmdNenConv"_s,
                            u"txtNenConv"_s, u"txtWeek"_s, u"lblBikou"_s};
    const QStringList spoken{u"年"_s, u"月日"_s, u"変換"_s, u"変換結果"_s, u"曜日"_s, u"備考"_s};
    QCOMPARE(box(*window, order.first())->selectedText(), u"H13"_s);
    for (qsizetype i = 0; i < order.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QCOMPARE(focused->objectName(), order[i]);
        QCOMPARE(QAccessible::queryAccessibleInterface(focused)->text(QAccessible::Name), spoken[i]);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.first());
}

void TestFrmMain::screenReadersReadWholeTexts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("weight");

    QTest::newRow("year") << u"txtNen"_s << false << u"R8"_s << u"normal"_s;
    QTest::newRow("weekday, one character") << u"txtWeek"_s << false << u"月"_s << u"normal"_s;
    QTest::newRow("converted year in bold") << u"txtNenConv"_s << true << u"1989"_s << u"bold"_s;
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
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box(*window, name));
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
    auto* remarks = child<QPlainTextEdit>(*window, u"lblBikou"_s);
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(remarks)->textInterface();
    QVERIFY(reader);
    remarks->setFocus(Qt::TabFocusReason);

    QStringList lines;
    for (const std::u16string& line : hinomori::ui::main_window::remarks_lines())
        lines << hinomori::ui::toQString(line);
    const auto currentLine = [&] {
        int start = 0;
        int end = 0;
        return reader->textAtOffset(reader->cursorPosition(), QAccessible::LineBoundary, &start, &end).trimmed();
    };
    QCOMPARE(currentLine(), lines.first());
    QTest::keyClick(remarks, Qt::Key_Down);
    QCOMPARE(currentLine(), lines[1]);
    QTest::keyClick(remarks, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(currentLine(), lines.last());
    QTest::keyClick(remarks, Qt::Key_Up);
    QCOMPARE(currentLine(), lines[lines.size() - 2]);
    QVERIFY(remarks->isReadOnly());
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
