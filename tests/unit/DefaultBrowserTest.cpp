#include "browser/DefaultBrowser.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "browser/BrowserCommand.h"
#include "tests/fake/FakePlatform.h"

namespace {

using testing::ElementsAre;

const Text kUserChoice = u"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
const Text kLegacyCommand = u"http\\shell\\open\\command";
const Text kCommand = u"\"C:\\Web\\web.exe\" -osint -url \"%1\"";

class DefaultBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        BrowserCommand = {};
    }
    void TearDown() override { EXPECT_TRUE(fake::State().openKeys.empty()) << "a registry key was left open"; }

    static fake::Key& Key(RegistryRoot root, const Text& path) { return fake::State().keys[{root, path}]; }

    static void SeedUserChoice(const RegistryValue& progId, const RegistryValue& command, const Text& commandKey)
    {
        Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = progId;
        Key(RegistryRoot::ClassesRoot, commandKey).values[u""] = command;
    }
    static void SeedUserChoice(const Text& command)
    {
        SeedUserChoice(fake::StringValue(u"WebHTML"), fake::StringValue(command), u"WebHTML\\shell\\open\\command");
    }
};

TEST_F(DefaultBrowserTest, PerUserChoiceLeadsToThatProgIdsCommand)
{
    SeedUserChoice(kCommand);
    ResolveDefaultBrowser();

    EXPECT_EQ(BrowserCommand.program, u"\"C:\\Web\\web.exe\"");
    EXPECT_EQ(BrowserCommand.arguments, u" -osint -url \"%1\"");
    // Existence test, then a read-only open; the user's key is closed before
    // the class key is touched.
    const std::string userChoice = "CU|" + fake::Narrow(kUserChoice);
    EXPECT_THAT(fake::State().events,
                ElementsAre("regopen " + userChoice + "|0x20009", "regclose " + userChoice,
                            "regopen " + userChoice + "|0x20019", "regclose " + userChoice,
                            "regopen CR|WebHTML\\shell\\open\\command|0x20009",
                            "regclose CR|WebHTML\\shell\\open\\command",
                            "regopen CR|WebHTML\\shell\\open\\command|0x20019",
                            "regclose CR|WebHTML\\shell\\open\\command"));
}

TEST_F(DefaultBrowserTest, KeysThatRefuseWritingAreStillRead)
{
    SeedUserChoice(kCommand);
    Key(RegistryRoot::CurrentUser, kUserChoice).writable = false;
    Key(RegistryRoot::ClassesRoot, u"WebHTML\\shell\\open\\command").writable = false;
    ResolveDefaultBrowser();
    EXPECT_EQ(BrowserCommand.program, u"\"C:\\Web\\web.exe\"");
}

TEST_F(DefaultBrowserTest, LegacyPathReadsTheHttpClassAndWantsALowerCaseExe)
{
    const struct {
        std::uint32_t major;
        Text command;
        Text program;
    } cases[] = {
        {5, kCommand, u"\"C:\\Web\\web.exe\""},
        {4, kCommand, u"\"C:\\Web\\web.exe\""},
        {5, u"\"C:\\WEB\\WEB.EXE\" %1", u""},
        {5, u"C:\\Web\\web.exe %1", u""},  // accepted, but it has no quote to cut at
        {6, u"\"C:\\WEB\\WEB.EXE\" %1", u"\"C:\\WEB\\WEB.EXE\""},
    };
    for (const auto& c : cases) {
        fake::Reset();
        BrowserCommand = {};
        fake::State().majorVersion = c.major;
        SeedUserChoice(c.command);
        Key(RegistryRoot::ClassesRoot, kLegacyCommand).values[u""] = fake::StringValue(c.command);
        ResolveDefaultBrowser();
        EXPECT_EQ(BrowserCommand.program, c.program) << c.major << " " << fake::Narrow(c.command);
        EXPECT_TRUE(fake::State().openKeys.empty());
    }
}

TEST_F(DefaultBrowserTest, EveryFailureEndsWithNothingFoundAndTheArgumentsKept)
{
    const struct {
        const char* what;
        void (*script)();
    } cases[] = {
        {"version query fails", [] { fake::State().versionAnswers = false; }},
        {"no UserChoice key", [] { fake::State().keys.erase({RegistryRoot::CurrentUser, kUserChoice}); }},
        {"UserChoice not readable", [] { Key(RegistryRoot::CurrentUser, kUserChoice).readable = false; }},
        {"Progid unreadable", [] { Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = fake::UnreadableValue(); }},
        {"Progid REG_DWORD", [] { Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = fake::RawValue(4, {1, 0, 0, 0}); }},
        {"Progid REG_BINARY", [] { Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = fake::RawValue(3, {'W', 0}); }},
        {"Progid REG_MULTI_SZ", [] { Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = fake::StringValue(u"WebHTML", 7); }},
        {"ProgId has no command key", [] { Key(RegistryRoot::CurrentUser, kUserChoice).values[u"Progid"] = fake::StringValue(u"Other"); }},
        {"command REG_BINARY", [] { Key(RegistryRoot::ClassesRoot, u"WebHTML\\shell\\open\\command").values[u""] = fake::RawValue(3, {'"', 0, 'a', 0, '"', 0}); }},
        {"command unreadable", [] { Key(RegistryRoot::ClassesRoot, u"WebHTML\\shell\\open\\command").values[u""] = fake::UnreadableValue(); }},
        {"legacy key missing", [] { fake::State().majorVersion = 5; }},
    };
    for (const auto& c : cases) {
        fake::Reset();
        BrowserCommand = {u"\"C:\\stale.exe\"", u"kept"};
        SeedUserChoice(kCommand);
        c.script();
        ResolveDefaultBrowser();
        EXPECT_EQ(BrowserCommand.program, u"") << c.what;
        EXPECT_EQ(BrowserCommand.arguments, u"kept") << c.what;
        EXPECT_TRUE(fake::State().openKeys.empty()) << c.what;
    }
}

TEST_F(DefaultBrowserTest, EmptyOrMissingProgIdLeadsToTheRootShellCommand)
{
    for (const bool missing : {false, true}) {
        fake::Reset();
        BrowserCommand = {};
        SeedUserChoice(fake::StringValue(u""), fake::StringValue(kCommand), u"shell\\open\\command");
        if (missing)
            Key(RegistryRoot::CurrentUser, kUserChoice).values.clear();
        ResolveDefaultBrowser();
        EXPECT_EQ(BrowserCommand.program, u"\"C:\\Web\\web.exe\"") << missing;
    }
}

TEST_F(DefaultBrowserTest, CommandValuesAreTakenAsStored)
{
    const struct {
        const char* what;
        RegistryValue command;
        Text program;
        Text arguments;
    } cases[] = {
        {"REG_EXPAND_SZ unexpanded", fake::StringValue(u"\"%ProgramFiles%\\Web\\web.exe\" %1", 2),
         u"\"%ProgramFiles%\\Web\\web.exe\"", u" %1"},
        {"no NUL, odd byte count", fake::RawValue(1, {'"', 0, 'b', 0, '"', 0, ' ', 0, 'x'}), u"\"b\"", u" "},
        {"no default value", RegistryValue(), u"", u""},
        {"empty data", fake::RawValue(1, {}), u"", u""},
    };
    for (const auto& c : cases) {
        fake::Reset();
        BrowserCommand = {u"", u"stale"};
        SeedUserChoice(fake::StringValue(u"WebHTML"), c.command, u"WebHTML\\shell\\open\\command");
        ResolveDefaultBrowser();
        EXPECT_EQ(BrowserCommand.program, c.program) << c.what;
        EXPECT_EQ(BrowserCommand.arguments, c.arguments) << c.what;
    }
}

TEST_F(DefaultBrowserTest, ALongCommandIsReadWhole)
{
    const Text longCommand = u"\"C:\\Web\\web.exe\" " + Text(40000, u'x') + u" %1";
    SeedUserChoice(longCommand);
    ResolveDefaultBrowser();
    EXPECT_EQ(BrowserCommand.program + BrowserCommand.arguments, longCommand);
}

}  // namespace
