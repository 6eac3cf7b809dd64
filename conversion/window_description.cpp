#include "conversion/window_description.h"

#include "conversion/input_folding.h"
#include "conversion/window_texts.h"

#include <algorithm>

namespace hinomori::conversion {

namespace {

// The remarks panel as drawn: five lines in 960 twips. Each line past them
// adds 180 twips (12 pixels at 96 dpi) to the panel, its frame and the window.
constexpr std::size_t designed_remarks_lines = 5;
constexpr int remarks_line_twips = 180;

bool is_high_surrogate(char16_t unit) noexcept
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

FontRequest font_request(FontRole role) noexcept
{
    switch (role) {
    case FontRole::text_box:
        return {u"ＭＳ ゴシック", 12 * 20, false, true};
    case FontRole::attention:
        return {u"ＭＳ Ｐゴシック", 225, true, false};
    case FontRole::standard:
        break;
    }
    return {u"", 0, false, false};
}

bool ControlDescription::takes_focus() const noexcept
{
    switch (kind) {
    case ControlKind::input_box:
    case ControlKind::output_box:
    case ControlKind::button:
    case ControlKind::default_button:
    case ControlKind::remarks:
        return true;
    case ControlKind::label:
    case ControlKind::frame:
    case ControlKind::picture:
    case ControlKind::etched_rule:
        break;
    }
    return false;
}

const ControlDescription& WindowDescription::control(std::u16string_view wanted) const
{
    return *std::ranges::find(controls, wanted, &ControlDescription::name);
}

WindowDescription main_window(std::size_t remarks_line_count)
{
    const int extra = static_cast<int>(std::max(remarks_line_count, designed_remarks_lines) - designed_remarks_lines)
                      * remarks_line_twips;
    using enum ControlKind;
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

WindowDescription about_window()
{
    using enum ControlKind;
    return {
        .name = u"frmAbout",
        .kind = WindowKind::dialog,
        .caption = u"ひのもりのバージョン情報",
        .client_width_twips = 3180,
        .client_height_twips = 1845,
        .controls = {
            {.name = u"cmdOk", .kind = default_button, .twips = {1065, 1350, 1050, 345}, .caption = u"OK"},
            {.name = u"picIcon", .kind = picture, .twips = {315, 195, 480, 480}, .caption = u""},
            {.name = u"lblTitle", .kind = label, .twips = {975, 360, 1035, 180}, .caption = u"ひのもり"},
            {.name = u"lblVersion", .kind = label, .twips = {2115, 360, 750, 180}, .caption = u"Ver."},
            {.name = u"lblCopyright", .kind = label, .twips = {285, 945, 2610, 180}, .caption = u"",
             .alignment = Alignment::centre},
        },
        .menus = {},
    };
}

std::size_t input_limit(InputRule rule) noexcept
{
    switch (rule) {
    case InputRule::year:
        return 4;
    case InputRule::month_day:
        return 5;
    case InputRule::none:
        break;
    }
    return 0;
}

std::u16string fit_input(InputRule rule, std::u16string_view input, std::size_t current_length, std::size_t replaced)
{
    std::u16string kept = rule == InputRule::year        ? fold_year_box(input)
                          : rule == InputRule::month_day ? fold_month_day_box(input)
                                                         : std::u16string(input);
    const std::size_t limit = input_limit(rule);
    if (limit == 0)
        return kept;
    const std::size_t staying = current_length - std::min(replaced, current_length);
    const std::size_t room = staying < limit ? limit - staying : 0;
    if (kept.size() > room) {
        kept.resize(room);
        if (!kept.empty() && is_high_surrogate(kept.back()))
            kept.pop_back();
    }
    return kept;
}

bool black_reads_on(int red, int green, int blue) noexcept
{
    // ITU-R BT.601 luma, in thousandths.
    return red * 299 + green * 587 + blue * 114 >= 128 * 1000;
}

}  // namespace hinomori::conversion
