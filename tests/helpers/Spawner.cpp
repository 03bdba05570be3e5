// Starts a number of copies of a program and leaves them running.
//   spawner <count> <program>
// Exit code 0 when all were started.

#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3)
        return 2;
    const unsigned long count = wcstoul(argv[1], nullptr, 10);
    for (unsigned long i = 0; i < count; ++i) {
        std::wstring commandLine = L"\"" + std::wstring(argv[2]) + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(argv[2], &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return 1;
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    return 0;
}
