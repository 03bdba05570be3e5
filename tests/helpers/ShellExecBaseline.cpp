// The baseline for start latency: one ShellExecuteExW of the given program
// with the given parameters, as the launcher makes it, and nothing else. A
// windowless GUI-subsystem program, like the launcher.
//   shellexec_baseline <program> <parameters>

#include <windows.h>
#include <shellapi.h>

#include <cstdlib>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const int argc = __argc;
    wchar_t** argv = __wargv;
    if (argc != 3)
        return 2;
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = argv[1];
    info.lpParameters = argv[2];
    info.nShow = SW_SHOWNORMAL;
    return ShellExecuteExW(&info) ? 0 : 1;
}
