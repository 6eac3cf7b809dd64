#include "ui/win32/program_file.h"

#include "ui/win32/window_text.h"

#include <windows.h>

namespace hinomori::ui::win32 {

std::wstring programPath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        // Cut to fit: a longer path (up to 32767 units) is asked for again.
        path.resize(path.size() * 2);
    }
}

std::u16string programFolder()
{
    std::u16string folder = utf16(programPath());
    const std::size_t separator = folder.find_last_of(u'\\');
    if (separator == std::u16string::npos)
        return {};
    folder.resize(separator > 0 && folder[separator - 1] == u':' ? separator + 1 : separator);
    return folder;
}

}  // namespace hinomori::ui::win32
