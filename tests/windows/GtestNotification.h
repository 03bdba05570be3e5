#pragma once

// GoogleTest wants std::mutex for its Notification, which the win32-threads
// MinGW runtime lacks. This is the same thing over a Windows event; the build
// includes it ahead of GoogleTest and tells GoogleTest that it exists.

#include <windows.h>

namespace testing {
namespace internal {

class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    ~Notification() { CloseHandle(event_); }
    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

private:
    HANDLE event_;
};

}  // namespace internal
}  // namespace testing
