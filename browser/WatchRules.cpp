#include "browser/WatchRules.h"

#include <algorithm>

namespace {

char16_t FoldAscii(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

Text WithoutEnclosingQuotes(const Text& program)
{
    Text::size_type first = 0;
    Text::size_type last = program.size();
    if (last > first && program[first] == u'"')
        ++first;
    if (last > first && program[last - 1] == u'"')
        --last;
    return program.substr(first, last - first);
}

}  // namespace

Text DeriveWatchedImageName(const Text& program)
{
    if (program.size() < 2)
        return WithoutEnclosingQuotes(program);
    // The final code unit is never looked at, not even when it is a backslash.
    const Text::size_type slash = program.rfind(u'\\', program.size() - 2);
    if (slash == Text::npos)
        return WithoutEnclosingQuotes(program);
    return program.substr(slash + 1, program.size() - 2 - slash);
}

bool ImageNameContains(std::u16string_view image, std::u16string_view name)
{
    if (name.empty())
        return false;
    const auto same = [](char16_t a, char16_t b) { return FoldAscii(a) == FoldAscii(b); };
    return std::search(image.begin(), image.end(), name.begin(), name.end(), same) != image.end();
}
