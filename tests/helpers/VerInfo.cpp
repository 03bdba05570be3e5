// Prints what Windows reads from an exe's resources: the version strings
// through GetFileVersionInfoW, and the embedded application manifest.
//   verinfo <exe>
// One "name=value" line per string, then "manifest=" and the manifest text.

#include <windows.h>

#include <cstdio>
#include <vector>

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2)
        return 2;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
    std::vector<BYTE> info(size);
    if (size == 0 || !GetFileVersionInfoW(argv[1], 0, size, info.data()))
        return 1;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed)
        std::printf("FixedFileVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                    HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
    const wchar_t* names[] = {L"CompanyName", L"FileDescription", L"FileVersion", L"InternalName",
                              L"OriginalFilename", L"ProductName", L"ProductVersion"};
    for (const wchar_t* name : names) {
        wchar_t query[128];
        swprintf(query, 128, L"\\StringFileInfo\\040904B0\\%ls", name);
        wchar_t* value = nullptr;
        if (VerQueryValueW(info.data(), query, reinterpret_cast<void**>(&value), &length) && value)
            std::printf("%ls=%ls\n", name, value);
    }

    const HMODULE exe = LoadLibraryExW(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC manifest = exe ? FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)) : nullptr;
    if (manifest) {
        const HGLOBAL loaded = LoadResource(exe, manifest);
        std::printf("manifest=%.*s\n", static_cast<int>(SizeofResource(exe, manifest)),
                    static_cast<const char*>(LockResource(loaded)));
    }
    return 0;
}
