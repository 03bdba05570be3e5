#include "browser/BrowserCommand.h"

struct BrowserCommand BrowserCommand;
