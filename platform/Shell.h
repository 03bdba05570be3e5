#pragma once

#include "platform/Text.h"

constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

// Runs the file's default action with the given parameters, no owner window
// and no working directory. Never shows an error dialog; true when the shell
// reports success.
bool ShellExecuteDefault(const Text& file, const Text& parameters, int showMode);

// Opens the file with the verb "open", empty parameters and directory, shown
// normally. The outcome is not reported.
void ShellOpen(const Text& file);
