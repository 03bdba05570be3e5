#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "browser/BrowserCommand.h"
#include "platform/Text.h"

constexpr std::uint32_t kRegSz = 1;        // REG_SZ
constexpr std::uint32_t kRegExpandSz = 2;  // REG_EXPAND_SZ

// Cuts a registered command at its first double quote from the second code
// unit on: the program text keeps that quote, the template is the rest. With
// no such quote the program text is empty and the template is the command.
struct BrowserCommand SplitBrowserCommand(const Text& command);

// The text stored in a registry value, or nothing when the value cannot be
// used as text. Empty data is empty text whatever its type; otherwise only
// REG_SZ and REG_EXPAND_SZ (unexpanded) are text. The data is not trusted to
// be terminated: the text is its whole code units up to the first NUL, and a
// lone trailing byte is dropped.
std::optional<Text> DecodeRegistryText(std::uint32_t type, const std::vector<unsigned char>& data);
