#pragma once

// The DPI of a window and the system's measures at a DPI. Windows 10 1607
// brought the functions that give them per monitor; the program looks them
// up, so that it also starts on older Windows, where it takes the system's
// DPI for every monitor and scales the system's measures from it.

#include <windows.h>

namespace hinomori::ui::win32 {

UINT dpiOf(HWND window);

// GetSystemMetrics at `dpi`.
int metricAt(int index, UINT dpi);

// The system's non-client metrics (fonts of captions, menus, messages) at `dpi`.
NONCLIENTMETRICSW nonClientMetricsAt(UINT dpi);

// AdjustWindowRectEx at `dpi`.
void adjustWindowRect(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi);

// Asks Windows to scale the caption and the menu bar of a top-level window
// with its monitor, as Windows 10 1703 and later do on their own for the
// program (per-monitor v2); 1607 does it only when asked, in WM_NCCREATE.
void scaleNonClientArea(HWND window);

}  // namespace hinomori::ui::win32
