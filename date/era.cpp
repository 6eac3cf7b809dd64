#include "date/era.h"

#include <algorithm>
#include <array>

namespace hinomori::date {

namespace {

using namespace std::chrono;

constexpr std::array<EraEntry, 5> eras{{
    {u'R', u"令和", 2019y / May / 1},
    {u'H', u"平成", 1989y / January / 8},
    {u'S', u"昭和", 1926y / December / 25},
    {u'T', u"大正", 1912y / July / 30},
    {u'M', u"明治", 1868y / October / 23},
}};

static_assert(std::ranges::is_sorted(eras, std::ranges::greater{},
                                     [](const EraEntry& era) { return sys_days{era.first_day}; }),
              "the era table must run newest first");

}  // namespace

std::span<const EraEntry> era_table() noexcept { return eras; }

const EraEntry* era_of(sys_days day) noexcept
{
    const auto era = std::ranges::find_if(
        eras, [day](const EraEntry& candidate) { return day >= sys_days{candidate.first_day}; });
    return era == eras.end() ? nullptr : &*era;
}

const EraEntry* era_by_letter(char16_t letter) noexcept
{
    const auto era = std::ranges::find(eras, letter, &EraEntry::letter);
    return era == eras.end() ? nullptr : &*era;
}

bool is_era_change_year(year y) noexcept
{
    return std::ranges::any_of(eras, [y](const EraEntry& era) { return era.first_year() == y; });
}

}  // namespace hinomori::date
