#pragma once

// The id of the process that started the given one, from a process snapshot;
// 0 when it is not listed.

#include <windows.h>
#include <tlhelp32.h>

inline DWORD ParentOf(DWORD pid)
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        if (entry.th32ProcessID == pid)
            parent = entry.th32ParentProcessID;
    }
    CloseHandle(snapshot);
    return parent;
}
