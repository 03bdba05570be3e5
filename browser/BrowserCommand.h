#pragma once

#include "platform/Text.h"

// The default browser's command, cut in two. Both fields start empty.
struct BrowserCommand {
    Text program;    // the program text as cut from the command, quotes included
    Text arguments;  // the template from the registry, later the composed text
};

// The one record of the run: filled by the lookup, its arguments rewritten by
// the launch sequence, read by the wait. The value shares the type's name, so
// the type is spelled `struct BrowserCommand` where the value is in scope.
extern struct BrowserCommand BrowserCommand;
