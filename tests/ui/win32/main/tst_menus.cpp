#include "window_helper.h"

#include <gtest/gtest.h>

#include <string>

using hinomori::conversion::Command;

namespace {

void choose(const frmMain& window, Command item)
{
    PostMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(hinomori::ui::win32::commandId(item), 0), 0);
    processEvents();
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

// The menu bar is built from the description, each item choosing its command.
TEST(Menus, FollowTheDescription)
{
    const auto window = openMainWindow();
    HMENU bar = GetMenu(window->hwnd());
    const auto caption = [](HMENU menu, UINT position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
        return hinomori::ui::win32::utf16(text);
    };
    const hinomori::conversion::WindowDescription described = hinomori::conversion::main_window(0);
    ASSERT_EQ(GetMenuItemCount(bar), static_cast<int>(described.menus.size()));
    for (UINT i = 0; i < described.menus.size(); ++i) {
        const hinomori::conversion::MenuDescription& menu = described.menus[i];
        EXPECT_EQ(caption(bar, i), menu.caption);
        HMENU dropDown = GetSubMenu(bar, static_cast<int>(i));
        ASSERT_EQ(GetMenuItemCount(dropDown), static_cast<int>(menu.items.size()));
        for (UINT j = 0; j < menu.items.size(); ++j) {
            EXPECT_EQ(caption(dropDown, j), menu.items[j].caption);
            EXPECT_EQ(GetMenuItemID(dropDown, static_cast<int>(j)),
                      static_cast<UINT>(hinomori::ui::win32::commandId(menu.items[j].command)));
        }
    }
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
        choose(*window, Command::show_manual);
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
    choose(*window, Command::exit);
    EXPECT_EQ(window->hwnd(), nullptr);
}
