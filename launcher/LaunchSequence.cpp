#include "launcher/LaunchSequence.h"

#include "browser/BrowserCommand.h"
#include "browser/BrowserWait.h"
#include "browser/DefaultBrowser.h"
#include "launcher/ArgumentRules.h"
#include "launcher/LandingHost.h"
#include "platform/Files.h"
#include "platform/Shell.h"

Text LandingPageUrl;

int RunLauncher()
{
    LandingPageUrl = u"https://" LAUNCHER_LANDING_HOST u"/partner/iframe/10?cid=en";
    ResolveDefaultBrowser();
    BrowserCommand.arguments = ComposeBrowserArguments(BrowserCommand.arguments, LandingPageUrl);
    OpenAndWait(BrowserCommand.program, BrowserCommand.arguments, kShowNormal);
    LaunchFollowUps();
    return 0;
}

void LaunchFollowUps()
{
    for (const Text relative : {u"play.url", u"fscommand\\radev.exe"}) {
        // The shell would try the launcher's own folder before the working
        // directory, so it gets the full path of the file that was tested.
        const Text path = WorkingDirectoryPath(relative);
        if (!path.empty() && ExistsAsFile(path))
            ShellOpen(path);
    }
}
