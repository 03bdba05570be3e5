#include "platform/DllSearch.h"

#include <windows.h>

void RestrictDllSearch()
{
    // SetDefaultDllDirectories came with Windows 8 and with an update to
    // Vista and 7; XP lacks it, so it is looked up rather than imported.
    // SetDllDirectoryW("") is no substitute: child processes inherit it.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
    const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll");
    if (!kernel32)
        return;
    const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefault)
        setDefault(kSearchSystem32);
}
