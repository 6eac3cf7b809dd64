#pragma once

// The Japanese eras the program knows, from 明治 on. A day before the first
// day of 明治 belongs to no era and is written in Gregorian form.
//
// The program is built with 明治 to 令和. A next era is announced about a
// month before it begins, sooner than a new build reaches the users, so the
// table also takes the eras Windows lists in its registry and the program's
// settings repeat on Linux (add_eras). The windows hand them over once at
// start, before they show anything; from then on the table does not change.

#include <chrono>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hinomori::date {

struct EraEntry {
    char16_t letter;            // an ASCII capital: M, T, S, H, R, or an added era's
    std::u16string name;        // 明治, 大正, 昭和, 平成, 令和
    std::u16string short_name;  // one character, typed for the name: 明, 大, 昭, 平, 令
    std::chrono::year_month_day first_day;

    // Era year 1 is the Gregorian year of the era's first day.
    std::chrono::year first_year() const noexcept { return first_day.year(); }
    // The era year that a Gregorian year is in this era, counted from 1 at
    // first_year(); below 1 for years before it.
    int era_year(std::chrono::year gregorian) const noexcept
    {
        return static_cast<int>(gregorian) - static_cast<int>(first_year()) + 1;
    }
};

// Newest first. Each era ends the day before the next one begins; the newest
// is open-ended. A pointer into it holds until eras are added or the table is
// reset.
std::span<const EraEntry> era_table() noexcept;

// The era a day belongs to, or nullptr for days before 明治.
const EraEntry* era_of(std::chrono::sys_days day) noexcept;

// The era with that letter (upper case), or nullptr.
const EraEntry* era_by_letter(char16_t letter) noexcept;

// A Gregorian year in which an era begins, so that its era depends on the day.
bool is_era_change_year(std::chrono::year year) noexcept;

// One entry of the era list as Windows keeps it, in the registry key
// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Nls\Calendars\Japanese\Eras,
// and as the [Eras] group of the program's settings repeats it.
struct EraSetting {
    std::u16string first_day;  // the value's name: "2019 05 01"
    std::u16string data;       // 名前_略_English_L: "令和_令_Reiwa_R"
};

// Why an entry was left out. The table is unchanged by it.
enum class EraSettingProblem {
    day_malformed,          // the name is not "YYYY MM DD"
    no_such_day,            // "2030 02 30"
    data_malformed,         // not four fields joined by "_"
    letter_malformed,       // not one ASCII letter
    name_malformed,         // not one to four kanji
    short_name_malformed,   // not one kanji
    same_day_twice,         // an earlier entry already added an era on that day
    not_after_newest_era,   // the era would begin on or before the newest known era
    letter_taken,           // another era has that letter, in either case
    name_taken,             // the name is another era's name or short name
    short_name_taken,       // the short name is another era's name or short name
};

struct LeftOutEra {
    std::size_t index;  // into the entries handed to add_eras
    EraSettingProblem problem;
};

// Adds the eras the entries describe that begin after the newest era the
// table knows, oldest first whatever order they come in. An entry that
// repeats a built-in era (Windows lists 明治 to 令和 too, 明治 from
// 1868-01-01) is passed over without a word: the program keeps its own. Every
// other entry that is not taken comes back, in the order handed in.
std::vector<LeftOutEra> add_eras(std::span<const EraSetting> entries);

// Why an entry was left out, in English, for a line on standard error:
// "no such day".
std::u16string_view problem_text(EraSettingProblem problem) noexcept;

// Back to the eras the program is built with, dropping those added.
void reset_era_table() noexcept;

}  // namespace hinomori::date
