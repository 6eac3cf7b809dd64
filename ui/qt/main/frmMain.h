#pragma once

#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

namespace hinomori::ui {
class TextBox;
}

namespace hinomori::conversion {
struct ConversionResult;
}

// The program's one window: a year and a month/day in, the year in the other
// notation and the weekday out, a remarks panel listing the eras, and the
// menus. Closing it ends the program.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    using TodaySource = std::function<std::chrono::year_month_day()>;

    // `today` tells the date the window opens on; tests pass a fixed one.
    explicit frmMain(TodaySource today = {}, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void createControls();
    void createMenus();
    void load(const TodaySource& today);
    void placeSeparator();
    void centreOnScreen();

    void convert();
    void applyConversion(const hinomori::conversion::ConversionResult& result);
    void announceResult(bool yearRewritten);
    void setEmphasis(bool raised);
    void warn(const QString& text);
    void showManual();
    void showVersion();

    QWidget* client = nullptr;

    hinomori::ui::TextBox* txtNen = nullptr;
    hinomori::ui::TextBox* txtMmdd = nullptr;
    QPushButton* cmdNenConv = nullptr;
    hinomori::ui::TextBox* txtNenConv = nullptr;
    hinomori::ui::TextBox* txtWeek = nullptr;
    QLabel* lblInput = nullptr;
    QLabel* lblConv = nullptr;
    QLabel* lblWeek = nullptr;
    QGroupBox* fraBikou = nullptr;
    QLabel* lblBikou = nullptr;
    QLabel* lblAttention1 = nullptr;
    QLabel* lblAttention2 = nullptr;
    std::array<QFrame*, 2> linSeparate{};
    bool centredWithFrame = false;
    bool manualAsked = false;  // the desktop has not yet answered 説明書表示

    QMenu* mnuTopOperate = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTopInfo = nullptr;
    QAction* mnuReadme = nullptr;
    QAction* mnuVersion = nullptr;
};
