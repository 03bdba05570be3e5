#pragma once

#include <functional>
#include <string_view>

#include "platform/Text.h"

// Walks a fresh snapshot of the process list, in the order it gives, until
// `matches` accepts an image name. The snapshot is closed before returning.
// False when nothing matched or no snapshot could be taken.
bool AnyProcessImage(const std::function<bool(std::u16string_view image)>& matches);
