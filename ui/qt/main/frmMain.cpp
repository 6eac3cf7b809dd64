#include "ui/qt/main/frmMain.h"

#include "ui/main/main_texts.h"
#include "date/today.h"
#include "ui/qt/about/frmAbout.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/core_text.h"
#include "ui/qt/form_builder.h"
#include "ui/qt/fonts.h"
#include "ui/qt/main/text_box.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/window_placement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

using namespace Qt::StringLiterals;
using hinomori::ui::form::Command;
using hinomori::ui::TextBox;
using hinomori::ui::toQString;

frmMain::frmMain(TodaySource today, std::chrono::milliseconds grace, QWidget* parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      launcherGrace(grace)
{
    hinomori::ui::accessibility::install();
    const std::vector<std::u16string> remarks = hinomori::ui::main_window::remarks_lines();
    const hinomori::ui::form::WindowDescription description = hinomori::ui::main_window::description(remarks.size());
    setObjectName(toQString(description.name));
    setWindowTitle(toQString(description.caption));
    setWindowIcon(hinomori::ui::programIcon());
    setFont(hinomori::ui::defaultFont());

    auto* client = new QWidget(this);
    client->setObjectName(u"client"_s);
    setCentralWidget(client);
    controls = std::make_unique<hinomori::ui::DescribedControls>(description, client);
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
    txtNen = controls->find<TextBox>(u"txtNen");
    txtMmdd = controls->find<TextBox>(u"txtMmdd");
    cmdNenConv = controls->find<QPushButton>(u"cmdNenConv");
    txtNenConv = controls->find<TextBox>(u"txtNenConv");
    txtWeek = controls->find<TextBox>(u"txtWeek");
    lblInput = controls->find<QLabel>(u"lblInput");
    lblConv = controls->find<QLabel>(u"lblConv");
    lblWeek = controls->find<QLabel>(u"lblWeek");
    fraBikou = controls->find<QGroupBox>(u"fraBikou");
    lblBikou = controls->find<QPlainTextEdit>(u"lblBikou");
    lblAttention1 = controls->find<QLabel>(u"lblAttention1");
    lblAttention2 = controls->find<QLabel>(u"lblAttention2");
    linSeparate = controls->find<QFrame>(u"linSeparate");

    connect(cmdNenConv, &QPushButton::clicked, this, [this] { hinomori::ui::main_window::run_conversion(*this); });
    for (TextBox* box : {txtNen, txtMmdd}) {
        connect(box, &TextBox::enterPressed, this, [this, box] {
            hinomori::ui::main_window::run_conversion(*this);
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
    mnuTopOperate = menuBar()->findChild<QMenu*>(u"mnuTopOperate"_s);
    mnuExit = findChild<QAction*>(u"mnuExit"_s);
    mnuTopInfo = menuBar()->findChild<QMenu*>(u"mnuTopInfo"_s);
    mnuReadme = findChild<QAction*>(u"mnuReadme"_s);
    mnuVersion = findChild<QAction*>(u"mnuVersion"_s);

    // F10 opens the menus, as on Windows and GNOME; Qt gives it no meaning.
    auto* openMenus = new QAction(this);
    openMenus->setShortcut(Qt::Key_F10);
    connect(openMenus, &QAction::triggered, this, [this] { menuBar()->setActiveAction(mnuTopOperate->menuAction()); });
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

    hinomori::ui::main_window::open_on(*this, today());

    // The window opens with the focus in the year box, ready to be typed over;
    // that first focus comes with the window's activation, which selects nothing.
    txtNen->selectAll();
}

std::u16string frmMain::text(std::u16string_view box) const
{
    return controls->find<TextBox>(box)->text().toStdU16String();
}

void frmMain::set_text(std::u16string_view box, std::u16string_view text)
{
    controls->find<TextBox>(box)->setText(toQString(text));
}

void frmMain::set_emphasis(bool raised)
{
    QFont font = hinomori::ui::fontFor(hinomori::ui::form::FontRole::text_box);
    font.setBold(raised);
    for (TextBox* box : {txtNen, txtNenConv})
        box->setFont(font);
    lblAttention1->setVisible(raised);
    lblAttention2->setVisible(raised);
    if (raised)
        controls->place();  // the warning's text, measured now that it shows
}

void frmMain::warn(std::u16string_view text, std::u16string_view box)
{
    showWarning(toQString(text));
    TextBox* target = controls->find<TextBox>(box);
    // Selected here too: the window may only get its activation back from
    // the window manager after the box has been given the focus.
    target->setFocus(Qt::OtherFocusReason);
    target->selectAll();
}

void frmMain::announce(std::u16string_view sentence)
{
    hinomori::ui::accessibility::announce(this, toQString(sentence));
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
    const QString path = QDir::toNativeSeparators(toQString(hinomori::ui::main_window::manual_path_in(
        QCoreApplication::applicationDirPath().toStdU16String(), u'/')));
    // A failure can come while another box or the version dialog is open: it
    // shows at once, over them, rather than after the user closed them.
    hinomori::ui::openManual(
        path, this,
        [this, path](bool opened) {
            manualAsked = false;
            if (!opened)
                showWarning(toQString(hinomori::ui::main_window::manual_failure_text(path.toStdU16String())));
        },
        launcherGrace);
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout about(this);
    about.exec();
}
