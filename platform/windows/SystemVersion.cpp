#include "platform/SystemVersion.h"

#include <windows.h>

#ifndef _WIN64
static_assert(sizeof(OSVERSIONINFOW) == 276, "32-bit OSVERSIONINFOW layout");
#endif

bool QueryMajorVersion(std::uint32_t& major)
{
    // Without a manifest naming newer systems this reports at most 6.2, which
    // still takes the per-user path.
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info))
        return false;
    major = info.dwMajorVersion;
    return true;
}
