#pragma once

// What the main window shows and says besides the conversion itself: the
// texts it opens with, the remarks panel, the warning labels, the sentence a
// screen reader speaks after a run, and the manual's path and failure text.
// Both windows take them from here, so they never drift apart.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hinomori::ui::main_window {

// The four boxes on the day the window opens: H13, 10/16, 火 and 2001 on
// 2001-10-16. In an era-change year nothing is emphasised at start.
struct StartTexts {
    std::u16string year_box;
    std::u16string month_day_box;
    std::u16string weekday;
    std::u16string converted_year;
};
StartTexts start_texts(std::chrono::year_month_day today);

// The remarks panel: one line per era of the table, newest first, each with
// the days it spans ("平成(1989)　H01/01/08 ～ H31/04/30"; the newest stops at
// the tilde), then the rule for days before 明治. Six lines for the eras the
// program is built with, one more for each era added at start.
std::vector<std::u16string> remarks_lines();

// The two labels shown in an era-change year.
inline constexpr std::u16string_view attention_caption = u"年号注意！";
inline constexpr std::u16string_view attention_detail = u"月日によって年号が変わる年です";

// What a screen reader says after a successful run, since the focus stays
// where the user typed: "変換結果 H13、曜日 火", led by "年 S64、" when the run
// rewrote the year box and closed by the two warning labels in an era-change
// year.
std::u16string result_announcement(std::optional<std::u16string_view> rewritten_year,
                                   std::u16string_view converted_year, std::u16string_view weekday,
                                   bool era_change_year);

inline constexpr std::u16string_view manual_file_name = u"Hinomori.txt";

// The manual's path: the folder, one separator, the file name. A folder that
// already ends in the separator (a drive's root, "C:\") gets no second one.
std::u16string manual_path_in(std::u16string_view folder, char16_t separator);

// The warning when the manual cannot be opened; `path` as the platform writes it.
std::u16string manual_failure_text(std::u16string_view path);

// The warning when the manual is there but no program is set to open text
// files, which the user can set.
std::u16string manual_no_program_text(std::u16string_view path);

}  // namespace hinomori::ui::main_window
