#include "ui/win32/era_registry.h"
#include "ui/win32/main/frmMain.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

void run(int show)
{
    frmMain window;
    window.show(show);
    // The window is a dialog: the dialog manager takes its keys (Tab, Enter, Esc).
    MSG message;
    while (IsWindow(window.hwnd()) && GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window.hwnd(), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    // One apartment for the thread, which the shell and the accessibility
    // services need; without OLE 1's DDE, as the shell asks of its callers.
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Before the window: a new era Windows Update added to the system's list
    // is in the remarks and the conversion from the day it is announced.
    hinomori::ui::win32::loadRegistryEras();
    run(show);
    if (comStarted)
        CoUninitialize();
    return 0;
}
