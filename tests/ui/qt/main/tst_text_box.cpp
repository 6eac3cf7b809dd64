#include "ui/qt/accessibility.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/translations.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;
using hinomori::ui::TextBox;

namespace {

// How an edit reaches the box.
enum class Route {
    typed,           // key by key
    oneKey,          // one key press whose text is the whole input, as a keyboard layout may give
    oneKeyWithAlt,   // the same with Alt held
    pasted,          // Ctrl+V
    pastedFromMenu,  // the context menu's Paste
    middleClicked,   // the X11 selection, pasted where a middle click puts the caret
    middleClickedOnPreedit,  // the same, the click on a preedit that the input shows
    committed,       // the input method commits, with no preedit before
    preeditCommitted,  // the input method shows a preedit, then commits it
    cancelledPreedit,  // under Qt's IBus context: a preedit hidden unused, committed as the focus leaves
    cancelledPreeditElsewhere,  // the same under another input context, whose commit is the engine's
    clearedThenCommitted,  // under Qt's IBus context: the engine empties its preedit, then commits it
    dropped,         // dragged in from elsewhere and let go after the text
};

void sendInputMethod(QWidget* box, const QString& preedit, const QString& commit = {})
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
}

// The context menu a right click would open, as it opens.
QMenu* openContextMenu(TextBox* box)
{
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(1, 1), box->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(box, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* itemOf(QMenu* menu, const char* qtText)
{
    const QString caption = QCoreApplication::translate("QLineEdit", qtText);
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == caption)
            return action;
    }
    return nullptr;
}

void edit(TextBox* box, Route route, const QString& text)
{
    switch (route) {
    case Route::typed:
        QTest::keyClicks(box, text);
        break;
    case Route::oneKey:
    case Route::oneKeyWithAlt: {
        const Qt::KeyboardModifiers held = route == Route::oneKeyWithAlt ? Qt::AltModifier : Qt::NoModifier;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, held, text);
        QApplication::sendEvent(box, &press);
        break;
    }
    case Route::pasted:
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Route::pastedFromMenu: {
        QApplication::clipboard()->setText(text);
        QMenu* menu = openContextMenu(box);
        QVERIFY(menu);
        QAction* paste = itemOf(menu, "&Paste");
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        break;
    }
    case Route::middleClicked:
    case Route::middleClickedOnPreedit: {
        QApplication::clipboard()->setText(text, QClipboard::Selection);
        if (route == Route::middleClickedOnPreedit)
            sendInputMethod(box, u"へいせい"_s);
        const QPoint afterTheText(box->width() - 2, box->height() / 2);
        QTest::mouseClick(box, Qt::MiddleButton, {}, afterTheText);
        break;
    }
    case Route::committed:
        sendInputMethod(box, {}, text);
        break;
    case Route::preeditCommitted:
        sendInputMethod(box, text);
        sendInputMethod(box, {}, text);
        break;
    case Route::cancelledPreedit:
    case Route::cancelledPreeditElsewhere:
    case Route::clearedThenCommitted: {
        const QByteArray module = qgetenv("QT_IM_MODULE");
        qputenv("QT_IM_MODULE", route == Route::cancelledPreeditElsewhere ? "fcitx" : "ibus");
        sendInputMethod(box, text);
        sendInputMethod(box, {});
        sendInputMethod(box, {}, text);
        if (route == Route::clearedThenCommitted)
            QCoreApplication::processEvents();
        else
            box->clearFocus();
        qputenv("QT_IM_MODULE", module);
        break;
    }
    case Route::dropped: {
        QMimeData data;
        data.setText(text);
        const QPoint afterTheText(box->width() - 2, box->height() / 2);
        QDragEnterEvent enter(afterTheText, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(afterTheText, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        break;
    }
    }
}

}  // namespace

Q_DECLARE_METATYPE(Route)

class TestTextBox : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void editsAreFoldedAndBoundedLikeANativeLimit_data();
    void editsAreFoldedAndBoundedLikeANativeLimit();
    void undoStepsAsQtsOwn_data();
    void undoStepsAsQtsOwn();
    void refusedDropLeavesNoCaret();
    void qtsLineEditAnswersEmptyAttributeRuns();
    void contextMenuIsTheLineEditsOwn_data();
    void contextMenuIsTheLineEditsOwn();
};

void TestTextBox::editsAreFoldedAndBoundedLikeANativeLimit_data()
{
    QTest::addColumn<bool>("yearBox");  // else the month/day box
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionLength");  // 0: the caret at selectionStart
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("cursorAfter");

    const auto row = [](const char* name, bool yearBox, const QString& before, int start, int length, Route route,
                        const QString& input, const QString& shown, int cursorAfter) {
        QTest::newRow(name) << yearBox << before << start << length << route << input << shown << cursorAfter;
    };
    using R = Route;
    // The year box takes 4 characters, the month/day box 5.
    row("typed: four fit", true, QString(), 0, 0, R::typed, u"2001"_s, u"2001"_s, 4);
    row("typed: the fifth is refused", true, QString(), 0, 0, R::typed, u"20011"_s, u"2001"_s, 4);
    row("typed into a full box keeps the caret", true, u"2001"_s, 1, 0, R::typed, u"5"_s, u"2001"_s, 1);
    row("typed over a selection in a full box", true, u"2001"_s, 0, 1, R::typed, u"1"_s, u"1001"_s, 1);
    row("typed into program text longer than the bound", true, u"R7981"_s, 5, 0, R::typed, u"1"_s, u"R7981"_s, 5);
    row("typed over all of a long program text", true, u"R7981"_s, 0, 5, R::typed, u"H1"_s, u"H1"_s, 2);
    row("Alt with a digit into a full box, nothing", true, u"2001"_s, 4, 0, R::oneKeyWithAlt, u"5"_s, u"2001"_s, 4);
    row("a key beyond the BMP into a full box, nothing", true, u"2001"_s, 4, 0, R::oneKey, u"\U00020B9F"_s,
        u"2001"_s, 4);
    row("a zero-width joiner into a full box, nothing", true, u"2001"_s, 4, 0, R::oneKey, u"\u200D"_s, u"2001"_s, 4);
    row("pasted into an empty box, cut to fit", true, QString(), 0, 0, R::pasted, u"1989/1/7"_s, u"1989"_s, 4);
    row("pasted into the middle, what fits", false, u"1/7"_s, 1, 0, R::pasted, u"0/16"_s, u"10//7"_s, 3);
    row("pasted into a full box, nothing", true, u"2001"_s, 4, 0, R::pasted, u"5"_s, u"2001"_s, 4);
    row("pasted short, untouched", false, u"1/"_s, 2, 0, R::pasted, u"16"_s, u"1/16"_s, 4);
    row("pasted over all, what fits", false, u"10/16"_s, 0, 5, R::pasted, u"2001/10/16"_s, u"2001/"_s, 5);
    row("pasted over part of the text", true, u"2001"_s, 2, 2, R::pasted, u"123"_s, u"2012"_s, 4);
    row("pasted cell: line break to a space", false, QString(), 0, 0, R::pasted, u"1/7\n"_s, u"1/7 "_s, 4);
    row("pasted cell: tab to a space", true, QString(), 0, 0, R::pasted, u"H13\t"_s, u"H13 "_s, 4);
    row("pasted full-width, folded", false, u"1/"_s, 2, 0, R::pasted, u"１６"_s, u"1/16"_s, 4);
    row("pasted from the menu, what fits", false, u"10/16"_s, 0, 5, R::pastedFromMenu, u"2001/10/16"_s, u"2001/"_s, 5);
    row("pasted from the menu into a full box, nothing", true, u"2001"_s, 4, 0, R::pastedFromMenu, u"5"_s, u"2001"_s,
        4);
    row("pasted from the menu, folded", true, QString(), 0, 0, R::pastedFromMenu, u"Ｈ１３"_s, u"H13"_s, 3);
    row("middle click, what fits", false, u"1/"_s, 2, 0, R::middleClicked, u"１６/７"_s, u"1/16/"_s, 5);
    row("middle click on a preedit is the input method's", true, u"H"_s, 1, 0, R::middleClickedOnPreedit, u"13"_s,
        u"H"_s, 1);
    row("committed, folded", false, QString(), 0, 0, R::committed, u"１０・１６"_s, u"10/16"_s, 5);
    row("committed, cut to fit", true, u"H"_s, 1, 0, R::committed, u"１３年度"_s, u"H13年"_s, 4);
    row("committed into a full box, nothing", false, u"10/16"_s, 2, 0, R::committed, u"１"_s, u"10/16"_s, 2);
    row("committed, never half a character", true, u"H1"_s, 2, 0, R::committed, u"3\U00020B9F"_s, u"H13"_s, 3);
    row("committed from its preedit", true, QString(), 0, 0, R::preeditCommitted, u"２００１"_s, u"2001"_s, 4);
    row("committed from its preedit over a selection", true, u"H13"_s, 0, 3, R::preeditCommitted, u"令和元年"_s,
        u"令和元年"_s, 4);
    row("cancelled preedit stays gone", true, QString(), 0, 0, R::cancelledPreedit, u"２００１"_s, QString(), 0);
    row("cancelled preedit leaves the text as it was", false, u"1/7"_s, 3, 0, R::cancelledPreedit, u"へいせい"_s,
        u"1/7"_s, 3);
    row("cancelled preedit under another input method, committed", true, QString(), 0, 0,
        R::cancelledPreeditElsewhere, u"２００１"_s, u"2001"_s, 4);
    row("cleared preedit, then committed", true, QString(), 0, 0, R::clearedThenCommitted, u"２００１"_s, u"2001"_s, 4);
    row("dropped, cut to fit", true, u"H"_s, 1, 0, R::dropped, u"13年度"_s, u"H13年"_s, 4);
    row("dropped, folded", false, QString(), 0, 0, R::dropped, u"１・７"_s, u"1/7"_s, 3);
    row("dropped into a full box, nothing", true, u"2001"_s, 0, 4, R::dropped, u"5"_s, u"2001"_s, 4);
}

void TestTextBox::editsAreFoldedAndBoundedLikeANativeLimit()
{
    QFETCH(bool, yearBox);
    QFETCH(QString, before);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionLength);
    QFETCH(Route, route);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(int, cursorAfter);

    using hinomori::conversion::InputRule;
    if ((route == Route::middleClicked || route == Route::middleClickedOnPreedit)
        && !QApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no selection to paste; the X11 run pastes it");
    auto box = std::make_unique<TextBox>(yearBox ? InputRule::year : InputRule::month_day);
    box->show();
    // X11 with no window manager activates nothing by itself.
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    box->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(box.get()));
    box->setText(before);
    box->setSelection(selectionStart, selectionLength);

    edit(box.get(), route, input);
    QCOMPARE(box->text(), shown);
    QCOMPARE(box->cursorPosition(), cursorAfter);

    // However it was cut, the edit is one step for undo.
    QTest::keyClick(box.get(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(box->text(), before);
}

void TestTextBox::undoStepsAsQtsOwn_data()
{
    QTest::addColumn<Route>("firstRoute");
    QTest::addColumn<QString>("first");
    QTest::addColumn<Route>("thenRoute");
    QTest::addColumn<QString>("then");
    QTest::addColumn<QStringList>("undone");  // the year box after each Ctrl+Z

    // As a QLineEdit with a maximum length keeps them: each paste a step of its own.
    using R = Route;
    const QStringList one{u"1"_s, QString()};
    QTest::newRow("typing, then a paste cut to fit") << R::typed << u"1"_s << R::pasted << u"98765"_s << one;
    QTest::newRow("typing, then a middle click") << R::typed << u"1"_s << R::middleClicked << u"98"_s << one;
    const QStringList twelve{u"12"_s, QString()};
    QTest::newRow("a folded paste, then typing") << R::pasted << u"１２"_s << R::typed << u"3"_s << twelve;
}

void TestTextBox::undoStepsAsQtsOwn()
{
    QFETCH(Route, firstRoute);
    QFETCH(QString, first);
    QFETCH(Route, thenRoute);
    QFETCH(QString, then);
    QFETCH(QStringList, undone);

    if ((firstRoute == Route::middleClicked || thenRoute == Route::middleClicked)
        && !QApplication::clipboard()->supportsSelection())
        QSKIP("this platform has no selection to paste; the X11 run pastes it");
    TextBox box(hinomori::conversion::InputRule::year);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    edit(&box, firstRoute, first);
    edit(&box, thenRoute, then);
    QStringList texts;
    for (qsizetype step = 0; step < undone.size(); ++step) {
        QTest::keyClick(&box, Qt::Key_Z, Qt::ControlModifier);
        texts << box.text();
    }
    QCOMPARE(texts, undone);
}

// Qt's line edit draws a caret where a drag would drop, also while it has no focus.
void TestTextBox::refusedDropLeavesNoCaret()
{
    QWidget window;
    auto* focused = new QLineEdit(&window);
    auto* box = new TextBox(hinomori::conversion::InputRule::year, &window);
    box->move(0, 40);
    box->setText(u"2001"_s);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The box had the focus a moment ago, its caret in the shown half of its blink.
    box->setFocus();
    focused->setFocus();
    QVERIFY(!box->hasFocus());
    const QImage before = box->grab().toImage();

    edit(box, Route::dropped, u"5"_s);
    QCOMPARE(box->text(), u"2001"_s);
    QCOMPARE(box->grab().toImage(), before);
}

// The fault the boxes' own accessible object makes up for, asked of Qt's own
// line edit: once this fails, Qt answers whole runs and the object can go.
void TestTextBox::qtsLineEditAnswersEmptyAttributeRuns()
{
    hinomori::ui::accessibility::install();
    QLineEdit qts(u"2001"_s);
    TextBox box(hinomori::conversion::InputRule::year);
    box.setText(u"2001"_s);
    const auto run = [](QWidget* edit) {
        int start = -1;
        int end = -1;
        QAccessible::queryAccessibleInterface(edit)->textInterface()->attributes(1, &start, &end);
        return std::pair(start, end);
    };
    QCOMPARE(run(&box), std::pair(0, 4));
    QVERIFY2(run(&qts) == std::pair(1, 1), "Qt's own line edit answers other runs now: retire the boxes' object?");
}

void TestTextBox::contextMenuIsTheLineEditsOwn_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("input box") << false;
    QTest::newRow("output box") << true;
}

// Item by item what Qt's line edit shows in the same state: its words
// (Japanese with qtbase's translations), its shortcuts, icons and enabled items.
void TestTextBox::contextMenuIsTheLineEditsOwn()
{
    QFETCH(bool, readOnly);

    QVERIFY2(hinomori::ui::installQtTranslations(*QCoreApplication::instance()),
             "Qt's Japanese translations (qt6-translations-l10n) are missing");
    TextBox box(hinomori::conversion::InputRule::year);
    QLineEdit qts;
    for (QLineEdit* edit : {static_cast<QLineEdit*>(&box), &qts}) {
        edit->setText(u"H13"_s);
        edit->setReadOnly(readOnly);
        edit->setSelection(1, 2);
    }
    QApplication::clipboard()->setText(u"1"_s);
    box.show();
    box.activateWindow();  // X11 with no window manager activates nothing by itself
    QVERIFY(QTest::qWaitForWindowActive(&box));

    const auto items = [](QMenu* menu) {
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text() + (action->isEnabled() ? u" on "_s : u" off "_s) + action->icon().name();
        return items;
    };
    QMenu* menu = openContextMenu(&box);
    QVERIFY(menu);
    const std::unique_ptr<QMenu> expected(qts.createStandardContextMenu());
    QCOMPARE(items(menu), items(expected.get()));
    QVERIFY2(!itemOf(menu, "&Copy")->text().startsWith(u"&Copy"_s), "left in English");
    menu->close();
}

QTEST_MAIN(TestTextBox)
#include "tst_text_box.moc"
