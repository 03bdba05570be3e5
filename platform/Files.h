#pragma once

#include "platform/Text.h"

// True for an existing entry that is not a directory. A file that another
// process holds locked counts; a link counts when it is not a directory and can
// be opened for reading, or is refused only because another process holds it.
bool ExistsAsFile(const Text& path);

// The full path of a name relative to the current working directory, or empty
// text when it cannot be formed.
Text WorkingDirectoryPath(const Text& relative);
