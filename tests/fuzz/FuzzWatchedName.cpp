// DeriveWatchedImageName: the name is a piece of the program text, holding no
// backslash, ending before the final unit when a backslash is found.
#include "browser/WatchRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Text program = UnitsOf(data, size);
    const Text name = DeriveWatchedImageName(program);
    FUZZ_CHECK(name.size() <= program.size());
    FUZZ_CHECK(program.find(name) != Text::npos);
    const Text::size_type slash = program.size() < 2 ? Text::npos : program.rfind(u'\\', program.size() - 2);
    if (slash != Text::npos) {
        FUZZ_CHECK(name.find(u'\\') == Text::npos);
        FUZZ_CHECK(program.compare(slash + 1, name.size(), name) == 0);
        FUZZ_CHECK(slash + 1 + name.size() == program.size() - 1);
    }
    return 0;
}
