#pragma once

#include "platform/Text.h"

// Puts the address at every "%1" of the template, leaving everything around it
// as it stands. A template without "%1" is replaced by the address alone.
Text ComposeBrowserArguments(const Text& argumentTemplate, const Text& url);
