#include "browser/WatchRules.h"

#include <gtest/gtest.h>

#include "tests/fake/FakePlatform.h"

namespace {

TEST(DeriveWatchedImageName, TakesTheNameAfterTheLastBackslashWithoutTheFinalUnit)
{
    const struct {
        Text program;
        Text name;
    } cases[] = {
        {u"\"C:\\Program Files\\Web\\browser.exe\"", u"browser.exe"},
        {u"C:\\B\\b.exe\"", u"b.exe"},
        {u"\"C:\\Web\\\"", u""},           // backslash right before the closing quote
        {u"\"C:\\Web\\b.exe\\\"", u""},     // the final unit is never examined...
        {u"\"C:\\Web\\b.exe\\", u"b.exe"},  // ...even when it is a backslash
        {u"\"\\\\srv\\share\\b.exe\"", u"b.exe"},
        // No backslash: the text without its enclosing quotes.
        {u"\"browser.exe\"", u"browser.exe"},
        {u"browser.exe\"", u"browser.exe"},
        {u"\"\"", u""},
        {u"\"", u""},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DeriveWatchedImageName(c.program), c.name) << fake::Narrow(c.program);
}

TEST(ImageNameContains, FoldsOnlyAsciiLettersAndMatchesAnywhere)
{
    const struct {
        Text image;
        Text name;
        bool contains;
    } cases[] = {
        {u"browser.exe", u"browser.exe", true},
        {u"BROWSER.EXE", u"browser.exe", true},
        {u"Browser.exe", u"bROWSER.EXE", true},
        {u"mybrowser.exe.bak", u"browser.exe", true},
        {u"browser.ex", u"browser.exe", false},
        {u"browser_exe", u"browser.exe", false},
        {u"\u00C9dge.exe", u"\u00E9dge.exe", false},  // non-ASCII case is exact
        {u"\u00C9dge.exe", u"\u00C9DGE.exe", true},
        {u"[browser].exe", u"{browser}.exe", false},   // '[' is not a folded '{'
        {u"browser.exe", u"", false},
        {u"", u"b", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageNameContains(c.image, c.name), c.contains) << fake::Narrow(c.image) << " / " << fake::Narrow(c.name);
}

}  // namespace
