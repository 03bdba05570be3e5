#include "platform/Files.h"

#include <windows.h>

#include "platform/windows/OwnedHandle.h"
#include "platform/windows/WideText.h"

bool ExistsAsFile(const Text& path)
{
    const DWORD attributes = GetFileAttributesW(Wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0)
        return true;

    // A link's attributes are its own; opening it follows it to the target.
    const OwnedHandle file(CreateFileW(Wide(path), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsValid() || GetLastError() == ERROR_SHARING_VIOLATION;
}

Text WorkingDirectoryPath(const Text& relative)
{
    Text full;
    DWORD needed = GetFullPathNameW(Wide(relative), 0, nullptr, nullptr);
    // The working directory may change between the calls; follow it a few times.
    for (int attempt = 0; attempt < 4 && needed != 0; ++attempt) {
        full.resize(needed);
        const DWORD written =
            GetFullPathNameW(Wide(relative), needed, reinterpret_cast<wchar_t*>(&full[0]), nullptr);
        if (written < needed) {
            full.resize(written);
            return full;
        }
        needed = written;
    }
    return Text();
}
