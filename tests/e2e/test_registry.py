"""Bad or unusual registry data: every shape ends in a defined result, exit
code 0, and the follow-ups still start."""

import unittest

from e2etest import E2ETest
from scenario import LANDING_URL, USER_CHOICE, arguments_after_program, windows_path

REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_MULTI_SZ = 1, 2, 3, 4, 7
USER_CHOICE_KEY = USER_CHOICE.split("\\", 1)[1]
COMMAND_KEY = r"Software\Classes\TestBrowserHTML\shell\open\command"


def utf16(text, terminated=True):
    return (text + ("\0" if terminated else "")).encode("utf-16-le").hex()


class RegistryData(E2ETest):
    def run_with(self, writes=lambda run: [], template=' "%1"'):
        """A registered stand-in browser, then raw writes over its values."""
        run = self.scenario()
        run.browser_lifetime_ms = 0
        run.browser("web.exe", template)
        run.game_files()
        for root, key, name, kind, data in writes(run):
            self.assertEqual(run.helper("regtool", "set", root, key, name, str(kind), *([data] if data else [])), 0)
        run.start()
        self.assertEqual(run.wait_launcher(), 0)
        run.finish()
        self.assertFollowUpsOpened(run)
        return run

    def command(self, run, template):
        return '"%s"%s' % (windows_path(run.bin / "web.exe"), template)

    def test_values_that_are_not_text_find_nothing(self):
        cases = [
            ("Progid REG_DWORD", ("HKCU", USER_CHOICE_KEY, "Progid", REG_DWORD, "01000000")),
            ("Progid REG_BINARY", ("HKCU", USER_CHOICE_KEY, "Progid", REG_BINARY, utf16("TestBrowserHTML"))),
            ("Progid REG_MULTI_SZ", ("HKCU", USER_CHOICE_KEY, "Progid", REG_MULTI_SZ, utf16("TestBrowserHTML\0"))),
            ("command REG_DWORD", ("HKLM", COMMAND_KEY, "@", REG_DWORD, "01000000")),
            ("command REG_BINARY", ("HKLM", COMMAND_KEY, "@", REG_BINARY, "22005a003a005c002200")),
            ("command REG_MULTI_SZ", ("HKLM", COMMAND_KEY, "@", REG_MULTI_SZ, "22005a003a005c00220000000000")),
            ("no default value", ("HKLM", COMMAND_KEY, "@", REG_SZ, None)),  # empty data: empty program
        ]
        for what, write in cases:
            with self.subTest(what):
                run = self.run_with(lambda run, write=write: [write])
                self.assertEqual(run.find("web.exe"), [], what)

    def test_text_is_taken_as_stored(self):
        cases = [
            ("expandable, not expanded", ' -p %SystemRoot% "%1"', REG_EXPAND_SZ, False, None,
             ' -p %%SystemRoot%% "%s"' % LANDING_URL),
            ("no terminator", ' "%1"', REG_SZ, False, None, ' "%s"' % LANDING_URL),
            ("no terminator, odd byte count", ' "%1"', REG_SZ, False, "41", ' "%s"' % LANDING_URL),
            ("text after a NUL", ' "%1"\0 -evil', REG_SZ, True, None, ' "%s"' % LANDING_URL),
        ]
        for what, template, kind, terminated, extra, arguments in cases:
            with self.subTest(what):
                def writes(run, template=template, kind=kind, terminated=terminated, extra=extra):
                    data = utf16(self.command(run, template), terminated) + (extra or "")
                    return [("HKLM", COMMAND_KEY, "@", kind, data)]
                run = self.run_with(writes)
                browser = run.find("web.exe")
                self.assertEqual(len(browser), 1, run.events())
                self.assertEqual(arguments_after_program(browser[0].command_line, run.bin / "web.exe"), arguments)

    def test_a_very_long_command_ends_in_a_defined_result(self):
        run = self.run_with(template=" -x " + "a" * 40000 + ' "%1"')
        # Longer than a command line may be: the shell refuses it.
        self.assertLessEqual(len(run.find("web.exe")), 1)

    def test_a_key_that_refuses_writing_is_still_read(self):
        run = self.scenario()
        run.browser_lifetime_ms = 0
        run.browser("web.exe")
        run.game_files(play=False)
        # Security set on a key lasts only while this prefix's server runs:
        # keep a process alive across the lock and the run.
        keeper = run.start_program(run.stand_in("keeper.exe"))
        run.wait_for("keeper.exe")
        for root, key in (("HKCU", USER_CHOICE_KEY), ("HKLM", COMMAND_KEY)):
            locked = run.helper("regtool", "readonly", root, key)
            if locked == 3:
                self.skipTest("this Wine does not enforce registry key security")
            self.assertEqual(locked, 0)
        run.start()
        self.assertEqual(run.wait_launcher(), 0)
        run.wait_for("radev.exe")
        self.assertEqual(len(run.find("web.exe")), 1)
        run.close("keeper.exe")
        keeper.wait(timeout=30)


if __name__ == "__main__":
    unittest.main()
