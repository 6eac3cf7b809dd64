#pragma once

// The main window frmMain as both windows build and run it: its controls and
// menus, the texts it opens with, the remarks panel, what one run of 変換
// shows, and the manual's path and warnings. Each window shows these with
// its own toolkit, so the two never drift apart.

#include "conversion/convert.h"
#include "ui/form/form.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hinomori::ui::main_window {

// frmMain, its remarks panel tall enough for `remarks_line_count` lines:
// the window was drawn for five, and grows by one line's height for each
// line past them.
form::WindowDescription description(std::size_t remarks_line_count);

// The remarks panel: one line per era of the table, newest first, each with
// the days it spans ("平成(1989)　H01/01/08 ～ H31/04/30"; the newest stops at
// the tilde), then the rule for days before 明治. Six lines for the eras the
// program is built with, one more for each era added at start.
std::vector<std::u16string> remarks_lines();

// The four boxes on the day the window opens, today read once so that they
// agree even across midnight: H13, 10/16, 火 and 2001 on 2001-10-16. In an
// era-change year nothing is emphasised at start.
struct StartTexts {
    std::u16string year_box;
    std::u16string month_day_box;
    std::u16string weekday;
    std::u16string converted_year;
};
StartTexts start_texts(std::chrono::year_month_day today);

// A warning a run stops at, and the box that takes the focus once it is
// dismissed, its text selected to be typed over.
struct RunWarning {
    std::u16string_view text;
    conversion::WarningTarget focus;
};

// All that one run of 変換 shows, in the order the window shows it.
struct RunShown {
    // The boxes' new texts; nullopt keeps a box's text, so a run that stops
    // at a warning leaves the last results showing.
    std::optional<std::u16string> year_box;  // rewritten in era mode
    std::optional<std::u16string> converted_year;
    std::optional<std::u16string> weekday;
    // The bold year boxes and the warning labels, for this run only.
    bool emphasis = false;
    std::optional<RunWarning> warning;
    // What a screen reader says after a run that converted, the focus
    // staying where the user typed: "変換結果 H13、曜日 火", led by "年 S64、"
    // when the run rewrote the year box, closed by the warning labels in an
    // era-change year. Empty when a warning shows.
    std::u16string announcement;
};

// One run of 変換 over the texts of the year and month/day boxes.
RunShown run(std::u16string_view year_box, std::u16string_view month_day_box);

// The two labels shown in an era-change year.
inline constexpr std::u16string_view attention_caption = u"年号注意！";
inline constexpr std::u16string_view attention_detail = u"月日によって年号が変わる年です";

inline constexpr std::u16string_view manual_file_name = u"Hinomori.txt";

// The manual's path: the folder, one separator, the file name. A folder that
// already ends in the separator (a drive's root, "C:\") gets no second one.
std::u16string manual_path_in(std::u16string_view folder, char16_t separator);

// The warning when the manual cannot be opened; `path` as the platform writes it.
std::u16string manual_failure_text(std::u16string_view path);

// The warning when the manual is there but no program is set to open text
// files, which the user can set.
std::u16string manual_no_program_text(std::u16string_view path);

// The warning when the manual is there but the desktop failed to open it
// for another reason (access denied, a viewer that is gone): `reason` as the
// system words it.
std::u16string manual_open_failure_text(std::u16string_view path, std::u16string_view reason);

}  // namespace hinomori::ui::main_window
