#include "conversion/window_texts.h"

#include "date/date_text.h"
#include "date/text.h"

namespace hinomori::conversion {

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
    return {
        u"令和(2019)　R01/05/01 ～",
        u"平成(1989)　H01/01/08 ～ H31/04/30",
        u"昭和(1926)　S01/12/25 ～ S64/01/07",
        u"大正(1912)　T01/07/30 ～ T15/12/24",
        u"明治(1868)　M01/10/23 ～ M45/07/29",
        u"1868/10/22以前は西暦表示",
    };
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

std::u16string version_text(int major, int minor)
{
    return u"Ver." + date::to_padded_digits(major, 1) + u"." + date::to_padded_digits(minor, 2);
}

std::u16string about_description(std::u16string_view version, std::u16string_view copyright)
{
    std::u16string text = u"ひのもり ";
    text += version;
    text += u' ';
    text += copyright;
    return text;
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

}  // namespace hinomori::conversion
