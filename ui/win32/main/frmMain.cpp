#include "ui/win32/main/frmMain.h"

#include "ui/main/main_window.h"
#include "date/today.h"
#include "ui/win32/about/frmAbout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form_builder.h"
#include "ui/win32/main/mModule.h"
#include "ui/win32/main/text_box.h"
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

// The program's warning: a modal message box over `owner` with the
// exclamation icon and one OK button, titled with the owner's caption.
void showWarning(HWND owner, std::u16string_view text)
{
    MessageBoxW(owner, wide(text).c_str(), wide(textOf(owner)).c_str(), MB_ICONEXCLAMATION | MB_OK);
}

// The folder that holds the executable, without a closing separator
// ("C:\Program Files\Hinomori"); a drive's root keeps it ("C:\").
std::u16string programFolder()
{
    std::u16string folder = win32::utf16(win32::programPath());
    const std::size_t separator = folder.find_last_of(u'\\');
    if (separator == std::u16string::npos)
        return {};
    folder.resize(separator > 0 && folder[separator - 1] == u':' ? separator + 1 : separator);
    return folder;
}

// How opening the manual went, as far as the user can do something about
// it; for any other failure, the system's error code.
enum class Opened { yes, missing, noProgram, failed };
struct OpenResult {
    Opened opened;
    DWORD error = ERROR_SUCCESS;
};

OpenResult openInShell(HWND owner, const std::wstring& file)
{
    // A missing manual is not handed to the shell, which may start a viewer
    // that then complains on its own.
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {Opened::missing};
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The shell's own failure boxes would come on top of the program's warning.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"open";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    if (ShellExecuteExW(&info))
        return {Opened::yes};
    const DWORD error = GetLastError();
    // Wine tells it only by the older SE_ERR_ code.
    if (error == ERROR_NO_ASSOCIATION || reinterpret_cast<INT_PTR>(info.hInstApp) == SE_ERR_NOASSOC)
        return {Opened::noProgram};
    return {Opened::failed, error};
}

// What the system says of a failure, on one line.
std::u16string systemMessage(DWORD error)
{
    wchar_t* message = nullptr;
    if (!FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr))
        return {};
    std::u16string said = win32::utf16(message);
    LocalFree(message);
    while (!said.empty() && (said.back() == u'\n' || said.back() == u'\r'))
        said.pop_back();
    return said;
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
    // Where Windows puts a new window: on the monitor the program was started
    // from (the taskbar's or Start's, which the shell hands on), where it is
    // then centred. Its DPI is known before anything is measured.
    CreateWindowExW(windowExStyle, className, wide(description_.caption).c_str(), windowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, 0, 0, nullptr, win32::createMenuBar(description_), win32::instance(), this);
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
    // Maximised (as a shortcut may ask), it keeps its size and place: WM_GETMINMAXINFO.
    ShowWindow(hwnd_, how);
    UpdateWindow(hwnd_);
}

void frmMain::run() const
{
    MSG message;
    while (hwnd_ && GetMessageW(&message, nullptr, 0, 0) > 0)
        handleMessage(message);
}

void frmMain::handleMessage(MSG& message)
{
    // The window is a dialog: the dialog manager takes its keys (Tab, Enter, Esc).
    HWND window = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

HWND frmMain::control(std::u16string_view name) const
{
    return controls_.empty() ? nullptr : controls_[win32::indexOf(description_, name)];
}

LRESULT CALLBACK frmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<frmMain*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        // Windows 10 1607 scales the caption and the menu bar with the monitor only when asked here.
        win32::scaleNonClientArea(window);
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
    case WM_CREATE: {
        // The dialog manager would scale a dialog on its own on a DPI change.
        win32::keepDpiScalingToMyself(hwnd_);
        dpi_ = win32::dpiOf(hwnd_);
        measureAt(dpi_);
        // Made where they stand and in their fonts: nothing moves before the
        // window shows, and the boxes, filled after, need not scroll.
        createControls();
        setIcons(dpi_);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &monitor);
        placeFrame(win32::centredOver(monitor.rcWork, frame_));
        load();
        return 0;
    }
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        // Not the dialog manager's IDCANCEL: Esc does nothing here, the close box ends the program.
        DestroyWindow(hwnd_);
        return 0;
    case WM_QUERYENDSESSION:
        // Windows is shutting down, or an installer's Restart Manager closes
        // the program to replace it: it keeps nothing, and never objects.
        return TRUE;
    case WM_ENDSESSION:
        if (wParam)
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
    case WM_DPICHANGED:
        // The suggested rectangle has the size WM_GETDPISCALEDSIZE gave. The
        // fonts and the controls change first, and the window moves once,
        // straight there: resized at its old corner first, it would flicker,
        // and could grow back onto the monitor it left.
        dpi_ = HIWORD(wParam);
        applyDpi(dpi_);
        placeFrame(*reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_SIZE:
        // Back from the taskbar: laid out while minimised, the menu bar could not be measured.
        if (wParam == SIZE_RESTORED) {
            RECT frame{};
            GetWindowRect(hwnd_, &frame);
            placeFrame(frame);
        }
        break;
    case WM_SETTINGCHANGE:
        // The size of text the user chose changes the message font.
        if (wParam == SPI_SETNONCLIENTMETRICS) {
            applyDpi(dpi_);
            RECT frame{};
            GetWindowRect(hwnd_, &frame);
            placeFrame(frame);
        }
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
    controls_ = win32::createControls(hwnd_, description_, layout_, std::bind_front(&frmMain::shownText, this),
                                      currentFonts());
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const ControlDescription& described = description_.controls[i];
        if (described.kind != ControlKind::input_box && described.kind != ControlKind::output_box)
            continue;
        win32::makeTextBox(controls_[i], described.input);
        // The boxes have no label of their own beside them in the tab order:
        // named before anything can take the focus. (The remarks are read as
        // their lines, their window text, inside the frame that screen
        // readers name them by.)
        accessible_.setName(controls_[i], described.accessible_name);
    }
    txtNen = control(u"txtNen");
    txtMmdd = control(u"txtMmdd");
    cmdNenConv = control(u"cmdNenConv");
    txtNenConv = control(u"txtNenConv");
    txtWeek = control(u"txtWeek");
    lblAttention1 = control(u"lblAttention1");
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
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (const std::size_t limit = hinomori::conversion::input_limit(description_.controls[i].input))
            mModule::LimitTextLen(controls_[i], static_cast<int>(limit));
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
        const int size = win32::metricAt(metric, dpi);
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
    // The controls let go of the old fonts before they are deleted.
    Fonts old = std::move(fonts_);
    measureAt(dpi);
    win32::applyLayout(controls_, description_, layout_, currentFonts());
    old = {};
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

    InvalidateRect(hwnd_, nullptr, TRUE);
}

SIZE frmMain::frameSize(UINT dpi) const
{
    return win32::frameFor(layoutWith(fontsAt(dpi), dpi).client, windowStyle, true, windowExStyle, dpi);
}

void frmMain::placeFrame(RECT frame)
{
    frame.right = frame.left + frame_.cx;
    frame.bottom = frame.top + frame_.cy;
    if (IsIconic(hwnd_)) {
        // Minimised, it has no client area to measure, and its size is the
        // icon's: the size it comes back with is set instead, where it was.
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
    // A menu bar that wraps onto a second line at that width takes from the
    // client area: the frame grows by as much, in the same move.
    RECT client = frame;
    SendMessageW(hwnd_, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&client));
    frame_.cy += layout_.client.height - height(client);
    frame.bottom = frame.top + frame_.cy;
    RECT now{};
    GetWindowRect(hwnd_, &now);
    if (!EqualRect(&now, &frame))
        SetWindowPos(hwnd_, nullptr, frame.left, frame.top, frame_.cx, frame_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
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
    showWarning(hwnd_, shown.warning->text);
    HWND target = shown.warning->focus == hinomori::conversion::WarningTarget::year_box ? txtNen : txtMmdd;
    // The dialog manager's own focus move, which selects the box's text.
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

void frmMain::setEmphasis(bool raised)
{
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Emphasis emphasis = description_.controls[i].emphasis;
        if (emphasis == Emphasis::bold)
            SendMessageW(controls_[i], WM_SETFONT,
                         reinterpret_cast<WPARAM>(raised ? fonts_.boldBox.get() : fonts_.box.get()), TRUE);
        else if (emphasis == Emphasis::shown)
            ShowWindow(controls_[i], raised ? SW_SHOWNA : SW_HIDE);
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
    const std::u16string folder = manualFolder_.empty() ? programFolder() : manualFolder_;
    const std::u16string path = main_window::manual_path_in(folder, u'\\');
    const OpenResult result = openInShell(hwnd_, wide(path));
    switch (result.opened) {
    case Opened::yes:
        break;
    case Opened::missing:
        showWarning(hwnd_, main_window::manual_failure_text(path));
        break;
    case Opened::noProgram:
        showWarning(hwnd_, main_window::manual_no_program_text(path));
        break;
    case Opened::failed:
        showWarning(hwnd_, main_window::manual_open_failure_text(path, systemMessage(result.error)));
        break;
    }
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout::showModal(hwnd_);
}
