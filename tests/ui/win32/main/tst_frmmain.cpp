#include "window_helper.h"

#include <gtest/gtest.h>

#include <string>

using namespace std::chrono;
using Control = frmMain::Control;

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
        {"first day of 令和", 2019y / May / 1, u"R1", u"5/1", u"水", u"2019"},
        {"before 明治", 1868y / October / 22, u"1868", u"10/22", u"木", u"1868"},
        // Far in the future the era year needs five characters: never cut.
        {"beyond the bound", 9999y / December / 31, u"R7981", u"12/31", u"金", u"9999"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto window = openMainWindow(row.today);
        EXPECT_EQ(textOf(window->control(Control::txtNen)), row.year);
        EXPECT_EQ(textOf(window->control(Control::txtMmdd)), row.monthDay);
        EXPECT_EQ(textOf(window->control(Control::txtWeek)), row.weekday);
        EXPECT_EQ(textOf(window->control(Control::txtNenConv)), row.gregorian);

        // No era-change emphasis at start, even in an era-change year.
        EXPECT_FALSE(isBold(window->control(Control::txtNen)));
        EXPECT_FALSE(isBold(window->control(Control::txtNenConv)));
        EXPECT_FALSE(IsWindowVisible(window->control(Control::lblAttention1)));
        EXPECT_FALSE(IsWindowVisible(window->control(Control::lblAttention2)));

        // The focus is in the year box, all of it selected to be typed over.
        EXPECT_EQ(GetFocus(), window->control(Control::txtNen));
        EXPECT_EQ(selectionOf(GetFocus()), (Selection{0, static_cast<DWORD>(row.year.size())}));
    }
}

TEST(FrmMain, LayoutAt96Dpi)
{
    struct Row {
        Control control;
        RECT pixels;  // twips at 15 to the pixel, in the control's container
    };
    const Row rows[] = {
        {Control::txtNen, {67, 21, 113, 45}},         {Control::txtMmdd, {124, 21, 176, 45}},
        {Control::cmdNenConv, {187, 21, 230, 43}},    {Control::txtNenConv, {67, 54, 113, 78}},
        {Control::txtWeek, {148, 54, 176, 78}},       {Control::fraBikou, {19, 135, 245, 241}},
        {Control::lblBikou, {9, 21, 214, 97}},
    };
    const auto window = openMainWindow();
    ASSERT_EQ(GetDpiForWindow(window->hwnd()), 96u);
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.control));
        HWND control = window->control(row.control);
        const RECT placed = placeIn(GetParent(control), control);
        EXPECT_EQ(placed.left, row.pixels.left);
        EXPECT_EQ(placed.top, row.pixels.top);
        EXPECT_EQ(placed.right, row.pixels.right);
        EXPECT_EQ(placed.bottom, row.pixels.bottom);
    }

    RECT client{};
    GetClientRect(window->hwnd(), &client);
    EXPECT_EQ(client.right, 264);
    EXPECT_EQ(client.bottom, 252);
    // The etched rule spans the client width, even after minimising.
    ShowWindow(window->hwnd(), SW_MINIMIZE);
    ShowWindow(window->hwnd(), SW_RESTORE);
    processEvents(20);
    for (const Control line : {Control::linSeparate0, Control::linSeparate1}) {
        const RECT placed = placeIn(window->hwnd(), window->control(line));
        EXPECT_EQ(placed.right - placed.left, 264);
        EXPECT_EQ(placed.bottom - placed.top, 1);
    }
}

TEST(FrmMain, WindowIsFixedWithoutMaximiseAndHasBothIcons)
{
    const auto window = openMainWindow();
    const LONG style = GetWindowLongW(window->hwnd(), GWL_STYLE);
    EXPECT_EQ(textOf(window->hwnd()), u"ひのもり");
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);

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

TEST(FrmMain, RemarksListEveryEra)
{
    const auto window = openMainWindow();
    EXPECT_EQ(textOf(window->control(Control::lblBikou)),
              u"令和(2019)\u3000R01/05/01 \uFF5E\r\n"
              u"平成(1989)\u3000H01/01/08 \uFF5E H31/04/30\r\n"
              u"昭和(1926)\u3000S01/12/25 \uFF5E S64/01/07\r\n"
              u"大正(1912)\u3000T01/07/30 \uFF5E T15/12/24\r\n"
              u"明治(1868)\u3000M01/10/23 \uFF5E M45/07/29\r\n"
              u"1868/10/22以前は西暦表示");
    EXPECT_EQ(textOf(window->control(Control::fraBikou)), u"備考");
}

TEST(FrmMain, TabWalksTheBoxesAndSelectsTheirText)
{
    const auto window = openMainWindow();
    const Control order[] = {Control::txtMmdd, Control::cmdNenConv, Control::txtNenConv, Control::txtWeek,
                             Control::txtNen};
    for (const Control next : order) {
        SCOPED_TRACE(static_cast<int>(next));
        pressKey(VK_TAB);
        HWND focused = GetFocus();
        ASSERT_EQ(focused, window->control(next));
        if (next != Control::cmdNenConv) {
            EXPECT_EQ(selectionOf(focused), (Selection{0, static_cast<DWORD>(textOf(focused).size())}));
        }
    }
    // Typing then replaces the whole text.
    typeText(u"S64");
    EXPECT_EQ(textOf(window->control(Control::txtNen)), u"S64");
}

TEST(FrmMain, FirstClickSelectsTheWholeText)
{
    const auto window = openMainWindow();
    HWND monthDay = window->control(Control::txtMmdd);
    const LPARAM afterTheSlash = MAKELPARAM(30, 10);
    const auto click = [&] {
        PostMessageW(monthDay, WM_LBUTTONDOWN, MK_LBUTTON, afterTheSlash);
        PostMessageW(monthDay, WM_LBUTTONUP, 0, afterTheSlash);
        processEvents();
    };
    click();
    EXPECT_EQ(GetFocus(), monthDay);
    EXPECT_EQ(selectionOf(monthDay), (Selection{0, 5}));
    // A click into the box that has the focus places the caret.
    click();
    EXPECT_EQ(selectionOf(monthDay).start, selectionOf(monthDay).end);
}

TEST(FrmMain, EditsAreBoundedWithoutHalfCharacters)
{
    enum class Edit { type, paste, inputMethod };
    struct Row {
        const char* name;
        Control box;
        std::u16string before;  // written by the program
        Selection selection;
        Edit edit;
        std::u16string input;
        std::u16string shown;
    };
    const std::u16string emoji = u"\U0001F600";
    const Row rows[] = {
        {"key into a full box changes nothing", Control::txtNen, u"2001", {4, 4}, Edit::type, u"5", u"2001"},
        {"key into the middle of a full box", Control::txtNen, u"2001", {1, 1}, Edit::type, u"5", u"2001"},
        {"key over a selection in a full box", Control::txtNen, u"2001", {0, 1}, Edit::type, u"1", u"1001"},
        {"month/day: the sixth key refused", Control::txtMmdd, u"", {0, 0}, Edit::type, u"10/16/", u"10/16"},
        {"program text past the bound stays", Control::txtNen, u"R7981", {5, 5}, Edit::type, u"1", u"R7981"},
        {"program text shortened, then bounded", Control::txtNen, u"R7981", {5, 5}, Edit::type, u"\b23", u"R798"},
        {"emoji typed into the last unit", Control::txtNen, u"H13", {3, 3}, Edit::type, emoji, u"H13"},
        {"emoji typed where it fits", Control::txtMmdd, u"1/", {2, 2}, Edit::type, emoji, u"1/" + emoji},
        {"full-width typed, folded", Control::txtNen, u"", {0, 0}, Edit::type, u"ｈ１３", u"h13"},
        {"era name typed stays for the conversion", Control::txtNen, u"", {0, 0}, Edit::type, u"平成１３年", u"平成13"},
        {"input method's emoji at the last unit", Control::txtNen, u"H13", {3, 3}, Edit::inputMethod, emoji, u"H13"},
        {"input method's emoji where it fits", Control::txtMmdd, u"1/", {2, 2}, Edit::inputMethod, emoji,
         u"1/" + emoji},
        {"paste cut to fit", Control::txtNen, u"", {0, 0}, Edit::paste, u"1989/1/7", u"1989"},
        {"paste into a full box", Control::txtNen, u"2001", {4, 4}, Edit::paste, u"5", u"2001"},
        {"paste with an emoji at the last unit", Control::txtNen, u"H1", {2, 2}, Edit::paste, u"3" + emoji, u"H13"},
        {"pasted cell: line break to spaces", Control::txtMmdd, u"", {0, 0}, Edit::paste, u"1/7\r\n", u"1/7  "},
        {"pasted cell: tab to a space", Control::txtNen, u"", {0, 0}, Edit::paste, u"H13\t", u"H13 "},
        {"pasted full-width, folded", Control::txtMmdd, u"1/", {2, 2}, Edit::paste, u"１６", u"1/16"},
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
            for (const char16_t unit : row.input)
                PostMessageW(box, WM_IME_CHAR, unit, 1);
            processEvents();
        } else {
            putOnClipboard(window->hwnd(), row.input);
            PostMessageW(box, WM_PASTE, 0, 0);
            processEvents();
        }
        EXPECT_EQ(textOf(box), row.shown);
    }
}

TEST(FrmMain, EveryCaptionShowsWhole)
{
    const auto window = openMainWindow();
    ShowWindow(window->control(Control::lblAttention1), SW_SHOWNA);
    ShowWindow(window->control(Control::lblAttention2), SW_SHOWNA);
    for (const Control label : {Control::lblInput, Control::lblConv, Control::lblWeek, Control::lblAttention1,
                                Control::lblAttention2, Control::lblBikou}) {
        SCOPED_TRACE(static_cast<int>(label));
        HWND control = window->control(label);
        RECT client{};
        GetClientRect(control, &client);
        const SIZE needed = drawnSize(control);
        EXPECT_LE(needed.cx, client.right);
        // The remarks share their height out line by line, whatever the font's line spacing.
        if (label != Control::lblBikou) {
            EXPECT_LE(needed.cy, client.bottom);
        }
    }
}

TEST(FrmMain, MovingToAnotherDpiLaysTheWindowOutAgain)
{
    struct Row {
        UINT dpi;
        SIZE client;
        RECT year;          // txtNen: twips at 1440 / dpi to the pixel
        LONG fontHeight;    // the boxes' 12 points
    };
    const Row rows[] = {
        {144, {396, 378}, {101, 32, 170, 68}, -24},
        {120, {330, 315}, {84, 26, 142, 56}, -20},
        {96, {264, 252}, {67, 21, 113, 45}, -16},
    };
    const auto window = openMainWindow();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dpi);
        RECT suggested{10, 10, 500, 500};
        SendMessageW(window->hwnd(), WM_DPICHANGED, MAKEWPARAM(row.dpi, row.dpi), reinterpret_cast<LPARAM>(&suggested));
        RECT client{};
        GetClientRect(window->hwnd(), &client);
        EXPECT_EQ(client.right, row.client.cx);
        EXPECT_EQ(client.bottom, row.client.cy);
        HWND year = window->control(Control::txtNen);
        const RECT placed = placeIn(window->hwnd(), year);
        EXPECT_EQ(placed.left, row.year.left);
        EXPECT_EQ(placed.top, row.year.top);
        EXPECT_EQ(placed.right, row.year.right);
        EXPECT_EQ(placed.bottom, row.year.bottom);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(year, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_EQ(font.lfHeight, row.fontHeight);
        RECT outer{};
        GetWindowRect(window->hwnd(), &outer);
        EXPECT_EQ(outer.left, suggested.left);
        EXPECT_EQ(outer.top, suggested.top);
    }
}
