#include "platform/ThreadQueue.h"

#include <windows.h>

bool TakeThreadMessage(std::uint32_t& message)
{
    MSG taken;
    if (!PeekMessageW(&taken, nullptr, 0, 0, PM_REMOVE))
        return false;
    message = taken.message;
    return true;
}

void Pause(std::uint32_t milliseconds)
{
    Sleep(milliseconds);
}
