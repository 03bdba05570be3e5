// Writes registry data that `reg add` and regedit cannot: exact bytes of any
// type, without the terminator that they always add; and locks a key so that
// it can be read but not changed.
//   regtool set <HKCU|HKLM> <key> <value name, or @ for the default> <type> <hex bytes>
//   regtool readonly <HKCU|HKLM> <key>
// Exit code 0 on success; 3 when the read-only lock is set but not enforced.

#include <windows.h>
#include <aclapi.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

HKEY Root(const wchar_t* name)
{
    return wcscmp(name, L"HKLM") == 0 ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

std::vector<BYTE> Bytes(const wchar_t* hex)
{
    std::vector<BYTE> bytes;
    for (const wchar_t* at = hex; at[0] && at[1]; at += 2) {
        const wchar_t pair[3] = {at[0], at[1], 0};
        bytes.push_back(static_cast<BYTE>(wcstoul(pair, nullptr, 16)));
    }
    return bytes;
}

int Set(HKEY root, const wchar_t* path, const wchar_t* name, DWORD type, const std::vector<BYTE>& data)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 1;
    const LONG status = RegSetValueExW(key, wcscmp(name, L"@") == 0 ? nullptr : name, 0, type,
                                       data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 0 : 1;
}

int ReadOnly(HKEY root, const wchar_t* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return 1;
    // Everyone may read; nobody is granted anything else.
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = KEY_READ;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL acl = nullptr;
    DWORD status = SetEntriesInAclW(1, &access, nullptr, &acl);
    if (status == ERROR_SUCCESS)
        status = SetSecurityInfo(key, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, acl, nullptr);
    LocalFree(acl);
    FreeSid(everyone);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return 1;

    HKEY probe = nullptr;
    if (RegOpenKeyExW(root, path, 0, KEY_ALL_ACCESS, &probe) == ERROR_SUCCESS) {
        RegCloseKey(probe);
        return 3;
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc == 7 && wcscmp(argv[1], L"set") == 0)
        return Set(Root(argv[2]), argv[3], argv[4], static_cast<DWORD>(wcstoul(argv[5], nullptr, 10)), Bytes(argv[6]));
    if (argc == 6 && wcscmp(argv[1], L"set") == 0)  // no data at all
        return Set(Root(argv[2]), argv[3], argv[4], static_cast<DWORD>(wcstoul(argv[5], nullptr, 10)), {});
    if (argc == 4 && wcscmp(argv[1], L"readonly") == 0)
        return ReadOnly(Root(argv[2]), argv[3]);
    return 2;
}
