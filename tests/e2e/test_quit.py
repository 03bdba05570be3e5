"""A WM_QUIT posted to the real launcher's thread ends its wait."""

import time
import unittest

from e2etest import HANDOVER_BOUND_MS, E2ETest


class Quit(E2ETest):
    def test_quit_ends_the_wait_and_the_follow_ups_still_start(self):
        run = self.scenario()
        run.browser("web.exe")
        run.game_files()
        run.start()
        browser = run.wait_for("web.exe")[0]
        time.sleep(1.5)
        posted = time.time() * 1000
        self.assertEqual(run.helper("postquit", str(browser.pid)), 0)

        self.assertEqual(run.wait_launcher(timeout=10), 0)
        run.wait_for("urlopen.exe")
        run.wait_for("radev.exe")
        first = self.assertFollowUpsOpened(run)[0]
        # At the end of the cycle that drained it, with the browser still open.
        # (the helper itself takes a moment to start and post)
        self.assertLess(first.created_ms - posted, HANDOVER_BOUND_MS)
        self.assertEqual(run.find("web.exe", "exit"), [])
        run.close("web.exe")
        run.finish()


if __name__ == "__main__":
    unittest.main()
