#include <windows.h>

#include "launcher/LaunchSequence.h"
#include "platform/DllSearch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictDllSearch();  // before anything can load a DLL on demand
    return RunLauncher();
}
