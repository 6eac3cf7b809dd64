#pragma once

#include <QMainWindow>

#include <array>
#include <chrono>
#include <functional>
#include <optional>

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace hinomori::ui::accessibility {
class Announcer;
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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenus();
    void load(const TodaySource& today);
    void placeSeparator();
    void centreOnScreen();

    void focusArrived(QLineEdit* box, Qt::FocusReason reason);
    void focusLeaving(QLineEdit* box, Qt::FocusReason reason);

    void convert();
    void applyConversion(const hinomori::conversion::ConversionResult& result);
    void announceResult(bool yearRewritten);
    void setEmphasis(bool raised);
    void showManual();
    void showVersion();

    QWidget* client = nullptr;

    QLineEdit* txtNen = nullptr;
    QLineEdit* txtMmdd = nullptr;
    QPushButton* cmdNenConv = nullptr;
    QLineEdit* txtNenConv = nullptr;
    QLineEdit* txtWeek = nullptr;
    QLabel* lblInput = nullptr;
    QLabel* lblConv = nullptr;
    QLabel* lblWeek = nullptr;
    QGroupBox* fraBikou = nullptr;
    QLabel* lblBikou = nullptr;
    QLabel* lblAttention1 = nullptr;
    QLabel* lblAttention2 = nullptr;
    std::array<QFrame*, 2> linSeparate{};
    hinomori::ui::accessibility::Announcer* announcer = nullptr;
    bool centredWithFrame = false;

    // Where the user had caret and selection in a box the menu bar took the focus from.
    struct BoxSelection {
        QLineEdit* box;
        int start;
        int length;
        int cursor;

        static BoxSelection of(QLineEdit* box);
        void restore() const;
    };
    std::optional<BoxSelection> leftForMenuBar;
    QLineEdit* clickFocused = nullptr;  // the box a click has just brought the focus into

    QMenu* mnuTopOperate = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuTopInfo = nullptr;
    QAction* mnuReadme = nullptr;
    QAction* mnuVersion = nullptr;
};
