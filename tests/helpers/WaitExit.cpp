// Prints the moment a process ends, as unix milliseconds: the moment its
// handle is signalled, which a recorded "exit" line can only precede.
//   waitexit <pid>

#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, wcstoul(argv[1], nullptr, 10));
    if (!process)
        return 1;
    WaitForSingleObject(process, INFINITE);
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const ULONGLONG ticks = (static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    std::printf("%llu\n", ticks / 10000ULL - 11644473600000ULL);
    CloseHandle(process);
    return 0;
}
