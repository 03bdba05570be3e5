#include "browser/DefaultBrowser.h"

#include "browser/BrowserCommand.h"
#include "browser/CommandRules.h"
#include "platform/SystemVersion.h"

namespace {

struct LookupFailure {};

// STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS
constexpr std::uint32_t kExistenceTestAccess = 0x20009;
// KEY_READ. Full access would be refused on the all-users class keys and on
// the protected UserChoice key, and the lookup never writes.
constexpr std::uint32_t kReadAccess = 0x20019;

const Text kUserChoicePath =
    u"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
const Text kCommandSuffix = u"\\shell\\open\\command";
const Text kLegacyCommandPath = u"http\\shell\\open\\command";

// Paths are always taken from the root, so a leading backslash is dropped.
Text FromRoot(const Text& path)
{
    return !path.empty() && path.front() == u'\\' ? path.substr(1) : path;
}

bool KeyExists(RegistryRoot root, const Text& path)
{
    return OpenRegistryKey(root, FromRoot(path), kExistenceTestAccess).IsOpen();
}

RegistryKey OpenForReading(RegistryRoot root, const Text& path)
{
    if (!KeyExists(root, path))
        return RegistryKey();
    return OpenRegistryKey(root, FromRoot(path), kReadAccess);
}

bool ReadPerUserCommand(Text& command)
{
    Text progId;
    {
        const RegistryKey userChoice = OpenForReading(RegistryRoot::CurrentUser, kUserChoicePath);
        if (!userChoice.IsOpen())
            return false;
        progId = ReadRegistryText(userChoice, u"Progid");
    }  // the user's key is closed before the class key is opened

    const RegistryKey commandKey = OpenForReading(RegistryRoot::ClassesRoot, progId + kCommandSuffix);
    if (!commandKey.IsOpen())
        return false;
    command = ReadRegistryText(commandKey, Text());
    return true;
}

bool ReadLegacyCommand(Text& command)
{
    const RegistryKey commandKey = OpenForReading(RegistryRoot::ClassesRoot, kLegacyCommandPath);
    if (!commandKey.IsOpen())
        return false;
    command = ReadRegistryText(commandKey, Text());
    // Deliberately case-sensitive: the old systems' handlers are checked as ".exe".
    return command.find(u".exe") != Text::npos;
}

}  // namespace

Text ReadRegistryText(const RegistryKey& key, const Text& name)
{
    const RegistryValue value = QueryRegistryValue(key, name);
    if (value.state == RegistryValue::State::Missing)
        return Text();
    if (value.state == RegistryValue::State::Unreadable)
        throw LookupFailure();
    std::optional<Text> text = DecodeRegistryText(value.type, value.data);
    if (!text)
        throw LookupFailure();
    return *text;
}

void ResolveDefaultBrowser()
{
    BrowserCommand.program.clear();
    try {
        std::uint32_t major = 0;
        if (!QueryMajorVersion(major))
            return;
        Text command;
        const bool found = major >= 6 ? ReadPerUserCommand(command) : ReadLegacyCommand(command);
        if (found)
            BrowserCommand = SplitBrowserCommand(command);
    } catch (...) {
        // A failure ends the lookup quietly with nothing found.
    }
}
