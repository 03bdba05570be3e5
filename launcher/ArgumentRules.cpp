#include "launcher/ArgumentRules.h"

Text ComposeBrowserArguments(const Text& argumentTemplate, const Text& url)
{
    const Text placeholder = u"%1";
    Text::size_type at = argumentTemplate.find(placeholder);
    if (at == Text::npos)
        return url;

    Text composed;
    Text::size_type from = 0;
    for (; at != Text::npos; at = argumentTemplate.find(placeholder, from)) {
        composed.append(argumentTemplate, from, at - from);
        composed += url;  // as is: no quotes, no escaping
        from = at + placeholder.size();
    }
    composed.append(argumentTemplate, from, Text::npos);
    return composed;
}
