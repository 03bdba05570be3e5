#include "browser/BrowserWait.h"

#include <cstdint>

#include "browser/WatchRules.h"
#include "platform/Processes.h"
#include "platform/Shell.h"
#include "platform/ThreadQueue.h"

bool QuitRequested = false;
Text WatchedImageName;

namespace {

constexpr std::uint32_t kCheckInterval = 1000;  // ms
constexpr std::uint32_t kWmQuit = 0x0012;       // WM_QUIT

// A program text holding this marker only starts the real browser, which is
// then the process to wait for.
const Text kLauncherMarker = u"Launcher.exe";
const Text kMarkerImageName = u"opera.exe";

}  // namespace

void OpenAndWait(const Text& program, const Text& arguments, int showMode)
{
    if (!ShellExecuteDefault(program, arguments, showMode))
        return;

    WatchedImageName = DeriveWatchedImageName(program);
    if (program.find(kLauncherMarker) != Text::npos)
        WatchedImageName = kMarkerImageName;

    bool running = false;
    do {
        Pause(kCheckInterval);
        DrainMessageQueue();
        running = IsProcessRunning(WatchedImageName);
    } while (running && !QuitRequested);
}

bool IsProcessRunning(const Text& name)
{
    if (name.empty())
        return false;
    return AnyProcessImage([&name](std::u16string_view image) { return ImageNameContains(image, name); });
}

void DrainMessageQueue()
{
    std::uint32_t message = 0;
    while (TakeThreadMessage(message)) {
        if (message == kWmQuit)
            QuitRequested = true;
    }
}
