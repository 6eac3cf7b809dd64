#include "ui/win32/form_builder.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace hinomori::ui::win32;

TEST(FormBuilder, CentresAWindowWithinTheWorkArea)
{
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    struct Row {
        const char* name;
        RECT over;
        POINT expected;  // where a 200 by 100 window's top left lands
    };
    const Row rows[] = {
        {"the work area", work, {work.left + (width(work) - 200) / 2, work.top + (height(work) - 100) / 2}},
        {"an owner inside it, odd size", {work.left + 100, work.top + 50, work.left + 401, work.top + 251},
         {work.left + 150, work.top + 100}},
        {"an owner past its bottom right", {work.right - 80, work.bottom - 60, work.right + 184, work.bottom + 192},
         {work.right - 200, work.bottom - 100}},
        {"an owner past its top left", {work.left - 300, work.top - 200, work.left + 20, work.top + 10},
         {work.left, work.top}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const RECT placed = centredOver(row.over, {200, 100});
        EXPECT_EQ(placed.left, row.expected.x);
        EXPECT_EQ(placed.top, row.expected.y);
        EXPECT_EQ(width(placed), 200);
        EXPECT_EQ(height(placed), 100);
    }
}
