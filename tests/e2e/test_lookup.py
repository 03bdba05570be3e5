"""Which browser the real launcher finds, and exactly what it passes to it."""

import unittest

from e2etest import E2ETest
from scenario import CLASSES, LANDING_URL, USER_CHOICE, arguments_after_program, windows_path


class Lookup(E2ETest):
    def test_per_user_choice_gets_exactly_the_composed_arguments(self):
        cases = [
            (' -osint -url "%1"', ' -osint -url "%s"' % LANDING_URL),
            ('  "%1"', '  "%s"' % LANDING_URL),                 # quotes and leading blanks kept
            (' -a %1 -b %1', ' -a %s -b %s' % (LANDING_URL, LANDING_URL)),
            (' --new-window', LANDING_URL),                   # no %1: the address alone
        ]
        for template, arguments in cases:
            with self.subTest(template=template):
                run = self.scenario()
                run.browser_lifetime_ms = 0
                run.browser("web.exe", template)
                run.game_files(play=False, radev=True)
                run.run_to_end()
                self.assertEqual(run.exit_code, 0)
                browser = run.find("web.exe")
                self.assertEqual(len(browser), 1)
                self.assertEqual(arguments_after_program(browser[0].command_line, run.bin / "web.exe"), arguments)
                self.assertFollowUpsOpened(run, play=False, radev=True)

    def test_legacy_system_reads_the_http_class_and_wants_a_lower_case_exe(self):
        # (version 5, image name of the stand-in, found)
        cases = [(True, "web.exe", True), (True, "WEB.EXE", False), (False, "WEB.EXE", True)]
        for legacy, image, found in cases:
            with self.subTest(legacy=legacy, image=image):
                run = self.scenario()
                run.browser_lifetime_ms = 0
                command = run.browser(image, ' "%1"')
                run.reg(CLASSES + r"\http\shell\open\command", "", command)
                if legacy:
                    run.legacy_system()
                run.game_files()
                run.run_to_end()
                self.assertEqual(run.exit_code, 0)
                self.assertEqual(len(run.find(image)), 1 if found else 0, run.events())
                self.assertFollowUpsOpened(run)

    def test_an_empty_progid_leads_to_the_shell_command_of_the_classes_root(self):
        run = self.scenario()
        run.browser_lifetime_ms = 0
        browser = run.stand_in("rootshell.exe")
        run.reg(USER_CHOICE, "Progid", "")
        run.reg(CLASSES + r"\shell\open\command", "", '"%s" "%%1"' % windows_path(browser))
        run.run_to_end()
        self.assertEqual(run.exit_code, 0)
        self.assertEqual(arguments_after_program(run.find("rootshell.exe")[0].command_line, browser),
                         ' "%s"' % LANDING_URL)


if __name__ == "__main__":
    unittest.main()
