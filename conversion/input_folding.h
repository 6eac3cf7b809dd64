#pragma once

// Japanese users type with the input method on as often as off. These folds
// turn what they type into the ASCII forms the conversion reads, and fit what
// they put into a box to the room its bound leaves.

#include <cstddef>
#include <string>
#include <string_view>

namespace hinomori::conversion {

// Full-width digits, Latin letters and slash, and the ideographic space, to
// their ASCII forms. Every other unit is left alone; the length never changes.
std::u16string fold_full_width(std::u16string_view text);

// What the year box holds of whatever reaches it (typed, pasted, committed by
// the input method): full-width forms folded, and the tabs and line breaks a
// copied spreadsheet cell brings turned into spaces, so they trim like spaces.
// One unit in, one unit out.
std::u16string fold_year_box(std::u16string_view text);

// The same for the month/day box, which also takes the middle dot (・, ･)
// as its slash: the input method types it for the slash key by default.
std::u16string fold_month_day_box(std::u16string_view text);

// An era written by name or by its one-character short name (平成13, 平13)
// becomes its letter (H13), 元 as the whole era year becomes 1 (令和元,
// H元), and one 年 closing a year is dropped (令和元年, H13年). Expects text
// that is already width-folded and trimmed.
std::u16string fold_era_names(std::u16string_view text);

// The year box's text as the conversion reads it: box-folded, trimmed, era
// names turned into letters, upper-cased.
std::u16string read_year_text(std::u16string_view year_box);

// The month/day box's text as the conversion reads it: box-folded, trimmed.
std::u16string read_month_day_text(std::u16string_view month_day_box);

// What the user may put into a box, and how it is folded on the way in.
enum class InputRule { none, year, month_day };

// What a box keeps of `input` that the user puts in (types, pastes, drops,
// commits from the input method) in place of `replaced` of the
// `current_length` units it holds: folded as `rule` folds, then cut to the
// room the bound leaves, never between the two halves of one character. A
// box the program filled past its bound has no room.
std::u16string fit_input(InputRule rule, std::u16string_view input, std::size_t current_length,
                         std::size_t replaced);

// How many characters the user may bring a box to; 0 for no bound.
std::size_t input_limit(InputRule rule) noexcept;

}  // namespace hinomori::conversion
