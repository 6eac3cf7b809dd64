#pragma once

#include "ui/form/form.h"
#include "ui/form/form_layout.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"

#include <windows.h>

#include <string>
#include <vector>

// The version dialog: icon, name, version and copyright notice, read from the
// executable's own version resource. A modal dialog over its owner, built
// from the core's description of it and made afresh each time it is shown.
class frmAbout {
public:
    // Shows the dialog centred over `owner`, which takes no input until the
    // dialog is closed, and returns then.
    static void showModal(HWND owner);

private:
    explicit frmAbout(HWND owner);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam);

    void create();
    std::u16string shownText(const hinomori::ui::form::ControlDescription& control) const;
    hinomori::ui::form::WindowLayout layoutAt(UINT dpi, HFONT font) const;
    void applyDpi(UINT dpi);
    void showIcon(const hinomori::ui::form::WindowLayout& layout);
    SIZE frameFor(hinomori::ui::form::PixelSize client, UINT dpi) const;
    void centreOverOwner();

    const hinomori::ui::form::WindowDescription description_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    std::u16string version_, copyright_;  // as the version resource gives them
    SIZE frame_{};                        // the window's size at its DPI

    std::vector<HWND> controls_;  // in the description's order
    HWND cmdOk = nullptr;
    HWND picIcon = nullptr;
    HWND lblTitle = nullptr;

    hinomori::ui::win32::Font font_;
    HICON icon_ = nullptr;
    hinomori::ui::win32::AccessibleTexts accessible_;
};
