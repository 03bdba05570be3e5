"""How long the real launcher waits: until the last process whose image name
contains the browser's file name has ended, checking once a second."""

import time
import unittest

from e2etest import CYCLE_MS, HANDOVER_BOUND_MS, E2ETest
from scenario import CLASSES, USER_CHOICE, windows_path


class Wait(E2ETest):
    def assertStillWaiting(self, run, seconds=2.5):
        time.sleep(seconds)
        self.assertIsNone(run.process.poll(), "the launcher stopped waiting")
        self.assertEqual(run.find("urlopen.exe") + run.find("radev.exe"), [])

    def assertFollowUpsSoonAfter(self, run, ended):
        """Follow-ups after the last watched process ended, within about a cycle."""
        self.assertEqual(run.wait_launcher(timeout=10), 0)
        run.wait_for("urlopen.exe")
        run.wait_for("radev.exe")
        first = self.assertFollowUpsOpened(run)[0]
        self.assertGreater(first.created_ms, ended.ms)
        self.assertLess(first.created_ms - ended.ms, HANDOVER_BOUND_MS)

    def test_every_process_containing_the_name_ascii_folded_keeps_it_waiting(self):
        run = self.scenario()
        run.browser("web.exe")
        run.game_files()
        # Running before the launch: one matches by containment and ASCII case
        # folding, one only looks alike.
        run.start_program(run.stand_in("SuperWEB.EXE", run.root / "other"))
        run.start_program(run.stand_in("webexe.exe", run.root / "other"))
        run.wait_for("SuperWEB.EXE")
        run.wait_for("webexe.exe")
        run.start()
        run.wait_for("web.exe")

        run.close("web.exe")
        run.wait_for("web.exe", "exit")
        self.assertStillWaiting(run)

        run.close("SuperWEB.EXE")
        ended = run.wait_for("SuperWEB.EXE", "exit")[0]
        self.assertFollowUpsSoonAfter(run, ended)
        self.assertEqual(run.find("webexe.exe", "exit"), [], "did not wait for a look-alike")
        run.close("webexe.exe")

    def test_non_ascii_letters_are_compared_exactly(self):
        run = self.scenario()
        run.browser("w\u00e9b.exe")
        run.game_files()
        run.start_program(run.stand_in("W\u00c9B.exe", run.root / "other"))  # differs in a non-ASCII letter
        run.wait_for("W\u00c9B.exe")
        run.start()
        run.wait_for("w\u00e9b.exe")
        run.close("w\u00e9b.exe")
        ended = run.wait_for("w\u00e9b.exe", "exit")[0]
        self.assertFollowUpsSoonAfter(run, ended)
        run.close("W\u00c9B.exe")

    def test_a_launcher_program_makes_it_wait_for_opera_instead(self):
        run = self.scenario()
        run.browser("Launcher.exe", ' "%1"')
        run.game_files()
        run.start_program(run.stand_in("opera.exe", run.root / "other"))
        run.wait_for("opera.exe")
        run.start()
        run.wait_for("Launcher.exe")
        self.assertStillWaiting(run)

        run.close("opera.exe")
        ended = run.wait_for("opera.exe", "exit")[0]
        self.assertFollowUpsSoonAfter(run, ended)
        self.assertEqual(run.find("Launcher.exe", "exit"), [], "waited for the launched program itself")
        run.close("Launcher.exe")

    def test_how_long_it_holds_when_there_is_nothing_to_wait_for(self):
        # (what, registered command or None, lowest and highest delay of the
        # follow-ups after the launcher started, ms)
        cases = [
            # Getting this far takes about 300 ms (more on a loaded machine);
            # a pause would add a whole cycle to that.
            ("nothing found", None, 0, CYCLE_MS + 250),
            ("program does not exist", '"Z:\\nowhere\\web.exe" "%1"', 0, CYCLE_MS + 250),
            ("empty watched name", '"{bin}\\" "%1"', CYCLE_MS, HANDOVER_BOUND_MS),
        ]
        for what, command, lowest, highest in cases:
            with self.subTest(what):
                run = self.scenario()
                run.reg(USER_CHOICE, "Progid", "TestBrowserHTML")
                if command:
                    run.reg(CLASSES + r"\TestBrowserHTML\shell\open\command", "",
                            command.replace("{bin}", windows_path(run.bin)))
                run.game_files()
                run.start()
                self.assertEqual(run.wait_launcher(), 0)
                # Not waiting for the prefix to go idle: the shell opens a
                # folder with a program that stays.
                run.wait_for("urlopen.exe")
                run.wait_for("radev.exe")
                first = self.assertFollowUpsOpened(run)[0]
                self.assertGreaterEqual(first.ms_after_parent_started, lowest)
                self.assertLess(first.ms_after_parent_started, highest)


if __name__ == "__main__":
    unittest.main()
