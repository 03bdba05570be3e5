#pragma once

#include <windows.h>

#include "platform/Text.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide text is UTF-16");

inline const wchar_t* Wide(const Text& text)
{
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
