// Tries to load "planted_probe.dll" the ordinary way. Exit code 0 when it was
// found (beside this program), 1 when not.

#include <windows.h>

int wmain()
{
    const HMODULE probe = LoadLibraryW(L"planted_probe.dll");
    if (!probe)
        return 1;
    FreeLibrary(probe);
    return 0;
}
