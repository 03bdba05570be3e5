#include "launcher/LaunchSequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "browser/BrowserCommand.h"
#include "browser/BrowserWait.h"
#include "launcher/LandingHost.h"
#include "tests/fake/FakePlatform.h"

namespace {

using testing::ElementsAre;
using testing::Not;
using testing::Contains;

const Text kUserChoice = u"Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice";
// The address as configured for this build (www.example.com unless an operator set its own host).
const std::string kUrl = fake::Narrow(u"https://" LAUNCHER_LANDING_HOST u"/partner/iframe/10?cid=en");
const Text kPlayUrl = u"C:\\Games\\Demo\\play.url";
const Text kRadev = u"C:\\Games\\Demo\\fscommand\\radev.exe";

class LaunchSequenceTest : public testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        BrowserCommand = {};
        QuitRequested = false;
    }

    static void SeedBrowser(const Text& command)
    {
        fake::State().keys[{RegistryRoot::CurrentUser, kUserChoice}].values[u"Progid"] = fake::StringValue(u"WebHTML");
        fake::State().keys[{RegistryRoot::ClassesRoot, u"WebHTML\\shell\\open\\command"}].values[u""] =
            fake::StringValue(command);
    }

    // Launches, pauses, scans and follow-up opens, without the registry reads.
    static std::vector<std::string> Run()
    {
        EXPECT_EQ(RunLauncher(), 0);
        std::vector<std::string> seen;
        for (const std::string& event : fake::State().events) {
            if (event.rfind("reg", 0) != 0)
                seen.push_back(event);
        }
        return seen;
    }
};

TEST_F(LaunchSequenceTest, OpensTheLandingPageWaitsThenStartsTheGame)
{
    SeedBrowser(u"\"C:\\Web\\web.exe\" -osint -url \"%1\"");
    fake::State().processLists = {{u"web.exe"}, {}};
    fake::State().files = {kPlayUrl, kRadev};

    EXPECT_THAT(Run(), ElementsAre("launch \"C:\\Web\\web.exe\"| -osint -url \"" + kUrl + "\"|1",
                                   "pause 1000", "scan", "pause 1000", "scan",
                                   "open C:\\Games\\Demo\\play.url",
                                   "open C:\\Games\\Demo\\fscommand\\radev.exe"));
}

TEST_F(LaunchSequenceTest, LandingAddressIsHttpsOnTheConfiguredHostWithTheFixedPathAndQuery)
{
    Run();
    EXPECT_EQ(LandingPageUrl.rfind(u"https://", 0), 0u);
    const Text tail = u"/partner/iframe/10?cid=en";
    ASSERT_GT(LandingPageUrl.size(), tail.size() + 8);
    const Text host = LandingPageUrl.substr(8, LandingPageUrl.size() - 8 - tail.size());
    EXPECT_EQ(LandingPageUrl.substr(8 + host.size()), tail);
    EXPECT_EQ(host.find_first_of(u":/?#@"), Text::npos) << "no port, user or extra path";
}

TEST_F(LaunchSequenceTest, OpensWhicheverFollowUpsExistInOrder)
{
    const struct {
        std::set<Text> files;
        std::vector<std::string> opened;
    } cases[] = {
        {{kPlayUrl, kRadev}, {"open C:\\Games\\Demo\\play.url", "open C:\\Games\\Demo\\fscommand\\radev.exe"}},
        {{kPlayUrl}, {"open C:\\Games\\Demo\\play.url"}},
        {{kRadev}, {"open C:\\Games\\Demo\\fscommand\\radev.exe"}},
        {{}, {}},
        {{u"C:\\Games\\Demo\\PLAY.URL.bak", u"C:\\Other\\play.url"}, {}},
    };
    for (const auto& c : cases) {
        fake::Reset();
        fake::State().files = c.files;
        std::vector<std::string> opened;
        for (const std::string& event : Run()) {
            if (event.rfind("open ", 0) == 0)
                opened.push_back(event);
        }
        EXPECT_EQ(opened, c.opened);
    }
}

TEST_F(LaunchSequenceTest, NothingFoundStillTriesTheAddressAloneAndGoesOnAtOnce)
{
    fake::State().shellAccepts = false;  // what the shell says to an empty program text
    fake::State().files = {kRadev};
    EXPECT_THAT(Run(), ElementsAre("launch |" + kUrl + "|1",
                                   "open C:\\Games\\Demo\\fscommand\\radev.exe"));
}

TEST_F(LaunchSequenceTest, NoFollowUpIsOpenedWhenItsFullPathCannotBeFormed)
{
    fake::State().workingDirectory.clear();
    fake::State().files = {u"play.url", u"fscommand\\radev.exe"};
    EXPECT_THAT(Run(), Not(Contains(testing::StartsWith("open "))));
}

}  // namespace
