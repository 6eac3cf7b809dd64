#include "window_helper.h"

#include "ui/win32/about/frmAbout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

TEST(FrmAbout, ShowsTheExecutablesVersionAndClosesEveryWay)
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
    // One window for every row: the dialog is made afresh, with the same texts, each time.
    const auto window = openMainWindow();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::u16string caption, title, version, copyright;
        HWND owner = nullptr;
        bool mainTakesInput = true;
        bool centred = false;
        bool shownWhole = true;
        ModalCloser closer([&](HWND about) {
            const auto label = [about](frmAbout::Control id) {
                return textOf(GetDlgItem(about, static_cast<int>(id)));
            };
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
        PostMessageW(window->hwnd(), WM_COMMAND, static_cast<WPARAM>(frmMain::Command::mnuVersion), 0);
        processEvents(20);

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
