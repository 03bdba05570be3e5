#include "platform/Shell.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "platform/windows/WideText.h"

#ifndef _WIN64
static_assert(sizeof(SHELLEXECUTEINFOW) == 60, "32-bit SHELLEXECUTEINFOW layout");
#endif

namespace {

// The shell asks for COM on the calling thread before it opens documents:
// their handlers, such as the one for internet shortcuts, may be COM objects.
// Apartment-threaded and without OLE1 DDE, since nothing here pumps messages.
// Started right after the browser launch, a plain program that needs none of
// it: the page appears without the cost, and the follow-ups after the wait
// do not pay it either. It lasts until the process ends.
void PrepareComForDocuments()
{
    static const HRESULT prepared = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    static_cast<void>(prepared);
}

}  // namespace

bool ShellExecuteDefault(const Text& file, const Text& parameters, int showMode)
{
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // A refused launch must not leave a message box waiting for the player.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpFile = Wide(file);
    info.lpParameters = Wide(parameters);
    info.nShow = showMode;
    const bool launched = ShellExecuteExW(&info) != FALSE;
    PrepareComForDocuments();
    return launched;
}

void ShellOpen(const Text& file)
{
    PrepareComForDocuments();  // already done, unless no browser launch came first
    ShellExecuteW(nullptr, L"open", Wide(file), L"", L"", SW_SHOWNORMAL);
}
