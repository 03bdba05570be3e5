// Samples processes once a second: CPU time, memory and handle count, taken
// from the system's process information, which Wine fills for every process
// (GetProcessTimes and GetProcessHandleCount answer only for the caller there).
//   sampler <samples> <pid> [<pid> ...]
// Prints one tab-separated line per process and sample:
//   <sample> <pid> <cpu 100ns (kernel+user)> <working set> <peak working set>
//   <private bytes> <handles>
// A process that has ended prints nothing more.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <set>
#include <vector>

namespace {

// The documented head of SYSTEM_PROCESS_INFORMATION, with the fields that
// winternl.h keeps hidden.
struct ProcessInformation {
    ULONG nextEntryOffset;
    ULONG numberOfThreads;
    LARGE_INTEGER reserved[3];
    LARGE_INTEGER createTime;
    LARGE_INTEGER userTime;
    LARGE_INTEGER kernelTime;
    struct {
        USHORT length;
        USHORT maximumLength;
        PWSTR buffer;
    } imageName;
    LONG basePriority;
    HANDLE uniqueProcessId;
    HANDLE inheritedFromUniqueProcessId;
    ULONG handleCount;
    ULONG sessionId;
    ULONG_PTR pageDirectoryBase;
    SIZE_T peakVirtualSize;
    SIZE_T virtualSize;
    ULONG pageFaultCount;
    SIZE_T peakWorkingSetSize;
    SIZE_T workingSetSize;
    SIZE_T quotaPeakPagedPoolUsage;
    SIZE_T quotaPagedPoolUsage;
    SIZE_T quotaPeakNonPagedPoolUsage;
    SIZE_T quotaNonPagedPoolUsage;
    SIZE_T pagefileUsage;
    SIZE_T peakPagefileUsage;
    SIZE_T privatePageCount;
};

using QuerySystemInformation = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemProcessInformation = 5;

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    const auto query = reinterpret_cast<QuerySystemInformation>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
    if (!query)
        return 1;
    const unsigned long samples = wcstoul(argv[1], nullptr, 10);
    std::set<ULONG_PTR> pids;
    for (int i = 2; i < argc; ++i)
        pids.insert(wcstoul(argv[i], nullptr, 10));

    std::vector<char> buffer(4 << 20);
    for (unsigned long sample = 0; sample < samples; ++sample) {
        ULONG length = 0;
        if (query(kSystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &length) == 0) {
            for (const char* at = buffer.data();;) {
                const auto* entry = reinterpret_cast<const ProcessInformation*>(at);
                const auto pid = reinterpret_cast<ULONG_PTR>(entry->uniqueProcessId);
                if (pids.count(pid))
                    std::printf("%lu\t%llu\t%llu\t%llu\t%llu\t%llu\t%lu\n", sample,
                                static_cast<unsigned long long>(pid),
                                static_cast<unsigned long long>(entry->userTime.QuadPart + entry->kernelTime.QuadPart),
                                static_cast<unsigned long long>(entry->workingSetSize),
                                static_cast<unsigned long long>(entry->peakWorkingSetSize),
                                static_cast<unsigned long long>(entry->pagefileUsage), entry->handleCount);
                if (entry->nextEntryOffset == 0)
                    break;
                at += entry->nextEntryOffset;
            }
        }
        std::fflush(stdout);
        Sleep(1000);
    }
    return 0;
}
