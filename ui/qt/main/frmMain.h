#pragma once

#include "ui/form/form.h"
#include "ui/qt/main/manual.h"

#include <QMainWindow>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

namespace hinomori::ui {
class FormControls;
class TextBox;
}

// The program's one window: a year and a month/day in, the year in the other
// notation and the weekday out, a remarks panel listing the eras, and the
// menus. Closing it ends the program. Its controls and menus, and what it
// shows at start and at each run of 変換, are ui/main/main_window.h's.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    using TodaySource = std::function<std::chrono::year_month_day()>;

    // `today` tells the date the window opens on; tests pass a fixed one, and
    // a grace that no launcher outlasts.
    explicit frmMain(TodaySource today = {}, std::chrono::milliseconds grace = hinomori::ui::launcherGrace,
                     QWidget* parent = nullptr);
    ~frmMain() override;

private:
    void createControls();
    void createMenus();
    void load(const TodaySource& today, const std::vector<std::u16string>& remarks);
    void centreOnScreen();

    void run(hinomori::ui::form::Command command);
    void convert();
    void showWarning(const QString& text);
    void showManual();
    void showVersion();

    std::unique_ptr<hinomori::ui::FormControls> controls;
    std::chrono::milliseconds launcherGrace;
    bool manualAsked = false;  // the desktop has not yet answered 説明書表示

    hinomori::ui::TextBox* txtNen = nullptr;
    hinomori::ui::TextBox* txtMmdd = nullptr;
    QPushButton* cmdNenConv = nullptr;
    hinomori::ui::TextBox* txtNenConv = nullptr;
    hinomori::ui::TextBox* txtWeek = nullptr;
    QPlainTextEdit* lblBikou = nullptr;
};
