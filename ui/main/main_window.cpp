#include "ui/main/main_window.h"

#include "conversion/convert.h"
#include "ui/main/main_texts.h"

#include <algorithm>

#include <optional>

namespace hinomori::ui::main_window {

using namespace conversion;

namespace {

// The remarks panel as drawn: five lines in 960 twips. Each line past them
// adds 180 twips (12 pixels at 96 dpi) to the panel, its frame and the window.
constexpr std::size_t designed_remarks_lines = 5;
constexpr int remarks_line_twips = 180;

constexpr std::u16string_view year_box = u"txtNen";
constexpr std::u16string_view month_day_box = u"txtMmdd";
constexpr std::u16string_view converted_year_box = u"txtNenConv";
constexpr std::u16string_view weekday_box = u"txtWeek";

}  // namespace

form::WindowDescription description(std::size_t remarks_line_count)
{
    const int extra = static_cast<int>(std::max(remarks_line_count, designed_remarks_lines) - designed_remarks_lines)
                      * remarks_line_twips;
    using form::Alignment;
    using form::Command;
    using form::FontRole;
    using form::InputRule;
    using form::WindowKind;
    using enum form::ControlKind;
    return {
        .name = u"frmMain",
        .kind = WindowKind::main,
        .caption = u"ひのもり",
        .client_width_twips = 3960,
        .client_height_twips = 3600 + extra,
        .controls = {
            {.name = u"txtNen", .kind = input_box, .twips = {1005, 315, 690, 360}, .caption = u"H13",
             .accessible_name = u"年", .font = FontRole::text_box, .input = InputRule::year},
            {.name = u"txtMmdd", .kind = input_box, .twips = {1860, 315, 780, 360}, .caption = u"1/1",
             .accessible_name = u"月日", .font = FontRole::text_box, .input = InputRule::month_day},
            {.name = u"cmdNenConv", .kind = button, .twips = {2805, 315, 645, 330}, .caption = u"変換"},
            {.name = u"txtNenConv", .kind = output_box, .twips = {1005, 810, 690, 360}, .caption = u"2001",
             .accessible_name = u"変換結果", .font = FontRole::text_box},
            {.name = u"txtWeek", .kind = output_box, .twips = {2220, 810, 420, 360}, .caption = u"",
             .accessible_name = u"曜日", .font = FontRole::text_box},
            {.name = u"lblInput", .kind = label, .twips = {510, 405, 360, 180}, .caption = u"入力"},
            {.name = u"lblConv", .kind = label, .twips = {510, 900, 360, 180}, .caption = u"変換"},
            {.name = u"lblWeek", .kind = label, .twips = {1815, 900, 360, 180}, .caption = u"曜日"},
            {.name = u"fraBikou", .kind = frame, .twips = {285, 2025, 3390, 1410 + extra}, .caption = u"備考"},
            {.name = u"lblBikou", .kind = remarks, .twips = {135, 315, 3075, 960 + extra}, .caption = u"備考",
             .accessible_name = u"備考", .container = u"fraBikou"},
            {.name = u"lblAttention1", .kind = label, .twips = {1373, 1350, 1215, 225}, .caption = attention_caption,
             .font = FontRole::attention, .alignment = Alignment::centre, .hidden_at_start = true},
            {.name = u"lblAttention2", .kind = label, .twips = {698, 1665, 2565, 180}, .caption = attention_detail,
             .alignment = Alignment::centre, .hidden_at_start = true},
            {.name = u"linSeparate", .kind = etched_rule, .twips = {0, 0, 3960, 30}, .caption = u""},
        },
        .menus = {
            {u"mnuTopOperate", u"操作(&O)", {{u"mnuExit", u"終了(&X)", Command::exit}}},
            {u"mnuTopInfo", u"情報(&H)",
             {{u"mnuReadme", u"説明書表示(&T)", Command::show_manual},
              {u"mnuVersion", u"バージョン情報(&A)", Command::show_version}}},
        },
    };
}

void open_on(MainWindowView& window, std::chrono::year_month_day today)
{
    const StartTexts start = start_texts(today);
    window.set_text(year_box, start.year_box);
    window.set_text(month_day_box, start.month_day_box);
    window.set_text(weekday_box, start.weekday);
    window.set_text(converted_year_box, start.converted_year);
}

void run_conversion(MainWindowView& window)
{
    window.set_emphasis(false);
    const std::u16string typed_year = window.text(year_box);
    const ConversionResult result = convert(typed_year, window.text(month_day_box));
    if (result.year_box)
        window.set_text(year_box, *result.year_box);
    if (result.converted_year)
        window.set_text(converted_year_box, *result.converted_year);
    if (result.weekday)
        window.set_text(weekday_box, *result.weekday);
    if (result.era_change_year)
        window.set_emphasis(true);

    if (result.warning) {
        const bool to_year = warning_target(*result.warning) == WarningTarget::year_box;
        window.warn(warning_text(*result.warning), to_year ? year_box : month_day_box);
        return;
    }
    // The focus stays where the user typed, so the result is spoken.
    const std::u16string year = window.text(year_box);
    window.announce(result_announcement(year != typed_year ? std::optional<std::u16string_view>(year) : std::nullopt,
                                        window.text(converted_year_box), window.text(weekday_box),
                                        result.era_change_year));
}

}  // namespace hinomori::ui::main_window
