#include "ui/win32/main/frmMain.h"
#include "ui/win32/message_loop.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    frmMain window;
    window.show(show);
    hinomori::ui::win32::runUntilClosed(window.hwnd());
    return 0;
}
