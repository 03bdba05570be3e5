// The launcher's first call: after it, no DLL is loaded from the program's own
// folder or the working directory, while the programs it starts still find
// theirs.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/DllSearch.h"

namespace {

std::wstring OwnFolder()
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L'\\'));
}

bool Loads(const wchar_t* name)
{
    const HMODULE module = LoadLibraryW(name);
    if (module)
        FreeLibrary(module);
    return module != nullptr;
}

DWORD RunChild(const std::wstring& program)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return 99;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

// One test: the restriction cannot be undone within a process.
TEST(RestrictDllSearch, ShutsOutPlantedDllsButNotForChildren)
{
    const std::wstring folder = OwnFolder();
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring workDir = std::wstring(temp) + L"dll-search-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(workDir.c_str(), nullptr);
    const std::wstring planted = workDir + L"\\planted_cwd.dll";
    ASSERT_TRUE(CopyFileW((folder + L"\\planted_probe.dll").c_str(), planted.c_str(), FALSE));
    ASSERT_TRUE(SetCurrentDirectoryW(workDir.c_str()));

    // As any program would: beside the exe and in the working directory.
    ASSERT_TRUE(Loads(L"planted_probe.dll"));
    ASSERT_TRUE(Loads(L"planted_cwd.dll"));

    RestrictDllSearch();
    EXPECT_FALSE(Loads(L"planted_probe.dll"));
    EXPECT_FALSE(Loads(L"planted_cwd.dll"));
    EXPECT_TRUE(Loads(L"version.dll")) << "system DLLs still load";
    EXPECT_EQ(RunChild(folder + L"\\loadprobe.exe"), 0u) << "a child still finds DLLs beside itself";

    SetCurrentDirectoryW(folder.c_str());
    DeleteFileW(planted.c_str());
    RemoveDirectoryW(workDir.c_str());
}

}  // namespace
