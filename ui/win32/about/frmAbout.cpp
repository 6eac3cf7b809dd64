#include "ui/win32/about/frmAbout.h"

#include "conversion/window_texts.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/program_file.h"
#include "ui/win32/window_layout.h"
#include "ui/win32/window_text.h"

#include <commctrl.h>

#include <string_view>
#include <utility>
#include <vector>

using hinomori::ui::win32::height;
using hinomori::ui::win32::instance;
using hinomori::ui::win32::setText;
using hinomori::ui::win32::textOf;
using hinomori::ui::win32::width;

namespace {

constexpr wchar_t className[] = L"frmAbout";
constexpr DWORD windowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD windowExStyle = WS_EX_DLGMODALFRAME;

// The client area in twips.
constexpr int clientWidthTwips = 3180;
constexpr int clientHeightTwips = 1845;

using Placement = hinomori::ui::win32::Placement<frmAbout::Control>;

// Positions in twips, in tab order.
constexpr Placement placements[] = {
    {frmAbout::Control::cmdOk, {1065, 1350, 1050, 345}},
    {frmAbout::Control::picIcon, {315, 195, 480, 480}},
    {frmAbout::Control::lblTitle, {975, 360, 1035, 180}},
    {frmAbout::Control::lblVersion, {2115, 360, 750, 180}},
    {frmAbout::Control::lblCopyright, {285, 945, 2610, 180}},
};

HWND createControl(HWND parent, const wchar_t* kind, std::u16string_view text, DWORD style, frmAbout::Control id)
{
    return hinomori::ui::win32::createControl(parent, kind, text, WS_VISIBLE | style, 0, id);
}

// What the executable's version resource says of itself.
struct VersionInfo {
    int major = 0;
    int minor = 0;
    std::u16string copyright;
};

VersionInfo readVersionInfo()
{
    VersionInfo info;
    const std::wstring path = hinomori::ui::win32::programPath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return info;
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        return info;

    void* value = nullptr;
    UINT length = 0;
    if (VerQueryValueW(data.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO)) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        info.major = HIWORD(fixed->dwFileVersionMS);
        info.minor = LOWORD(fixed->dwFileVersionMS);
    }
    // The string table is Japanese (0411) in Unicode (04B0).
    if (VerQueryValueW(data.data(), L"\\StringFileInfo\\041104B0\\LegalCopyright", &value, &length) && length > 0)
        info.copyright = hinomori::ui::win32::utf16(static_cast<const wchar_t*>(value));
    return info;
}

}  // namespace

frmAbout::frmAbout(HWND owner) : owner_(owner)
{
    hinomori::ui::win32::registerWindowClass(className, hinomori::ui::win32::ClassIcon::none);
    hwnd_ = CreateWindowExW(windowExStyle, className, L"ひのもりのバージョン情報", windowStyle, 0, 0, 0, 0, owner,
                            nullptr, instance(), nullptr);
    // Where the owner is, so that the DPI is the owner's.
    if (owner) {
        RECT ownerRect{};
        GetWindowRect(owner, &ownerRect);
        SetWindowPos(hwnd_, nullptr, ownerRect.left, ownerRect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    hinomori::ui::win32::attach(hwnd_, this, &frmAbout::windowProc);

    createControls();
    load();
    applyDpi(GetDpiForWindow(hwnd_));
    centreOverOwner();
}

frmAbout::~frmAbout()
{
    if (hwnd_)
        close();
    if (icon_)
        DestroyIcon(icon_);
}

void frmAbout::createControls()
{
    // Created in tab order. OK is the default button: Enter presses it, and
    // Esc closes the dialog too.
    cmdOk = createControl(hwnd_, WC_BUTTONW, u"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, Control::cmdOk);
    picIcon = createControl(hwnd_, WC_STATICW, u"", SS_ICON | SS_CENTERIMAGE, Control::picIcon);
    lblTitle = createControl(hwnd_, WC_STATICW, u"ひのもり", SS_LEFT | SS_NOPREFIX, Control::lblTitle);
    lblVersion = createControl(hwnd_, WC_STATICW, u"Ver.", SS_LEFT | SS_NOPREFIX, Control::lblVersion);
    lblCopyright = createControl(hwnd_, WC_STATICW, u"", SS_CENTER | SS_NOPREFIX, Control::lblCopyright);
}

void frmAbout::load()
{
    const VersionInfo info = readVersionInfo();
    setText(lblVersion, hinomori::conversion::version_text(info.major, info.minor));
    setText(lblCopyright, info.copyright);
    // Read when it opens: on their own, screen readers read only the focused OK.
    accessible_.makeDialog(hwnd_, textOf(lblTitle) + u' ' + textOf(lblVersion) + u' ' + textOf(lblCopyright));
}

void frmAbout::applyDpi(UINT dpi)
{
    font_ = hinomori::ui::win32::defaultFont(dpi, {});
    for (const Placement& placement : placements) {
        HWND control = GetDlgItem(hwnd_, static_cast<int>(placement.id));
        RECT pixels = placement.twips.pixels(dpi);
        if (control != cmdOk && control != picIcon) {
            const SIZE text = hinomori::ui::win32::textExtent(font_.get(), textOf(control));
            pixels = hinomori::ui::win32::grownToFit(pixels, text, control == lblCopyright);
        }
        hinomori::ui::win32::place(control, font_.get(), pixels);
    }

    // The program's icon, sized to the picture.
    const RECT picture = placements[1].twips.pixels(dpi);
    HICON icon = hinomori::ui::win32::programIcon(width(picture), height(picture));
    SendMessageW(picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    MoveWindow(picIcon, picture.left, picture.top, width(picture), height(picture), FALSE);
    if (icon_)
        DestroyIcon(icon_);
    icon_ = icon;

    using hinomori::ui::win32::pixelsFromTwips;
    const SIZE frame = hinomori::ui::win32::frameFor(pixelsFromTwips(clientWidthTwips, dpi),
                                                     pixelsFromTwips(clientHeightTwips, dpi), windowStyle, false,
                                                     windowExStyle, dpi);
    hinomori::ui::win32::resize(hwnd_, frame);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void frmAbout::centreOverOwner()
{
    RECT over{};
    if (owner_)
        GetWindowRect(owner_, &over);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    hinomori::ui::win32::centreIn(hwnd_, over);
}

void frmAbout::showModal()
{
    if (owner_)
        EnableWindow(owner_, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    SetFocus(cmdOk);
    hinomori::ui::win32::runUntilClosed(hwnd_);
    if (hwnd_)
        close();
}

void frmAbout::close()
{
    accessible_.clear();
    // The owner takes input again before the dialog goes, so the activation
    // returns to it and not to some other program's window.
    if (owner_) {
        EnableWindow(owner_, TRUE);
        if (GetActiveWindow() == hwnd_)
            SetActiveWindow(owner_);
    }
    DestroyWindow(hwnd_);
}

LRESULT CALLBACK frmAbout::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hinomori::ui::win32::forward(window, message, wParam, lParam, &frmAbout::handle);
}

LRESULT frmAbout::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        // OK, Enter (IDOK) and Esc (IDCANCEL) all close the dialog.
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            close();
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        applyDpi(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == lblTitle) {
            // The name is black, which only reads on a light face: on a dark
            // one (a high-contrast theme) it takes the theme's text colour.
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            const bool light = GetRValue(face) * 299 + GetGValue(face) * 587 + GetBValue(face) * 114 >= 128 * 1000;
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, light ? RGB(0, 0, 0) : GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, face);
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    case WM_NCDESTROY:
        return hinomori::ui::win32::detach(std::exchange(hwnd_, nullptr), wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}
