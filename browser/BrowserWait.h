#pragma once

#include "platform/Text.h"

// Set once a WM_QUIT has been taken from the thread's queue; nothing clears it.
extern bool QuitRequested;

// The image name that the wait polls for.
extern Text WatchedImageName;

// Launches the program with the arguments through the shell, then returns once
// no process of that browser is left, checking once a second, or once a quit
// message has arrived. Returns at once, without a pause, when the shell refuses
// the launch.
void OpenAndWait(const Text& program, const Text& arguments, int showMode);

// True when some running process's image name contains `name`, ASCII case
// folded.
bool IsProcessRunning(const Text& name);

// Discards every pending message of the thread, noting a WM_QUIT.
void DrainMessageQueue();
