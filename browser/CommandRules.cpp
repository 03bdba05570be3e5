#include "browser/CommandRules.h"

struct BrowserCommand SplitBrowserCommand(const Text& command)
{
    // A quote in the first place opens the path, so the search starts after it.
    const Text::size_type quote = command.size() < 2 ? Text::npos : command.find(u'"', 1);
    if (quote == Text::npos)
        return {Text(), command};
    return {command.substr(0, quote + 1), command.substr(quote + 1)};
}

std::optional<Text> DecodeRegistryText(std::uint32_t type, const std::vector<unsigned char>& data)
{
    if (data.empty())
        return Text();
    if (type != kRegSz && type != kRegExpandSz)
        return std::nullopt;
    Text text;
    for (std::size_t at = 0; at + 1 < data.size(); at += 2) {
        // Stored little-endian whatever the host's byte order.
        const auto unit = static_cast<char16_t>(data[at] | (data[at + 1] << 8));
        if (unit == u'\0')
            break;
        text.push_back(unit);
    }
    return text;
}
