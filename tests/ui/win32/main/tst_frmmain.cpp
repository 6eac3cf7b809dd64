#include "window_helper.h"

#include "ui/main/main_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace std::chrono;
using hinomori::ui::win32::height;
using hinomori::ui::win32::width;

namespace {

RECT placeIn(HWND parent, HWND control)
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void putOnClipboard(HWND owner, std::u16string_view text)
{
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* units = static_cast<wchar_t*>(GlobalLock(data));
    std::copy(text.begin(), text.end(), units);
    units[text.size()] = L'\0';
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data);
    CloseClipboard();
}

LOGFONTW fontOf(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

Selection all(HWND box)
{
    return {0, static_cast<DWORD>(textOf(box).size())};
}

// The system's message font made `percent` of its size, as Windows' text
// size setting does, for as long as it lives; the window is told each time.
class TextSize {
public:
    TextSize(HWND window, int percent) : window_(window)
    {
        original_.cbSize = sizeof original_;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof original_, &original_, 0);
        NONCLIENTMETRICSW larger = original_;
        larger.lfMessageFont.lfHeight = MulDiv(original_.lfMessageFont.lfHeight, percent, 100);
        set(larger);
    }
    ~TextSize() { set(original_); }
    TextSize(const TextSize&) = delete;
    TextSize& operator=(const TextSize&) = delete;

private:
    void set(NONCLIENTMETRICSW metrics)
    {
        SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        SendMessageW(window_, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
    }

    HWND window_;
    NONCLIENTMETRICSW original_{};
};

}  // namespace

TEST(FrmMain, StartsOnToday)
{
    struct Row {
        const char* name;
        year_month_day today;
        std::u16string year, monthDay, weekday, gregorian;
    };
    const Row rows[] = {
        {"平成", 2001y / October / 16, u"H13", u"10/16", u"火", u"2001"},
        {"last day of 昭和", 1989y / January / 7, u"S64", u"1/7", u"土", u"1989"},
        // Far in the future the era year needs five characters: never cut.
        {"beyond the bound", 9999y / December / 31, u"R7981", u"12/31", u"金", u"9999"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow(row.today);
        EXPECT_EQ(textOf(window->control(u"txtNen")), row.year);
        EXPECT_EQ(textOf(window->control(u"txtMmdd")), row.monthDay);
        EXPECT_EQ(textOf(window->control(u"txtWeek")), row.weekday);
        EXPECT_EQ(textOf(window->control(u"txtNenConv")), row.gregorian);

        // No era-change emphasis at start, even in an era-change year.
        EXPECT_FALSE(isBold(window->control(u"txtNen")));
        EXPECT_FALSE(isBold(window->control(u"txtNenConv")));
        EXPECT_FALSE(IsWindowVisible(window->control(u"lblAttention1")));
        EXPECT_FALSE(IsWindowVisible(window->control(u"lblAttention2")));

        // The focus is in the year box, all of it selected to be typed over.
        EXPECT_EQ(GetFocus(), window->control(u"txtNen"));
        EXPECT_EQ(selectionOf(GetFocus()), all(GetFocus()));
    }
}

// No control stands on another, but for what a frame holds on the frame.
void expectNoOverlaps(const frmMain& window)
{
    const auto description = hinomori::ui::main_window::description(hinomori::ui::main_window::remarks_lines().size());
    for (const auto& first : description.controls) {
        for (const auto& second : description.controls) {
            if (first.name >= second.name || first.container == second.name || second.container == first.name)
                continue;
            const RECT a = placeIn(window.hwnd(), window.control(first.name));
            const RECT b = placeIn(window.hwnd(), window.control(second.name));
            RECT common{};
            EXPECT_FALSE(IntersectRect(&common, &a, &b)) << testing::PrintToString(std::u16string(first.name))
                                                         << " and " << testing::PrintToString(std::u16string(second.name));
        }
    }
}

// The boxes keep their drawn size wherever they move; the first row, under
// the rule, where it was drawn. The rest moves down only as far as a font
// taller than the drawn 12-pixel line takes it.
TEST(FrmMain, LayoutAt96Dpi)
{
    struct Row {
        std::u16string_view control;
        RECT pixels;  // twips at 15 to the pixel, in the window's client area
        bool moves;   // only its size is kept
    };
    const Row rows[] = {
        {u"txtNen", {67, 21, 113, 45}, false},    {u"txtMmdd", {124, 21, 176, 45}, false},
        {u"txtNenConv", {67, 54, 113, 78}, true}, {u"txtWeek", {148, 54, 176, 78}, true},
    };
    const auto window = openMainWindow();
    ASSERT_EQ(GetDpiForWindow(window->hwnd()), 96u);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(row.control)));
        const RECT placed = placeIn(window->hwnd(), window->control(row.control));
        EXPECT_EQ(width(placed), width(row.pixels));
        EXPECT_EQ(height(placed), height(row.pixels));
        if (!row.moves) {
            EXPECT_EQ(placed.left, row.pixels.left);
            EXPECT_EQ(placed.top, row.pixels.top);
        }
    }
    expectNoOverlaps(*window);

    RECT client{};
    GetClientRect(window->hwnd(), &client);
    EXPECT_GE(client.right, 264);
    EXPECT_GE(client.bottom, 252);
    // The etched rule under the menu bar, the client area's width.
    EXPECT_EQ(placeIn(window->hwnd(), window->control(u"linSeparate")).right, client.right);
}

TEST(FrmMain, HasBothIconsAndOpensCentred)
{
    const auto window = openMainWindow();

    for (const auto& [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
        const auto icon = reinterpret_cast<HICON>(SendMessageW(window->hwnd(), WM_GETICON, which, 0));
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP image{};
        GetObjectW(info.hbmColor, sizeof image, &image);
        EXPECT_EQ(image.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }

    // Centred on the work area.
    RECT placed{};
    GetWindowRect(window->hwnd(), &placed);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((placed.left + placed.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((placed.top + placed.bottom) - (work.top + work.bottom)), 1);
}

TEST(FrmMain, TabWalksTheBoxesAndSelectsTheirText)
{
    const auto window = openMainWindow();
    for (const std::u16string_view next : {u"txtMmdd", u"cmdNenConv", u"txtNenConv", u"txtWeek", u"txtNen"}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(next)));
        HWND target = window->control(next);
        // A caret inside the text, so that only the Tab selects all of it.
        SendMessageW(target, EM_SETSEL, 1, 1);
        pressKey(VK_TAB);
        ASSERT_EQ(GetFocus(), target);
        if (next != u"cmdNenConv") {
            EXPECT_EQ(selectionOf(target), all(target));
        }
    }
    // Typing then replaces the whole text.
    typeText(u"S64");
    EXPECT_EQ(textOf(window->control(u"txtNen")), u"S64");
}

TEST(FrmMain, TheWayTheFocusComesDecidesTheSelection)
{
    enum class Way { click, clickIntoFocusedBox, dragFromTheMiddle, windowActiveAgain };
    struct Row {
        const char* name;
        Way way;
        Selection before;  // in the month/day box, 10/16
        Selection after;
    };
    const Row rows[] = {
        {"a click brings the focus in", Way::click, {2, 2}, {0, 5}},
        {"a click into the focused box places the caret", Way::clickIntoFocusedBox, {0, 5}, {3, 3}},
        {"a click that drags keeps its selection", Way::dragFromTheMiddle, {0, 0}, {2, 5}},
        {"back with the window: the selection as it was", Way::windowActiveAgain, {1, 3}, {1, 3}},
        {"back with the window: the caret as it was", Way::windowActiveAgain, {2, 2}, {2, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow();
        HWND box = window->control(u"txtMmdd");
        SendMessageW(box, EM_SETSEL, row.before.start, static_cast<LPARAM>(row.before.end));
        // At the middle of the text's line: after the third character, then past its end.
        const LPARAM third = MAKELPARAM(3 * 8 + 3, 10);
        const LPARAM beyond = MAKELPARAM(200, 10);
        switch (row.way) {
        case Way::click:
            PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, third);
            PostMessageW(box, WM_LBUTTONUP, 0, third);
            break;
        case Way::clickIntoFocusedBox:
            SetFocus(box);
            SendMessageW(box, EM_SETSEL, row.before.start, static_cast<LPARAM>(row.before.end));
            PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, third);
            PostMessageW(box, WM_LBUTTONUP, 0, third);
            break;
        case Way::dragFromTheMiddle:
            PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2 * 8 + 3, 10));
            PostMessageW(box, WM_MOUSEMOVE, MK_LBUTTON, beyond);
            PostMessageW(box, WM_LBUTTONUP, 0, beyond);
            break;
        case Way::windowActiveAgain: {
            SetFocus(box);
            SendMessageW(box, EM_SETSEL, row.before.start, static_cast<LPARAM>(row.before.end));
            HWND other = CreateWindowExW(0, L"Static", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                         nullptr, nullptr, nullptr, nullptr);
            SetForegroundWindow(other);
            ASSERT_TRUE(processEventsUntil([&] { return GetForegroundWindow() == other; }));
            DestroyWindow(other);
            SetForegroundWindow(window->hwnd());
            break;
        }
        }
        ASSERT_TRUE(processEventsUntil([&] { return activeWithFocus(window->hwnd()); }));
        EXPECT_EQ(GetFocus(), box);
        EXPECT_EQ(selectionOf(box), row.after);
    }
}

TEST(FrmMain, EditsAreBoundedWithoutHalfCharacters)
{
    enum class Edit { type, paste, inputMethod };
    struct Row {
        const char* name;
        std::u16string_view box;
        std::u16string before;  // written by the program
        Selection selection;
        Edit edit;
        std::u16string input;
        std::u16string shown;
    };
    const std::u16string emoji = u"\U0001F600";
    const Row rows[] = {
        // One row for each way text comes in; what is kept of it is the core's (fit_input).
        {"typed over a selection in a full box", u"txtNen", u"2001", {0, 1}, Edit::type, u"1", u"1001"},
        {"an emoji's two halves typed into the last unit", u"txtNen", u"H13", {3, 3}, Edit::type, emoji, u"H13"},
        {"the input method's commit over the selection", u"txtNen", u"2001", {2, 4}, Edit::inputMethod, u"１０",
         u"2010"},
        {"pasted, cut to fit", u"txtNen", u"", {0, 0}, Edit::paste, u"1989/1/7", u"1989"},
        // Backspace stays a key, and the bound holds past the program's own longer text.
        {"program text shortened, then bounded", u"txtNen", u"R7981", {5, 5}, Edit::type, u"\b23", u"R798"},
    };
    const auto window = openMainWindow();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND box = window->control(row.box);
        SetFocus(box);
        hinomori::ui::win32::setText(box, row.before);
        SendMessageW(box, EM_SETSEL, row.selection.start, static_cast<LPARAM>(row.selection.end));
        if (row.edit == Edit::type) {
            typeText(row.input);
        } else if (row.edit == Edit::inputMethod) {
            commitFromInputMethod(box, row.input);
        } else {
            putOnClipboard(window->hwnd(), row.input);
            PostMessageW(box, WM_PASTE, 0, 0);
            processEvents();
        }
        EXPECT_EQ(textOf(box), row.shown);
    }
}

// The labels, the button and the remarks take the message font at the size
// the user chose for text, and grow, with the window, to show it whole.
TEST(FrmMain, EveryCaptionShowsWholeAtEveryTextSize)
{
    const auto window = openMainWindow();
    ShowWindow(window->control(u"lblAttention1"), SW_SHOWNA);
    ShowWindow(window->control(u"lblAttention2"), SW_SHOWNA);
    for (const int percent : {100, 150, 225}) {
        SCOPED_TRACE(percent);
        // At 100 %, the window as it opened.
        std::optional<TextSize> textSize;
        if (percent != 100)
            textSize.emplace(window->hwnd(), percent);
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        for (const std::u16string_view name : {u"lblInput", u"lblConv", u"lblWeek", u"cmdNenConv", u"fraBikou",
                                               u"lblAttention2", u"lblBikou"}) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(name)));
            EXPECT_EQ(fontOf(window->control(name)).lfHeight, metrics.lfMessageFont.lfHeight);
        }
        for (const std::u16string_view name : {u"lblInput", u"lblConv", u"lblWeek", u"cmdNenConv", u"lblAttention1",
                                               u"lblAttention2", u"lblBikou"}) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(name)));
            HWND control = window->control(name);
            RECT client{};
            GetClientRect(control, &client);
            const SIZE needed = drawnSize(control);
            EXPECT_LE(needed.cx, client.right);
            EXPECT_LE(needed.cy, client.bottom);
        }
        expectNoOverlaps(*window);
    }
}

TEST(FrmMain, MovingToAnotherDpiLaysTheWindowOutAgain)
{
    struct Row {
        UINT dpi;
        SIZE client;      // as drawn; larger where the message font needs it
        RECT year;        // txtNen: twips at 1440 / dpi to the pixel
        LONG fontHeight;  // the boxes' 12 points
    };
    const Row rows[] = {
        {144, {396, 378}, {101, 32, 170, 68}, -24},
        {120, {330, 315}, {84, 26, 142, 56}, -20},
        {96, {264, 252}, {67, 21, 113, 45}, -16},
    };
    const auto window = openMainWindow();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dpi);
        const MoveCounter counter(window->hwnd());
        const RECT suggested = changeDpi(window->hwnd(), row.dpi, {10, 20});
        // Straight to the rectangle Windows suggests, in one move.
        EXPECT_EQ(counter.moves(), 1);
        RECT client{};
        GetClientRect(window->hwnd(), &client);
        EXPECT_GE(client.right, row.client.cx);
        EXPECT_GE(client.bottom, row.client.cy);
        HWND year = window->control(u"txtNen");
        const RECT placed = placeIn(window->hwnd(), year);
        EXPECT_EQ(placed.left, row.year.left);
        EXPECT_EQ(placed.top, row.year.top);
        EXPECT_EQ(placed.right, row.year.right);
        EXPECT_EQ(placed.bottom, row.year.bottom);
        EXPECT_EQ(fontOf(year).lfHeight, row.fontHeight);
        RECT outer{};
        GetWindowRect(window->hwnd(), &outer);
        // At its corner; its height is the suggested one but for what the
        // caption and the menu bar take there (Wine 8 draws them at the
        // system's DPI on every monitor).
        EXPECT_EQ(outer.left, suggested.left);
        EXPECT_EQ(outer.top, suggested.top);
        EXPECT_EQ(width(outer), width(suggested));
    }
}

// Minimised, maximised or shown as a shortcut asks, the window comes back
// with its own client area, laid out for its DPI, the rule across it.
TEST(FrmMain, KeepsItsSizeWhateverItsState)
{
    struct Row {
        const char* name;
        int show;  // as the program is started
        std::function<void(HWND)> change;
        int clientWidth;  // 0: as it was before the change
    };
    const auto minimised = [](std::function<void(HWND)> change) {
        return [change](HWND window) {
            ShowWindow(window, SW_MINIMIZE);
            change(window);
            ShowWindow(window, SW_RESTORE);
        };
    };
    const Row rows[] = {
        {"minimised and restored", SW_SHOW, minimised([](HWND) {}), 0},
        {"larger text while minimised", SW_SHOW,
         minimised([](HWND window) { const TextSize larger(window, 150); }), 0},
        {"another DPI while minimised", SW_SHOW, minimised([](HWND window) { changeDpi(window, 144, {0, 0}); }),
         396},
        {"started maximised", SW_SHOWMAXIMIZED, [](HWND) {}, 0},
        {"maximised", SW_SHOW, [](HWND window) { ShowWindow(window, SW_MAXIMIZE); }, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow(2001y / October / 16, {}, row.show);
        RECT before{};
        GetWindowRect(window->hwnd(), &before);
        RECT clientBefore{};
        GetClientRect(window->hwnd(), &clientBefore);
        row.change(window->hwnd());
        processEvents();
        RECT client{};
        GetClientRect(window->hwnd(), &client);
        if (row.clientWidth == 0) {
            EXPECT_EQ(client.right, clientBefore.right);
            EXPECT_EQ(client.bottom, clientBefore.bottom);
        } else {
            EXPECT_GE(client.right, row.clientWidth);
            EXPECT_GE(client.bottom, clientBefore.bottom);
        }
        EXPECT_EQ(placeIn(window->hwnd(), window->control(u"linSeparate")).right, client.right);
        RECT after{};
        GetWindowRect(window->hwnd(), &after);
        EXPECT_EQ(after.left, before.left) << "it stays where it was";
        EXPECT_EQ(after.top, before.top);
    }
}

// The arrow keys move the focus only within a group: on the button they
// leave it there, never on a label.
TEST(FrmMain, ArrowKeysLeaveTheFocusOnTheButton)
{
    const auto window = openMainWindow();
    HWND button = window->control(u"cmdNenConv");
    for (const UINT key : {VK_DOWN, VK_RIGHT, VK_UP, VK_LEFT}) {
        SCOPED_TRACE(key);
        SetFocus(button);
        pressKey(key);
        EXPECT_EQ(GetFocus(), button);
    }
}

// Restart Manager (an installer replacing the program) and a shutdown ask
// the program whether it may end, then tell it the outcome: it agrees, and
// closes when the session ends, which ends its loop.
TEST(FrmMain, ClosesWhenTheSessionEnds)
{
    struct Row {
        const char* name;
        LPARAM how;
        BOOL ending;
    };
    const Row rows[] = {
        {"Restart Manager closes it", ENDSESSION_CLOSEAPP, TRUE},
        {"Windows shuts down", 0, TRUE},
        {"the shutdown is called off", 0, FALSE},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow();
        HWND hwnd = window->hwnd();
        EXPECT_TRUE(SendMessageW(hwnd, WM_QUERYENDSESSION, 0, row.how));
        SendMessageW(hwnd, WM_ENDSESSION, row.ending, row.how);
        if (!row.ending) {
            processEvents();
            EXPECT_TRUE(IsWindowVisible(hwnd));
            continue;
        }
        // Should the window stay, the program's loop would wait for ever: a
        // timer closes it after a while instead.
        static bool timedOut;
        timedOut = false;
        const UINT_PTR timer = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR, DWORD) {
            timedOut = true;
            EnumThreadWindows(GetCurrentThreadId(), [](HWND top, LPARAM) { return DestroyWindow(top); }, 0);
        });
        window->run();
        KillTimer(nullptr, timer);
        EXPECT_FALSE(timedOut);
        EXPECT_FALSE(IsWindow(hwnd));
    }
}
