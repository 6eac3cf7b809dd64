// The Windows tests only say something about the users' systems when Wine runs
// as a Japanese Windows: its code page decides how the ANSI calls, the
// installer and the console treat Japanese text. An English system passes
// most tests all the same, so it must fail here, loudly.

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

TEST(JapaneseSystem, CodePagesAndLocalesAreJapanese)
{
    struct Row {
        const char* name;
        DWORD actual;
        DWORD expected;
    };
    const Row rows[] = {
        {"ANSI code page (GetACP)", GetACP(), 932},
        {"OEM code page (GetOEMCP)", GetOEMCP(), 932},
        {"user locale", GetUserDefaultLCID(), 0x0411},
        {"system locale", GetSystemDefaultLCID(), 0x0411},
        {"user interface language", GetUserDefaultUILanguage(), 0x0411},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.actual, row.expected);
    }
}

TEST(JapaneseSystem, AnsiCallsSeeJapaneseAsShiftJis)
{
    const wchar_t name[] = L"ひのもり";
    char ansi[16] = {};
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, 0, name, -1, ansi, sizeof ansi, nullptr, &lossy);
    EXPECT_FALSE(lossy);
    EXPECT_EQ(std::string(ansi, length > 0 ? length - 1 : 0), "\x82\xd0\x82\xcc\x82\xe0\x82\xe8");
}
