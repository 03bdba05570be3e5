#include "platform/Processes.h"

#include <windows.h>
#include <tlhelp32.h>

#include "platform/windows/OwnedHandle.h"

#ifndef _WIN64
static_assert(sizeof(PROCESSENTRY32W) == 556, "32-bit PROCESSENTRY32W layout");
#endif

bool AnyProcessImage(const std::function<bool(std::u16string_view image)>& matches)
{
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid())
        return false;

    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry)) {
        const std::size_t length = wcsnlen(entry.szExeFile, MAX_PATH);
        if (matches(std::u16string_view(reinterpret_cast<const char16_t*>(entry.szExeFile), length)))
            return true;
    }
    return false;
}
