#include "tests/fake/FakePlatform.h"

#include <cstdio>
#include <deque>

#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/SystemVersion.h"
#include "platform/ThreadQueue.h"

namespace fake {
namespace {

constexpr std::uint32_t kReadRights = 0x20019;  // KEY_READ

Platform state;
std::deque<std::uint32_t> queue;
std::uintptr_t nextHandle = 1;

std::string RootName(RegistryRoot root)
{
    return root == RegistryRoot::CurrentUser ? "CU" : "CR";
}

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

}  // namespace

Platform& State()
{
    return state;
}

void Reset()
{
    state = Platform();
    queue.clear();
}

RegistryValue StringValue(const Text& text, std::uint32_t type)
{
    std::vector<unsigned char> data;
    for (char16_t unit : text) {
        data.push_back(static_cast<unsigned char>(unit & 0xFF));
        data.push_back(static_cast<unsigned char>(unit >> 8));
    }
    data.push_back(0);
    data.push_back(0);
    return RawValue(type, std::move(data));
}

RegistryValue RawValue(std::uint32_t type, std::vector<unsigned char> data)
{
    RegistryValue value;
    value.state = RegistryValue::State::Read;
    value.type = type;
    value.data = std::move(data);
    return value;
}

RegistryValue UnreadableValue()
{
    RegistryValue value;
    value.state = RegistryValue::State::Unreadable;
    return value;
}

std::string Narrow(const Text& text)
{
    std::string narrow;
    for (char16_t unit : text)
        narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
    return narrow;
}

}  // namespace fake

using fake::state;

void CloseRegistryKey(void* handle)
{
    if (!handle)
        return;
    const auto open = state.openKeys.find(handle);
    if (open == state.openKeys.end()) {
        state.events.push_back("regclose of a key that is not open");
        return;
    }
    state.events.push_back("regclose " + fake::RootName(open->second.first) + "|" + fake::Narrow(open->second.second));
    state.openKeys.erase(open);
}

RegistryKey OpenRegistryKey(RegistryRoot root, const Text& path, std::uint32_t access)
{
    state.events.push_back("regopen " + fake::RootName(root) + "|" + fake::Narrow(path) + "|" + fake::Hex(access));
    const auto key = state.keys.find({root, path});
    if (key == state.keys.end())
        return RegistryKey();
    const bool asksMoreThanReading = (access & ~fake::kReadRights) != 0;
    if (!key->second.readable || (asksMoreThanReading && !key->second.writable))
        return RegistryKey();
    void* handle = reinterpret_cast<void*>(fake::nextHandle++);
    state.openKeys[handle] = {root, path};
    return RegistryKey(handle);
}

RegistryValue QueryRegistryValue(const RegistryKey& key, const Text& name)
{
    const auto open = state.openKeys.find(key.Get());
    if (open == state.openKeys.end())
        return fake::UnreadableValue();
    const fake::Key& stored = state.keys.at(open->second);
    const auto value = stored.values.find(name);
    return value == stored.values.end() ? RegistryValue() : value->second;
}

bool QueryMajorVersion(std::uint32_t& major)
{
    if (!state.versionAnswers)
        return false;
    major = state.majorVersion;
    return true;
}

bool ShellExecuteDefault(const Text& file, const Text& parameters, int showMode)
{
    state.events.push_back("launch " + fake::Narrow(file) + "|" + fake::Narrow(parameters) + "|" +
                           std::to_string(showMode));
    return state.shellAccepts;
}

void ShellOpen(const Text& file)
{
    state.events.push_back("open " + fake::Narrow(file));
}

bool ExistsAsFile(const Text& path)
{
    return state.files.count(path) != 0;
}

Text WorkingDirectoryPath(const Text& relative)
{
    if (state.workingDirectory.empty())
        return Text();
    return state.workingDirectory + u"\\" + relative;
}

bool AnyProcessImage(const std::function<bool(std::u16string_view image)>& matches)
{
    state.events.push_back("scan");
    const auto scan = static_cast<std::size_t>(state.scans++);
    if (state.snapshotFails || state.processLists.empty())
        return false;
    for (const Text& image : state.processLists[std::min(scan, state.processLists.size() - 1)]) {
        if (matches(image))
            return true;
    }
    return false;
}

bool TakeThreadMessage(std::uint32_t& message)
{
    if (fake::queue.empty())
        return false;
    message = fake::queue.front();
    fake::queue.pop_front();
    return true;
}

void Pause(std::uint32_t milliseconds)
{
    state.events.push_back("pause " + std::to_string(milliseconds));
    const auto arriving = state.messagesDuringPause.find(++state.pauses);
    if (arriving != state.messagesDuringPause.end())
        fake::queue.insert(fake::queue.end(), arriving->second.begin(), arriving->second.end());
}
