#include "window_helper.h"

#include "ui/win32/about/frmAbout.h"

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

TEST(Menus, VersionDialogShowsTheExecutablesVersionAndClosesEveryWay)
{
    struct Row {
        const char* name;
        std::function<void(HWND)> close;
    };
    const Row rows[] = {
        {"OK clicked", [](HWND about) { PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0); }},
        {"Enter",
         [](HWND about) {
             SetFocus(GetDlgItem(about, IDOK));
             pressKey(VK_RETURN);
         }},
        {"Esc",
         [](HWND about) {
             SetFocus(GetDlgItem(about, IDOK));
             pressKey(VK_ESCAPE);
         }},
        {"close box", [](HWND about) { PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    const auto window = openMainWindow();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::u16string caption, title, version, copyright;
        HWND owner = nullptr;
        bool mainTakesInput = true;
        bool centred = false;
        bool shownWhole = true;
        ModalCloser closer([&](HWND about) {
            const auto label = [about](frmAbout::Control id) { return textOf(GetDlgItem(about, static_cast<int>(id))); };
            for (const auto id : {frmAbout::Control::lblTitle, frmAbout::Control::lblVersion,
                                  frmAbout::Control::lblCopyright}) {
                HWND control = GetDlgItem(about, static_cast<int>(id));
                RECT client{};
                GetClientRect(control, &client);
                const SIZE needed = drawnSize(control);
                shownWhole = shownWhole && needed.cx <= client.right && needed.cy <= client.bottom;
            }
            caption = textOf(about);
            title = label(frmAbout::Control::lblTitle);
            version = label(frmAbout::Control::lblVersion);
            copyright = label(frmAbout::Control::lblCopyright);
            owner = GetWindow(about, GW_OWNER);
            mainTakesInput = IsWindowEnabled(window->hwnd());
            RECT outer{};
            RECT inner{};
            GetWindowRect(window->hwnd(), &outer);
            GetWindowRect(about, &inner);
            centred = std::abs((outer.left + outer.right) - (inner.left + inner.right)) <= 1
                      && std::abs((outer.top + outer.bottom) - (inner.top + inner.bottom)) <= 1;
            row.close(about);
        });
        choose(*window, Command::mnuVersion);

        EXPECT_EQ(closer.seen(), 1);
        EXPECT_EQ(caption, u"ひのもりのバージョン情報");
        EXPECT_EQ(title, u"ひのもり");
        EXPECT_EQ(version, u"Ver.1.00");
        EXPECT_EQ(copyright, HINOMORI_COPYRIGHT_TEXT);
        EXPECT_EQ(owner, window->hwnd());
        EXPECT_FALSE(mainTakesInput);
        EXPECT_TRUE(centred);
        EXPECT_TRUE(shownWhole);
        // Gone, and the main window takes input again.
        EXPECT_FALSE(FindWindowW(L"frmAbout", nullptr));
        EXPECT_TRUE(IsWindowEnabled(window->hwnd()));
    }
}

TEST(Menus, VersionTextHasATwoDigitMinor)
{
    const std::pair<std::pair<int, int>, std::u16string> rows[] = {
        {{1, 0}, u"Ver.1.00"}, {{1, 5}, u"Ver.1.05"}, {{2, 12}, u"Ver.2.12"}, {{10, 0}, u"Ver.10.00"}};
    for (const auto& [version, shown] : rows)
        EXPECT_EQ(frmAbout::versionText(version.first, version.second), shown);
}
