// The baseline for the cost of waiting: the bare cycle, a 1000 ms pause and
// one full Toolhelp scan of the process list, repeated. It writes its process
// id to the file named on its command line, so that it can be sampled.
//   cycle_baseline <pid file> <cycles>

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const HANDLE file = CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    const std::string pid = std::to_string(GetCurrentProcessId());
    DWORD written = 0;
    WriteFile(file, pid.data(), static_cast<DWORD>(pid.size()), &written, nullptr);
    CloseHandle(file);

    const unsigned long cycles = wcstoul(argv[2], nullptr, 10);
    volatile unsigned long entries = 0;
    for (unsigned long cycle = 0; cycle < cycles; ++cycle) {
        Sleep(1000);
        const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (snapshot == INVALID_HANDLE_VALUE)
            continue;
        PROCESSENTRY32W entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
            entries = entries + 1;
        CloseHandle(snapshot);
    }
    return 0;
}
