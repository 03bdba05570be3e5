#pragma once

#include <windows.h>

// Owns a kernel handle whose failure value is INVALID_HANDLE_VALUE (files,
// Toolhelp snapshots), closing it on every path out.
class OwnedHandle {
public:
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle()
    {
        if (IsValid())
            CloseHandle(handle_);
    }

    bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};
