#pragma once

#include <cstdint>
#include <vector>

#include "platform/Text.h"

enum class RegistryRoot { CurrentUser, ClassesRoot };

// Closes a key handed out by OpenRegistryKey; a null handle is ignored.
void CloseRegistryKey(void* handle);

// Owns one open registry key, so that no path through the lookup leaks it.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(void* handle) : handle_(handle) {}
    RegistryKey(RegistryKey&& other) noexcept : handle_(other.Release()) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept
    {
        if (this != &other) {
            Reset();
            handle_ = other.Release();
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() { Reset(); }

    bool IsOpen() const { return handle_ != nullptr; }
    void* Get() const { return handle_; }
    void* Release()
    {
        void* handle = handle_;
        handle_ = nullptr;
        return handle;
    }
    void Reset() { CloseRegistryKey(Release()); }

private:
    void* handle_ = nullptr;
};

// Opens an existing key with the given access rights; never creates one. The
// result is not open when the key is missing or the open is refused.
RegistryKey OpenRegistryKey(RegistryRoot root, const Text& path, std::uint32_t access);

struct RegistryValue {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    std::uint32_t type = 0;
    std::vector<unsigned char> data;  // exactly the bytes stored, trusted for nothing
};

// Reads one value of an open key, whatever its size, type or shape.
RegistryValue QueryRegistryValue(const RegistryKey& key, const Text& name);
