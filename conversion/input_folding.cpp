#include "conversion/input_folding.h"

#include "date/era.h"
#include "date/text_routines.h"

#include <algorithm>

namespace hinomori::conversion {

namespace {

constexpr char16_t full_width_offset = u'０' - u'0';  // same for letters and slash

bool is_full_width_foldable(char16_t c) noexcept
{
    return (c >= u'０' && c <= u'９') || (c >= u'Ａ' && c <= u'Ｚ') || (c >= u'ａ' && c <= u'ｚ')
           || c == u'／';
}

bool is_era_letter(char16_t c) noexcept
{
    if (c >= u'a' && c <= u'z')
        c = static_cast<char16_t>(c - u'a' + u'A');
    return date::era_by_letter(c) != nullptr;
}

// A tab or a line break that came with a paste.
bool is_pasted_break(char16_t c) noexcept
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

bool is_high_surrogate(char16_t unit) noexcept
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

}  // namespace

std::u16string fold_full_width(std::u16string_view text)
{
    std::u16string folded(text);
    for (char16_t& c : folded) {
        if (is_full_width_foldable(c))
            c = static_cast<char16_t>(c - full_width_offset);
        else if (c == u'\u3000')
            c = u' ';
    }
    return folded;
}

std::u16string fold_year_box(std::u16string_view text)
{
    std::u16string folded = fold_full_width(text);
    std::ranges::replace_if(folded, is_pasted_break, u' ');
    return folded;
}

std::u16string fold_month_day_box(std::u16string_view text)
{
    std::u16string folded = fold_year_box(text);
    std::ranges::replace_if(folded, [](char16_t c) { return c == u'・' || c == u'･'; }, u'/');
    return folded;
}

std::u16string fold_era_names(std::u16string_view text)
{
    std::u16string folded(text);
    // 年 only closes a year: alone it is no year at all.
    if (folded.size() > 1 && folded.back() == u'年')
        folded.pop_back();
    // The longest name that leads the text wins: an added era's name may
    // begin with another era's short name (平安 after 平成's 平).
    const date::EraEntry* named = nullptr;
    std::size_t prefix_length = 0;
    for (const date::EraEntry& era : date::era_table()) {
        for (const std::u16string_view form : {std::u16string_view(era.name), std::u16string_view(era.short_name)}) {
            if (form.size() > prefix_length && folded.starts_with(form)) {
                named = &era;
                prefix_length = form.size();
            }
        }
    }
    if (named)
        folded.replace(0, prefix_length, 1, named->letter);
    if (folded.size() == 2 && is_era_letter(folded[0]) && folded[1] == u'元')
        folded[1] = u'1';
    return folded;
}

std::u16string read_year_text(std::u16string_view year_box)
{
    const std::u16string folded = fold_year_box(year_box);
    return date::to_upper_ascii(fold_era_names(date::trim_spaces(folded)));
}

std::u16string read_month_day_text(std::u16string_view month_day_box)
{
    const std::u16string folded = fold_month_day_box(month_day_box);
    return std::u16string(date::trim_spaces(folded));
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

}  // namespace hinomori::conversion
