#pragma once

#include "ui/form/form.h"
#include "ui/form/form_layout.h"
#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"

#include <windows.h>

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
    HWND control(std::u16string_view name) const;

    void load();
    hinomori::ui::form::WindowLayout layoutAt(UINT dpi, HFONT font) const;
    void applyDpi(UINT dpi);
    SIZE frameFor(hinomori::ui::form::PixelSize client, UINT dpi) const;
    void centreOverOwner();

    const hinomori::ui::form::WindowDescription description_;
    HWND owner_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    SIZE frame_{};  // the window's size at its DPI

    HWND cmdOk = nullptr;
    HWND picIcon = nullptr;
    HWND lblTitle = nullptr;
    HWND lblVersion = nullptr;
    HWND lblCopyright = nullptr;

    hinomori::ui::win32::Font font_;
    HICON icon_ = nullptr;
    hinomori::ui::win32::AccessibleTexts accessible_;
};
