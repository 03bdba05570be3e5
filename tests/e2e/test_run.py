"""The real launcher, start to finish: browser with the landing address, the
wait, then the follow-ups from the working directory, and exit code 0."""

import time
import unittest

from e2etest import HANDOVER_BOUND_MS, E2ETest
from scenario import LANDING_URL, arguments_after_program, windows_path


class LauncherRun(E2ETest):
    def test_opens_the_page_waits_for_the_browser_then_starts_the_game(self):
        run = self.scenario()
        run.browser("web.exe", ' -osint -url "%1"')
        run.game_files(play=True, radev=True)
        run.start()

        browser = run.wait_for("web.exe")[0]
        self.assertEqual(arguments_after_program(browser.command_line, run.bin / "web.exe"),
                         ' -osint -url "%s"' % LANDING_URL)
        # While the browser is open nothing else starts and the launcher stays.
        time.sleep(2.5)
        self.assertEqual([e.image for e in run.events()], ["web.exe"])
        self.assertIsNone(run.process.poll())

        run.close("web.exe")
        self.assertEqual(run.wait_launcher(timeout=10), 0)
        self.assertTrue(run.finish())

        closed = run.find("web.exe", "exit")[0]
        url, radev = run.find("urlopen.exe")[0], run.find("radev.exe")[0]
        self.assertEqual(url.command_line, '"%s" "%s"' % (windows_path(run.bin / "urlopen.exe"),
                                                         windows_path(run.game / "play.url")))
        self.assertEqual(radev.command_line, '"%s"' % windows_path(run.game / "fscommand" / "radev.exe"))
        # After the browser closed, within about one cycle, play.url first.
        self.assertGreater(url.created_ms, closed.ms)
        self.assertLess(url.created_ms - closed.ms, HANDOVER_BOUND_MS)
        self.assertLess(url.created_us, radev.created_us)


if __name__ == "__main__":
    unittest.main()
