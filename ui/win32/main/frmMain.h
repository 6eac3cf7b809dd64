#pragma once

#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"

#include <windows.h>

#include <array>
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

namespace hinomori::conversion {
struct ConversionResult;
}

// The program's one window: a year and a month/day in, the year in the other
// notation and the weekday out, a remarks panel listing the eras, and the
// menus. Closing it ends the program.
class frmMain {
public:
    using TodaySource = std::function<std::chrono::year_month_day()>;

    // The controls' and menu items' IDs, named as the controls are.
    enum class Control : int {
        txtNen = 101,
        txtMmdd,
        cmdNenConv,
        txtNenConv,
        txtWeek,
        lblInput,
        lblConv,
        lblWeek,
        fraBikou,
        lblBikou,  // inside fraBikou
        lblAttention1,
        lblAttention2,
        announcer,
        linSeparate0,
        linSeparate1,
    };
    enum class Command : int { mnuExit = 201, mnuReadme, mnuVersion };

    // `today` tells the date the window opens on and `manualFolder` where the
    // manual lies; tests pass their own. By default: the local date, and the
    // executable's folder.
    explicit frmMain(TodaySource today = {}, std::u16string manualFolder = {});
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    void show(int how);
    HWND hwnd() const { return hwnd_; }
    HWND control(Control id) const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    HMENU createMenus();
    void load(const TodaySource& today);
    SIZE applyDpi(UINT dpi);
    void placeSeparator();
    void centreOnWorkArea();
    void drawRemarks(const DRAWITEMSTRUCT& item) const;

    void enterPressed(HWND box);
    void paste(HWND box);
    std::u16string fold(HWND box, std::u16string_view text) const;
    WPARAM fold(HWND box, char16_t unit) const;
    void dropHalfCharacters(HWND box, bool secondHalfMayFollow);
    void focusAndSelect(HWND box);

    void convert();
    void applyConversion(const hinomori::conversion::ConversionResult& result, const std::u16string& typedYear);
    void setEmphasis(bool raised);
    bool emphasised() const;
    void showManual();
    void showVersion();

    HWND hwnd_ = nullptr;
    std::u16string manualFolder_;

    HWND txtNen = nullptr;
    HWND txtMmdd = nullptr;
    HWND cmdNenConv = nullptr;
    HWND txtNenConv = nullptr;
    HWND txtWeek = nullptr;
    HWND lblInput = nullptr;
    HWND lblConv = nullptr;
    HWND lblWeek = nullptr;
    HWND fraBikou = nullptr;
    HWND lblBikou = nullptr;
    HWND lblAttention1 = nullptr;
    HWND lblAttention2 = nullptr;
    std::array<HWND, 2> linSeparate{};
    HWND announcer = nullptr;

    HMENU mnuTopOperate = nullptr;
    HMENU mnuTopInfo = nullptr;

    hinomori::ui::win32::Font boxFont_;
    hinomori::ui::win32::Font boldBoxFont_;
    hinomori::ui::win32::Font attentionFont_;
    hinomori::ui::win32::Font defaultFont_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    hinomori::ui::win32::AccessibleTexts accessible_;

    HWND focusBeforeDeactivation_ = nullptr;  // given back when the window is active again
    bool restoringFocus_ = false;             // the focus comes back with the window: nothing is selected
    HWND clickFocused_ = nullptr;             // the box a click has just brought the focus into
    bool droppingLowSurrogate_ = false;       // the first half of a character did not fit
    bool droppingHalves_ = false;             // dropHalfCharacters is changing the box
};
