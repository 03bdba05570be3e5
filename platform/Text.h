#pragma once

#include <string>

// Windows wide text as 16-bit code units. wchar_t is 4 bytes on Linux, so the
// rules use this type to mean the same on every build.
using Text = std::u16string;
