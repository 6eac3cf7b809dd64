#include "ui/win32/about/frmAbout.h"

#include "ui/about/about_window.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form_builder.h"
#include "ui/win32/window_text.h"

#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace win32 = hinomori::ui::win32;
using hinomori::ui::form::ControlDescription;
using win32::height;
using win32::setText;
using win32::textOf;
using win32::width;

namespace {

// What the executable's version resource says of itself.
struct VersionInfo {
    int major = 0;
    int minor = 0;
    std::u16string copyright;
};

VersionInfo readVersionInfo()
{
    VersionInfo info;
    const std::wstring path = win32::programPath();
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
        info.copyright = win32::utf16(static_cast<const wchar_t*>(value));
    return info;
}

bool highContrast()
{
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0)
           && (setting.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// The version dialog's class: run by the dialog manager, it passes every
// message to DefDlgProcW, which hands them to frmAbout::dialogProc. Windows
// 10 1607 scales a window's caption with its monitor only when asked in
// WM_NCCREATE, which a dialog procedure never sees.
LRESULT CALLBACK classProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        win32::scaleNonClientArea(window);
    return DefDlgProcW(window, message, wParam, lParam);
}

constexpr wchar_t className[] = L"frmAbout";

// An empty dialog of that class (DLGTEMPLATEEX: version 1, then the 0xFFFF
// of the extended form), without caption, font or size: in WM_INITDIALOG it
// makes its controls in pixels at its monitor's DPI, as the main window
// makes its own, where dialog units would round the twips twice.
struct EmptyDialog {
    WORD version = 1;
    WORD extended = 0xFFFF;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    WORD controls = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD menu = 0;
    wchar_t windowClass[std::size(className)] = L"frmAbout";
    WORD title = 0;
};

}  // namespace

frmAbout::frmAbout(HWND owner) : description_(hinomori::ui::about_window::description()), owner_(owner) {}

frmAbout::~frmAbout()
{
    if (icon_)
        DestroyIcon(icon_);
}

void frmAbout::showModal(HWND owner)
{
    win32::registerDialogClass(className, &classProcedure);
    static const EmptyDialog dialog;
    frmAbout about(owner);
    DialogBoxIndirectParamW(win32::instance(), reinterpret_cast<const DLGTEMPLATE*>(&dialog), owner,
                            &frmAbout::dialogProc, reinterpret_cast<LPARAM>(&about));
}

INT_PTR CALLBACK frmAbout::dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<frmAbout*>(lParam);
        self->hwnd_ = dialog;
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* self = reinterpret_cast<frmAbout*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->handle(message, wParam, lParam) : FALSE;
}

INT_PTR frmAbout::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        create();
        SetFocus(cmdOk);
        return FALSE;
    case WM_COMMAND:
        // OK, Enter on it and Esc (IDCANCEL, as the close box sends) all close the dialog.
        if (reinterpret_cast<HWND>(lParam) == cmdOk || LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hwnd_, LOWORD(wParam));
        return TRUE;
    case WM_GETDPISCALEDSIZE:
        // The size at that DPI is the client area's twips, not this size scaled.
        *reinterpret_cast<SIZE*>(lParam) = frameFor(
            layoutAt(static_cast<UINT>(wParam), win32::messageFont(static_cast<UINT>(wParam)).get()).client,
            static_cast<UINT>(wParam));
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
    case WM_DPICHANGED: {
        // The suggested rectangle has the size WM_GETDPISCALEDSIZE gave. The
        // controls change first, and the window moves once, straight there:
        // resized where it was, it could flicker, or grow back onto the
        // monitor it left.
        applyDpi(HIWORD(wParam));
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, width(suggested), height(suggested),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == lblTitle) {
            // The name is black, which only reads on a light face, and never
            // overrides a high-contrast theme's colours, light or dark.
            const COLORREF face = GetSysColor(COLOR_BTNFACE);
            if (highContrast()
                || !hinomori::ui::about_window::black_reads_on(GetRValue(face), GetGValue(face), GetBValue(face)))
                return FALSE;
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, face);
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
    case WM_DESTROY:
        accessible_.clear();
        return FALSE;
    default:
        return FALSE;
    }
}

void frmAbout::create()
{
    win32::keepDpiScalingToMyself(hwnd_);
    setText(hwnd_, description_.caption);
    const VersionInfo info = readVersionInfo();
    version_ = hinomori::ui::about_window::version_text(info.major, info.minor);
    copyright_ = info.copyright;

    const UINT dpi = win32::dpiOf(hwnd_);
    font_ = win32::messageFont(dpi);
    const hinomori::ui::form::WindowLayout layout = layoutAt(dpi, font_.get());
    controls_ = win32::createControls(hwnd_, description_, layout, std::bind_front(&frmAbout::shownText, this),
                                      [this](const ControlDescription&) { return font_.get(); });
    const auto made = [this](std::u16string_view name) { return controls_[win32::indexOf(description_, name)]; };
    cmdOk = made(u"cmdOk");
    picIcon = made(u"picIcon");
    lblTitle = made(u"lblTitle");
    showIcon(layout);
    frame_ = frameFor(layout.client, dpi);
    centreOverOwner();
    // Read when it opens: on their own, screen readers read only the focused OK.
    accessible_.makeDialog(hwnd_, hinomori::ui::about_window::about_description(version_, copyright_));
}

std::u16string frmAbout::shownText(const ControlDescription& control) const
{
    if (control.name == u"lblVersion")
        return version_;
    return control.name == u"lblCopyright" ? copyright_ : std::u16string(control.caption);
}

hinomori::ui::form::WindowLayout frmAbout::layoutAt(UINT dpi, HFONT font) const
{
    return win32::layOut(description_, std::bind_front(&frmAbout::shownText, this),
                         [font](const ControlDescription&) { return font; }, dpi);
}

void frmAbout::applyDpi(UINT dpi)
{
    // The controls let go of the old font before it is deleted.
    win32::Font font = win32::messageFont(dpi);
    const hinomori::ui::form::WindowLayout layout = layoutAt(dpi, font.get());
    win32::applyLayout(controls_, description_, layout, [&font](const ControlDescription&) { return font.get(); });
    font_ = std::move(font);
    frame_ = frameFor(layout.client, dpi);
    showIcon(layout);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void frmAbout::showIcon(const hinomori::ui::form::WindowLayout& layout)
{
    // The program's icon, sized to the picture, which takes the icon's size when given it.
    const RECT picture = win32::toRect(layout.in_client(description_, u"picIcon"));
    HICON icon = win32::programIcon(width(picture), height(picture));
    SendMessageW(picIcon, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    MoveWindow(picIcon, picture.left, picture.top, width(picture), height(picture), FALSE);
    if (icon_)
        DestroyIcon(icon_);
    icon_ = icon;
}

SIZE frmAbout::frameFor(hinomori::ui::form::PixelSize client, UINT dpi) const
{
    return win32::frameFor(client, static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_STYLE)), false,
                           static_cast<DWORD>(GetWindowLongW(hwnd_, GWL_EXSTYLE)), dpi);
}

void frmAbout::centreOverOwner()
{
    RECT over{};
    if (owner_)
        GetWindowRect(owner_, &over);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &over, 0);
    // Over a main window near the edge of its monitor, within its work area.
    const RECT placed = win32::centredOver(over, frame_);
    SetWindowPos(hwnd_, nullptr, placed.left, placed.top, frame_.cx, frame_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}
