#include "ui/win32/main/text_box.h"

#include "ui/win32/window_text.h"

#include <imm.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace hinomori::ui::win32 {

namespace {

struct BoxState {
    WNDPROC edit;  // the edit control's own procedure
    conversion::InputRule rule;
    bool clickFocused = false;  // the button is down on a click that brought the focus in
    char16_t firstHalf = 0;     // a typed character's first unit, waiting for its second
};

struct Selection {
    DWORD start = 0;
    DWORD end = 0;
};

Selection selectionOf(HWND box)
{
    Selection selection;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&selection.start), reinterpret_cast<LPARAM>(&selection.end));
    return selection;
}

// What the box keeps of `input` put in over its selection.
std::u16string fitted(HWND box, const BoxState& state, std::u16string_view input)
{
    const Selection selection = selectionOf(box);
    return conversion::fit_input(state.rule, input, static_cast<std::size_t>(GetWindowTextLengthW(box)),
                                 selection.end - selection.start);
}

void insert(HWND box, const std::u16string& text)
{
    if (text.empty())
        return;
    const std::wstring units = wide(text);
    SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(units.c_str()));
}

std::optional<std::u16string> clipboardText(HWND owner)
{
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(owner))
        return std::nullopt;
    std::optional<std::u16string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* units = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = utf16(units);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A character typed, one unit per message. The two halves of a character
// outside the BMP are put in together once both have come.
LRESULT typed(HWND box, BoxState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto unit = static_cast<char16_t>(wParam);
    if (IS_HIGH_SURROGATE(unit)) {
        state.firstHalf = unit;
        return 0;
    }
    if (IS_LOW_SURROGATE(unit)) {
        const char16_t pair[] = {std::exchange(state.firstHalf, u'\0'), unit};
        if (pair[0] != u'\0')
            insert(box, fitted(box, state, std::u16string_view(pair, 2)));
        return 0;
    }
    state.firstHalf = u'\0';
    const std::u16string kept = fitted(box, state, std::u16string_view(&unit, 1));
    if (kept.empty())
        return 0;
    // The edit control's own typing, for its undo and its overwriting of the selection.
    return CallWindowProcW(state.edit, box, message, kept.front(), lParam);
}

// What the input method committed, fitted as typing is.
void committed(HWND box, const BoxState& state)
{
    HIMC context = ImmGetContext(box);
    if (!context)
        return;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::wstring units(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0, L'\0');
    if (!units.empty())
        ImmGetCompositionStringW(context, GCS_RESULTSTR, units.data(), bytes);
    ImmReleaseContext(box, context);
    insert(box, fitted(box, state, utf16(units)));
}

LRESULT CALLBACK boxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
    const bool bounded = state->rule != conversion::InputRule::none;
    switch (message) {
    case WM_CHAR:
        // Control characters (Backspace, Ctrl+letters) stay keys.
        if (bounded && wParam >= u' ')
            return typed(box, *state, message, wParam, lParam);
        break;
    case WM_IME_COMPOSITION:
        // A commit (MS-IME, Google's) would go in whole through the edit
        // control's own handling. The edit control is first told of the
        // composition, now empty, so that it takes back what it showed of it.
        if (bounded && (lParam & GCS_RESULTSTR) != 0) {
            CallWindowProcW(state->edit, box, message, wParam, GCS_COMPSTR);
            committed(box, *state);
            const LPARAM rest = lParam & ~(GCS_RESULTSTR | GCS_RESULTREADSTR | GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE);
            return rest != 0 ? CallWindowProcW(state->edit, box, message, wParam, rest) : 0;
        }
        break;
    case WM_PASTE:
        if (!bounded)
            break;
        if (const std::optional<std::u16string> pasted = clipboardText(box))
            insert(box, fitted(box, *state, *pasted));
        return 0;
    case WM_LBUTTONDOWN:
        state->clickFocused = GetFocus() != box;
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = CallWindowProcW(state->edit, box, message, wParam, lParam);
        const Selection selection = selectionOf(box);
        if (std::exchange(state->clickFocused, false) && selection.start == selection.end)
            SendMessageW(box, EM_SETSEL, 0, -1);
        return result;
    }
    case WM_NCDESTROY: {
        const WNDPROC edit = state->edit;
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(edit));
        delete state;
        return CallWindowProcW(edit, box, message, wParam, lParam);
    }
    default:
        break;
    }
    return CallWindowProcW(state->edit, box, message, wParam, lParam);
}

}  // namespace

void makeTextBox(HWND box, conversion::InputRule rule)
{
    // Subclassed through its window procedure, not SetWindowSubclass, whose
    // window property is looked up at every message: under Wine, a round
    // trip to its server each time.
    auto* state = new BoxState{nullptr, rule};
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->edit = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&boxProcedure)));
}

}  // namespace hinomori::ui::win32
