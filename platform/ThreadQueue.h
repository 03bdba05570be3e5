#pragma once

#include <cstdint>

// Removes one pending message of this thread, for any window or none, without
// translating or dispatching it. False when the queue is empty.
bool TakeThreadMessage(std::uint32_t& message);

void Pause(std::uint32_t milliseconds);
