#include "ui/main/main_window.h"

#include "conversion/convert.h"
#include "date/date_text.h"
#include "date/era.h"
#include "date/text_routines.h"

#include <algorithm>

namespace hinomori::ui::main_window {

namespace {

// The remarks panel as drawn: five lines in 960 twips. Each line past them
// adds 180 twips (12 pixels at 96 dpi) to the panel, its frame and the window.
constexpr std::size_t designed_remarks_lines = 5;
constexpr int remarks_line_twips = 180;

// What a screen reader says after a run that converted, since the focus
// stays where the user typed.
std::u16string announcement(std::optional<std::u16string_view> rewritten_year, std::u16string_view converted_year,
                            std::u16string_view weekday, bool era_change_year)
{
    std::u16string spoken;
    if (rewritten_year) {
        spoken += u"年 ";
        spoken += *rewritten_year;
        spoken += u"、";
    }
    spoken += u"変換結果 ";
    spoken += converted_year;
    spoken += u"、曜日 ";
    spoken += weekday;
    if (era_change_year) {
        spoken += u"、";
        spoken += attention_caption;
        spoken += u' ';
        spoken += attention_detail;
    }
    return spoken;
}

// "説明書が開けません。", a blank line, the path on a line of its own, and
// what the user can do about it.
std::u16string manual_warning(std::u16string_view path, std::u16string_view closing)
{
    std::u16string text = u"説明書が開けません。\r\n\r\n";
    text += path;
    text += u"\r\n";
    text += closing;
    return text;
}

}  // namespace

form::WindowDescription description(std::size_t remarks_line_count)
{
    const int extra = static_cast<int>(std::max(remarks_line_count, designed_remarks_lines) - designed_remarks_lines)
                      * remarks_line_twips;
    using form::Alignment;
    using form::Command;
    using form::Emphasis;
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
             .accessible_name = u"年", .font = FontRole::text_box, .input = InputRule::year,
             .emphasis = Emphasis::bold},
            {.name = u"txtMmdd", .kind = input_box, .twips = {1860, 315, 780, 360}, .caption = u"1/1",
             .accessible_name = u"月日", .font = FontRole::text_box, .input = InputRule::month_day},
            {.name = u"cmdNenConv", .kind = button, .twips = {2805, 315, 645, 330}, .caption = u"変換"},
            {.name = u"txtNenConv", .kind = output_box, .twips = {1005, 810, 690, 360}, .caption = u"2001",
             .accessible_name = u"変換結果", .font = FontRole::text_box, .emphasis = Emphasis::bold},
            {.name = u"txtWeek", .kind = output_box, .twips = {2220, 810, 420, 360}, .caption = u"",
             .accessible_name = u"曜日", .font = FontRole::text_box},
            {.name = u"lblInput", .kind = label, .twips = {510, 405, 360, 180}, .caption = u"入力"},
            {.name = u"lblConv", .kind = label, .twips = {510, 900, 360, 180}, .caption = u"変換"},
            {.name = u"lblWeek", .kind = label, .twips = {1815, 900, 360, 180}, .caption = u"曜日"},
            {.name = u"fraBikou", .kind = frame, .twips = {285, 2025, 3390, 1410 + extra}, .caption = u"備考"},
            {.name = u"lblBikou", .kind = remarks, .twips = {135, 315, 3075, 960 + extra}, .caption = u"備考",
             .accessible_name = u"備考", .container = u"fraBikou"},
            {.name = u"lblAttention1", .kind = label, .twips = {1373, 1350, 1215, 225}, .caption = attention_caption,
             .font = FontRole::attention, .alignment = Alignment::centre, .emphasis = Emphasis::shown},
            {.name = u"lblAttention2", .kind = label, .twips = {698, 1665, 2565, 180}, .caption = attention_detail,
             .alignment = Alignment::centre, .emphasis = Emphasis::shown},
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

RunShown run(std::u16string_view year_box, std::u16string_view month_day_box)
{
    conversion::ConversionResult result = conversion::convert(year_box, month_day_box);
    RunShown shown;
    shown.year_box = std::move(result.year_box);
    shown.converted_year = std::move(result.converted_year);
    shown.weekday = std::move(result.weekday);
    shown.emphasis = result.era_change_year;
    if (result.warning) {
        shown.warning =
            RunWarning{conversion::warning_text(*result.warning), conversion::warning_target(*result.warning)};
        return shown;
    }
    const bool rewritten = shown.year_box && *shown.year_box != year_box;
    shown.announcement = announcement(rewritten ? std::optional<std::u16string_view>(*shown.year_box) : std::nullopt,
                                      shown.converted_year.value_or(u""), shown.weekday.value_or(u""), shown.emphasis);
    return shown;
}

StartTexts start_texts(std::chrono::year_month_day today)
{
    using date::DatePattern;
    return {
        .year_box = date::render_date(today, DatePattern::era_year),
        .month_day_box = date::render_date(today, DatePattern::month_day),
        .weekday = date::render_date(today, DatePattern::weekday),
        .converted_year = date::render_date(today, DatePattern::year),
    };
}

std::vector<std::u16string> remarks_lines()
{
    using namespace std::chrono;
    const auto two_digits = [](auto part) { return date::to_padded_digits(static_cast<unsigned>(part), 2); };
    // "H31/04/30": the era's letter and its year of that day in at least two
    // digits, whichever era the day belongs to.
    const auto era_day = [&](const date::EraEntry& era, year_month_day day) {
        return era.letter + date::to_padded_digits(era.era_year(day.year()), 2) + u'/' + two_digits(day.month()) + u'/'
               + two_digits(day.day());
    };
    const auto day_before = [](year_month_day day) { return year_month_day{sys_days{day} - days{1}}; };

    const auto eras = date::era_table();
    std::vector<std::u16string> lines;
    for (std::size_t i = 0; i < eras.size(); ++i) {
        const date::EraEntry& era = eras[i];
        std::u16string line = era.name + u'(' + date::render_date(era.first_day, date::DatePattern::year)
                              + u")\u3000" + era_day(era, era.first_day) + u" ～";
        if (i > 0)
            line += u' ' + era_day(era, day_before(eras[i - 1].first_day));
        lines.push_back(std::move(line));
    }
    lines.push_back(date::render_date(day_before(eras.back().first_day), date::DatePattern::year_month_day)
                    + u"以前は西暦表示");
    return lines;
}

std::u16string manual_path_in(std::u16string_view folder, char16_t separator)
{
    std::u16string path(folder);
    if (path.empty() || path.back() != separator)
        path += separator;
    path += manual_file_name;
    return path;
}

std::u16string manual_failure_text(std::u16string_view path)
{
    return manual_warning(path, u" が存在するか確認してください。");
}

std::u16string manual_no_program_text(std::u16string_view path)
{
    return manual_warning(path, u" テキストファイル（.txt）を開くプログラムが設定されていません。");
}

std::u16string manual_open_failure_text(std::u16string_view path, std::u16string_view reason)
{
    return manual_warning(path, reason);
}

}  // namespace hinomori::ui::main_window
