#include "ui/qt/main/frmMain.h"

#include "conversion/convert.h"
#include "conversion/input_folding.h"
#include "conversion/window_texts.h"
#include "date/today.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/core_text.h"
#include "ui/qt/accessibility/accessibility.h"
#include "ui/qt/accessibility/readable_lines.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main/mModule.h"
#include "ui/qt/main/manual.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/twips.h"
#include "ui/qt/window_placement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <optional>

using namespace Qt::StringLiterals;
using hinomori::ui::rectFromTwips;
using hinomori::ui::TextBox;
using hinomori::ui::toQString;

namespace {

// The client area below the menu bar, in twips.
constexpr int clientWidthTwips = 3960;
constexpr int clientHeightTwips = 3780;

// What the user may type into the year and month/day boxes.
constexpr int yearBoxLength = 4;
constexpr int monthDayBoxLength = 5;

TextBox* createTextBox(QWidget* parent, const QString& name, const QString& accessibleName, const QRect& geometry)
{
    auto* box = new TextBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setFont(hinomori::ui::textBoxFont());
    box->setGeometry(geometry);
    return box;
}

void makeReadOnly(TextBox* box)
{
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(palette);
}

QLabel* createLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

frmMain::frmMain(TodaySource today, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    hinomori::ui::accessibility::install();
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"ひのもり"_s);
    setWindowIcon(hinomori::ui::programIcon());
    setFont(hinomori::ui::defaultFont());

    createControls();
    createMenus();
    load(today ? today : TodaySource{hinomori::date::local_today});

    // A fixed single border: the window is exactly its menu bar and client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
}

void frmMain::centreOnScreen()
{
    // Wayland compositors place windows themselves and ignore a move.
    if (hinomori::ui::placedByCompositor())
        return;
    if (const QScreen* display = screen()) {
        const QSize frame = frameGeometry().size();
        move(display->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
    }
}

void frmMain::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The title bar and border are known only once the window manager has
    // framed the window: centre it again then, as a whole.
    if (!centredWithFrame && frameGeometry().size() != size()) {
        centredWithFrame = true;
        centreOnScreen();
    }
}

void frmMain::createControls()
{
    client = new QWidget(this);
    client->setObjectName(u"client"_s);
    client->setFixedSize(hinomori::ui::pixelsFromTwips(clientWidthTwips),
                         hinomori::ui::pixelsFromTwips(clientHeightTwips));
    setCentralWidget(client);

    // Created in tab order.
    txtNen = createTextBox(client, u"txtNen"_s, u"年"_s, rectFromTwips(1005, 315, 690, 360));
    txtMmdd = createTextBox(client, u"txtMmdd"_s, u"月日"_s, rectFromTwips(1860, 315, 780, 360));

    cmdNenConv = new QPushButton(u"変換"_s, client);
    cmdNenConv->setObjectName(u"cmdNenConv"_s);
    cmdNenConv->setAccessibleName(u"変換"_s);
    cmdNenConv->setGeometry(rectFromTwips(2805, 315, 645, 330));
    // Enter on the focused button presses it, as Space does. A main window has
    // no default button, so Enter anywhere else never reaches it.
    cmdNenConv->setAutoDefault(true);
    cmdNenConv->setDefault(false);
    connect(cmdNenConv, &QPushButton::clicked, this, &frmMain::convert);

    txtNenConv = createTextBox(client, u"txtNenConv"_s, u"変換結果"_s, rectFromTwips(1005, 810, 690, 360));
    makeReadOnly(txtNenConv);
    txtWeek = createTextBox(client, u"txtWeek"_s, u"曜日"_s, rectFromTwips(2220, 810, 420, 360));
    makeReadOnly(txtWeek);

    lblInput = createLabel(client, u"lblInput"_s, u"入力"_s, rectFromTwips(510, 405, 360, 180));
    lblConv = createLabel(client, u"lblConv"_s, u"変換"_s, rectFromTwips(510, 900, 360, 180));
    lblWeek = createLabel(client, u"lblWeek"_s, u"曜日"_s, rectFromTwips(1815, 900, 360, 180));

    fraBikou = new QGroupBox(u"備考"_s, client);
    fraBikou->setObjectName(u"fraBikou"_s);
    fraBikou->setGeometry(rectFromTwips(285, 2025, 3390, 1590));
    lblBikou = new hinomori::ui::accessibility::ReadableLines(fraBikou);
    lblBikou->setObjectName(u"lblBikou"_s);
    lblBikou->setText(u"備考"_s);
    lblBikou->setGeometry(rectFromTwips(135, 315, 3075, 1140));
    lblBikou->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblBikou->setFont(hinomori::ui::remarksFont());
    lblBikou->setAccessibleName(u"備考"_s);

    lblAttention1 = createLabel(client, u"lblAttention1"_s, toQString(hinomori::conversion::attention_caption),
                                rectFromTwips(1373, 1350, 1215, 225));
    lblAttention1->setFont(hinomori::ui::attentionFont());
    lblAttention2 = createLabel(client, u"lblAttention2"_s, toQString(hinomori::conversion::attention_detail),
                                rectFromTwips(698, 1665, 2565, 180));

    // An etched rule under the menu bar: a line in the button-shadow colour
    // (Qt's Dark role) with one in the button-highlight colour (Light) below it.
    const std::array<QPalette::ColorRole, 2> lineRoles{QPalette::Dark, QPalette::Light};
    for (std::size_t i = 0; i < linSeparate.size(); ++i) {
        auto* line = new QFrame(client);
        line->setObjectName(u"linSeparate"_s);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(lineRoles[i]);
        hinomori::ui::accessibility::keepSilent(line);
        linSeparate[i] = line;
    }

    txtNen->setFold(&hinomori::conversion::fold_year_box);
    txtMmdd->setFold(&hinomori::conversion::fold_month_day_box);
    for (TextBox* box : {txtNen, txtMmdd}) {
        connect(box, &TextBox::enterPressed, this, [this, box] {
            convert();
            box->end(false);
        });
    }

    setTabOrder(txtNen, txtMmdd);
    setTabOrder(txtMmdd, cmdNenConv);
    setTabOrder(cmdNenConv, txtNenConv);
    setTabOrder(txtNenConv, txtWeek);
    setTabOrder(txtWeek, lblBikou);
}

void frmMain::createMenus()
{
    mnuTopOperate = menuBar()->addMenu(u"操作(&O)"_s);
    mnuTopOperate->setObjectName(u"mnuTopOperate"_s);
    mnuExit = mnuTopOperate->addAction(u"終了(&X)"_s, this, &QWidget::close);
    mnuExit->setObjectName(u"mnuExit"_s);

    mnuTopInfo = menuBar()->addMenu(u"情報(&H)"_s);
    mnuTopInfo->setObjectName(u"mnuTopInfo"_s);
    mnuReadme = mnuTopInfo->addAction(u"説明書表示(&T)"_s, this, &frmMain::showManual);
    mnuReadme->setObjectName(u"mnuReadme"_s);
    mnuVersion = mnuTopInfo->addAction(u"バージョン情報(&A)"_s, this, &frmMain::showVersion);
    mnuVersion->setObjectName(u"mnuVersion"_s);

    // Popups are windows of their own and take the application's font, not the window's.
    for (QMenu* menu : {mnuTopOperate, mnuTopInfo})
        menu->setFont(menuBar()->font());

    // F10 opens the menus, as on Windows and GNOME; Qt gives it no meaning.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(Qt::Key_F10);
    connect(openMenus, &QAction::triggered, this, [this] { menuBar()->setActiveAction(mnuTopOperate->menuAction()); });
    addAction(openMenus);
}

void frmMain::load(const TodaySource& today)
{
    mModule::LimitTextLen(txtNen, yearBoxLength);
    mModule::LimitTextLen(txtMmdd, monthDayBoxLength);
    placeSeparator();
    lblAttention1->hide();
    lblAttention2->hide();
    QStringList remarks;
    for (const std::u16string& line : hinomori::conversion::remarks_lines())
        remarks.append(toQString(line));
    lblBikou->setText(remarks.join(u"\r\n"_s));

    // Today is read once, so the four boxes agree even across midnight. The
    // era-change emphasis stays off at start, even in such a year.
    const hinomori::conversion::StartTexts start = hinomori::conversion::start_texts(today());
    txtNen->setText(toQString(start.year_box));
    txtMmdd->setText(toQString(start.month_day_box));
    txtWeek->setText(toQString(start.weekday));
    txtNenConv->setText(toQString(start.converted_year));

    // The window opens with the focus in the year box, ready to be typed over;
    // that first focus comes with the window's activation, which selects nothing.
    txtNen->selectAll();
}

void frmMain::placeSeparator()
{
    const int width = client->width();
    for (std::size_t i = 0; i < linSeparate.size(); ++i)
        linSeparate[i]->setGeometry(0, static_cast<int>(i), width, 1);
}

void frmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    placeSeparator();
}

void frmMain::convert()
{
    setEmphasis(false);
    applyConversion(hinomori::conversion::convert(txtNen->text().toStdU16String(),
                                                  txtMmdd->text().toStdU16String()));
}

void frmMain::applyConversion(const hinomori::conversion::ConversionResult& result)
{
    const QString typedYear = txtNen->text();
    if (result.year_box)
        txtNen->setText(toQString(*result.year_box));
    if (result.converted_year)
        txtNenConv->setText(toQString(*result.converted_year));
    if (result.weekday)
        txtWeek->setText(toQString(*result.weekday));
    if (result.era_change_year)
        setEmphasis(true);
    if (!result.warning) {
        announceResult(txtNen->text() != typedYear);
        return;
    }

    using hinomori::conversion::WarningTarget;
    warn(toQString(hinomori::conversion::warning_text(*result.warning)));
    TextBox* target =
        hinomori::conversion::warning_target(*result.warning) == WarningTarget::year_box ? txtNen : txtMmdd;
    // Selected here too: the window may only get its activation back from
    // the window manager after the box has been given the focus.
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void frmMain::announceResult(bool yearRewritten)
{
    const std::u16string year = txtNen->text().toStdU16String();
    hinomori::ui::accessibility::announce(this, toQString(hinomori::conversion::result_announcement(
        yearRewritten ? std::optional<std::u16string_view>(year) : std::nullopt,
        txtNenConv->text().toStdU16String(), txtWeek->text().toStdU16String(), lblAttention1->isVisibleTo(this))));
}

void frmMain::setEmphasis(bool raised)
{
    for (QLineEdit* box : {txtNen, txtNenConv})
        box->setFont(raised ? hinomori::ui::emphasisFont() : hinomori::ui::textBoxFont());
    lblAttention1->setVisible(raised);
    lblAttention2->setVisible(raised);
}

void frmMain::warn(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void frmMain::showManual()
{
    // Chosen again before the desktop answered: the manual is on its way already.
    if (manualAsked)
        return;
    manualAsked = true;
    const QString path = QDir::toNativeSeparators(toQString(hinomori::conversion::manual_path_in(
        QCoreApplication::applicationDirPath().toStdU16String(), u'/')));
    // A failure can come while another box or the version dialog is open: it
    // shows at once, over them, rather than after the user closed them.
    hinomori::ui::openManual(path, this, [this, path](bool opened) {
        manualAsked = false;
        if (!opened)
            warn(toQString(hinomori::conversion::manual_failure_text(path.toStdU16String())));
    });
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout about(this);
    about.exec();
}
