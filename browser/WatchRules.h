#pragma once

#include <string_view>

#include "platform/Text.h"

// The image name to wait for: what follows the last backslash before the final
// code unit, with that final unit (the closing quote of a cut program text)
// dropped. With no such backslash it is the program text without an enclosing
// pair of double quotes, so `"browser.exe"` still gives `browser.exe`.
Text DeriveWatchedImageName(const Text& program);

// True when `name` occurs in `image`, with A-Z folded to a-z and every other
// code unit compared exactly. An empty name matches nothing.
bool ImageNameContains(std::u16string_view image, std::u16string_view name);
