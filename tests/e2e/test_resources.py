"""What Windows reads from the shipped exe: its version information and its
manifest; and that the manifest leaves the version branch as designed."""

import os
import re
import unittest

from e2etest import E2ETest
from scenario import CLASSES, windows_path

SUPPORTED_OS = {
    "e2011457-1546-43c5-a5fe-008deee3d3f0",  # Vista
    "35138b9a-5d96-4fbd-8e2d-a2440225f93a",  # 7
    "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",  # 8
    "1f676c76-80e1-4239-95bb-83d0f6d0da78",  # 8.1
    "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a",  # 10 and 11
}


class Resources(E2ETest):
    def test_version_information_and_manifest_read_back(self):
        run = self.scenario()
        code, output = run.helper("verinfo", windows_path(run.launcher_dir / "launcher.exe"), output=True)
        self.assertEqual(code, 0)
        fields = dict(line.split("=", 1) for line in output.splitlines() if "=" in line and not line.startswith("manifest"))
        version = os.environ.get("LAUNCHER_VERSION", "1.0.0")
        self.assertEqual(fields["FixedFileVersion"], version + ".0")
        self.assertEqual(fields["FileVersion"], version)
        self.assertEqual(fields["ProductVersion"], version)
        self.assertEqual(fields["ProductName"], "Game launcher")
        self.assertEqual(fields["OriginalFilename"], "launcher.exe")
        self.assertEqual(fields["CompanyName"], os.environ.get("LAUNCHER_OPERATOR", "www.example.com"))
        self.assertTrue(fields["FileDescription"])

        manifest = output.split("manifest=", 1)[1]
        self.assertRegex(manifest, r'requestedExecutionLevel level="asInvoker" uiAccess="false"')
        self.assertEqual(set(re.findall(r'supportedOS Id="\{([0-9a-f-]+)\}"', manifest)), SUPPORTED_OS)

    def test_every_reported_version_takes_its_branch(self):
        # (Wine's reported Windows version, per-user browser found, legacy one found)
        for wine_version, per_user in [("winxp64", False), ("win7", True), ("win10", True)]:
            with self.subTest(wine_version):
                run = self.scenario(wine_version)
                run.browser_lifetime_ms = 0
                run.browser("userchoice.exe", ' "%1"')
                legacy = run.stand_in("classic.exe")
                run.reg(CLASSES + r"\http\shell\open\command", "", '"%s" "%%1"' % windows_path(legacy))
                run.reg(r"HKEY_CURRENT_USER\Software\Wine", "Version", wine_version)
                run.run_to_end()
                self.assertEqual(run.exit_code, 0)
                started = [e.image for e in run.events() if e.kind == "start"]
                self.assertEqual(started, ["userchoice.exe" if per_user else "classic.exe"])


if __name__ == "__main__":
    unittest.main()
