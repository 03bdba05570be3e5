#include <windows.h>
#include <objbase.h>

#include "launcher/LaunchSequence.h"
#include "platform/DllSearch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    RestrictDllSearch();  // before anything can load a DLL on demand

    // The shell asks for COM on the calling thread: some handlers are COM
    // objects. Without DDE, since nothing here pumps messages for it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const int exitCode = RunLauncher();
    if (SUCCEEDED(com))
        CoUninitialize();
    return exitCode;
}
