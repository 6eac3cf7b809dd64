#pragma once

// What the main window does when it opens and at each run of 変換, the same
// in both windows: which boxes change, when the era-change emphasis rises,
// which warning shows and which box then takes the focus, and what a screen
// reader hears. Each window shows what this asks with its own toolkit.

#include "ui/form/form.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace hinomori::ui::main_window {

// frmMain, its remarks panel tall enough for `remarks_line_count` lines:
// the window was drawn for five, and grows by one line's height for each
// line past them.
form::WindowDescription description(std::size_t remarks_line_count);


// The main window as a run sees it.
class MainWindowView {
public:
    virtual ~MainWindowView() = default;

    // The text of a box, by its name: txtNen, txtMmdd, txtNenConv or txtWeek.
    virtual std::u16string text(std::u16string_view box) const = 0;
    virtual void set_text(std::u16string_view box, std::u16string_view text) = 0;
    // The bold year boxes and the two warning labels.
    virtual void set_emphasis(bool raised) = 0;
    // Shows `text` as a warning; once it is dismissed `box` has the focus,
    // its text selected to be typed over.
    virtual void warn(std::u16string_view text, std::u16string_view box) = 0;
    // Has the screen reader say `sentence` without moving the focus.
    virtual void announce(std::u16string_view sentence) = 0;
};

// Fills the four boxes for `today`, read once so that they agree even across
// midnight. In an era-change year nothing is emphasised at start.
void open_on(MainWindowView& window, std::chrono::year_month_day today);

// One run of 変換 over the two input boxes. A run that stops at a warning
// leaves the last results showing; the emphasis shows only for this run.
void run_conversion(MainWindowView& window);

}  // namespace hinomori::ui::main_window
