// ComposeBrowserArguments: the address once per "%1" and everything else kept
// in place, or the address alone.
#include "launcher/ArgumentRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Text url, argumentTemplate;
    SplitInput(data, size, url, argumentTemplate);
    const Text composed = ComposeBrowserArguments(argumentTemplate, url);

    const Text::size_type first = argumentTemplate.find(u"%1");
    if (first == Text::npos) {
        FUZZ_CHECK(composed == url);
        return 0;
    }
    std::size_t placeholders = 0;
    Text::size_type last = first;
    for (Text::size_type at = first; at != Text::npos; at = argumentTemplate.find(u"%1", at + 2)) {
        ++placeholders;
        last = at;
    }
    FUZZ_CHECK(composed.size() == argumentTemplate.size() + placeholders * url.size() - 2 * placeholders);
    FUZZ_CHECK(composed.compare(0, first, argumentTemplate, 0, first) == 0);
    FUZZ_CHECK(composed.compare(first, url.size(), url) == 0);
    const Text tail = argumentTemplate.substr(last + 2);
    FUZZ_CHECK(composed.size() >= tail.size() &&
               composed.compare(composed.size() - tail.size(), tail.size(), tail) == 0);
    return 0;
}
