#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    MessageBoxW(nullptr, L"ひのもり", L"ひのもり", MB_OK);
    return 0;
}
