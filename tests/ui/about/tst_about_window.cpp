// What the version dialog shows besides its fixed captions.

#include "ui/about/about_window.h"

#include "text_assertions.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace hinomori::ui::about_window;

TEST(AboutWindow, VersionText)
{
    struct Row {
        const char* name;
        int major, minor;
        std::u16string_view text;
    };
    const Row rows[] = {
        {"this release", 1, 0, u"Ver.1.00"},
        {"one-digit minor is padded", 1, 5, u"Ver.1.05"},
        {"two-digit minor", 2, 12, u"Ver.2.12"},
        {"two-digit major", 10, 0, u"Ver.10.00"},
        {"three-digit minor is not cut", 10, 100, u"Ver.10.100"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_SAME_TEXT(version_text(row.major, row.minor), row.text);
    }
}

TEST(AboutWindow, BlackReadsOnLightBackgroundsOnly)
{
    EXPECT_TRUE(black_reads_on(240, 240, 240)) << "the usual button face";
    EXPECT_TRUE(black_reads_on(255, 255, 255)) << "high contrast white";
    EXPECT_FALSE(black_reads_on(0, 0, 0)) << "high contrast black";
    EXPECT_FALSE(black_reads_on(53, 53, 53)) << "a dark theme";
    EXPECT_FALSE(black_reads_on(0, 0, 255)) << "saturated blue is dark";
}
