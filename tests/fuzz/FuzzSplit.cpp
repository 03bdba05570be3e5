// SplitBrowserCommand: the two parts give back the command, and the cut is at
// the first quote from the second unit on.
#include "browser/CommandRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text command = UnitsOf(data, size);
    const struct BrowserCommand split = SplitBrowserCommand(command);
    FUZZ_CHECK(split.program + split.arguments == command);
    if (split.program.empty()) {
        FUZZ_CHECK(command.size() < 2 || command.find(u'"', 1) == Text::npos);
    } else {
        FUZZ_CHECK(split.program.size() >= 2 && split.program.back() == u'"');
        FUZZ_CHECK(split.program.find(u'"', 1) == split.program.size() - 1);
    }
    return 0;
}
