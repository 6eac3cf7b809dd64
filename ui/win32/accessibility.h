#pragma once

// What screen readers (Narrator, NVDA) are told beyond what the standard
// controls tell them themselves: names for boxes that have no label of their
// own, and a live region that speaks a sentence without moving the focus.
// Where the accessibility services are missing the window works the same and
// only says less.

#include <windows.h>

#include <string_view>
#include <vector>

struct IAccPropServices;

namespace hinomori::ui::win32 {

class AccessibleTexts {
public:
    AccessibleTexts();
    ~AccessibleTexts();
    AccessibleTexts(const AccessibleTexts&) = delete;
    AccessibleTexts& operator=(const AccessibleTexts&) = delete;

    // The name a screen reader reads for `control` in place of its own.
    void setName(HWND control, std::u16string_view name);

    // Makes a window a dialog to screen readers, which then read its
    // `description` when it opens, after its title.
    void makeDialog(HWND window, std::u16string_view description);

    // Makes `control` a polite live region: its text is spoken when it changes.
    void makeLiveRegion(HWND control);

    // Speaks `sentence` through the live region `control`, whose text it becomes.
    static void announce(HWND control, std::u16string_view sentence);

    // Drops what was set for the controls; done before they are destroyed.
    void clear();

private:
    IAccPropServices* services_ = nullptr;
    bool comStarted_ = false;
    std::vector<HWND> annotated_;
};

}  // namespace hinomori::ui::win32
