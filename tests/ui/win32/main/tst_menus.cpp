#include "window_helper.h"

#include <gtest/gtest.h>

#include <string>

using Command = frmMain::Command;

namespace {

void choose(const frmMain& window, Command item)
{
    PostMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(item), 0), 0);
    processEvents(20);
}

// A folder of its own with no manual in it.
std::u16string emptyFolder()
{
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"hinomori-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return hinomori::ui::win32::utf16(folder);
}

std::u16string executableFolder()
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::u16string folder = hinomori::ui::win32::utf16(path);
    return folder.substr(0, folder.find_last_of(u'\\'));
}

}  // namespace

TEST(Menus, CaptionsAndAccessKeys)
{
    const auto window = openMainWindow();
    HMENU bar = GetMenu(window->hwnd());
    const auto caption = [](HMENU menu, UINT item, UINT by) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, item, text, 64, by);
        return hinomori::ui::win32::utf16(text);
    };
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    EXPECT_EQ(caption(bar, 0, MF_BYPOSITION), u"操作(&O)");
    EXPECT_EQ(caption(bar, 1, MF_BYPOSITION), u"情報(&H)");
    EXPECT_EQ(caption(GetSubMenu(bar, 0), static_cast<UINT>(Command::mnuExit), MF_BYCOMMAND), u"終了(&X)");
    EXPECT_EQ(caption(GetSubMenu(bar, 1), static_cast<UINT>(Command::mnuReadme), MF_BYCOMMAND), u"説明書表示(&T)");
    EXPECT_EQ(caption(GetSubMenu(bar, 1), static_cast<UINT>(Command::mnuVersion), MF_BYCOMMAND),
              u"バージョン情報(&A)");
}

TEST(Menus, MissingManualWarnsWithItsPath)
{
    struct Row {
        const char* name;
        std::u16string folder;  // empty: the executable's own
        std::u16string path;
    };
    const std::u16string folder = emptyFolder();
    const Row rows[] = {
        {"executable's folder", u"", executableFolder() + u"\\Hinomori.txt"},
        {"a folder without it", folder, folder + u"\\Hinomori.txt"},
        {"a drive's root: no doubled separator", u"C:\\", u"C:\\Hinomori.txt"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow(std::chrono::year{2001} / 10 / 16, row.folder);
        MessageBoxCloser closer;
        choose(*window, Command::mnuReadme);
        ASSERT_TRUE(closer.last);
        EXPECT_EQ(closer.last->text, u"説明書が開けません。\r\n\r\n" + row.path + u"\r\n が存在するか確認してください。");
        EXPECT_EQ(closer.last->title, u"ひのもり");
        EXPECT_TRUE(closer.last->exclamation);
        EXPECT_EQ(closer.last->owner, window->hwnd());
        EXPECT_TRUE(IsWindow(window->hwnd()));
    }
    RemoveDirectoryW(hinomori::ui::win32::wide(folder).c_str());
}

TEST(Menus, ExitClosesTheWindow)
{
    const auto window = openMainWindow();
    choose(*window, Command::mnuExit);
    EXPECT_EQ(window->hwnd(), nullptr);
}
