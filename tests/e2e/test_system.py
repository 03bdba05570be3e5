"""The real launcher against Wine's own configuration, and proof that a run
writes nothing."""

import os
import re
import unittest

from e2etest import E2ETest
from scenario import LANDING_URL

# Wine's display driver rewrites these device keys whenever a prefix starts,
# whatever program runs.
WINE_HOUSEKEEPING = re.compile(r"^\[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\")


def registry_content(prefix):
    """Every key and value of the prefix's registry files, without the
    modification times that Wine keeps beside them."""
    content = {}
    for name in ("system.reg", "user.reg", "userdef.reg"):
        key = None
        with open(prefix / name, encoding="utf-8", errors="surrogateescape") as lines:
            for line in lines:
                line = line.rstrip("\n")
                if line.startswith("["):
                    key = name + "|" + re.sub(r"\]\s+\d+$", "]", line)
                    content[key] = set()
                elif key and line and not line.startswith("#"):
                    content[key].add(line)
    return content


def folder_listing(folder):
    listing = {}
    for root, dirs, files in os.walk(folder):
        for name in dirs + files:
            path = os.path.join(root, name)
            status = os.lstat(path)
            listing[os.path.relpath(path, folder)] = (status.st_size, status.st_mtime_ns)
    return listing


class System(E2ETest):
    def test_wines_own_handler_passes_the_address_to_the_host_browser(self):
        run = self.scenario()
        # No association of ours: Wine's default user choice leads to its
        # winebrowser, which hands the address to the host's browser command.
        recorded = run.root / "host-browser.txt"
        script = run.root / "host-browser"
        script.write_text('#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' % recorded)
        script.chmod(0o755)
        run.reg(r"HKEY_CURRENT_USER\Software\Wine\WineBrowser", "Browsers", str(script))
        run.game_files()
        run.run_to_end()
        self.assertEqual(run.exit_code, 0)
        self.assertEqual(recorded.read_text().splitlines(), [LANDING_URL])
        # winebrowser does not wait for the host program: about one cycle.
        first = self.assertFollowUpsOpened(run)[0]
        self.assertLess(first.ms_after_parent_started, 2500)

    def test_a_run_writes_nothing_to_the_registry_or_the_working_directory(self):
        run = self.scenario()
        run.browser_lifetime_ms = 0
        run.browser("web.exe")
        run.game_files()
        (run.game / "fscommand" / "settings.ini").write_text("[game]\r\n")
        run.apply_registry()
        run.prefix.wait_idle()
        registry_before, folder_before = registry_content(run.prefix.path), folder_listing(run.game)

        run.run_to_end()
        self.assertEqual(run.exit_code, 0)
        self.assertEqual(len(run.find("web.exe")), 1)
        self.assertFollowUpsOpened(run)

        registry_after = registry_content(run.prefix.path)
        changed = sorted(key for key in set(registry_before) | set(registry_after)
                         if registry_before.get(key) != registry_after.get(key)
                         and not WINE_HOUSEKEEPING.match(key.split("|", 1)[1]))
        self.assertEqual(changed, [])
        self.assertEqual(folder_listing(run.game), folder_before)


if __name__ == "__main__":
    unittest.main()
