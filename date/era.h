#pragma once

// The Japanese eras the program knows, from 明治 on. A day before the first
// day of 明治 belongs to no era and is written in Gregorian form.

#include <chrono>
#include <span>
#include <string_view>

namespace hinomori::date {

struct EraEntry {
    char16_t letter;             // M, T, S, H or R
    std::u16string_view name;    // 明治, 大正, 昭和, 平成, 令和
    std::chrono::year_month_day first_day;

    // Era year 1 is the Gregorian year of the era's first day.
    constexpr std::chrono::year first_year() const noexcept { return first_day.year(); }
};

// Newest first. Each era ends the day before the next one begins; the newest
// is open-ended.
std::span<const EraEntry> era_table() noexcept;

// The era a day belongs to, or nullptr for days before 明治.
const EraEntry* era_of(std::chrono::sys_days day) noexcept;

// The era with that letter (upper case), or nullptr.
const EraEntry* era_by_letter(char16_t letter) noexcept;

// A Gregorian year in which an era begins, so that its era depends on the day.
bool is_era_change_year(std::chrono::year year) noexcept;

}  // namespace hinomori::date
