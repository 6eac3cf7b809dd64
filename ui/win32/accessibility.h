#pragma once

// What screen readers (Narrator, NVDA) are told beyond what the standard
// controls tell them themselves: names for boxes that have no label of their
// own, a dialog's description, and a sentence spoken without moving the
// focus. The accessibility services are made when first asked for, on the
// thread's COM apartment; where they are missing the window works the same
// and only says less.

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace hinomori::ui::win32 {

class AccessibleTexts {
public:
    AccessibleTexts() = default;
    ~AccessibleTexts();
    AccessibleTexts(const AccessibleTexts&) = delete;
    AccessibleTexts& operator=(const AccessibleTexts&) = delete;

    // The name a screen reader reads for `control` in place of its own.
    void setName(HWND control, std::u16string_view name);

    // Makes a window a dialog to screen readers, which then read its
    // `description` when it opens, after its title.
    void makeDialog(HWND window, std::u16string_view description);

    // Speaks `sentence`, which also becomes the text of `announcer`, a
    // control that shows nothing: as a UI Automation notification from
    // `window` where Windows has them (10 1709 and later), else through
    // `announcer` made a polite live region.
    void announce(HWND window, HWND announcer, std::u16string_view sentence);

    // Drops what was set for the controls; done before they are destroyed.
    void clear();

private:
    IAccPropServices* services();

    IAccPropServices* services_ = nullptr;
    bool servicesAsked_ = false;
    std::vector<HWND> annotated_;
};

}  // namespace hinomori::ui::win32
