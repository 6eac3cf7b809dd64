#include "ui/qt/main/frmMain.h"

#include "ui/main/main_window.h"
#include "date/today.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/core_text.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/window_placement.h"

#include <QCoreApplication>
#include <QDir>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

using namespace Qt::StringLiterals;
using hinomori::ui::form::Command;
namespace main_window = hinomori::ui::main_window;
using hinomori::ui::TextBox;
using hinomori::ui::toQString;

frmMain::frmMain(TodaySource today, std::chrono::milliseconds grace, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      launcherGrace(grace)
{
    hinomori::ui::accessibility::install();
    const std::vector<std::u16string> remarks = main_window::remarks_lines();
    const hinomori::ui::form::WindowDescription description = main_window::description(remarks.size());
    setObjectName(toQString(description.name));
    setWindowTitle(toQString(description.caption));
    setWindowIcon(hinomori::ui::programIcon());

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    setCentralWidget(client);
    controls = std::make_unique<hinomori::ui::FormControls>(description, client);
    createControls();
    createMenus();
    load(today ? today : TodaySource{hinomori::date::local_today}, remarks);
    controls->place();

    // A fixed single border: the window is exactly its menu bar and client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen();
}

frmMain::~frmMain() = default;

void frmMain::centreOnScreen()
{
    // Wayland compositors place windows themselves and ignore a move.
    if (hinomori::ui::placedByCompositor())
        return;
    const QScreen* display = screen();
    if (!display)
        return;
    // Placed once, before it maps: an X11 window manager frames the window
    // only then, and moving it again once the frame is known makes it jump
    // on the screen. Its title bar is taken as the style draws one; the
    // window manager's own is a few pixels off at most.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const QSize frame = size() + QSize(0, titleBar);
    move(display->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2));
}

void frmMain::createControls()
{
    txtNen = controls->add<TextBox>(u"txtNen");
    txtMmdd = controls->add<TextBox>(u"txtMmdd");
    cmdNenConv = controls->add<QPushButton>(u"cmdNenConv");
    txtNenConv = controls->add<TextBox>(u"txtNenConv");
    txtWeek = controls->add<TextBox>(u"txtWeek");
    lblBikou = controls->add<QPlainTextEdit>(u"lblBikou");
    controls->addTheRest();

    connect(cmdNenConv, &QPushButton::clicked, this, &frmMain::convert);
    for (TextBox* box : {txtNen, txtMmdd}) {
        connect(box, &TextBox::enterPressed, this, [this, box] {
            convert();
            box->end(false);
        });
    }
}

void frmMain::createMenus()
{
    for (const hinomori::ui::form::MenuDescription& described : controls->description().menus) {
        QMenu* menu = menuBar()->addMenu(toQString(described.caption));
        menu->setObjectName(toQString(described.name));
        for (const hinomori::ui::form::MenuItemDescription& item : described.items) {
            QAction* action = menu->addAction(toQString(item.caption));
            action->setObjectName(toQString(item.name));
            connect(action, &QAction::triggered, this, [this, command = item.command] { run(command); });
        }
    }

    // F10 opens the menus, as on Windows and GNOME; Qt gives it no meaning.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(Qt::Key_F10);
    connect(openMenus, &QAction::triggered, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
    addAction(openMenus);
}

void frmMain::run(Command command)
{
    switch (command) {
    case Command::exit:
        close();
        break;
    case Command::show_manual:
        showManual();
        break;
    case Command::show_version:
        showVersion();
        break;
    }
}

void frmMain::load(const TodaySource& today, const std::vector<std::u16string>& remarks)
{
    // One text, one layout: a line appended at a time lays the panel out again each time.
    QStringList lines;
    for (const std::u16string& line : remarks)
        lines.append(toQString(line));
    lblBikou->setPlainText(lines.join(u'\n'));
    lblBikou->moveCursor(QTextCursor::Start);

    const main_window::StartTexts start = main_window::start_texts(today());
    txtNen->setText(toQString(start.year_box));
    txtMmdd->setText(toQString(start.month_day_box));
    txtWeek->setText(toQString(start.weekday));
    txtNenConv->setText(toQString(start.converted_year));

    // The window opens with the focus in the year box, ready to be typed over;
    // that first focus comes with the window's activation, which selects nothing.
    txtNen->selectAll();
}

void frmMain::convert()
{
    const main_window::RunShown shown =
        main_window::run(txtNen->text().toStdU16String(), txtMmdd->text().toStdU16String());
    if (shown.year_box)
        txtNen->setText(toQString(*shown.year_box));
    if (shown.converted_year)
        txtNenConv->setText(toQString(*shown.converted_year));
    if (shown.weekday)
        txtWeek->setText(toQString(*shown.weekday));
    controls->setEmphasis(shown.emphasis);

    if (!shown.warning) {
        hinomori::ui::accessibility::announce(this, toQString(shown.announcement));
        return;
    }
    showWarning(toQString(shown.warning->text));
    TextBox* target = shown.warning->focus == hinomori::conversion::WarningTarget::year_box ? txtNen : txtMmdd;
    // Selected here too: the window may only get its activation back from
    // the window manager after the box has been given the focus.
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void frmMain::showWarning(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void frmMain::showManual()
{
    // Chosen again before the desktop answered: the manual is on its way already.
    if (manualAsked)
        return;
    manualAsked = true;
    const QString path = QDir::toNativeSeparators(toQString(main_window::manual_path_in(
        QCoreApplication::applicationDirPath().toStdU16String(), u'/')));
    // A failure can come while another box or the version dialog is open: it
    // shows at once, over them, rather than after the user closed them.
    hinomori::ui::openManual(
        path, this,
        [this, path](hinomori::ui::ManualAnswer answer) {
            manualAsked = false;
            using hinomori::ui::ManualAnswer;
            if (answer == ManualAnswer::not_opened)
                showWarning(toQString(main_window::manual_failure_text(path.toStdU16String())));
            else if (answer == ManualAnswer::no_program)
                showWarning(toQString(main_window::manual_no_program_text(path.toStdU16String())));
        },
        launcherGrace);
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout about(this);
    about.exec();
}
