#pragma once

#include "ui/main/main_window.h"
#include "ui/form/form.h"
#include "ui/qt/main/manual.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace hinomori::ui {
class DescribedControls;
class TextBox;
}

// The program's one window: a year and a month/day in, the year in the other
// notation and the weekday out, a remarks panel listing the eras, and the
// menus. Closing it ends the program. Its controls and menus are the core's
// description of it (conversion::main_window), and it shows what the core's
// runs ask (ui/main/main_window.h).
class frmMain : public QMainWindow, private hinomori::ui::main_window::MainWindowView {
    Q_OBJECT

public:
    using TodaySource = std::function<std::chrono::year_month_day()>;

    // `today` tells the date the window opens on; tests pass a fixed one, and
    // a grace that no launcher outlasts.
    explicit frmMain(TodaySource today = {}, std::chrono::milliseconds grace = hinomori::ui::launcherGrace,
                     QWidget* parent = nullptr);
    ~frmMain() override;

protected:
    void moveEvent(QMoveEvent* event) override;

private:
    void createControls();
    void createMenus();
    void load(const TodaySource& today, const std::vector<std::u16string>& remarks);
    void centreOnScreen();

    void run(hinomori::ui::form::Command command);
    void showWarning(const QString& text);
    void showManual();
    void showVersion();

    std::u16string text(std::u16string_view box) const override;
    void set_text(std::u16string_view box, std::u16string_view text) override;
    void set_emphasis(bool raised) override;
    void warn(std::u16string_view text, std::u16string_view box) override;
    void announce(std::u16string_view sentence) override;

    std::unique_ptr<hinomori::ui::DescribedControls> controls;
    std::chrono::milliseconds launcherGrace;
    bool centredWithFrame = false;
    bool manualAsked = false;  // the desktop has not yet answered 説明書表示

    hinomori::ui::TextBox* txtNen = nullptr;
    hinomori::ui::TextBox* txtMmdd = nullptr;
    QPushButton* cmdNenConv = nullptr;
    hinomori::ui::TextBox* txtNenConv = nullptr;
    hinomori::ui::TextBox* txtWeek = nullptr;
    QLabel* lblInput = nullptr;
    QLabel* lblConv = nullptr;
    QLabel* lblWeek = nullptr;
    QGroupBox* fraBikou = nullptr;
    QPlainTextEdit* lblBikou = nullptr;
    QLabel* lblAttention1 = nullptr;
    QLabel* lblAttention2 = nullptr;
    QFrame* linSeparate = nullptr;

    QMenu* mnuTopOperate = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTopInfo = nullptr;
    QAction* mnuReadme = nullptr;
    QAction* mnuVersion = nullptr;
};
