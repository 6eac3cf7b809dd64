#include "ui/win32/main/mModule.h"

namespace mModule {

void LimitTextLen(HWND hWnd, int length)
{
    SendMessageW(hWnd, EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

}  // namespace mModule
