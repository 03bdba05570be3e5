// Holds a file open with no sharing at all, as a game updater or a virus
// scanner might, until the file "close-holdfile.exe" appears in the folder
// named by E2E_DIR (or 60 s have passed).
//   holdfile <path>
// Exit code 0 after holding, 1 when the file could not be opened.

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    const HANDLE file = CreateFileW(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    wchar_t directory[MAX_PATH] = L"";
    GetEnvironmentVariableW(L"E2E_DIR", directory, MAX_PATH);
    const std::wstring closeFile = std::wstring(directory) + L"\\close-holdfile.exe";
    // Tell the test that the file is held.
    const std::wstring heldFile = std::wstring(directory) + L"\\held";
    CloseHandle(CreateFileW(heldFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int waited = 0; waited < 60000 && GetFileAttributesW(closeFile.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 20)
        Sleep(20);
    CloseHandle(file);
    return 0;
}
