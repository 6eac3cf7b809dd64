#include "ui/main/main_texts.h"

#include "date/date_text.h"
#include "date/era.h"
#include "date/text_routines.h"

namespace hinomori::ui::main_window {

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
        const int era_year = static_cast<int>(day.year()) - static_cast<int>(era.first_year()) + 1;
        return era.letter + date::to_padded_digits(era_year, 2) + u'/' + two_digits(day.month()) + u'/'
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

std::u16string result_announcement(std::optional<std::u16string_view> rewritten_year,
                                   std::u16string_view converted_year, std::u16string_view weekday,
                                   bool era_change_year)
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
    std::u16string text = u"説明書が開けません。\r\n\r\n";
    text += path;
    text += u"\r\n が存在するか確認してください。";
    return text;
}

std::u16string manual_no_program_text(std::u16string_view path)
{
    std::u16string text = u"説明書が開けません。\r\n\r\n";
    text += path;
    text += u"\r\n テキストファイル（.txt）を開くプログラムが設定されていません。";
    return text;
}

}  // namespace hinomori::ui::main_window
