#include "window_helper.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

HWND controlOf(HWND about, std::u16string_view name)
{
    return controlOf(about, hinomori::conversion::about_window(), name);
}

}  // namespace

TEST(FrmAbout, ShowsTheExecutablesVersionAndClosesEveryWay)
{
    struct Row {
        const char* name;
        std::function<void(HWND)> close;
    };
    const Row rows[] = {
        {"OK clicked", [](HWND about) { PostMessageW(controlOf(about, u"cmdOk"), BM_CLICK, 0, 0); }},
        {"Enter",
         [](HWND about) {
             SetFocus(controlOf(about, u"cmdOk"));
             pressKey(VK_RETURN);
         }},
        {"Esc",
         [](HWND about) {
             SetFocus(controlOf(about, u"cmdOk"));
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
            const auto label = [about](std::u16string_view name) { return textOf(controlOf(about, name)); };
            for (const std::u16string_view name : {u"lblTitle", u"lblVersion", u"lblCopyright"}) {
                HWND control = controlOf(about, name);
                RECT client{};
                GetClientRect(control, &client);
                const SIZE needed = drawnSize(control);
                shownWhole = shownWhole && needed.cx <= client.right && needed.cy <= client.bottom;
            }
            caption = textOf(about);
            title = label(u"lblTitle");
            version = label(u"lblVersion");
            copyright = label(u"lblCopyright");
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
        PostMessageW(window->hwnd(), WM_COMMAND,
                     static_cast<WPARAM>(hinomori::ui::win32::commandId(hinomori::conversion::Command::show_version)),
                     0);
        processEvents();

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
        EXPECT_FALSE(FindWindowW(L"#32770", nullptr));
        EXPECT_TRUE(IsWindowEnabled(window->hwnd()));
    }
}
