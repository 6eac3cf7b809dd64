#include "ui/win32/era_registry.h"
#include "ui/win32/late_library.h"
#include "ui/win32/main/frmMain.h"

#include <windows.h>

#include <objbase.h>

namespace {

// The thread's COM apartment, which the shell (opening the manual) and the
// accessibility services need; without OLE 1's DDE, as the shell asks of its
// callers. Nothing the window shows at first needs COM, so it is started
// once the window is up, and ole32 is loaded only then.
class ComApartment {
public:
    ComApartment()
    {
        using Initialize = HRESULT(WINAPI*)(void*, DWORD);
        const auto initialize = hinomori::ui::win32::lateProcedure<Initialize>(L"ole32.dll", "CoInitializeEx");
        started_ = initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    ~ComApartment()
    {
        using Uninitialize = void(WINAPI*)();
        if (started_)
            hinomori::ui::win32::lateProcedure<Uninitialize>(L"ole32.dll", "CoUninitialize")();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool started_ = false;
};

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
    // Before the window: a new era Windows Update added to the system's list
    // is in the remarks and the conversion from the day it is announced.
    hinomori::ui::win32::loadRegistryEras();
    // The manifest asks for common controls 6 (visual styles), which Windows
    // loads the first time the window makes a box, button or label: nothing
    // here initialises them.
    frmMain window;
    window.show(show);
    const ComApartment apartment;
    runMessageLoop(window);
    return 0;
}
