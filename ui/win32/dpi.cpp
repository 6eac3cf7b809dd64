#include "ui/win32/dpi.h"

namespace hinomori::ui::win32 {

namespace {

// A function of user32 that Windows 10 1607 brought, or null before it.
template <typename Function>
Function fromUser32(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT systemDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

// A measure of the system's DPI made one of `dpi`.
int scaled(int measure, UINT dpi)
{
    return MulDiv(measure, static_cast<int>(dpi), static_cast<int>(systemDpi()));
}

}  // namespace

UINT dpiOf(HWND window)
{
    static const auto get = fromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    return get ? get(window) : systemDpi();
}

int metricAt(int index, UINT dpi)
{
    static const auto get = fromUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return get ? get(index, dpi) : scaled(GetSystemMetrics(index), dpi);
}

NONCLIENTMETRICSW nonClientMetricsAt(UINT dpi)
{
    static const auto get = fromUser32<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (get && get(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi))
        return metrics;
    // At the system's DPI: only the message font, the one the windows use, is made `dpi`'s.
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    metrics.lfMessageFont.lfHeight = scaled(metrics.lfMessageFont.lfHeight, dpi);
    return metrics;
}

void adjustWindowRect(RECT& rect, DWORD style, bool menu, DWORD exStyle, UINT dpi)
{
    static const auto adjust = fromUser32<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    // Before 1607, Windows draws the frame at the system's DPI on every monitor.
    if (!adjust || !adjust(&rect, style, menu ? TRUE : FALSE, exStyle, dpi))
        AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, exStyle);
}

void scaleNonClientArea(HWND window)
{
    static const auto enable = fromUser32<BOOL(WINAPI*)(HWND)>("EnableNonClientDpiScaling");
    if (enable)
        enable(window);
}

}  // namespace hinomori::ui::win32
