"""Shared base of the end-to-end tests: a fresh scenario per case."""

import unittest

from scenario import Scenario

CYCLE_MS = 1000
# Bound for "within about one cycle" of a watched process ending. The process
# is still listed for a moment after it recorded its exit; on a loaded machine
# that moment can outlast the next check and cost one more cycle.
HANDOVER_BOUND_MS = 2 * CYCLE_MS + 500


class E2ETest(unittest.TestCase):
    def scenario(self, label=""):
        name = self.id().split(".")[-1][:40] + (("-" + label) if label else "")
        run = Scenario(name)
        self.addCleanup(run.remove)
        return run

    def assertFollowUpsOpened(self, run, play=True, radev=True):
        """play.url and radev from the working directory, in that order."""
        opened = [e for e in run.events() if e.image in ("urlopen.exe", "radev.exe") and e.kind == "start"]
        opened.sort(key=lambda e: e.created_us)
        expected = (["urlopen.exe"] if play else []) + (["radev.exe"] if radev else [])
        self.assertEqual([e.image for e in opened], expected, run.events())
        return opened
