#pragma once

#include <string>

namespace hinomori::ui::win32 {

// The full path of the running executable, however long.
std::wstring programPath();

// The folder that holds the executable, without a closing separator
// ("C:\Program Files\ひのもり"); a drive's root keeps it ("C:\").
std::u16string programFolder();

}  // namespace hinomori::ui::win32
