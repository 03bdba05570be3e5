// Stand-in for the programs the launcher starts: the browser, the handler of
// internet shortcuts and the game. It appends what it was started with to the
// log named by E2E_LOG, one tab-separated line per event:
//   <unix ms> <image name> <event> <pid> <process creation, unix us>
//   <parent pid> <parent's creation, unix us> <working directory> <command line>
// The creation times order processes that were started one right after the
// other, whatever order they then ran in, and date them against the process
// that started them (the launcher, for the follow-ups).
// "radev.exe" and "urlopen.exe" record and leave. Any other name is a browser:
// it stays until the file "close-<image name>" appears in the folder named by
// E2E_DIR, or E2E_LIFETIME_MS (default 60000) has passed, then records its
// exit.

#include <windows.h>

#include <string>

#include "ParentProcess.h"

namespace {

std::wstring Environment(const wchar_t* name)
{
    wchar_t value[1024];
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

long long UnixMicroseconds(const FILETIME& time)
{
    const ULONGLONG ticks = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return static_cast<long long>(ticks / 10ULL) - 11644473600000000LL;
}

long long UnixMilliseconds()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return UnixMicroseconds(now) / 1000;
}

long long CreatedMicroseconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!process || !GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    return UnixMicroseconds(created);
}

std::wstring ParentFields()
{
    const DWORD parent = ParentOf(GetCurrentProcessId());
    const HANDLE process = parent ? OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, parent) : nullptr;
    const long long created = CreatedMicroseconds(process);
    if (process)
        CloseHandle(process);
    return std::to_wstring(parent) + L"\t" + std::to_wstring(created);
}

std::wstring ImageName()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    const auto slash = full.find_last_of(L"\\/");
    return slash == std::wstring::npos ? full : full.substr(slash + 1);
}

void Record(const std::wstring& image, const wchar_t* event)
{
    const std::wstring log = Environment(L"E2E_LOG");
    if (log.empty())
        return;
    wchar_t directory[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, directory);
    const std::wstring line = std::to_wstring(UnixMilliseconds()) + L"\t" + image + L"\t" + event + L"\t" +
                              std::to_wstring(GetCurrentProcessId()) + L"\t" + std::to_wstring(CreatedMicroseconds(GetCurrentProcess())) + L"\t" + ParentFields() +
                              L"\t" + directory + L"\t" +
                              GetCommandLineW() + L"\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), &utf8[0], bytes, nullptr, nullptr);

    // Several recorders may write at once; appends of one line each stay whole.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
            CloseHandle(file);
            return;
        }
        Sleep(10);
    }
}

bool IsBrowser(const std::wstring& image)
{
    return lstrcmpiW(image.c_str(), L"radev.exe") != 0 && lstrcmpiW(image.c_str(), L"urlopen.exe") != 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const std::wstring image = ImageName();
    Record(image, L"start");
    if (!IsBrowser(image))
        return 0;

    const std::wstring closeFile = Environment(L"E2E_DIR") + L"\\close-" + image;
    const std::wstring lifetime = Environment(L"E2E_LIFETIME_MS");
    const ULONGLONG limit = lifetime.empty() ? 60000 : wcstoull(lifetime.c_str(), nullptr, 10);
    const DWORD start = GetTickCount();
    while (GetFileAttributesW(closeFile.c_str()) == INVALID_FILE_ATTRIBUTES && GetTickCount() - start < limit)
        Sleep(20);
    Record(image, L"exit");
    return 0;
}
