// How the windows read under each Japanese font set a Debian desktop has.
// CMake runs this file once per font set and display scale, with fontconfig
// limited to that set's folder, HINOMORI_FONT_SET naming it and
// QT_SCALE_FACTOR set.

#include "ui/form/form.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/fonts.h"
#include "ui/qt/window_helper.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>

#include <functional>

using namespace Qt::StringLiterals;
using namespace std::chrono;
using hinomori::ui::form::FontRole;

namespace {

// Where a control's text lies against the room it has for it, for messages.
QByteArray describe(const QWidget* control, const QRect& text, const QRect& room)
{
    return (control->objectName() + u" ("_s + QFontInfo(control->font()).family() + u"): text "_s
            + QString::number(text.width()) + u'x' + QString::number(text.height()) + u" at "_s
            + QString::number(text.x()) + u',' + QString::number(text.y()) + u" in "_s
            + QString::number(room.width()) + u'x' + QString::number(room.height()) + u" at "_s
            + QString::number(room.x()) + u',' + QString::number(room.y()))
        .toUtf8();
}

// Pads buttons as Breeze does, by more than the pixel metrics say: a style
// that the window must ask for a button's size, not add metrics up itself.
class RoomyButtons : public QProxyStyle {
public:
    static constexpr int padding = 9;

    RoomyButtons() : QProxyStyle(u"Fusion"_s) {}

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const QSize asked = QProxyStyle::sizeFromContents(type, option, size, widget);
        return type == CT_PushButton ? asked + QSize(2 * padding, 2 * padding) : asked;
    }
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        const QRect rect = QProxyStyle::subElementRect(element, option, widget);
        return element == SE_PushButtonContents ? rect.adjusted(padding, padding, -padding, -padding) : rect;
    }
};

}  // namespace

Q_DECLARE_METATYPE(std::function<QStyle*()>)

class TestLook : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void nothingIsClipped_data();
    void nothingIsClipped();
    void textsAreAsLargeAsAsked_data();
    void textsAreAsLargeAsAsked();
    void windowsFollowTheDesktopsFont();
    void pictureIsDrawnForTheScreen();
    void facesComeFromTheSet_data();
    void facesComeFromTheSet();
};

void TestLook::nothingIsClipped_data()
{
    QTest::addColumn<std::function<QStyle*()>>("style");
    QTest::newRow("Fusion") << std::function<QStyle*()>([] { return QStyleFactory::create(u"Fusion"_s); });
    QTest::newRow("buttons padded as Breeze pads them") << std::function<QStyle*()>([] { return new RoomyButtons; });
}

// In an era-change year, with the warning shown and the year boxes bold.
// The warning first shows after the window opened, which keeps its size.
void TestLook::nothingIsClipped()
{
    QFETCH(std::function<QStyle*()>, style);
    QApplication::setStyle(style());
    const auto window = openMainWindow();
    const QSize opened = window->size();
    child<QLineEdit>(*window, u"txtNen"_s)->setText(u"1989"_s);
    child<QPushButton>(*window, u"cmdNenConv"_s)->click();
    QVERIFY(child<QLabel>(*window, u"lblAttention1"_s)->isVisible());
    QCOMPARE(window->size(), opened);
    frmAbout about;

    int checked = 0;
    for (const QWidget* form : {static_cast<const QWidget*>(window.get()), static_cast<const QWidget*>(&about)}) {
        for (const QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;  // the icon
            const QRect room = label->contentsRect();
            const QRect text = label->fontMetrics().boundingRect(room, int(label->alignment()), label->text());
            QVERIFY2(room.contains(text), describe(label, text, room));
            ++checked;
        }
        for (const QLineEdit* box : form->findChildren<QLineEdit*>()) {
            // Qt's line edit shows its text whole at its minimum height.
            QVERIFY2(box->height() >= box->minimumSizeHint().height(), qPrintable(box->objectName()));
            const QRect room = box->contentsRect();
            const QRect text(room.topLeft(), box->fontMetrics().size(0, box->text()));
            QVERIFY2(room.contains(text), describe(box, text, room));
            ++checked;
        }
        for (const QPushButton* button : form->findChildren<QPushButton*>()) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const QRect text = button->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextShowMnemonic,
                                                                  button->text());
            QVERIFY2(room.contains(text), describe(button, text, room));
            ++checked;
        }
        for (const QGroupBox* frame : form->findChildren<QGroupBox*>()) {
            const QRect room = frame->rect();
            const QRect text(room.topLeft(), frame->fontMetrics().size(0, frame->title()));
            QVERIFY2(room.contains(text), describe(frame, text, room));
            ++checked;
        }
        for (const QPlainTextEdit* lines : form->findChildren<QPlainTextEdit*>()) {
            const QRect room = lines->viewport()->rect();
            QRectF text;
            const QAbstractTextDocumentLayout* layout = lines->document()->documentLayout();
            for (QTextBlock block = lines->document()->begin(); block.isValid(); block = block.next()) {
                const QRectF line = layout->blockBoundingRect(block);
                text |= QRectF(line.topLeft(), QSizeF(block.layout()->maximumWidth(), line.height()));
            }
            QVERIFY2(QRectF(room).contains(text), describe(lines, text.toAlignedRect(), room));
            ++checked;
        }
    }
    // The main window's 5 labels, 4 boxes, button, frame and remarks; the dialog's 3 labels and button.
    QCOMPARE(checked, 12 + 4);
}

void TestLook::textsAreAsLargeAsAsked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");  // 0: the desktop's size
    QTest::newRow("a caption: the desktop's size") << u"lblInput"_s << 0.0;
    QTest::newRow("the remarks: the desktop's size") << u"lblBikou"_s << 0.0;
    QTest::newRow("a box") << u"txtNen"_s << 12.0;
    QTest::newRow("the warning") << u"lblAttention1"_s << 11.25;
}

// As large as the desktop or the window's design asks: no font is made
// smaller to fit.
void TestLook::textsAreAsLargeAsAsked()
{
    QFETCH(QString, name);
    QFETCH(qreal, points);

    const auto window = openMainWindow();
    const QFontInfo shown(child<QWidget>(*window, name)->font());
    QCOMPARE(shown.pointSizeF(), points > 0 ? points : QFontInfo(QApplication::font()).pointSizeF());
}

// The desktop's font changed while the windows are open (a larger text size
// chosen in the settings) reaches every text that takes the desktop's font.
void TestLook::windowsFollowTheDesktopsFont()
{
    const auto window = openMainWindow();
    frmAbout about(window.get());
    const QFont desktop = QApplication::font();
    QFont larger = desktop;
    larger.setPointSizeF(desktop.pointSizeF() + 4);
    QApplication::setFont(larger);
    QCoreApplication::processEvents();  // the change reaches open windows as posted events
    for (const QString& name : {u"lblInput"_s, u"cmdNenConv"_s, u"lblBikou"_s})
        QCOMPARE(child<QWidget>(*window, name)->font().pointSizeF(), larger.pointSizeF());
    QCOMPARE(child<QWidget>(about, u"lblCopyright"_s)->font().pointSizeF(), larger.pointSizeF());
    QApplication::setFont(desktop);
}

// On a high-DPI screen the version dialog's picture is the design's larger
// image, not the 32-pixel one scaled up and blurred.
void TestLook::pictureIsDrawnForTheScreen()
{
    frmAbout about;
    const QPixmap picture = child<QLabel>(about, u"picIcon"_s)->pixmap();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(picture.devicePixelRatio(), about.devicePixelRatioF());
    if (about.devicePixelRatioF() != 2)
        return;
    QImage designed = QImage(u":/icons/hinomori-64.png"_s).convertToFormat(QImage::Format_RGB32);
    designed.setDevicePixelRatio(2);
    QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32), designed);
}

void TestLook::facesComeFromTheSet_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QStringList>("faces");
    // IPA first wherever the machine has it, under either of its names: Qt
    // lists it under its Japanese name on a Japanese desktop.
    const QStringList gothic = {u"IPAGothic"_s, u"IPAゴシック"_s};
    const QStringList proportional = {u"IPAPGothic"_s, u"IPA Pゴシック"_s};
    const bool noto = qEnvironmentVariable("HINOMORI_FONT_SET") == u"noto"_s;
    QTest::newRow("captions") << int(FontRole::standard) << (noto ? QStringList{u"Noto Sans CJK JP"_s} : gothic);
    QTest::newRow("a box") << int(FontRole::text_box) << (noto ? QStringList{u"Noto Sans Mono CJK JP"_s} : gothic);
    QTest::newRow("the warning") << int(FontRole::attention)
                                 << (noto ? QStringList{u"Noto Sans CJK JP"_s} : proportional);
}

void TestLook::facesComeFromTheSet()
{
    QFETCH(int, role);
    QFETCH(QStringList, faces);
    const QString shown = QFontInfo(hinomori::ui::fontFor(FontRole(role))).family();
    QVERIFY2(faces.contains(shown), qPrintable(shown));
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
