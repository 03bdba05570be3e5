#include "platform/Shell.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/windows/WideText.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "32-bit SHELLEXECUTEINFOW layout");
#endif

bool ShellExecuteDefault(const Text& file, const Text& parameters, int showMode)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A refused launch must not leave a message box waiting for the player.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = Wide(file);
    info.lpParameters = Wide(parameters);
    info.nShow = showMode;
    return ShellExecuteExW(&info) != FALSE;
}

void ShellOpen(const Text& file)
{
    ShellExecuteW(nullptr, L"open", Wide(file), L"", L"", SW_SHOWNORMAL);
}
