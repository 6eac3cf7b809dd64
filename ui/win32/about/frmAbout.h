#pragma once

#include "ui/win32/accessibility.h"
#include "ui/win32/fonts.h"

#include <windows.h>

#include <string>

// The version dialog: icon, name, version and copyright notice, read from the
// executable's own version resource. Modal over its owner; made afresh each
// time it is shown.
class frmAbout {
public:
    // The controls' IDs, named as the controls are. OK is the dialog's IDOK.
    enum class Control : int { cmdOk = IDOK, picIcon = 101, lblTitle, lblVersion, lblCopyright };

    explicit frmAbout(HWND owner);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Shows the dialog centred over the owner, which takes no input until
    // the dialog is closed, and returns then.
    void showModal();

    HWND hwnd() const { return hwnd_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void load();
    void applyDpi(UINT dpi);
    void centreOverOwner();
    void close();

    HWND owner_;
    HWND hwnd_ = nullptr;

    HWND cmdOk = nullptr;
    HWND picIcon = nullptr;
    HWND lblTitle = nullptr;
    HWND lblVersion = nullptr;
    HWND lblCopyright = nullptr;

    hinomori::ui::win32::Font font_;
    HICON icon_ = nullptr;
    hinomori::ui::win32::AccessibleTexts accessible_;
};
