#include "ui/win32/era_registry.h"

#include "ui/win32/window_text.h"

#include <windows.h>

#include <cwchar>
#include <optional>
#include <string>

namespace hinomori::ui::win32 {

namespace {

class RegistryKey {
public:
    explicit RegistryKey(HKEY parent, const wchar_t* path)
    {
        if (RegOpenKeyExW(parent, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            key = nullptr;
    }
    ~RegistryKey()
    {
        if (key)
            RegCloseKey(key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return key; }

private:
    HKEY key = nullptr;
};

// A REG_SZ value's text. RegGetValueW ends it with a null even when the
// stored data has none, and refuses every other type.
std::optional<std::wstring> stringValue(HKEY key, const wchar_t* name)
{
    DWORD bytes = 0;
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (RegGetValueW(key, nullptr, name, RRF_RT_REG_SZ, nullptr, text.data(), &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    text.resize(wcsnlen(text.c_str(), bytes / sizeof(wchar_t)));
    return text;
}

}  // namespace

std::vector<hinomori::date::EraSetting> readRegistryEras()
{
    std::vector<hinomori::date::EraSetting> entries;
    const RegistryKey key(HKEY_LOCAL_MACHINE, eraRegistryKey);
    if (!key.get())
        return entries;

    DWORD longestName = 0;  // in characters, without the closing null
    if (RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName,
                         nullptr, nullptr, nullptr)
        != ERROR_SUCCESS)
        return entries;
    std::wstring name(longestName + 1, L'\0');
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD type = REG_NONE;
        const LSTATUS status =
            RegEnumValueW(key.get(), index, name.data(), &nameLength, nullptr, &type, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        if (const auto data = stringValue(key.get(), name.c_str()))
            entries.push_back({utf16(std::wstring_view(name.c_str(), nameLength)), utf16(*data)});
    }
    return entries;
}

void loadRegistryEras()
{
    const std::vector<hinomori::date::EraSetting> entries = readRegistryEras();
    hinomori::date::add_eras(entries);
}

}  // namespace hinomori::ui::win32
