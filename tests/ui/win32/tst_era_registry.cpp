// The era list read from the registry key Windows keeps it in, with values
// the test adds to the key as one adds a new era to try it on Windows, and
// takes out again.

#include "ui/win32/era_registry.h"
#include "window_helper.h"
#include "ui/win32/window_text.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace hinomori::ui::win32;
using namespace std::literals;

namespace {

struct RegistryValue {
    const char* name;
    std::wstring_view valueName;
    DWORD type;
    std::wstring_view text;          // stored as UTF-16, with or without its closing null
    bool storedWithNull;
    bool read;                       // comes back from readRegistryEras
    std::optional<char16_t> letter;  // the letter the era table then has, if any
};

const RegistryValue values[] = {
    {"a new era", L"2030 03 01", REG_SZ, L"試験_試_Shiken_Q", true, true, u'Q'},
    {"stored without its closing null", L"2040 01 01", REG_SZ, L"未来_未_Mirai_Z", false, true, u'Z'},
    {"a day that does not exist, left out", L"2030 02 30", REG_SZ, L"誤日_誤_Gojitsu_X", true, true, std::nullopt},
    {"not a string", L"2050 01 01", REG_EXPAND_SZ, L"展開_展_Tenkai_E", true, false, std::nullopt},
    {"a string list", L"2060 01 01", REG_MULTI_SZ, L"複数_複_Fukusu_F\0"sv, true, false, std::nullopt},
};

class EraRegistry : public testing::Test {
protected:
    void SetUp() override
    {
        DWORD disposition = 0;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, eraRegistryKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                                  nullptr, &key, &disposition),
                  ERROR_SUCCESS);
        createdKey = disposition == REG_CREATED_NEW_KEY;
        for (const RegistryValue& value : values) {
            // A value the test did not add is never overwritten, nor deleted after.
            ASSERT_EQ(RegQueryValueExW(key, value.valueName.data(), nullptr, nullptr, nullptr, nullptr),
                      ERROR_FILE_NOT_FOUND)
                << value.name;
            const std::size_t units = value.text.size() + (value.storedWithNull ? 1 : 0);
            ASSERT_EQ(RegSetValueExW(key, value.valueName.data(), 0, value.type,
                                     reinterpret_cast<const BYTE*>(value.text.data()),
                                     static_cast<DWORD>(units * sizeof(wchar_t))),
                      ERROR_SUCCESS)
                << value.name;
            added.push_back(value.valueName.data());
        }
    }

    void TearDown() override
    {
        hinomori::date::reset_era_table();
        if (!key)
            return;
        for (const wchar_t* name : added)
            RegDeleteValueW(key, name);
        RegCloseKey(key);
        if (createdKey)
            RegDeleteKeyW(HKEY_LOCAL_MACHINE, eraRegistryKey);
    }

    HKEY key = nullptr;
    bool createdKey = false;
    std::vector<const wchar_t*> added;
};

}  // namespace

TEST_F(EraRegistry, ReadsTheStringValuesAsWritten)
{
    const std::vector<hinomori::date::EraSetting> entries = readRegistryEras();
    for (const RegistryValue& value : values) {
        SCOPED_TRACE(value.name);
        const std::u16string name = utf16(value.valueName);
        const auto entry = std::ranges::find(entries, name, &hinomori::date::EraSetting::first_day);
        ASSERT_EQ(entry != entries.end(), value.read);
        if (value.read) {
            EXPECT_SAME_TEXT(entry->data, utf16(value.text));
        }
    }
}

TEST_F(EraRegistry, GoodErasReachTheTable)
{
    loadRegistryEras();
    for (const RegistryValue& value : values) {
        SCOPED_TRACE(value.name);
        if (value.letter) {
            EXPECT_TRUE(hinomori::date::era_by_letter(*value.letter));
        }
    }
    // Whatever else the key holds, the table has the built-in eras and the two good ones.
    std::u16string letters;
    for (const hinomori::date::EraEntry& era : hinomori::date::era_table())
        letters += era.letter;
    EXPECT_SAME_TEXT(letters, u"ZQRHSTM");
}

// The window made after the list was read: the added eras' remarks lines,
// and their years converted, in a change year with the emphasis.
TEST_F(EraRegistry, TheWindowFollowsTheAddedEras)
{
    loadRegistryEras();
    const auto window = openMainWindow(std::chrono::year{2030} / std::chrono::March / 1);
    EXPECT_SAME_TEXT(::textOf(window->control(u"txtNen")), u"Q1");
    const std::u16string remarks = ::textOf(window->control(u"lblBikou"));
    EXPECT_NE(remarks.find(u"試験(2030)\u3000Q01/03/01 ～ Q10/12/31"), remarks.npos) << hinomori::test::readable(remarks);
    EXPECT_NE(remarks.find(u"令和(2019)\u3000R01/05/01 ～ R12/02/28"), remarks.npos) << hinomori::test::readable(remarks);

    SetWindowTextW(window->control(u"txtNen"), L"2030");
    SetWindowTextW(window->control(u"txtMmdd"), L"2/28");
    SendMessageW(window->control(u"cmdNenConv"), BM_CLICK, 0, 0);
    EXPECT_SAME_TEXT(::textOf(window->control(u"txtNenConv")), u"R12");
    EXPECT_TRUE(IsWindowVisible(window->control(u"lblAttention1")));
}
