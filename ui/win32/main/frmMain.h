#pragma once

#include "ui/main/main_window.h"
#include "ui/form/form.h"
#include "ui/form/form_layout.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"
#include "ui/win32/form_builder.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The program's one window: a year and a month/day in, the year in the other
// notation and the weekday out, a remarks panel listing the eras, and the
// menus. Built from the core's description of it, and run by the dialog
// manager: Tab, the focus kept while the window is inactive, and Enter as
// IDOK. What it shows at start and at each run of 変換 is ui/main/main_window.h's.
// Closing it ends the program.
class frmMain {
public:
    using TodaySource = std::function<std::chrono::year_month_day()>;

    // `today` tells the date the window opens on and `manualFolder` where the
    // manual lies; tests pass their own. By default: the local date, and the
    // executable's folder.
    explicit frmMain(TodaySource today = {}, std::u16string manualFolder = {});
    ~frmMain();
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Shows the window as `how` asks; maximised, it keeps its size.
    void show(int how);
    HWND hwnd() const { return hwnd_; }

    // Runs the thread's messages until the window is gone.
    void run() const;
    // One message as run() handles it: the keys of a window's controls go
    // through the dialog manager first.
    static void handleMessage(MSG& message);

    // The control the description names `name`.
    HWND control(std::u16string_view name) const;
    // The control that speaks the result of a run to screen readers.
    HWND announcer() const { return announcer_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void command(int id);

    // The window's fonts at one DPI.
    struct Fonts {
        hinomori::ui::win32::Font box, boldBox, attention, message;
    };
    Fonts fontsAt(UINT dpi) const;
    HFONT fontOf(const hinomori::ui::form::ControlDescription& control, const Fonts& fonts) const;

    // Each control's font among fonts_.
    hinomori::ui::win32::FontOf currentFonts() const;
    hinomori::ui::form::WindowLayout layoutWith(const Fonts& fonts, UINT dpi) const;
    // Sets fonts_, layout_ and frame_ for `dpi`.
    void measureAt(UINT dpi);
    void createControls();
    std::u16string shownText(const hinomori::ui::form::ControlDescription& control) const;
    void setIcons(UINT dpi);
    void load();
    // New fonts, places and icons for the controls; the window stays as it is.
    void applyDpi(UINT dpi);
    SIZE frameSize(UINT dpi) const;
    // Moves the window to `frame`'s corner with the size frame_, in one move.
    void placeFrame(RECT frame);

    void enterPressed();
    void convert();
    void setEmphasis(bool raised);
    void announce(std::u16string_view sentence);
    bool emphasised() const;
    void showManual();
    void showVersion();

    const std::vector<std::u16string> remarks_;
    const hinomori::ui::form::WindowDescription description_;
    TodaySource today_;
    std::u16string manualFolder_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    hinomori::ui::form::WindowLayout layout_;  // at its DPI
    SIZE frame_{};  // the window's size at its DPI, menu bar measured

    std::vector<HWND> controls_;  // in the description's order
    HWND txtNen = nullptr;
    HWND txtMmdd = nullptr;
    HWND cmdNenConv = nullptr;
    HWND txtNenConv = nullptr;
    HWND txtWeek = nullptr;
    HWND lblAttention1 = nullptr;
    HWND announcer_ = nullptr;

    Fonts fonts_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    hinomori::ui::win32::AccessibleTexts accessible_;
};
