#pragma once

#include "platform/Text.h"

// The operator's landing page, set at the start of the run.
extern Text LandingPageUrl;

// The whole run: open the landing page in the default browser, wait until that
// browser is closed, then open the game's follow-ups. Always gives exit code 0.
int RunLauncher();

// Opens "play.url", then "fscommand\radev.exe", each only when it exists as a
// file in the working directory.
void LaunchFollowUps();
