#include "ui/win32/era_registry.h"
#include "ui/win32/main/frmMain.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    // Before the window: a new era Windows Update added to the system's list
    // is in the remarks and the conversion from the day it is announced.
    hinomori::ui::win32::loadRegistryEras();
    // The thread's COM apartment, which the shell (opening the manual) and
    // the accessibility services need; without OLE 1's DDE, as the shell
    // asks of its callers. Started before the window, which names its boxes
    // for screen readers before anything can take the focus.
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    // An installer that replaces the program while it runs has Restart
    // Manager close it (it keeps nothing to lose) and start it again after;
    // not after a crash or a hang, which would only repeat.
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG);
    // The manifest asks for common controls 6 (visual styles), which Windows
    // loads the first time the window makes a box, button or label: nothing
    // here initialises them.
    {
        frmMain window;
        window.show(show);
        window.run();
    }  // the window lets go of its accessibility objects before COM stops
    if (comStarted)
        CoUninitialize();
    return 0;
}
