// DecodeRegistryText: never reads past the stored bytes, is text only for the
// two string types, and stops at the first NUL.
#include <vector>

#include "browser/CommandRules.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint32_t type = data[0] % 12;  // REG_NONE .. REG_QWORD and beyond
    // Exactly as many bytes as stored: a read past them hits the sanitizer.
    const std::vector<unsigned char> stored(data + 1, data + size);
    const std::optional<Text> text = DecodeRegistryText(type, stored);

    if (stored.empty()) {
        FUZZ_CHECK(text && text->empty());
        return 0;
    }
    if (type != kRegSz && type != kRegExpandSz) {
        FUZZ_CHECK(!text);
        return 0;
    }
    FUZZ_CHECK(text && text->size() <= stored.size() / 2);
    for (std::size_t i = 0; i < text->size(); ++i) {
        FUZZ_CHECK((*text)[i] != u'\0');
        FUZZ_CHECK((*text)[i] == static_cast<char16_t>(stored[2 * i] | (stored[2 * i + 1] << 8)));
    }
    if (text->size() < stored.size() / 2)
        FUZZ_CHECK(stored[2 * text->size()] == 0 && stored[2 * text->size() + 1] == 0);
    return 0;
}
