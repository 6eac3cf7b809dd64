#include "ui/win32/message_loop.h"

namespace hinomori::ui::win32 {

void dispatch(MSG& message)
{
    HWND topLevel = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel && IsDialogMessageW(topLevel, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void runUntilClosed(HWND window)
{
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Someone asked the program to end: the loop below ours sees it too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got < 0)
            return;
        dispatch(message);
    }
}

}  // namespace hinomori::ui::win32
