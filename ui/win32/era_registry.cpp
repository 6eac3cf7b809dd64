#include "ui/win32/era_registry.h"

#include "ui/win32/window_text.h"

#include <windows.h>

#include <string>

namespace hinomori::ui::win32 {

std::vector<hinomori::date::EraSetting> readRegistryEras()
{
    std::vector<hinomori::date::EraSetting> entries;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, eraRegistryKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return entries;
    // In characters without the closing null, and in bytes.
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         &longestData, nullptr, nullptr)
        == ERROR_SUCCESS) {
        std::wstring name(longestName + 1, L'\0');
        std::wstring data(longestData / sizeof(wchar_t) + 1, L'\0');
        for (DWORD index = 0;; ++index) {
            DWORD nameLength = static_cast<DWORD>(name.size());
            DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
            DWORD type = REG_NONE;
            const LSTATUS status = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type,
                                                 reinterpret_cast<BYTE*>(data.data()), &bytes);
            if (status == ERROR_NO_MORE_ITEMS)
                break;
            if (status != ERROR_SUCCESS || type != REG_SZ)
                continue;
            // Stored with its closing null, or without one.
            std::wstring_view text(data.c_str(), bytes / sizeof(wchar_t));
            text = text.substr(0, text.find(L'\0'));
            entries.push_back({utf16(std::wstring_view(name.c_str(), nameLength)), utf16(text)});
        }
    }
    RegCloseKey(key);
    return entries;
}

void loadRegistryEras()
{
    hinomori::date::add_eras(readRegistryEras());
}

}  // namespace hinomori::ui::win32
