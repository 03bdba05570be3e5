#include "platform/Shell.h"

#include <windows.h>
#include <objbase.h>
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

namespace {

// The shell asks for COM on the calling thread before it opens documents:
// their handlers, such as the one for internet shortcuts, may be COM objects.
// Apartment-threaded and without OLE1 DDE, since nothing here pumps messages.
// Started only here, for the follow-ups, so that the browser, a plain program,
// starts without the cost; it lasts until the process ends.
void PrepareComForDocuments()
{
    static const HRESULT prepared = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    static_cast<void>(prepared);
}

}  // namespace

void ShellOpen(const Text& file)
{
    PrepareComForDocuments();
    ShellExecuteW(nullptr, L"open", Wide(file), L"", L"", SW_SHOWNORMAL);
}
