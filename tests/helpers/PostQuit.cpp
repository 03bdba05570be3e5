// Posts WM_QUIT to every thread of the process that started the given process
// (the launcher that started the stand-in browser), retrying until a post is
// taken: a thread has no message queue before its first message call.
//   postquit <pid of a child>
// Exit code 0 once posted, 1 when the parent is not found or nothing was
// taken within 10 seconds.

#include <windows.h>
#include <tlhelp32.h>

#include <cwchar>

#include "ParentProcess.h"

namespace {

bool PostToThreadsOf(DWORD pid)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool posted = false;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == pid && PostThreadMessageW(entry.th32ThreadID, WM_QUIT, 0, 0))
            posted = true;
    }
    CloseHandle(snapshot);
    return posted;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    const DWORD parent = ParentOf(static_cast<DWORD>(wcstoul(argv[1], nullptr, 10)));
    if (parent == 0)
        return 1;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (PostToThreadsOf(parent))
            return 0;
        Sleep(50);
    }
    return 1;
}
