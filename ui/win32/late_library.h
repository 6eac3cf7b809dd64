#pragma once

#include <windows.h>

namespace hinomori::ui::win32 {

// A function of a system DLL that the program loads only when it first needs
// it (MinGW's linker has no delay-loading to do it), or null where the DLL or
// the function is missing. The DLL stays loaded for the program's life, and
// comes from the system folder only, never from beside the executable.
template <typename Function>
Function lateProcedure(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace hinomori::ui::win32
