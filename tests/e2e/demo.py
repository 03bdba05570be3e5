"""One run of the real launcher under Wine, narrated as it happens."""

import sys
import time

from scenario import Scenario, windows_path

BROWSER_OPEN_SECONDS = 3


def describe(event):
    return {
        ("web.exe", "start"): "browser started with: %s" % event.command_line,
        ("web.exe", "exit"): "browser closed",
        ("urlopen.exe", "start"): "play.url opened; its handler got: %s" % event.command_line,
        ("radev.exe", "start"): "fscommand\\radev.exe started: %s" % event.command_line,
    }.get((event.image, event.kind), "%s %s" % (event.image, event.kind))


def main():
    print("Preparing a Wine prefix (the first run boots one, which takes a while)...")
    run = Scenario("demo")
    try:
        print("Registered browser command: %s" % run.browser("web.exe", ' -osint -url "%1"'))
        run.game_files(play=True, radev=True)
        print("Working directory: %s, holding play.url and fscommand\\radev.exe" % windows_path(run.game))
        run.start()
        began = run.started

        def say(text, at=None):
            print("[%5.1f s] %s" % ((at if at is not None else time.time()) - began, text), flush=True)

        def report(events):
            for event in events:
                say(describe(event), event.ms / 1000.0)
                if (event.image, event.kind) == ("web.exe", "start"):
                    say("the launcher waits while the browser is open; closing it in %d s" % BROWSER_OPEN_SECONDS)
            return len(events)

        say("launcher.exe started")
        seen, close_at = 0, None
        while run.process.poll() is None:
            seen += report(run.events()[seen:])
            if close_at is None and run.find("web.exe"):
                close_at = time.time() + BROWSER_OPEN_SECONDS
            if close_at and time.time() >= close_at:
                run.close("web.exe")
            if time.time() - began > 90:
                say("no end after 90 s; stopping this prefix")
                return 1
            time.sleep(0.05)
        exit_code, exit_seen = run.process.returncode, time.time()
        run.finish(timeout=30)  # the follow-ups may still be starting
        report(run.events()[seen:])
        say("launcher exited with code %d" % exit_code, exit_seen)
        return 0 if exit_code == 0 else 1
    finally:
        run.remove()


if __name__ == "__main__":
    sys.exit(main())
