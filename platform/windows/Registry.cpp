#include "platform/Registry.h"

#include <windows.h>

#include "platform/windows/WideText.h"

namespace {

HKEY RootKey(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
}

// A value that keeps growing while it is read is given up on after this many
// tries rather than chased forever.
constexpr int kReadAttempts = 8;

}  // namespace

void CloseRegistryKey(void* handle)
{
    if (handle)
        RegCloseKey(static_cast<HKEY>(handle));
}

RegistryKey OpenRegistryKey(RegistryRoot root, const Text& path, std::uint32_t access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(RootKey(root), Wide(path), 0, access, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

RegistryValue QueryRegistryValue(const RegistryKey& key, const Text& name)
{
    RegistryValue value;
    const auto hkey = static_cast<HKEY>(key.Get());
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExW(hkey, Wide(name), nullptr, &type, nullptr, &size);
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        if (status == ERROR_FILE_NOT_FOUND)
            return value;
        if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA)
            break;
        // Never a null buffer: with one, a value that grew since the size
        // query would report success without its data.
        value.data.resize(size + sizeof(wchar_t));
        DWORD got = static_cast<DWORD>(value.data.size());
        status = RegQueryValueExW(hkey, Wide(name), nullptr, &type, value.data.data(), &got);
        if (status == ERROR_SUCCESS) {
            value.data.resize(got);
            value.type = type;
            value.state = RegistryValue::State::Read;
            return value;
        }
        size = got;  // on ERROR_MORE_DATA, the size it needs now
    }
    value.data.clear();
    value.state = RegistryValue::State::Unreadable;
    return value;
}
