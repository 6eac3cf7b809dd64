#pragma once

// Drives the Windows window from a test the way the user does, through
// messages that go through the program's own loop.

#include "ui/about/about_window.h"
#include "ui/form/form.h"
#include "ui/win32/main/frmMain.h"
#include "ui/win32/form_builder.h"
#include "ui/win32/window_text.h"

#include <windows.h>

#include <imm.h>
#include <objbase.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The tests' thread has a COM apartment, as the program's has from wWinMain.
inline const bool comStartedForTheTests =
    SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));

// Handles what is queued, each message as the program's loop does.
inline void processEvents()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        frmMain::handleMessage(message);
}

// Handles messages until `done` holds, for at most `milliseconds`; whether it holds.
template <typename Condition>
bool processEventsUntil(Condition done, DWORD milliseconds = 5000)
{
    const ULONGLONG until = GetTickCount64() + milliseconds;
    for (;;) {
        processEvents();
        if (done())
            return true;
        if (GetTickCount64() >= until)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// Whether `window` is the active window with the focus in one of its controls.
inline bool activeWithFocus(HWND window)
{
    return GetForegroundWindow() == window && GetFocus() && IsChild(window, GetFocus());
}

// The main window, shown and active, opening on `today` (by default
// 2001-10-16: H13, 10/16, 火, 2001).
inline std::unique_ptr<frmMain> openMainWindow(
    std::chrono::year_month_day today = std::chrono::year{2001} / std::chrono::October / 16,
    std::u16string manualFolder = {}, int show = SW_SHOW)
{
    auto window = std::make_unique<frmMain>([today] { return today; }, std::move(manualFolder));
    window->show(show);
    SetForegroundWindow(window->hwnd());
    processEventsUntil([&] { return activeWithFocus(window->hwnd()); });
    return window;
}

// A control of a window built from `description`.
inline HWND controlOf(HWND window, const hinomori::ui::form::WindowDescription& description,
                      std::u16string_view name)
{
    return GetDlgItem(window, hinomori::ui::win32::controlId(description, name));
}

inline std::u16string textOf(HWND window)
{
    return hinomori::ui::win32::textOf(window);
}

// A key pressed and released in the control that has the focus.
inline void pressKey(UINT key)
{
    HWND target = GetFocus();
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, key, MAKELPARAM(1, scan));
    PostMessageW(target, WM_KEYUP, key, MAKELPARAM(1, scan | KF_UP | KF_REPEAT));
    processEvents();
}

// Characters typed into the control that has the focus, one UTF-16 unit each.
inline void typeText(std::u16string_view text)
{
    HWND target = GetFocus();
    for (const char16_t unit : text)
        PostMessageW(target, WM_CHAR, unit, 1);
    processEvents();
}

// `text` committed by the input method into `box`, as MS-IME commits: a
// composition started, its string set on the box's input context, then
// completed, which sends the box WM_IME_COMPOSITION with GCS_RESULTSTR.
inline void commitFromInputMethod(HWND box, std::u16string_view text)
{
    HIMC context = ImmGetContext(box);
    SendMessageW(box, WM_IME_STARTCOMPOSITION, 0, 0);
    const std::wstring units(text.begin(), text.end());
    const auto bytes = static_cast<DWORD>(units.size() * sizeof(wchar_t));
    ImmSetCompositionStringW(context, SCS_SETSTR, const_cast<wchar_t*>(units.c_str()), bytes, nullptr, 0);
    ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    SendMessageW(box, WM_IME_ENDCOMPOSITION, 0, 0);
    ImmReleaseContext(box, context);
    processEvents();
}

// The box's text selected, then replaced by typing: as a user types over it.
inline void typeInto(HWND box, std::u16string_view text)
{
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, -1);
    if (text.empty())
        PostMessageW(box, WM_KEYDOWN, VK_DELETE, 0);
    typeText(text);
}

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
    bool operator==(const Selection&) const = default;
};

inline Selection selectionOf(HWND box)
{
    Selection selection;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start), reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

inline bool isBold(HWND control)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfWeight >= FW_BOLD;
}

// The room a control's text takes in its font, as a static control draws it.
inline SIZE drawnSize(HWND control)
{
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    const std::wstring text = hinomori::ui::win32::wide(textOf(control));
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_NOPREFIX);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {needed.right, needed.bottom};
}

// As Windows moves a window to a monitor of another DPI: asks the size it
// wants there, then tells it the DPI with a rectangle of that size at `to`,
// which it returns.
inline RECT changeDpi(HWND window, UINT dpi, POINT to)
{
    SIZE wanted{};
    SendMessageW(window, WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&wanted));
    RECT suggested{to.x, to.y, to.x + wanted.cx, to.y + wanted.cy};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

// Counts the times `window` is moved or resized (WM_WINDOWPOSCHANGED with a
// new place or size) while the counter lives.
class MoveCounter {
public:
    explicit MoveCounter(HWND window) : window_(window)
    {
        current() = this;
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, &MoveCounter::seen, nullptr, GetCurrentThreadId());
    }
    ~MoveCounter()
    {
        UnhookWindowsHookEx(hook_);
        current() = nullptr;
    }
    MoveCounter(const MoveCounter&) = delete;
    MoveCounter& operator=(const MoveCounter&) = delete;

    int moves() const { return moves_; }

private:
    static MoveCounter*& current()
    {
        static MoveCounter* counter = nullptr;
        return counter;
    }

    static LRESULT CALLBACK seen(int code, WPARAM wParam, LPARAM lParam)
    {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (MoveCounter* counter = current(); counter && code == HC_ACTION && call.hwnd == counter->window_
                                              && call.message == WM_WINDOWPOSCHANGED) {
            const UINT flags = reinterpret_cast<const WINDOWPOS*>(call.lParam)->flags;
            if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
                ++counter->moves_;
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    HWND window_;
    HHOOK hook_ = nullptr;
    int moves_ = 0;
};

// Hands every modal window the thread shows while the closer lives (a
// message box, of the dialog manager's class; the version dialog, of its own) to
// `handler`, which must close it.
class ModalCloser {
public:
    using Handler = std::function<void(HWND modal)>;

    explicit ModalCloser(Handler handler) : handler_(std::move(handler))
    {
        current() = this;
        timer_ = SetTimer(nullptr, 0, 20, &ModalCloser::tick);
    }
    ~ModalCloser()
    {
        KillTimer(nullptr, timer_);
        current() = nullptr;
    }
    ModalCloser(const ModalCloser&) = delete;
    ModalCloser& operator=(const ModalCloser&) = delete;

    int seen() const { return seen_; }

private:
    static ModalCloser*& current()
    {
        static ModalCloser* closer = nullptr;
        return closer;
    }

    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD)
    {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM) -> BOOL {
                wchar_t kind[16] = {};
                GetClassNameW(window, kind, 16);
                const std::wstring_view name(kind);
                if (!IsWindowVisible(window) || (name != L"#32770" && name != L"frmAbout"))
                    return TRUE;
                // Handled once: it may take a moment to go after it was told to.
                if (ModalCloser* closer = current(); closer && closer->handled_ != window) {
                    closer->handled_ = window;
                    ++closer->seen_;
                    closer->handler_(window);
                }
                return FALSE;
            },
            0);
    }

    Handler handler_;
    UINT_PTR timer_ = 0;
    HWND handled_ = nullptr;
    int seen_ = 0;
};

// What a message box showed.
struct MessageBoxSeen {
    std::u16string title;
    std::u16string text;
    bool exclamation = false;  // the exclamation icon
    int buttons = 0;           // visible buttons; OK is one of them
    HWND owner = nullptr;
};

// Accepts every message box with OK and records the last one.
class MessageBoxCloser : public ModalCloser {
public:
    MessageBoxCloser()
        : ModalCloser([this](HWND box) {
              MessageBoxSeen seen{textOf(box), {}, false, 0, GetWindow(box, GW_OWNER)};
              const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
              for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                  wchar_t kind[16] = {};
                  GetClassNameW(child, kind, 16);
                  if (!IsWindowVisible(child))
                      continue;
                  if (std::wstring_view(kind) == L"Button") {
                      ++seen.buttons;
                  } else if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                      seen.exclamation =
                          reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == exclamation;
                  } else if (!textOf(child).empty()) {
                      seen.text = textOf(child);
                  }
              }
              if (!GetDlgItem(box, IDOK))
                  seen.buttons = -1;
              last = seen;
              PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                           reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
          })
    {
    }

    std::optional<MessageBoxSeen> last;
};
