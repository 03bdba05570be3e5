#include "browser/CommandRules.h"

#include <gtest/gtest.h>

#include "tests/fake/FakePlatform.h"

namespace {

struct SplitCase {
    Text command;
    Text program;
    Text argumentTemplate;
};

TEST(SplitBrowserCommand, CutsAtTheFirstQuoteFromTheSecondUnitOn)
{
    const Text forty = u"\"C:\\Programs\\Webs\\browser.exe\" -osint %1";  // quotes at 1 and 30
    ASSERT_EQ(forty.size(), 40u);
    const SplitCase cases[] = {
        {forty, forty.substr(0, 30), forty.substr(30)},
        {u"\"C:\\B\\b.exe\" -url \"%1\"", u"\"C:\\B\\b.exe\"", u" -url \"%1\""},
        {u"C:\\B\\b.exe\" %1", u"C:\\B\\b.exe\"", u" %1"},  // unquoted start, later quote
        {u"C:\\B\\b.exe %1", u"", u"C:\\B\\b.exe %1"},     // no quote at all
        {u"\"C:\\B\\b.exe %1", u"", u"\"C:\\B\\b.exe %1"},  // only the leading quote
        {u"\"\"", u"\"\"", u""},
        {u"\"", u"", u"\""},
        {u"", u"", u""},
    };
    for (const SplitCase& c : cases) {
        const struct BrowserCommand split = SplitBrowserCommand(c.command);
        EXPECT_EQ(split.program, c.program) << fake::Narrow(c.command);
        EXPECT_EQ(split.arguments, c.argumentTemplate) << fake::Narrow(c.command);
        EXPECT_EQ(split.program + split.arguments, c.command);
    }
}

std::vector<unsigned char> Bytes(std::initializer_list<int> values)
{
    std::vector<unsigned char> bytes;
    for (int value : values)
        bytes.push_back(static_cast<unsigned char>(value));
    return bytes;
}

TEST(DecodeRegistryText, TrustsNothingAboutTheStoredBytes)
{
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<unsigned char> data;
        std::optional<Text> text;
    };
    const Case cases[] = {
        {"terminated", kRegSz, Bytes({'a', 0, 'b', 0, 0, 0}), Text(u"ab")},
        {"not terminated", kRegSz, Bytes({'a', 0, 'b', 0}), Text(u"ab")},
        {"odd byte count", kRegSz, Bytes({'a', 0, 'b'}), Text(u"a")},
        {"one byte", kRegSz, Bytes({'a'}), Text(u"")},
        {"ends at first NUL", kRegSz, Bytes({'a', 0, 0, 0, 'b', 0}), Text(u"a")},
        {"expand kept as stored", kRegExpandSz, Bytes({'%', 0, 'X', 0, '%', 0}), Text(u"%X%")},
        {"non-ASCII unit", kRegSz, Bytes({0xE9, 0x00, 0x3A, 0x04}), Text(u"\u00E9\u043A")},
        {"empty data of any type", 4 /* REG_DWORD */, Bytes({}), Text(u"")},
        {"REG_DWORD", 4, Bytes({1, 0, 0, 0}), std::nullopt},
        {"REG_BINARY", 3, Bytes({'a', 0}), std::nullopt},
        {"REG_MULTI_SZ", 7, Bytes({'a', 0, 0, 0, 0, 0}), std::nullopt},
        {"REG_NONE", 0, Bytes({'a', 0}), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeRegistryText(c.type, c.data), c.text) << c.what;
}

}  // namespace
