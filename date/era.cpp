#include "date/era.h"

#include "date/text_routines.h"

#include <algorithm>
#include <array>
#include <span>
#include <optional>

namespace hinomori::date {

namespace {

using namespace std::chrono;

// How many eras the program is built with: the table's last entries,
// behind those added at start.
constexpr std::size_t built_in_count = 5;

std::vector<EraEntry>& table()
{
    static std::vector<EraEntry> eras{
        {u'R', u"令和", u"令", 2019y / May / 1},
        {u'H', u"平成", u"平", 1989y / January / 8},
        {u'S', u"昭和", u"昭", 1926y / December / 25},
        {u'T', u"大正", u"大", 1912y / July / 30},
        {u'M', u"明治", u"明", 1868y / October / 23},
    };
    return eras;
}

std::span<const EraEntry> built_in_eras()
{
    return std::span<const EraEntry>(table()).last(built_in_count);
}

// The longest era names in history (天平感宝 and the other eras of the Nara
// period) have four kanji; every era since has two.
constexpr std::size_t longest_name = 4;

// CJK ideographs, with their extensions and compatibility forms. Era names
// are kanji; a placeholder such as "??", or Latin letters and digits the year
// box would read as a letter and a year, are not names.
bool is_kanji(char32_t c) noexcept
{
    return (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF)
           || (c >= 0x20000 && c <= 0x3FFFF);
}

// Characters, counting a surrogate pair as one; nullopt when any is not a kanji.
std::optional<std::size_t> kanji_count(std::u16string_view text) noexcept
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i, ++count) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (!is_kanji(c))
            return std::nullopt;
    }
    return count;
}

// "2019 05 01", as Windows names the value: four, two and two digits.
std::optional<year_month_day> read_setting_day(std::u16string_view text, EraSettingProblem& problem) noexcept
{
    problem = EraSettingProblem::day_malformed;
    if (text.size() != 10 || text[4] != u' ' || text[7] != u' ')
        return std::nullopt;
    const auto number = [text](std::size_t first, std::size_t count) -> std::optional<int> {
        const std::u16string_view digits = text.substr(first, count);
        if (!std::ranges::all_of(digits, is_decimal_digit))
            return std::nullopt;
        return read_int32(digits);
    };
    const auto y = number(0, 4);
    const auto m = number(5, 2);
    const auto d = number(8, 2);
    if (!y || !m || !d)
        return std::nullopt;
    const year_month_day day{year{*y}, month{static_cast<unsigned>(*m)}, std::chrono::day{static_cast<unsigned>(*d)}};
    if (!day.ok()) {
        problem = EraSettingProblem::no_such_day;
        return std::nullopt;
    }
    return day;
}

struct ReadSetting {
    std::optional<EraEntry> era;
    EraSettingProblem problem{};
};

// An entry read on its own, before it is held against the table.
ReadSetting read_setting(const EraSetting& setting)
{
    ReadSetting read;
    const auto first_day = read_setting_day(setting.first_day, read.problem);
    if (!first_day)
        return read;

    std::array<std::u16string_view, 4> fields;
    std::u16string_view rest = setting.data;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t underscore = rest.find(u'_');
        if ((underscore == rest.npos) != (i == fields.size() - 1)) {
            read.problem = EraSettingProblem::data_malformed;
            return read;
        }
        fields[i] = rest.substr(0, underscore);
        rest.remove_prefix(underscore == rest.npos ? rest.size() : underscore + 1);
    }
    // fields[2] is the English name, which the program never shows.
    const auto& [name, short_name, english, letter] = fields;

    const auto is_ascii_letter = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    if (letter.size() != 1 || !is_ascii_letter(letter[0])) {
        read.problem = EraSettingProblem::letter_malformed;
        return read;
    }
    const auto name_length = kanji_count(name);
    if (!name_length || *name_length < 1 || *name_length > longest_name) {
        read.problem = EraSettingProblem::name_malformed;
        return read;
    }
    if (kanji_count(short_name) != 1u) {
        read.problem = EraSettingProblem::short_name_malformed;
        return read;
    }
    read.era = EraEntry{to_upper_ascii(letter)[0], std::u16string(name), std::u16string(short_name), *first_day};
    return read;
}

bool repeats_built_in_era(const EraEntry& era)
{
    const auto built_in = built_in_eras();
    if (sys_days{era.first_day} > sys_days{built_in.front().first_day})
        return false;
    return std::ranges::any_of(built_in, [&era](const EraEntry& known) {
        return known.letter == era.letter && known.name == era.name;
    });
}

// Whether the text is typed for an era already: a name or short name must
// lead the year box to one era only.
bool names_an_era(std::u16string_view text)
{
    return std::ranges::any_of(table(),
                               [text](const EraEntry& era) { return era.name == text || era.short_name == text; });
}

std::optional<EraSettingProblem> problem_against_table(const EraEntry& era, std::span<const year_month_day> added_days)
{
    if (std::ranges::find(added_days, era.first_day) != added_days.end())
        return EraSettingProblem::same_day_twice;
    if (sys_days{era.first_day} <= sys_days{table().front().first_day})
        return EraSettingProblem::not_after_newest_era;
    if (era_by_letter(era.letter))
        return EraSettingProblem::letter_taken;
    if (names_an_era(era.name))
        return EraSettingProblem::name_taken;
    if (names_an_era(era.short_name))
        return EraSettingProblem::short_name_taken;
    return std::nullopt;
}

}  // namespace

std::span<const EraEntry> era_table() noexcept { return table(); }

const EraEntry* era_of(sys_days day) noexcept
{
    const auto eras = era_table();
    const auto era = std::ranges::find_if(
        eras, [day](const EraEntry& candidate) { return day >= sys_days{candidate.first_day}; });
    return era == eras.end() ? nullptr : &*era;
}

const EraEntry* era_by_letter(char16_t letter) noexcept
{
    const auto eras = era_table();
    const auto era = std::ranges::find(eras, letter, &EraEntry::letter);
    return era == eras.end() ? nullptr : &*era;
}

bool is_era_change_year(year y) noexcept
{
    return std::ranges::any_of(era_table(), [y](const EraEntry& era) { return era.first_year() == y; });
}

std::vector<LeftOutEra> add_eras(std::span<const EraSetting> entries)
{
    std::vector<LeftOutEra> left_out;
    std::vector<std::pair<EraEntry, std::size_t>> readable;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        ReadSetting read = read_setting(entries[i]);
        if (!read.era)
            left_out.push_back({i, read.problem});
        else if (!repeats_built_in_era(*read.era))
            readable.emplace_back(std::move(*read.era), i);
    }

    // Oldest first, so that each era is held against the one before it;
    // entries for the same day keep the order they came in.
    std::ranges::stable_sort(readable, {}, [](const auto& entry) { return sys_days{entry.first.first_day}; });
    std::vector<year_month_day> added_days;
    for (auto& [era, index] : readable) {
        if (const auto problem = problem_against_table(era, added_days)) {
            left_out.push_back({index, *problem});
            continue;
        }
        added_days.push_back(era.first_day);
        table().insert(table().begin(), std::move(era));
    }

    std::ranges::sort(left_out, {}, &LeftOutEra::index);
    return left_out;
}

std::u16string_view problem_text(EraSettingProblem problem) noexcept
{
    switch (problem) {
    case EraSettingProblem::day_malformed: return u"the first day is not written YYYY MM DD";
    case EraSettingProblem::no_such_day: return u"no such day";
    case EraSettingProblem::data_malformed: return u"not four parts joined by _, as in 令和_令_Reiwa_R";
    case EraSettingProblem::letter_malformed: return u"the letter is not one ASCII letter";
    case EraSettingProblem::name_malformed: return u"the name is not one to four kanji";
    case EraSettingProblem::short_name_malformed: return u"the short name is not one kanji";
    case EraSettingProblem::same_day_twice: return u"another era already begins on that day";
    case EraSettingProblem::not_after_newest_era: return u"begins on or before the newest era's first day";
    case EraSettingProblem::letter_taken: return u"the letter is another era's";
    case EraSettingProblem::name_taken: return u"the name is another era's";
    case EraSettingProblem::short_name_taken: return u"the short name is another era's";
    }
    return {};
}

void reset_era_table() noexcept
{
    std::vector<EraEntry>& eras = table();
    eras.erase(eras.begin(), eras.end() - static_cast<std::ptrdiff_t>(built_in_count));
}

}  // namespace hinomori::date
