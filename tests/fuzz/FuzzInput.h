#pragma once

// Turns fuzzer bytes into the program's texts: pairs of bytes are UTF-16 code
// units, little-endian, so every unit value can occur.

#include <cstddef>
#include <cstdint>

#include "platform/Text.h"

inline Text UnitsOf(const std::uint8_t* data, std::size_t size)
{
    Text text;
    for (std::size_t at = 0; at + 1 < size; at += 2)
        text.push_back(static_cast<char16_t>(data[at] | (data[at + 1] << 8)));
    return text;
}

// Two texts from one input: the first byte gives the first text's length in
// code units.
inline void SplitInput(const std::uint8_t* data, std::size_t size, Text& first, Text& second)
{
    if (size == 0)
        return;
    const std::size_t units = (size - 1) / 2;
    const std::size_t firstUnits = units == 0 ? 0 : data[0] % (units + 1);
    first = UnitsOf(data + 1, firstUnits * 2);
    second = UnitsOf(data + 1 + firstUnits * 2, size - 1 - firstUnits * 2);
}

#define FUZZ_CHECK(condition) \
    do {                      \
        if (!(condition))     \
            __builtin_trap(); \
    } while (0)
