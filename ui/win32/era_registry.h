#pragma once

// Eras the program is not built with, from the list Windows keeps for its own
// Japanese calendar: the string values of
// HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Nls\Calendars\Japanese\Eras,
// each named for an era's first day ("2019 05 01") and holding
// 名前_略_English_L ("令和_令_Reiwa_R"). Windows Update adds a new era there
// once it is announced, so the program follows Windows' calendar.

#include "date/era.h"

#include <vector>

namespace hinomori::ui::win32 {

// Where Windows keeps the list, under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t eraRegistryKey[] = L"SYSTEM\\CurrentControlSet\\Control\\Nls\\Calendars\\Japanese\\Eras";

// The key's string values as written, in the order the registry gives them;
// none when the key is missing.
std::vector<hinomori::date::EraSetting> readRegistryEras();

// Hands them to the core; called once, before any window is made. Entries
// the core leaves out are dropped without a word: the program has no console
// to say it on.
void loadRegistryEras();

}  // namespace hinomori::ui::win32
