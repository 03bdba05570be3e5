// ImageNameContains agrees with lower-casing A-Z in copies and searching.
#include <algorithm>

#include "browser/WatchRules.h"
#include "tests/fuzz/FuzzInput.h"

namespace {
Text LowerAscii(Text text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; });
    return text;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Text name, image;
    SplitInput(data, size, name, image);
    const bool contains = ImageNameContains(image, name);
    FUZZ_CHECK(contains == (!name.empty() && LowerAscii(image).find(LowerAscii(name)) != Text::npos));
    if (!image.empty())
        FUZZ_CHECK(ImageNameContains(image, LowerAscii(image)));
    return 0;
}
