#pragma once

#include "platform/Registry.h"
#include "platform/Text.h"

// Finds the command registered for http addresses and stores it, cut in two, in
// BrowserCommand. Clears the program text first; on any failure it stays empty
// and the arguments keep their value. Never lets a failure out.
void ResolveDefaultBrowser();

// The text of one value of an open key: empty when the value is missing or its
// data is empty. Throws when the data cannot be read or is not text.
Text ReadRegistryText(const RegistryKey& key, const Text& name);
