#include "ui/win32/form_builder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace hinomori::ui::win32;

TEST(WindowLayout, CentresAWindowInAnArea)
{
    struct Row {
        const char* name;
        RECT area;
        POINT expected;  // where a 200 by 100 window's top left lands
    };
    const Row rows[] = {
        {"work area at the origin", {0, 0, 1000, 800}, {400, 350}},
        {"owner away from the origin, odd size", {100, 50, 401, 251}, {150, 100}},
        {"area smaller than the window, odd size", {20, 10, 121, 71}, {-29, -9}},
    };
    registerDialogClass(L"tstCentred", DefDlgProcW);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND window = CreateWindowExW(0, L"tstCentred", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, instance(),
                                      nullptr);
        centreIn(window, row.area);
        RECT placed{};
        GetWindowRect(window, &placed);
        EXPECT_EQ(placed.left, row.expected.x);
        EXPECT_EQ(placed.top, row.expected.y);
        EXPECT_EQ(width(placed), 200);
        EXPECT_EQ(height(placed), 100);
        DestroyWindow(window);
    }
}
