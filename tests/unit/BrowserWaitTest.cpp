#include "browser/BrowserWait.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/fake/FakePlatform.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

constexpr std::uint32_t kWmQuit = 0x0012;
const Text kProgram = u"\"C:\\Web\\web.exe\"";
const std::string kLaunch = "launch \"C:\\Web\\web.exe\"| \"https://x/\"|1";

class BrowserWaitTest : public testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        QuitRequested = false;
        WatchedImageName.clear();
    }

    static std::vector<std::string> Cycles(int count)
    {
        std::vector<std::string> events{kLaunch};
        for (int cycle = 0; cycle < count; ++cycle) {
            events.push_back("pause 1000");
            events.push_back("scan");
        }
        return events;
    }
};

TEST_F(BrowserWaitTest, ARefusedLaunchReturnsWithoutAPause)
{
    fake::State().shellAccepts = false;
    fake::State().processLists = {{u"web.exe"}};
    OpenAndWait(kProgram, u" \"https://x/\"", 1);
    EXPECT_THAT(fake::State().events, ElementsAre(kLaunch));
}

TEST_F(BrowserWaitTest, WaitsUntilNoMatchingProcessIsLeftCheckingAfterEachPause)
{
    // An instance that ran before the launch counts as much as the new one.
    fake::State().processLists = {{u"System", u"WEB.EXE"}, {u"web.exe", u"webhelper.exe"}, {u"Web.exe"}, {u"explorer.exe"}};
    OpenAndWait(kProgram, u" \"https://x/\"", 1);
    EXPECT_EQ(WatchedImageName, u"web.exe");
    EXPECT_THAT(fake::State().events, ElementsAreArray(Cycles(4)));
}

TEST_F(BrowserWaitTest, ASuccessfulLaunchAlwaysHoldsForOneCycle)
{
    OpenAndWait(kProgram, u" \"https://x/\"", 1);  // the browser is already gone
    EXPECT_THAT(fake::State().events, ElementsAreArray(Cycles(1)));
}

TEST_F(BrowserWaitTest, QuitEndsTheWaitAtTheEndOfTheCycleThatDrainsIt)
{
    fake::State().processLists = {{u"web.exe"}};
    fake::State().messagesDuringPause = {{1, {0x0400, 0x0113}}, {3, {0x0400, kWmQuit, 0x0400}}};
    OpenAndWait(kProgram, u" \"https://x/\"", 1);
    EXPECT_TRUE(QuitRequested);
    EXPECT_THAT(fake::State().events, ElementsAreArray(Cycles(3)));
}

TEST_F(BrowserWaitTest, TheLauncherMarkerWatchesTheRealBrowserInstead)
{
    fake::State().processLists = {{u"Launcher.exe", u"opera.exe"}, {u"Launcher.exe", u"OPERA.EXE"}, {u"Launcher.exe"}};
    OpenAndWait(u"\"C:\\Opera\\Launcher.exe\"", u" \"https://x/\"", 1);
    EXPECT_EQ(WatchedImageName, u"opera.exe");
    EXPECT_EQ(fake::State().scans, 3);
}

TEST_F(BrowserWaitTest, NothingToWatchEndsAfterTheFirstPause)
{
    const struct {
        const char* what;
        Text program;
        bool snapshotFails;
    } cases[] = {
        {"empty watched name", u"\"C:\\Web\\\"", false},
        {"no snapshot", kProgram, true},
    };
    for (const auto& c : cases) {
        fake::Reset();
        fake::State().processLists = {{u"web.exe", u"anything"}};
        fake::State().snapshotFails = c.snapshotFails;
        OpenAndWait(c.program, u"", 1);
        EXPECT_EQ(fake::State().pauses, 1) << c.what;
    }
}

}  // namespace
