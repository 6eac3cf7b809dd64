#include "ui/win32/era_registry.h"
#include "ui/win32/late_library.h"
#include "ui/win32/main/frmMain.h"

#include <windows.h>

#include <objbase.h>

namespace {

// The window is a dialog: the dialog manager takes its keys (Tab, Enter, Esc).
void runMessageLoop(const frmMain& window)
{
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
    using hinomori::ui::win32::lateProcedure;
    // Before the window: a new era Windows Update added to the system's list
    // is in the remarks and the conversion from the day it is announced.
    hinomori::ui::win32::loadRegistryEras();
    // The manifest asks for common controls 6 (visual styles), which Windows
    // loads the first time the window makes a box, button or label: nothing
    // here initialises them.
    bool comStarted = false;
    {
        frmMain window;
        window.show(show);
        // The thread's COM apartment, which the shell (opening the manual)
        // and the accessibility services need; without OLE 1's DDE, as the
        // shell asks of its callers. Nothing the window first shows needs
        // COM: it starts, and ole32 loads, once the window is up.
        const auto startCom = lateProcedure<HRESULT(WINAPI*)(void*, DWORD)>(L"ole32.dll", "CoInitializeEx");
        comStarted = startCom && SUCCEEDED(startCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        runMessageLoop(window);
    }  // the window lets go of its accessibility objects before COM stops
    if (comStarted)
        lateProcedure<void(WINAPI*)()>(L"ole32.dll", "CoUninitialize")();
    return 0;
}
