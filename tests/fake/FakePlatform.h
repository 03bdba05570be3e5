#pragma once

// A scripted stand-in for the Windows services, linked into the host tests in
// place of platform/windows. Each test scripts what Windows would answer and
// reads back, in order, what the program asked of it.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/Registry.h"
#include "platform/Text.h"

namespace fake {

struct Key {
    bool readable = true;  // opens asking only for read rights succeed
    bool writable = true;  // opens asking for more than that succeed
    std::map<Text, RegistryValue> values;
};

struct Platform {
    bool versionAnswers = true;
    std::uint32_t majorVersion = 10;
    std::map<std::pair<RegistryRoot, Text>, Key> keys;

    bool shellAccepts = true;

    // Scan n (from 0) sees processLists[n], the last list repeating; with no
    // list at all there are no processes.
    std::vector<std::vector<Text>> processLists;
    bool snapshotFails = false;
    // Messages that arrive in the queue during pause n (from 1).
    std::map<int, std::vector<std::uint32_t>> messagesDuringPause;

    Text workingDirectory = u"C:\\Games\\Demo";  // empty: full paths cannot be formed
    std::set<Text> files;                        // full paths that exist as files

    // What the program asked for, in order: "regopen CU|path|0x20019",
    // "regclose CU|path", "launch file|parameters|show", "pause 1000", "scan",
    // "open path".
    std::vector<std::string> events;
    std::map<void*, std::pair<RegistryRoot, Text>> openKeys;
    int pauses = 0;
    int scans = 0;
};

// The script of the current test; Reset() starts a new one.
Platform& State();
void Reset();

RegistryValue StringValue(const Text& text, std::uint32_t type = 1 /* REG_SZ */);
RegistryValue RawValue(std::uint32_t type, std::vector<unsigned char> data);
RegistryValue UnreadableValue();

std::string Narrow(const Text& text);

}  // namespace fake
