#include "ui/win32/main/frmMain.h"

#include "ui/main/main_window.h"
#include "date/today.h"
#include "ui/win32/about/frmAbout.h"
#include "ui/win32/late_library.h"
#include "ui/win32/main/mModule.h"
#include "ui/win32/main/text_box.h"
#include "ui/win32/program_file.h"
#include "ui/win32/warning_box.h"
#include "ui/win32/form_builder.h"
#include "ui/win32/window_text.h"

#include <shellapi.h>

#include <functional>
#include <tuple>
#include <utility>

namespace win32 = hinomori::ui::win32;
using hinomori::ui::form::ControlDescription;
using hinomori::ui::form::Emphasis;
namespace main_window = hinomori::ui::main_window;
using hinomori::ui::form::ControlKind;
using win32::height;
using win32::setText;
using win32::textOf;
using win32::wide;
using win32::width;

namespace {

constexpr wchar_t className[] = L"frmMain";
constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExStyle = 0;

// The live region is the program's own, not one of the described controls.
constexpr int announcerId = win32::firstCommandId - 1;

// Posted when the window is made, so that it comes after the first paint.
constexpr UINT nameTheBoxes = WM_APP;

// How opening the manual went, as far as the user can do something about it.
enum class Opened { yes, missing, noProgram };

Opened openInShell(HWND owner, const std::wstring& file)
{
    // A missing manual is not handed to the shell, which may start a viewer
    // that then complains on its own.
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        return Opened::missing;
    // The shell is loaded only to open the manual.
    using ShellExecuteEx = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
    static const auto execute = win32::lateProcedure<ShellExecuteEx>(L"shell32.dll", "ShellExecuteExW");
    if (!execute)
        return Opened::missing;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The shell's own failure boxes would come on top of the program's warning.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    if (execute(&info))
        return Opened::yes;
    // Wine tells it only by the older SE_ERR_ code.
    const bool noProgram = GetLastError() == ERROR_NO_ASSOCIATION
                           || reinterpret_cast<INT_PTR>(info.hInstApp) == SE_ERR_NOASSOC;
    return noProgram ? Opened::noProgram : Opened::missing;
}

std::u16string joined(const std::vector<std::u16string>& lines)
{
    std::u16string text;
    for (const std::u16string& line : lines)
        text += (text.empty() ? u"" : u"\r\n") + line;
    return text;
}

}  // namespace

frmMain::frmMain(TodaySource today, std::u16string manualFolder)
    : remarks_(hinomori::ui::main_window::remarks_lines()),
      description_(hinomori::ui::main_window::description(remarks_.size())),
      today_(today ? std::move(today) : TodaySource{hinomori::date::local_today}),
      manualFolder_(std::move(manualFolder))
{
    win32::registerDialogClass(className, &frmMain::windowProc);
    // Made on the primary monitor, where it is then centred, so that its DPI
    // is known before anything is measured.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    CreateWindowExW(windowExStyle, className, wide(description_.caption).c_str(), windowStyle, monitor.rcWork.left,
                    monitor.rcWork.top, 0, 0, nullptr, win32::createMenuBar(description_), win32::instance(), this);
}

frmMain::~frmMain()
{
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

void frmMain::show(int how)
{
    // Its size is fixed: a shortcut set to run maximised shows it as it is.
    if (how == SW_SHOWMAXIMIZED || how == SW_MAXIMIZE)
        how = SW_SHOWNORMAL;
    ShowWindow(hwnd_, how);
    // The first ShowWindow of a program may take its state from the
    // STARTUPINFO of whoever started it instead.
    if (IsZoomed(hwnd_))
        ShowWindow(hwnd_, SW_RESTORE);
    UpdateWindow(hwnd_);
}

HWND frmMain::control(std::u16string_view name) const
{
    return win32::controlIn(hwnd_, description_, name);
}

LRESULT CALLBACK frmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMain*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        // Its object gets no message after the window's last.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self = nullptr;
    }
    return self ? self->handle(message, wParam, lParam) : DefDlgProcW(window, message, wParam, lParam);
}

LRESULT frmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        // The dialog manager would scale a dialog on its own on a DPI change.
        win32::keepDpiScalingToMyself(hwnd_);
        dpi_ = GetDpiForWindow(hwnd_);
        measureAt(dpi_);
        // Made where they stand and in their fonts: nothing moves before the
        // window shows, and the boxes, filled after, need not scroll.
        createControls();
        setIcons(dpi_);
        centreOnWorkArea();
        fitFrameToClient();
        load();
        PostMessageW(hwnd_, nameTheBoxes, 0, 0);
        return 0;
    case nameTheBoxes:
        // The boxes have no label of their own beside them in the tab order.
        // (The remarks are read as their lines, their window text, inside the
        // frame that screen readers name them by.)
        for (const ControlDescription& described : description_.controls) {
            if (described.kind == ControlKind::input_box || described.kind == ControlKind::output_box)
                accessible_.setName(control(described.name), described.accessible_name);
        }
        return 0;
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        // Not the dialog manager's IDCANCEL: Esc does nothing here, the close box ends the program.
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        accessible_.clear();
        break;
    case WM_GETMINMAXINFO: {
        // A fixed size, even maximised: it stays as it is, where it is.
        if (frame_.cx == 0)
            break;
        auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
        limits.ptMinTrackSize = limits.ptMaxTrackSize = limits.ptMaxSize = {frame_.cx, frame_.cy};
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd_, &placement);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
        // The normal place is in work-area coordinates, the maximised one in the monitor's.
        limits.ptMaxPosition = {placement.rcNormalPosition.left + monitor.rcWork.left - monitor.rcMonitor.left,
                                placement.rcNormalPosition.top + monitor.rcWork.top - monitor.rcMonitor.top};
        return 0;
    }
    case WM_GETDPISCALEDSIZE:
        // The size at that DPI is the client area's twips, not this size scaled.
        *reinterpret_cast<SIZE*>(lParam) = frameSize(static_cast<UINT>(wParam));
        return TRUE;
    case WM_DPICHANGED: {
        // The suggested rectangle has the size WM_GETDPISCALEDSIZE gave.
        dpi_ = HIWORD(wParam);
        applyDpi(dpi_);
        if (!IsIconic(hwnd_)) {
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, width(suggested), height(suggested),
                         SWP_NOZORDER | SWP_NOACTIVATE);
            fitFrameToClient();
        }
        return 0;
    }
    case WM_SIZE:
        // Back from the taskbar: laid out while minimised, the menu bar could not be measured.
        if (wParam == SIZE_RESTORED)
            fitFrameToClient();
        break;
    case WM_SETTINGCHANGE:
        // The size of text the user chose changes the message font.
        if (wParam == SPI_SETNONCLIENTMETRICS)
            applyDpi(dpi_);
        break;
    default:
        break;
    }
    return DefDlgProcW(hwnd_, message, wParam, lParam);
}

void frmMain::command(int id)
{
    using hinomori::ui::form::Command;
    if (id == IDOK || id == GetDlgCtrlID(cmdNenConv)) {
        enterPressed();
    } else if (id == win32::commandId(Command::exit)) {
        PostMessageW(hwnd_, WM_CLOSE, 0, 0);
    } else if (id == win32::commandId(Command::show_manual)) {
        showManual();
    } else if (id == win32::commandId(Command::show_version)) {
        showVersion();
    }
    // IDCANCEL, Esc: nothing to cancel.
}

void frmMain::createControls()
{
    win32::createControls(hwnd_, description_, layout_, std::bind_front(&frmMain::shownText, this), currentFonts());
    const std::pair<HWND*, std::u16string_view> members[] = {
        {&txtNen, u"txtNen"},         {&txtMmdd, u"txtMmdd"},       {&cmdNenConv, u"cmdNenConv"},
        {&txtNenConv, u"txtNenConv"}, {&txtWeek, u"txtWeek"},       {&lblInput, u"lblInput"},
        {&lblConv, u"lblConv"},       {&lblWeek, u"lblWeek"},       {&fraBikou, u"fraBikou"},
        {&lblBikou, u"lblBikou"},     {&lblAttention1, u"lblAttention1"}, {&lblAttention2, u"lblAttention2"},
        {&linSeparate, u"linSeparate"},
    };
    for (const auto& [member, name] : members)
        *member = control(name);

    for (const ControlDescription& described : description_.controls) {
        if (described.kind == ControlKind::input_box || described.kind == ControlKind::output_box)
            win32::makeTextBox(control(described.name), described.input);
    }
}

std::u16string frmMain::shownText(const ControlDescription& control) const
{
    // What screen readers read of the remarks, and what they are laid out
    // to hold: their lines, one after the other. The labels keep their
    // captions.
    return control.kind == ControlKind::remarks ? joined(remarks_) : std::u16string(control.caption);
}

void frmMain::load()
{
    for (const ControlDescription& described : description_.controls) {
        if (const std::size_t limit = hinomori::conversion::input_limit(described.input))
            mModule::LimitTextLen(control(described.name), static_cast<int>(limit));
    }
    const main_window::StartTexts start = main_window::start_texts(today_());
    setText(txtNen, start.year_box);
    setText(txtMmdd, start.month_day_box);
    setText(txtWeek, start.weekday);
    setText(txtNenConv, start.converted_year);
}

frmMain::Fonts frmMain::fontsAt(UINT dpi) const
{
    using hinomori::ui::form::FontRole;
    using hinomori::ui::form::font_request;
    return {win32::requestedFont(font_request(FontRole::text_box), dpi),
            win32::requestedFont(font_request(FontRole::text_box), dpi, true),
            win32::requestedFont(font_request(FontRole::attention), dpi), win32::messageFont(dpi)};
}

HFONT frmMain::fontOf(const ControlDescription& control, const Fonts& fonts) const
{
    using hinomori::ui::form::FontRole;
    if (control.emphasis == Emphasis::bold && emphasised())
        return fonts.boldBox.get();
    if (control.font == FontRole::text_box)
        return fonts.box.get();
    return control.font == FontRole::attention ? fonts.attention.get() : fonts.message.get();
}

win32::FontOf frmMain::currentFonts() const
{
    return [this](const ControlDescription& control) { return fontOf(control, fonts_); };
}

hinomori::ui::form::WindowLayout frmMain::layoutWith(const Fonts& fonts, UINT dpi) const
{
    return win32::layOut(
        description_, std::bind_front(&frmMain::shownText, this),
        [&](const ControlDescription& control) { return fontOf(control, fonts); }, dpi);
}

void frmMain::setIcons(UINT dpi)
{
    // The icon's two images at the sizes this DPI wants.
    for (const auto& [icon, which, metric] :
         {std::tuple{&bigIcon_, ICON_BIG, SM_CXICON}, std::tuple{&smallIcon_, ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi);
        HICON loaded = win32::programIcon(size, size);
        SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(loaded));
        if (*icon)
            DestroyIcon(*icon);
        *icon = loaded;
    }
}

void frmMain::measureAt(UINT dpi)
{
    fonts_ = fontsAt(dpi);
    layout_ = layoutWith(fonts_, dpi);
    frame_ = win32::frameFor(layout_.client, windowStyle, true, windowExStyle, dpi);
}

void frmMain::applyDpi(UINT dpi)
{
    measureAt(dpi);
    win32::applyLayout(hwnd_, description_, layout_, currentFonts());
    setIcons(dpi);

    // A box scrolled its text to keep the caret in view while it was smaller:
    // shown from its start again.
    for (HWND box : {txtNen, txtMmdd, txtNenConv, txtWeek}) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(box, EM_SETSEL, 0, 0);
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        SendMessageW(box, EM_SETSEL, start, static_cast<LPARAM>(end));
    }

    if (IsIconic(hwnd_)) {
        // Minimised, it has no client area to measure, and its size is the
        // icon's: the size it comes back with is set instead.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd_, &placement);
        RECT& normal = placement.rcNormalPosition;
        normal.right = normal.left + frame_.cx;
        normal.bottom = normal.top + frame_.cy;
        placement.showCmd = SW_SHOWMINNOACTIVE;
        SetWindowPlacement(hwnd_, &placement);
        return;
    }
    SetWindowPos(hwnd_, nullptr, 0, 0, frame_.cx, frame_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fitFrameToClient();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

SIZE frmMain::frameSize(UINT dpi) const
{
    return win32::frameFor(layoutWith(fontsAt(dpi), dpi).client, windowStyle, true, windowExStyle, dpi);
}

void frmMain::fitFrameToClient()
{
    // A menu bar that wraps onto a second line takes from the client area.
    if (IsIconic(hwnd_))
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int missing = layout_.client.height - height(client);
    if (missing == 0)
        return;
    frame_.cy += missing;
    SetWindowPos(hwnd_, nullptr, 0, 0, frame_.cx, frame_.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::centreOnWorkArea()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    win32::centreIn(hwnd_, monitor.rcWork, frame_);
}

void frmMain::enterPressed()
{
    // The dialog manager sends IDOK for Enter in a box, and the button's own
    // ID for Enter on it and for its click.
    HWND focused = GetFocus();
    const bool inBox = focused == txtNen || focused == txtMmdd;
    if (!inBox && focused != cmdNenConv)
        return;
    convert();
    if (inBox) {
        // The caret goes after the text Enter was pressed in, which the run may have rewritten.
        const int length = GetWindowTextLengthW(focused);
        SendMessageW(focused, EM_SETSEL, static_cast<WPARAM>(length), length);
    }
}

void frmMain::convert()
{
    const main_window::RunShown shown = main_window::run(textOf(txtNen), textOf(txtMmdd));
    if (shown.year_box)
        setText(txtNen, *shown.year_box);
    if (shown.converted_year)
        setText(txtNenConv, *shown.converted_year);
    if (shown.weekday)
        setText(txtWeek, *shown.weekday);
    setEmphasis(shown.emphasis);
    if (!shown.warning) {
        announce(shown.announcement);
        return;
    }
    win32::showWarning(hwnd_, shown.warning->text);
    HWND target = shown.warning->focus == hinomori::conversion::WarningTarget::year_box ? txtNen : txtMmdd;
    // The dialog manager's own focus move, which selects the box's text.
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

void frmMain::setEmphasis(bool raised)
{
    for (const ControlDescription& described : description_.controls) {
        if (described.emphasis == Emphasis::bold)
            SendMessageW(control(described.name), WM_SETFONT,
                         reinterpret_cast<WPARAM>(raised ? fonts_.boldBox.get() : fonts_.box.get()), TRUE);
        else if (described.emphasis == Emphasis::shown)
            ShowWindow(control(described.name), raised ? SW_SHOWNA : SW_HIDE);
    }
}

void frmMain::announce(std::u16string_view sentence)
{
    if (!announcer_) {
        // Says the result of a run; it has no size, so it is heard and never seen.
        announcer_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(announcerId)), win32::instance(),
                                     nullptr);
    }
    accessible_.announce(hwnd_, announcer_, sentence);
}

bool frmMain::emphasised() const
{
    return (GetWindowLongW(lblAttention1, GWL_STYLE) & WS_VISIBLE) != 0;
}

void frmMain::showManual()
{
    const std::u16string folder = manualFolder_.empty() ? win32::programFolder() : manualFolder_;
    const std::u16string path = hinomori::ui::main_window::manual_path_in(folder, u'\\');
    switch (openInShell(hwnd_, wide(path))) {
    case Opened::yes:
        break;
    case Opened::missing:
        win32::showWarning(hwnd_, hinomori::ui::main_window::manual_failure_text(path));
        break;
    case Opened::noProgram:
        win32::showWarning(hwnd_, hinomori::ui::main_window::manual_no_program_text(path));
        break;
    }
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout::showModal(hwnd_);
}
