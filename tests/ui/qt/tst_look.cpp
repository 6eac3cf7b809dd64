// How the windows read under each Japanese font set a Debian desktop has,
// at 96 dpi and on high-DPI screens. CMake runs this file once per font set,
// with fontconfig limited to that set's folder and HINOMORI_FONT_SET naming it.

#include "ui/qt/about/frmAbout.h"
#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/fonts.h"
#include "ui/qt/text_fit.h"
#include "ui/qt/translations.h"
#include "ui/qt/window_helper.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using namespace std::chrono;

namespace {

QString fontSet()
{
    return qEnvironmentVariable("HINOMORI_FONT_SET");
}

// Every label and text box of a window, each with a name for messages.
QList<QWidget*> textControls(const QWidget& window)
{
    QList<QWidget*> controls;
    for (QLabel* label : window.findChildren<QLabel*>())
        controls.append(label);
    for (QLineEdit* box : window.findChildren<QLineEdit*>())
        controls.append(box);
    return controls;
}

bool showsWholeTextOf(const QWidget* control, qreal ratio)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return showsWholeText(*label, ratio);
    return showsWholeText(*qobject_cast<const QLineEdit*>(control), ratio);
}

// What a failure message needs: the control, its font and the share of ink lost.
QByteArray describe(const QWidget* control, qreal ratio)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    const double lost = label ? text_fit::lostInk(*label, ratio)
                              : text_fit::lostInk(*qobject_cast<const QLineEdit*>(control), ratio);
    const QFontInfo font(control->font());
    return (control->objectName() + u": "_s + font.family() + u' ' + QString::number(font.pixelSize())
            + u" px, "_s + QString::number(lost, 'f', 2) + u" pixels of ink cut off"_s)
        .toUtf8();
}

}  // namespace

class TestLook : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fontSizes_data();
    void fontSizes();
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void cutTextIsSeen_data();
    void cutTextIsSeen();
    void remarksLineRectsHoldTheirLine_data();
    void remarksLineRectsHoldTheirLine();
    void emphasisIsPlainAtEveryScale_data();
    void emphasisIsPlainAtEveryScale();
    void qtTextsAreJapanese_data();
    void qtTextsAreJapanese();
    void menusUseTheMenuBarFont_data();
    void menusUseTheMenuBarFont();
};

void TestLook::initTestCase()
{
    QVERIFY2(hinomori::ui::installQtTranslations(*QCoreApplication::instance()),
             "Qt's Japanese translations (qt6-translations-l10n) are missing");
}

void TestLook::fontSizes_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<QFont>("font");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");

    using namespace hinomori::ui;
    // IPA: the sizes the texts had before Noto CJK was looked at, the warning
    // one larger, as large as its label allows.
    QTest::newRow("IPA: captions") << u"ipa"_s << defaultFont() << u"IPAGothic"_s << 11;
    QTest::newRow("IPA: remarks") << u"ipa"_s << remarksFont() << u"IPAGothic"_s << 11;
    QTest::newRow("IPA: boxes") << u"ipa"_s << textBoxFont() << u"IPAGothic"_s << 16;
    QTest::newRow("IPA: emphasis, synthesised") << u"ipa"_s << emphasisFont() << u"IPAGothic"_s << 16;
    QTest::newRow("IPA: warning") << u"ipa"_s << attentionFont() << u"IPAPGothic"_s << 15;
    // Noto CJK: about the same glyph sizes, though its line box is half as
    // tall again; Qt 6.8 can lay it out by its one-em typographic line box.
    // The remarks lay their lines out by the glyphs' height where it cannot.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    const int notoBoxes = 16, notoWarning = 15;
#else
    const int notoBoxes = 15, notoWarning = 13;
#endif
    QTest::newRow("Noto: captions") << u"noto"_s << defaultFont() << u"Noto Sans CJK JP"_s << 11;
    QTest::newRow("Noto: remarks") << u"noto"_s << remarksFont() << u"Noto Sans CJK JP"_s << 11;
    QTest::newRow("Noto: boxes") << u"noto"_s << textBoxFont() << u"Noto Sans Mono CJK JP"_s << notoBoxes;
    QTest::newRow("Noto: emphasis, real bold") << u"noto"_s << emphasisFont() << u"Noto Sans Mono CJK JP"_s
                                               << notoBoxes;
    QTest::newRow("Noto: warning") << u"noto"_s << attentionFont() << u"Noto Sans CJK JP"_s << notoWarning;
}

void TestLook::fontSizes()
{
    QFETCH(QString, set);
    QFETCH(QFont, font);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);

    if (set != fontSet())
        QSKIP("for another font set");
    const QFontInfo chosen(font);
    QCOMPARE(chosen.family(), family);
    QCOMPARE(chosen.pixelSize(), pixelSize);
}

void TestLook::everyTextShowsWhole_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("96 dpi") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
    QTest::newRow("scale 2") << 2.0;
}

void TestLook::everyTextShowsWhole()
{
    QFETCH(qreal, ratio);

    // An era-change year: the warning shows and the year boxes are bold.
    const auto window = openMainWindow(1989y / January / 7);
    child<QPushButton>(*window, u"cmdNenConv"_s)->click();
    QVERIFY(child<QLabel>(*window, u"lblAttention1"_s)->isVisible());
    frmAbout about;

    int checked = 0;
    for (const QWidget* form : {static_cast<const QWidget*>(window.get()), static_cast<const QWidget*>(&about)}) {
        for (const QWidget* control : textControls(*form)) {
            QVERIFY2(showsWholeTextOf(control, ratio), describe(control, ratio).constData());
            ++checked;
        }
    }
    QCOMPARE(checked, 6 + 4 + 4);  // the main window's labels and boxes, the dialog's labels
}

void TestLook::cutTextIsSeen_data()
{
    QTest::addColumn<QSize>("cut");
    QTest::newRow("below the baseline") << QSize(0, -1);
    QTest::newRow("the last quarter on the right") << QSize(-1, 0);
}

void TestLook::cutTextIsSeen()
{
    QFETCH(QSize, cut);

    QLabel label(u"曜日"_s);
    label.setFont(hinomori::ui::defaultFont());
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label.adjustSize();
    QVERIFY(showsWholeText(label));
    const QFontMetrics metrics(label.font());
    label.resize(cut.width() < 0 ? metrics.horizontalAdvance(label.text()) * 3 / 4 : label.width(),
                 cut.height() < 0 ? metrics.ascent() : label.height());
    QVERIFY(!showsWholeText(label));
}

void TestLook::remarksLineRectsHoldTheirLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        for (int line = 0; line < 6; ++line)
            QTest::addRow("line %d, scale %g", line + 1, ratio) << line << ratio;
    }
}

// The rect screen readers get for a remarks line (and the focus frame
// around it) spans the rows that line is drawn in: the ink in those rows is
// the ink of that line drawn alone, neither cut nor shared with a neighbour.
void TestLook::remarksLineRectsHoldTheirLine()
{
    QFETCH(int, line);
    QFETCH(qreal, ratio);

    const auto window = openMainWindow();
    auto* remarks = child<hinomori::ui::accessibility::ReadableLines>(*window, u"lblBikou"_s);
    const QStringList lines = remarks->readableText().split(u'\n');
    QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(remarks)->textInterface();
    const QRect global = reader->characterRect(remarks->lineStart(line));
    const QRect rect(remarks->mapFromGlobal(global.topLeft()), global.size());
    QVERIFY2(remarks->rect().contains(rect), qPrintable(u"line rect %1,%2 %3x%4"_s.arg(rect.x()).arg(rect.y())
                                                            .arg(rect.width()).arg(rect.height())));

    // The label's ink in the rect's rows, and the line's drawn alone.
    QLabel alone(lines[line]);
    alone.setFont(remarks->font());
    alone.resize(remarks->width(), 3 * rect.height());
    const double inkOfOnePixel = 3 * 255 * ratio * ratio;
    const double inRect = text_fit::inkOf(*remarks, ratio, rect.top(), rect.bottom() + 1) / inkOfOnePixel;
    const double lineAlone = text_fit::inkOf(alone, ratio) / inkOfOnePixel;
    QVERIFY2(std::abs(inRect - lineAlone) < 2,
             qPrintable(u"%1 pixels of ink in the rect, %2 in the line"_s.arg(inRect).arg(lineAlone)));
}

void TestLook::emphasisIsPlainAtEveryScale_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("96 dpi") << 1.0;
    QTest::newRow("scale 1.5") << 1.5;
    QTest::newRow("scale 2") << 2.0;
}

void TestLook::emphasisIsPlainAtEveryScale()
{
    QFETCH(qreal, ratio);

    const auto window = openMainWindow(1989y / January / 7);
    child<QPushButton>(*window, u"cmdNenConv"_s)->click();
    const auto emphasised = text_fit::copyOf(*child<QLineEdit>(*window, u"txtNenConv"_s));
    emphasised->resize(60, 24);
    const auto plain = text_fit::copyOf(*emphasised);
    plain->setFont(hinomori::ui::textBoxFont());
    plain->resize(emphasised->size());

    // How much darker the bold text is than the regular, at a scale.
    const auto darkening = [&](qreal scale) {
        return double(text_fit::inkOf(*emphasised, scale)) / double(text_fit::inkOf(*plain, scale)) - 1;
    };
    const double atThisScale = darkening(ratio);
    const double at96Dpi = darkening(1.0);
    qInfo("bold darkens by %.0f %% here, %.0f %% at 96 dpi", atThisScale * 100, at96Dpi * 100);
    QVERIFY(at96Dpi > 0.3);
    if (fontSet() == u"ipa"_s && ratio > 1) {
        QEXPECT_FAIL("", "IPA has no bold face, and Qt synthesises bold by the font's size in "
                         "device-independent pixels",
                     Continue);
    }
    QVERIFY2(atThisScale > 0.8 * at96Dpi, qPrintable(QString::number(atThisScale)));
}

void TestLook::qtTextsAreJapanese_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("caption");

    // As Qt's qtbase_ja.qm has them; separators are items 2 and 7.
    QTest::newRow("undo") << 0 << u"元に戻す(&U)"_s;
    QTest::newRow("redo") << 1 << u"やり直す(&R)"_s;
    QTest::newRow("cut") << 3 << u"切り取り(&T)"_s;
    QTest::newRow("copy") << 4 << u"コピー(&C)"_s;
    QTest::newRow("paste") << 5 << u"貼り付け(&P)"_s;
    QTest::newRow("delete") << 6 << u"削除"_s;
    QTest::newRow("select all") << 8 << u"すべてを選択"_s;
}

void TestLook::qtTextsAreJapanese()
{
    QFETCH(int, index);
    QFETCH(QString, caption);

    const auto window = openMainWindow();
    const std::unique_ptr<QMenu> menu(child<QLineEdit>(*window, u"txtNen"_s)->createStandardContextMenu());
    const QList<QAction*> items = menu->actions();
    QVERIFY(index < items.size());
    QCOMPARE(items[index]->text().section(u'\t', 0, 0), caption);
}

void TestLook::menusUseTheMenuBarFont_data()
{
    QTest::addColumn<QString>("menu");
    QTest::newRow("操作") << u"mnuTopOperate"_s;
    QTest::newRow("情報") << u"mnuTopInfo"_s;
}

void TestLook::menusUseTheMenuBarFont()
{
    QFETCH(QString, menu);

    const auto window = openMainWindow();
    const QFontInfo bar(window->menuBar()->font());
    const QFontInfo popup(child<QMenu>(*window, menu)->font());
    QCOMPARE(popup.family(), bar.family());
    QCOMPARE(popup.pixelSize(), bar.pixelSize());
    QCOMPARE(popup.weight(), bar.weight());
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
