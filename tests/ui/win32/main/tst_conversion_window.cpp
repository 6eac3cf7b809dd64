#include "window_helper.h"

#include <gtest/gtest.h>

#include <string>

namespace {

enum class Trigger { enterInYear, enterInMonthDay, button, enterOnButton };

// The window as it opens on 2001-10-16: H13, 10/16, 2001, 火.
class Window {
public:
    Window() : window_(openMainWindow()) {}

    HWND operator[](std::u16string_view name) const { return window_->control(name); }
    HWND announcer() const { return window_->announcer(); }
    HWND hwnd() const { return window_->hwnd(); }

    bool emphasised() const
    {
        const bool yearBold = isBold((*this)[u"txtNen"]);
        const bool convertedBold = isBold((*this)[u"txtNenConv"]);
        const bool title = IsWindowVisible((*this)[u"lblAttention1"]);
        const bool note = IsWindowVisible((*this)[u"lblAttention2"]);
        EXPECT_TRUE(yearBold == convertedBold && yearBold == title && yearBold == note)
            << "the emphasis is only partly raised";
        return yearBold;
    }

    // Runs the conversion the way a user would and returns what the warning showed, if one did.
    std::optional<MessageBoxSeen> convert(Trigger trigger)
    {
        MessageBoxCloser closer;
        switch (trigger) {
        case Trigger::enterInYear:
            SetFocus((*this)[u"txtNen"]);
            pressKey(VK_RETURN);
            break;
        case Trigger::enterInMonthDay:
            SetFocus((*this)[u"txtMmdd"]);
            pressKey(VK_RETURN);
            break;
        case Trigger::button:
            PostMessageW((*this)[u"cmdNenConv"], BM_CLICK, 0, 0);
            processEvents();
            break;
        case Trigger::enterOnButton:
            SetFocus((*this)[u"cmdNenConv"]);
            pressKey(VK_RETURN);
            break;
        }
        return closer.last;
    }

private:
    std::unique_ptr<frmMain> window_;
};

}  // namespace

TEST(ConversionWindow, ConvertsAndWarns)
{
    struct Row {
        const char* name;
        std::u16string year, monthDay;
        Trigger trigger;
        std::u16string yearAfter, converted, weekday;
        bool emphasis;
        std::u16string spoken;  // empty where a warning shows
        std::u16string warning = {};
        std::u16string_view focus = u"txtNen";
    };
    using T = Trigger;
    // One row for each way to run it and each way a run ends; what the
    // conversion gives is the core's. Opening values stay in the output boxes
    // when a run stops at a warning.
    const std::u16string result = u"変換結果 H13、曜日 火";
    const Row rows[] = {
        {"Enter in the year box", u"2001", u"10/16", T::enterInYear, u"2001", u"H13", u"火", false, result},
        {"Enter in the month/day box", u"2001", u"10/16", T::enterInMonthDay, u"2001", u"H13", u"火", false, result},
        {"the button", u"2001", u"10/16", T::button, u"2001", u"H13", u"火", false, result},
        {"Enter on the button", u"2001", u"10/16", T::enterOnButton, u"2001", u"H13", u"火", false, result},
        {"year rewritten, emphasis raised", u"H1", u"1/7", T::button, u"S64", u"1989", u"土", true,
         u"年 S64、変換結果 1989、曜日 土、年号注意！ 月日によって年号が変わる年です"},
        {"warning: to the year box", u"X1", u"1/1", T::button, u"X1", u"2001", u"火", false, u"",
         u"「年」が間違っています。", u"txtNen"},
        {"warning: to the month/day box, the year already rewritten", u"h13", u"2/29", T::button, u"H13", u"2001",
         u"火", false, u"", u"和暦の年月日が間違っています。", u"txtMmdd"},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window window;
        typeInto(window[u"txtNen"], row.year);
        typeInto(window[u"txtMmdd"], row.monthDay);
        const auto seen = window.convert(row.trigger);

        EXPECT_EQ(seen ? seen->text : std::u16string(), row.warning);
        EXPECT_EQ(textOf(window[u"txtNen"]), row.yearAfter);
        EXPECT_EQ(textOf(window[u"txtNenConv"]), row.converted);
        EXPECT_EQ(textOf(window[u"txtWeek"]), row.weekday);
        EXPECT_EQ(window.emphasised(), row.emphasis);

        // A screen reader hears the result without leaving the box; a warning speaks for itself.
        EXPECT_EQ(textOf(window.announcer()), row.spoken);

        if (seen) {
            // The warning box, and the box the focus then goes to with its text selected.
            EXPECT_EQ(seen->title, u"ひのもり");
            EXPECT_TRUE(seen->exclamation);
            EXPECT_EQ(seen->buttons, 1);
            EXPECT_EQ(seen->owner, window.hwnd());
            HWND target = window[row.focus];
            EXPECT_EQ(GetFocus(), target);
            if (row.trigger != T::enterInYear && row.trigger != T::enterInMonthDay) {
                EXPECT_EQ(selectionOf(target), (Selection{0, static_cast<DWORD>(textOf(target).size())}));
            }
        }
    }
}

TEST(ConversionWindow, FailedRunKeepsLastResultsAndClearsEmphasis)
{
    Window window;
    typeInto(window[u"txtNen"], u"H1");
    typeInto(window[u"txtMmdd"], u"1/7");
    ASSERT_FALSE(window.convert(Trigger::button));
    ASSERT_TRUE(window.emphasised());

    typeInto(window[u"txtMmdd"], u"2/30");
    ASSERT_TRUE(window.convert(Trigger::button));
    EXPECT_FALSE(window.emphasised());
    EXPECT_EQ(textOf(window[u"txtNenConv"]), u"1989");
    EXPECT_EQ(textOf(window[u"txtWeek"]), u"土");
    EXPECT_EQ(textOf(window[u"txtNen"]), u"S64");
}

TEST(ConversionWindow, EnterLeavesTheCaretAtTheEnd)
{
    struct Row {
        const char* name;
        std::u16string year, monthDay;
        Trigger trigger;
        bool warns;
    };
    const Row rows[] = {
        {"year box, rewritten year", u"H1", u"1/7", Trigger::enterInYear, false},
        {"month/day box", u"2001", u"10/16", Trigger::enterInMonthDay, false},
        // The warning's focus move selects the box, then Enter puts the caret at its end.
        {"year box, malformed year", u"X1", u"10/16", Trigger::enterInYear, true},
        {"month/day box, warning elsewhere", u"X1", u"10/16", Trigger::enterInMonthDay, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Window window;
        typeInto(window[u"txtNen"], row.year);
        typeInto(window[u"txtMmdd"], row.monthDay);
        EXPECT_EQ(window.convert(row.trigger).has_value(), row.warns);

        HWND pressedIn = window[row.trigger == Trigger::enterInYear ? u"txtNen" : u"txtMmdd"];
        const auto end = static_cast<DWORD>(textOf(pressedIn).size());
        EXPECT_EQ(selectionOf(pressedIn), (Selection{end, end}));
        // The key itself went nowhere: no line break, no beep's worth of text.
        EXPECT_EQ(textOf(pressedIn).find(u'\r'), std::u16string::npos);
    }
}

TEST(ConversionWindow, EnterAndEscElsewhereDoNothing)
{
    Window window;
    typeInto(window[u"txtNen"], u"H1");
    typeInto(window[u"txtMmdd"], u"1/7");

    MessageBoxCloser closer;
    for (const std::u16string_view target : {u"txtNenConv", u"txtWeek"}) {
        SetFocus(window[target]);
        pressKey(VK_RETURN);
        pressKey(VK_ESCAPE);
        EXPECT_EQ(GetFocus(), window[target]);
    }
    SetFocus(window[u"txtNen"]);
    pressKey(VK_ESCAPE);
    EXPECT_TRUE(IsWindow(window.hwnd()));
    EXPECT_EQ(textOf(window[u"txtNenConv"]), u"2001");
    EXPECT_EQ(textOf(window[u"txtNen"]), u"H1");
    EXPECT_EQ(closer.seen(), 0);
}
