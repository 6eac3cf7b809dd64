#include "ui/qt/input_helper.h"
#include "ui/qt/text_fit.h"
#include "ui/qt/window_helper.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
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
    void editsAreBoundedLikeANativeLimit_data();
    void editsAreBoundedLikeANativeLimit();
    void firstClickSelectsTheWholeText();
    void menuBarLeavesTheSelection();
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

enum class Edit { paste, type, commit };
Q_DECLARE_METATYPE(Edit)

void TestFrmMain::editsAreBoundedLikeANativeLimit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");  // 0: the caret at selectionStart
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorAfter");

    const auto row = [](const char* name, const QString& box, const QString& before, int start, int length,
                        Edit edit, const QString& text, const QString& shown, int cursorAfter) {
        QTest::newRow(name) << box << before << start << length << edit << text << shown << cursorAfter;
    };
    const QString year = u"txtNen"_s;
    const QString monthDay = u"txtMmdd"_s;
    row("paste into an empty box, cut to fit", year, QString(), 0, 0, Edit::paste, u"1989/1/7"_s, u"1989"_s, 4);
    row("paste into the middle, what fits", monthDay, u"1/7"_s, 1, 0, Edit::paste, u"0/16"_s, u"10//7"_s, 3);
    row("paste into a full box, nothing", year, u"2001"_s, 4, 0, Edit::paste, u"5"_s, u"2001"_s, 4);
    row("short paste untouched", monthDay, u"1/"_s, 2, 0, Edit::paste, u"16"_s, u"1/16"_s, 4);
    row("paste over all, sharing its end", monthDay, u"10/16"_s, 0, 5, Edit::paste, u"2001/10/16"_s, u"2001/"_s, 5);
    row("paste over all, sharing its start", year, u"2001"_s, 0, 4, Edit::paste, u"12001"_s, u"1200"_s, 4);
    row("paste at the start, sharing a start", monthDay, u"10/1"_s, 0, 0, Edit::paste, u"12/25"_s, u"110/1"_s, 1);
    row("paste over part of the text", year, u"2001"_s, 2, 2, Edit::paste, u"123"_s, u"2012"_s, 4);
    row("pasted cell: line break to a space", monthDay, QString(), 0, 0, Edit::paste, u"1/7\n"_s, u"1/7 "_s, 4);
    row("pasted cell: tab to a space", year, QString(), 0, 0, Edit::paste, u"H13\t"_s, u"H13 "_s, 4);
    row("pasted full-width, folded", monthDay, u"1/"_s, 2, 0, Edit::paste, u"１６"_s, u"1/16"_s, 4);
    row("key into a full box keeps the caret", year, u"2001"_s, 1, 0, Edit::type, u"5"_s, u"2001"_s, 1);
    row("key over a selection in a full box", year, u"2001"_s, 0, 1, Edit::type, u"1"_s, u"1001"_s, 1);
    row("commit cut to fit", year, u"H"_s, 1, 0, Edit::commit, u"１３年"_s, u"H13年"_s, 4);
    row("commit into a full box, nothing", monthDay, u"10/16"_s, 2, 0, Edit::commit, u"１"_s, u"10/16"_s, 2);
    row("commit never splits a character", year, u"H1"_s, 2, 0, Edit::commit, u"3\U00020B9F"_s, u"H13"_s, 3);
}

void TestFrmMain::editsAreBoundedLikeANativeLimit()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(Edit, edit);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, cursorAfter);

    const auto window = openMainWindow();
    QLineEdit* input = box(*window, name);
    input->setFocus();
    input->setText(before);
    input->setSelection(selectionStart, selectionLength);
    switch (edit) {
    case Edit::paste:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        break;
    case Edit::type:
        QTest::keyClicks(input, text);
        break;
    case Edit::commit:
        typeLikeAUser(input, text);
        break;
    }
    QCOMPARE(input->text(), shown);
    QCOMPARE(input->cursorPosition(), cursorAfter);

    // However it was cut, the edit is one step for undo.
    QTest::keyClick(input, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(input->text(), before);
}

void TestFrmMain::firstClickSelectsTheWholeText()
{
    const auto window = openMainWindow(2026y / December / 7);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* monthDay = box(*window, u"txtMmdd"_s);
    const QPoint afterTheSeven(monthDay->width() / 2, monthDay->height() / 2);

    // The click that brings the focus in selects all, so typing replaces it...
    QTest::mouseClick(monthDay, Qt::LeftButton, {}, afterTheSeven);
    QCOMPARE(QApplication::focusWidget(), monthDay);
    QCOMPARE(monthDay->selectedText(), u"12/7"_s);
    QTest::keyClicks(monthDay, u"10/16"_s);
    QCOMPARE(monthDay->text(), u"10/16"_s);

    // ...and a click into the box that has the focus places the caret.
    QTest::mouseClick(monthDay, Qt::LeftButton, {}, afterTheSeven);
    QVERIFY(!monthDay->hasSelectedText());
}

void TestFrmMain::menuBarLeavesTheSelection()
{
    const auto window = openMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QLineEdit* year = box(*window, u"txtNen"_s);
    for (const Qt::FocusReason away : {Qt::MenuBarFocusReason, Qt::PopupFocusReason}) {
        year->setFocus();
        year->setSelection(3, -2);  // "13" selected, caret before it
        window->menuBar()->setFocus(away);
        year->setFocus(away);
        QCOMPARE(year->selectedText(), u"13"_s);
        QCOMPARE(year->cursorPosition(), 1);
    }
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
