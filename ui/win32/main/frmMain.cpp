#include "ui/win32/main/frmMain.h"

#include "conversion/convert.h"
#include "conversion/input_folding.h"
#include "conversion/window_texts.h"
#include "date/today.h"
#include "ui/win32/about/frmAbout.h"
#include "ui/win32/main/mModule.h"
#include "ui/win32/program_file.h"
#include "ui/win32/warning_box.h"
#include "ui/win32/window_layout.h"
#include "ui/win32/window_text.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <utility>

using hinomori::ui::win32::TwipsRect;
using hinomori::ui::win32::height;
using hinomori::ui::win32::instance;
using hinomori::ui::win32::setText;
using hinomori::ui::win32::textOf;
using hinomori::ui::win32::wide;
using hinomori::ui::win32::width;

namespace {

constexpr wchar_t className[] = L"frmMain";
constexpr wchar_t caption[] = L"ひのもり";

constexpr DWORD windowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD windowExStyle = 0;

// The client area below the menu bar, in twips. It is 180 twips taller than
// the five-era design: the remarks panel lists 令和 too.
constexpr int clientWidthTwips = 3960;
constexpr int clientHeightTwips = 3780;

// What the user may type into the year and month/day boxes.
constexpr int yearBoxLength = 4;
constexpr int monthDayBoxLength = 5;

using Placement = hinomori::ui::win32::Placement<frmMain::Control>;

// Positions in twips, in tab order.
constexpr Placement placements[] = {
    {frmMain::Control::txtNen, {1005, 315, 690, 360}},
    {frmMain::Control::txtMmdd, {1860, 315, 780, 360}},
    {frmMain::Control::cmdNenConv, {2805, 315, 645, 330}},
    {frmMain::Control::txtNenConv, {1005, 810, 690, 360}},
    {frmMain::Control::txtWeek, {2220, 810, 420, 360}},
    {frmMain::Control::lblInput, {510, 405, 360, 180}},
    {frmMain::Control::lblConv, {510, 900, 360, 180}},
    {frmMain::Control::lblWeek, {1815, 900, 360, 180}},
    {frmMain::Control::fraBikou, {285, 2025, 3390, 1590}},
    {frmMain::Control::lblBikou, {135, 315, 3075, 1140}},
    {frmMain::Control::lblAttention1, {1373, 1350, 1215, 225}},
    {frmMain::Control::lblAttention2, {698, 1665, 2565, 180}},
};

TwipsRect twipsOf(frmMain::Control id)
{
    return std::find_if(std::begin(placements), std::end(placements), [id](const Placement& p) {
               return p.id == id;
           })->twips;
}

using hinomori::ui::win32::createControl;

void selectAll(HWND box)
{
    SendMessageW(box, EM_SETSEL, 0, -1);
}

// The free room in an edit box for what the user types over its selection.
int roomIn(HWND box)
{
    const int limit = static_cast<int>(SendMessageW(box, EM_GETLIMITTEXT, 0, 0));
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const int kept = GetWindowTextLengthW(box) - static_cast<int>(end - start);
    return std::max(0, limit - kept);
}

std::optional<std::u16string> clipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = hinomori::ui::win32::utf16(units);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace

frmMain::frmMain(TodaySource today, std::u16string manualFolder) : manualFolder_(std::move(manualFolder))
{
    hinomori::ui::win32::registerWindowClass(className, hinomori::ui::win32::ClassIcon::program);

    // Created on the primary monitor, where it is then centred, so that its
    // DPI is known before anything is measured.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    hwnd_ = CreateWindowExW(windowExStyle, className, caption, windowStyle, monitor.rcWork.left, monitor.rcWork.top,
                            0, 0, nullptr, createMenus(), instance(), nullptr);
    hinomori::ui::win32::attach(hwnd_, this, &frmMain::windowProc);

    createControls();
    load(today ? today : TodaySource{hinomori::date::local_today});
    applyDpi(GetDpiForWindow(hwnd_));
    centreOnWorkArea();
}

frmMain::~frmMain()
{
    accessible_.clear();
    if (hwnd_)
        DestroyWindow(hwnd_);
    if (bigIcon_)
        DestroyIcon(bigIcon_);
    if (smallIcon_)
        DestroyIcon(smallIcon_);
}

void frmMain::show(int how)
{
    ShowWindow(hwnd_, how);
    UpdateWindow(hwnd_);
}

HWND frmMain::control(Control id) const
{
    HWND parent = id == Control::lblBikou ? fraBikou : hwnd_;
    return GetDlgItem(parent, static_cast<int>(id));
}

HMENU frmMain::createMenus()
{
    HMENU bar = CreateMenu();
    mnuTopOperate = CreatePopupMenu();
    AppendMenuW(mnuTopOperate, MF_STRING, static_cast<UINT_PTR>(Command::mnuExit), L"終了(&X)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuTopOperate), L"操作(&O)");

    mnuTopInfo = CreatePopupMenu();
    AppendMenuW(mnuTopInfo, MF_STRING, static_cast<UINT_PTR>(Command::mnuReadme), L"説明書表示(&T)");
    AppendMenuW(mnuTopInfo, MF_STRING, static_cast<UINT_PTR>(Command::mnuVersion), L"バージョン情報(&A)");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(mnuTopInfo), L"情報(&H)");
    return bar;
}

void frmMain::createControls()
{
    using hinomori::conversion::attention_caption;
    using hinomori::conversion::attention_detail;
    constexpr DWORD box = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    constexpr DWORD label = WS_VISIBLE | SS_LEFT | SS_NOPREFIX;

    // Created in tab order, which is the order Tab walks.
    txtNen = createControl(hwnd_, WC_EDITW, u"", box, WS_EX_CLIENTEDGE, Control::txtNen);
    txtMmdd = createControl(hwnd_, WC_EDITW, u"", box, WS_EX_CLIENTEDGE, Control::txtMmdd);
    cmdNenConv = createControl(hwnd_, WC_BUTTONW, u"変換", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                               Control::cmdNenConv);
    // Read-only edit boxes take the button-face colour as their background.
    txtNenConv = createControl(hwnd_, WC_EDITW, u"", box | ES_READONLY, WS_EX_CLIENTEDGE, Control::txtNenConv);
    txtWeek = createControl(hwnd_, WC_EDITW, u"", box | ES_READONLY, WS_EX_CLIENTEDGE, Control::txtWeek);
    lblInput = createControl(hwnd_, WC_STATICW, u"入力", label, 0, Control::lblInput);
    lblConv = createControl(hwnd_, WC_STATICW, u"変換", label, 0, Control::lblConv);
    lblWeek = createControl(hwnd_, WC_STATICW, u"曜日", label, 0, Control::lblWeek);
    fraBikou = createControl(hwnd_, WC_BUTTONW, u"備考", WS_VISIBLE | BS_GROUPBOX, 0, Control::fraBikou);
    // Drawn by the window, so that all its lines fit whatever the system's font.
    lblBikou = createControl(fraBikou, WC_STATICW, u"備考", WS_VISIBLE | SS_OWNERDRAW, 0, Control::lblBikou);
    lblAttention1 = createControl(hwnd_, WC_STATICW, attention_caption, SS_CENTER | SS_NOPREFIX, 0,
                                  Control::lblAttention1);
    lblAttention2 = createControl(hwnd_, WC_STATICW, attention_detail, SS_CENTER | SS_NOPREFIX, 0,
                                  Control::lblAttention2);

    // An etched rule under the menu bar: one line in the button-shadow colour
    // with one in the button-highlight colour below it (see WM_CTLCOLORSTATIC).
    linSeparate[0] = createControl(hwnd_, WC_STATICW, u"", WS_VISIBLE, 0, Control::linSeparate0);
    linSeparate[1] = createControl(hwnd_, WC_STATICW, u"", WS_VISIBLE, 0, Control::linSeparate1);

    // Says the result of a run; it has no size, so it is heard and never seen.
    announcer = createControl(hwnd_, WC_STATICW, u"", WS_VISIBLE | SS_NOPREFIX, 0, Control::announcer);
    accessible_.makeLiveRegion(announcer);

    // The boxes have no label of their own next to them in the tab order.
    accessible_.setName(txtNen, u"年");
    accessible_.setName(txtMmdd, u"月日");
    accessible_.setName(txtNenConv, u"変換結果");
    accessible_.setName(txtWeek, u"曜日");

    for (HWND control : {txtNen, txtMmdd, cmdNenConv, txtNenConv, txtWeek})
        SetWindowSubclass(control, &frmMain::boxProc, 0, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(fraBikou, &frmMain::frameProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void frmMain::load(const TodaySource& today)
{
    mModule::LimitTextLen(txtNen, yearBoxLength);
    mModule::LimitTextLen(txtMmdd, monthDayBoxLength);
    ShowWindow(lblAttention1, SW_HIDE);
    ShowWindow(lblAttention2, SW_HIDE);
    std::u16string remarks;
    for (const std::u16string& line : hinomori::conversion::remarks_lines())
        remarks += (remarks.empty() ? u"" : u"\r\n") + line;
    setText(lblBikou, remarks);
    // Drawn by the window, the label might not be read as text of its own.
    accessible_.setName(lblBikou, remarks);

    // Today is read once, so the four boxes agree even across midnight. The
    // era-change emphasis stays off at start, even in such a year.
    const hinomori::conversion::StartTexts start = hinomori::conversion::start_texts(today());
    setText(txtNen, start.year_box);
    setText(txtMmdd, start.month_day_box);
    setText(txtWeek, start.weekday);
    setText(txtNenConv, start.converted_year);

    // The window opens with the focus in the year box, ready to be typed over.
    selectAll(txtNen);
    focusBeforeDeactivation_ = txtNen;
}

SIZE frmMain::applyDpi(UINT dpi)
{
    using hinomori::ui::win32::TextRoom;

    // Only the remarks cannot grow: their frame holds them.
    const std::u16string remarks = textOf(lblBikou);
    const RECT remarksRoom = twipsOf(Control::lblBikou).pixels(dpi);
    const std::vector<TextRoom> rooms{{remarks, width(remarksRoom), height(remarksRoom)}};

    const bool bold = emphasised();
    boxFont_ = hinomori::ui::win32::textBoxFont(dpi, false);
    boldBoxFont_ = hinomori::ui::win32::textBoxFont(dpi, true);
    attentionFont_ = hinomori::ui::win32::attentionFont(dpi);
    defaultFont_ = hinomori::ui::win32::defaultFont(dpi, rooms);

    for (const Placement& placement : placements) {
        HWND control = this->control(placement.id);
        HFONT font = defaultFont_.get();
        if (control == txtNen || control == txtNenConv)
            font = bold ? boldBoxFont_.get() : boxFont_.get();
        else if (control == txtMmdd || control == txtWeek)
            font = boxFont_.get();
        else if (control == lblAttention1)
            font = attentionFont_.get();

        RECT pixels = placement.twips.pixels(dpi);
        if (control == lblInput || control == lblConv || control == lblWeek || control == lblAttention1
            || control == lblAttention2) {
            const bool centred = control == lblAttention1 || control == lblAttention2;
            pixels = hinomori::ui::win32::grownToFit(pixels, hinomori::ui::win32::textExtent(font, textOf(control)),
                                                     centred);
        }
        hinomori::ui::win32::place(control, font, pixels);
    }
    SendMessageW(announcer, WM_SETFONT, reinterpret_cast<WPARAM>(defaultFont_.get()), FALSE);

    // The icon's two images at the sizes this DPI wants.
    for (const auto& [icon, which, metric] : {std::tuple{&bigIcon_, ICON_BIG, SM_CXICON},
                                              std::tuple{&smallIcon_, ICON_SMALL, SM_CXSMICON}}) {
        const int size = GetSystemMetricsForDpi(metric, dpi);
        HICON loaded = hinomori::ui::win32::programIcon(size, size);
        SendMessageW(hwnd_, WM_SETICON, static_cast<WPARAM>(which), reinterpret_cast<LPARAM>(loaded));
        if (*icon)
            DestroyIcon(*icon);
        *icon = loaded;
    }

    // The window is its menu bar and the client area, inside a fixed border.
    const int clientWidth = hinomori::ui::win32::pixelsFromTwips(clientWidthTwips, dpi);
    const int clientHeight = hinomori::ui::win32::pixelsFromTwips(clientHeightTwips, dpi);
    const SIZE frame = hinomori::ui::win32::frameFor(clientWidth, clientHeight, windowStyle, true, windowExStyle, dpi);
    hinomori::ui::win32::resize(hwnd_, frame);
    // A menu bar that wraps onto a second line takes from the client area.
    RECT client{};
    GetClientRect(hwnd_, &client);
    const SIZE size{frame.cx, frame.cy + clientHeight - height(client)};
    if (height(client) != clientHeight)
        hinomori::ui::win32::resize(hwnd_, size);

    // A box scrolled its text to keep the caret in view while it was smaller
    // (it starts with no size at all): shown from its start again.
    for (HWND box : {txtNen, txtMmdd, txtNenConv, txtWeek}) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        SendMessageW(box, EM_SETSEL, 0, 0);
        SendMessageW(box, EM_SCROLLCARET, 0, 0);
        SendMessageW(box, EM_SETSEL, start, static_cast<LPARAM>(end));
    }

    placeSeparator();
    InvalidateRect(hwnd_, nullptr, TRUE);
    return size;
}

void frmMain::placeSeparator()
{
    RECT client{};
    GetClientRect(hwnd_, &client);
    // One pixel each, whatever the DPI: together an etched rule.
    for (std::size_t i = 0; i < linSeparate.size(); ++i)
        MoveWindow(linSeparate[i], 0, static_cast<int>(i), width(client), 1, TRUE);
}

void frmMain::centreOnWorkArea()
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    hinomori::ui::win32::centreIn(hwnd_, monitor.rcWork);
}

void frmMain::drawRemarks(const DRAWITEMSTRUCT& item) const
{
    HDC dc = item.hDC;
    const RECT& area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, defaultFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));

    const std::u16string text = textOf(lblBikou);
    std::vector<std::u16string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find(u"\r\n", start), text.size());
        lines.push_back(std::u16string_view(text).substr(start, end - start));
        start = end + 2;
    }

    // Each line gets an equal share of the height, its characters centred in
    // it: a font whose line spacing is wider than the share still shows whole.
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int characterHeight = metrics.tmHeight - metrics.tmInternalLeading;
    const double share = static_cast<double>(height(area)) / static_cast<double>(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double top = static_cast<double>(i) * share + (share - characterHeight) / 2;
        const std::wstring line = wide(lines[i]);
        TextOutW(dc, area.left, area.top + static_cast<int>(std::lround(top)) - metrics.tmInternalLeading,
                 line.c_str(), static_cast<int>(line.size()));
    }
    SelectObject(dc, oldFont);
}

LRESULT CALLBACK frmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return hinomori::ui::win32::forward(window, message, wParam, lParam, &frmMain::handle);
}

LRESULT frmMain::handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case static_cast<int>(Control::txtNen):
        case static_cast<int>(Control::txtMmdd):
            if (HIWORD(wParam) == EN_UPDATE)
                dropHalfCharacters(reinterpret_cast<HWND>(lParam), true);
            return 0;
        case static_cast<int>(Control::cmdNenConv):
            if (HIWORD(wParam) == BN_CLICKED)
                convert();
            return 0;
        case static_cast<int>(Command::mnuExit):
            PostMessageW(hwnd_, WM_CLOSE, 0, 0);
            return 0;
        case static_cast<int>(Command::mnuReadme):
            showManual();
            return 0;
        case static_cast<int>(Command::mnuVersion):
            showVersion();
            return 0;
        default:
            // Enter and Esc outside the boxes come as IDOK and IDCANCEL: nothing to do.
            return 0;
        }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = GetFocus(); focused && IsChild(hwnd_, focused))
                focusBeforeDeactivation_ = focused;
        } else if (!HIWORD(wParam) && focusBeforeDeactivation_) {
            // The focus comes back where it was, with caret and selection as they were.
            restoringFocus_ = true;
            SetFocus(focusBeforeDeactivation_);
            restoringFocus_ = false;
        }
        return 0;
    case WM_SIZE:
        placeSeparator();
        break;
    case WM_DPICHANGED: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        const SIZE size = applyDpi(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_SETTINGCHANGE:
        // The system's message font changed: every control without a font of
        // its own takes the new one.
        if (wParam == SPI_SETNONCLIENTMETRICS)
            applyDpi(GetDpiForWindow(hwnd_));
        break;
    case WM_CTLCOLORSTATIC: {
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == linSeparate[0])
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNSHADOW));
        if (control == linSeparate[1])
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        break;
    }
    case WM_DRAWITEM:
        if (wParam == static_cast<WPARAM>(Control::lblBikou)) {
            drawRemarks(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        }
        break;
    case WM_NCDESTROY:
        accessible_.clear();
        return hinomori::ui::win32::detach(std::exchange(hwnd_, nullptr), wParam, lParam);
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK frmMain::frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self)
{
    // The remarks label lies inside the frame, which passes its drawing up to the window.
    if (message == WM_DRAWITEM)
        return reinterpret_cast<frmMain*>(self)->handle(message, wParam, lParam);
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(frame, &frmMain::frameProc, 0);
    return DefSubclassProc(frame, message, wParam, lParam);
}

LRESULT CALLBACK frmMain::boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, &frmMain::boxProc, 0);
        return DefSubclassProc(box, message, wParam, lParam);
    }
    return reinterpret_cast<frmMain*>(self)->handleBox(box, message, wParam, lParam);
}

LRESULT frmMain::handleBox(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool input = box == txtNen || box == txtMmdd;
    switch (message) {
    case WM_GETDLGCODE: {
        // Enter in the two input boxes and on the button is theirs, not the
        // dialog keys': it converts. In the output boxes it does nothing.
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        const LRESULT code = DefSubclassProc(box, message, wParam, lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN && (input || box == cmdNenConv))
            return code | DLGC_WANTALLKEYS;
        return code;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN && box == cmdNenConv) {
            SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(static_cast<int>(Control::cmdNenConv), BN_CLICKED),
                         reinterpret_cast<LPARAM>(cmdNenConv));
            return 0;
        }
        if (!input)
            break;
        if (wParam == VK_RETURN) {
            // Swallowed: the box neither takes the key nor beeps.
            enterPressed(box);
            return 0;
        }
        // A full-width form typed directly goes in as its ASCII form, as a
        // pasted one does. Control characters (Backspace, Ctrl+letters) stay keys.
        if (wParam >= u' ')
            wParam = fold(box, static_cast<char16_t>(wParam));
        // A character outside the BMP comes as two units; when only the first
        // would fit, neither goes in, so the box never holds half of one.
        if (IS_HIGH_SURROGATE(static_cast<wchar_t>(wParam))) {
            droppingLowSurrogate_ = roomIn(box) < 2;
            if (droppingLowSurrogate_)
                return 0;
        } else if (IS_LOW_SURROGATE(static_cast<wchar_t>(wParam)) && std::exchange(droppingLowSurrogate_, false)) {
            return 0;
        }
        [[fallthrough]];
    case WM_IME_CHAR:
    case WM_IME_COMPOSITION:
    case WM_KILLFOCUS:
        if (input) {
            const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
            const bool firstHalf = message != WM_IME_COMPOSITION && message != WM_KILLFOCUS
                                   && IS_HIGH_SURROGATE(static_cast<wchar_t>(wParam));
            dropHalfCharacters(box, firstHalf);
            return result;
        }
        break;
    case WM_PASTE:
        if (input) {
            paste(box);
            return 0;
        }
        break;
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        // Tab, a click or a warning: the whole text is selected so typing
        // replaces it. The focus merely coming back with the window selects nothing.
        if (!restoringFocus_ && box != cmdNenConv)
            selectAll(box);
        return result;
    }
    case WM_LBUTTONDOWN: {
        if (box != cmdNenConv && GetFocus() != box)
            clickFocused_ = box;
        return DefSubclassProc(box, message, wParam, lParam);
    }
    case WM_LBUTTONUP: {
        const LRESULT result = DefSubclassProc(box, message, wParam, lParam);
        // The click that brought the focus in selects the whole text, unless
        // it dragged out a selection of its own; later clicks place the caret.
        if (std::exchange(clickFocused_, nullptr) == box) {
            DWORD start = 0;
            DWORD end = 0;
            SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
            if (start == end)
                selectAll(box);
        }
        return result;
    }
    default:
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

void frmMain::enterPressed(HWND box)
{
    convert();
    const int length = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(length), length);
}

std::u16string frmMain::fold(HWND box, std::u16string_view text) const
{
    return box == txtNen ? hinomori::conversion::fold_year_box(text) : hinomori::conversion::fold_month_day_box(text);
}

WPARAM frmMain::fold(HWND box, char16_t unit) const
{
    return fold(box, std::u16string_view(&unit, 1)).front();
}

void frmMain::paste(HWND box)
{
    const std::optional<std::u16string> pasted = clipboardText(box);
    if (!pasted)
        return;
    // Folded as typing folds it: a copied cell's tab and line breaks become
    // spaces, full-width forms ASCII. Then cut to what fits, never between
    // the two halves of one character.
    std::u16string text = fold(box, *pasted);
    const auto room = static_cast<std::size_t>(roomIn(box));
    if (text.size() > room) {
        text.resize(room);
        if (!text.empty() && IS_HIGH_SURROGATE(static_cast<wchar_t>(text.back())))
            text.pop_back();
    }
    if (text.empty())
        return;
    const std::wstring units = wide(text);
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(units.c_str()));
}

void frmMain::dropHalfCharacters(HWND box, bool secondHalfMayFollow)
{
    // Whatever put it there (an input method's commit cut at the bound, a
    // character message on its own), half of a character is taken out again;
    // but a first half just typed waits for its second, which comes next.
    if (std::exchange(droppingHalves_, true))
        return;
    const std::u16string text = textOf(box);
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    for (std::size_t i = text.size(); i-- > 0;) {
        const auto unit = static_cast<wchar_t>(text[i]);
        const auto before = static_cast<wchar_t>(i > 0 ? text[i - 1] : 0);
        const auto after = static_cast<wchar_t>(i + 1 < text.size() ? text[i + 1] : 0);
        const bool paired = IS_HIGH_SURROGATE(unit)  ? IS_LOW_SURROGATE(after)
                            : IS_LOW_SURROGATE(unit) ? IS_HIGH_SURROGATE(before)
                                                     : true;
        const bool waiting = secondHalfMayFollow && IS_HIGH_SURROGATE(unit) && i + 1 == start && start == end;
        if (paired || waiting)
            continue;
        SendMessageW(box, EM_SETSEL, i, static_cast<LPARAM>(i + 1));
        SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
        start -= start > i ? 1 : 0;
        end -= end > i ? 1 : 0;
    }
    SendMessageW(box, EM_SETSEL, start, static_cast<LPARAM>(end));
    droppingHalves_ = false;
}

void frmMain::focusAndSelect(HWND box)
{
    SetFocus(box);
    selectAll(box);
    focusBeforeDeactivation_ = box;
}

void frmMain::convert()
{
    setEmphasis(false);
    const std::u16string typedYear = textOf(txtNen);
    applyConversion(hinomori::conversion::convert(typedYear, textOf(txtMmdd)), typedYear);
}

void frmMain::applyConversion(const hinomori::conversion::ConversionResult& result, const std::u16string& typedYear)
{
    using hinomori::conversion::WarningTarget;
    if (result.year_box)
        setText(txtNen, *result.year_box);
    if (result.converted_year)
        setText(txtNenConv, *result.converted_year);
    if (result.weekday)
        setText(txtWeek, *result.weekday);
    if (result.era_change_year)
        setEmphasis(true);

    if (!result.warning) {
        // The focus stays where the user typed, so the result is spoken.
        const std::u16string year = textOf(txtNen);
        hinomori::ui::win32::AccessibleTexts::announce(
            announcer, hinomori::conversion::result_announcement(
                           year != typedYear ? std::optional<std::u16string_view>(year) : std::nullopt,
                           textOf(txtNenConv), textOf(txtWeek), emphasised()));
        return;
    }
    hinomori::ui::win32::showWarning(hwnd_, hinomori::conversion::warning_text(*result.warning));
    focusAndSelect(hinomori::conversion::warning_target(*result.warning) == WarningTarget::year_box ? txtNen
                                                                                                   : txtMmdd);
}

void frmMain::setEmphasis(bool raised)
{
    HFONT font = raised ? boldBoxFont_.get() : boxFont_.get();
    for (HWND box : {txtNen, txtNenConv})
        SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ShowWindow(lblAttention1, raised ? SW_SHOWNA : SW_HIDE);
    ShowWindow(lblAttention2, raised ? SW_SHOWNA : SW_HIDE);
}

bool frmMain::emphasised() const
{
    return (GetWindowLongW(lblAttention1, GWL_STYLE) & WS_VISIBLE) != 0;
}

void frmMain::showManual()
{
    const std::u16string folder =
        manualFolder_.empty() ? hinomori::ui::win32::programFolder() : manualFolder_;
    const std::u16string path = hinomori::conversion::manual_path_in(folder, u'\\');
    const std::wstring file = wide(path);
    // A missing manual is not handed to the shell, which may start a viewer
    // that then complains on its own.
    if (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const auto result =
            reinterpret_cast<INT_PTR>(ShellExecuteW(hwnd_, L"open", file.c_str(), L"", L"", SW_SHOW));
        if (result > 32)
            return;
    }
    hinomori::ui::win32::showWarning(hwnd_, hinomori::conversion::manual_failure_text(path));
}

void frmMain::showVersion()
{
    // Made afresh each time and gone when closed, so it always shows current texts.
    frmAbout about(hwnd_);
    about.showModal();
}
