#include "launcher/ArgumentRules.h"

#include <gtest/gtest.h>

#include "tests/fake/FakePlatform.h"

namespace {

TEST(ComposeBrowserArguments, PutsTheAddressAtEveryPlaceholderOrAlone)
{
    const Text url = u"https://www.example.com/partner/iframe/10?cid=en";
    const struct {
        Text argumentTemplate;
        Text composed;
    } cases[] = {
        {u" \"%1\"", u" \"" + url + u"\""},
        {u"%1", url},
        {u" -a %1 -b %1", u" -a " + url + u" -b " + url},
        {u"%1%1", url + url},
        {u"%%1", u"%" + url},
        {u"%11", url + u"1"},
        {u" -osint -url", url},  // no placeholder: the template is dropped
        {u"%", url},
        {u"", url},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComposeBrowserArguments(c.argumentTemplate, url), c.composed) << fake::Narrow(c.argumentTemplate);
}

TEST(ComposeBrowserArguments, InsertsTheAddressVerbatim)
{
    // An address that itself holds "%1" is not searched again.
    EXPECT_EQ(ComposeBrowserArguments(u"[%1][%1]", u"a%1\"b"), u"[a%1\"b][a%1\"b]");
}

}  // namespace
