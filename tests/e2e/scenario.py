"""One end-to-end run of the real launcher.exe in its own Wine prefix, with
stand-in programs that record how and when they were started."""

import itertools
import os
import shutil
import sys
import time
from dataclasses import dataclass
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent.parent / "wine"))
import winekit  # noqa: E402
from winekit import windows_path  # noqa: E402

LAUNCHER_EXE = Path(os.environ.get("LAUNCHER_EXE", "launcher.exe"))
HELPERS_DIR = Path(os.environ.get("HELPERS_DIR", "."))
RECORDER_EXE = HELPERS_DIR / "recorder.exe"
WORK_DIR = Path(os.environ.get("E2E_WORK", "e2e-work"))
LANDING_URL = "https://%s/partner/iframe/10?cid=en" % os.environ.get("LAUNCHER_LANDING_HOST", "www.example.com")

USER_CHOICE = r"HKEY_CURRENT_USER\Software\Microsoft\Windows\Shell\Associations\UrlAssociations\http\UserChoice"
CLASSES = r"HKEY_LOCAL_MACHINE\Software\Classes"  # what HKEY_CLASSES_ROOT shows in Wine

_serial = itertools.count()


@dataclass
class Event:
    ms: int          # when it was recorded, unix ms
    image: str       # image name of the recorder copy
    kind: str        # "start" or "exit"
    pid: int
    created_us: int  # process creation time, unix us
    parent_pid: int
    parent_created_us: int
    cwd: str
    command_line: str

    @property
    def created_ms(self):
        return self.created_us / 1000.0

    @property
    def ms_after_parent_started(self):
        return (self.created_us - self.parent_created_us) / 1000.0


def reg_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


class Scenario:
    """Folders of one run: bin/ for the stand-ins, game/ as the working
    directory, launcher/ holding launcher.exe, and the prefix."""

    def __init__(self, name):
        self.root = (WORK_DIR / ("%s-%d-%d" % (name, os.getpid(), next(_serial)))).resolve()
        shutil.rmtree(self.root, ignore_errors=True)
        for folder in ("bin", "game", "launcher"):
            (self.root / folder).mkdir(parents=True)
        self.bin, self.game, self.launcher_dir = self.root / "bin", self.root / "game", self.root / "launcher"
        self.log = self.root / "log.txt"
        shutil.copy(LAUNCHER_EXE, self.launcher_dir / "launcher.exe")
        self.prefix = winekit.Prefix(self.root / "prefix")
        self.registry = []
        self.process = None
        self.started = None
        self.exit_code = None
        self.browser_lifetime_ms = 60000  # until the test closes it
        # play.url is opened through whatever handles internet shortcuts: make
        # that a recorder too.
        handler = self.stand_in("urlopen.exe")
        self.reg(CLASSES + r"\InternetShortcut\shell\open\command", "", '"%s" "%%1"' % windows_path(handler))

    # -- setting up -------------------------------------------------------

    def stand_in(self, image, folder=None):
        target = (folder or self.bin) / image
        target.parent.mkdir(parents=True, exist_ok=True)
        shutil.copy(RECORDER_EXE, target)
        return target

    def reg(self, key, name, value):
        """A value to seed: text, or ("dword", n) / ("hex(N)", bytes)."""
        if isinstance(value, tuple):
            kind, data = value
            data = "%08x" % data if kind == "dword" else ",".join("%02x" % b for b in data)
            value = "%s:%s" % (kind, data)
        else:
            value = reg_string(value)
        self.registry.append("[%s]\n%s=%s\n" % (key, "@" if name == "" else reg_string(name), value))

    def browser(self, image="web.exe", template=' -osint -url "%1"', progid="TestBrowserHTML"):
        """A stand-in browser registered as the user's choice for http."""
        path = self.stand_in(image)
        command = '"%s"%s' % (windows_path(path), template)
        self.reg(USER_CHOICE, "Progid", progid)
        self.reg(CLASSES + "\\" + progid + r"\shell\open\command", "", command)
        return command

    def legacy_system(self):
        """Makes this prefix answer the version query with 5.2."""
        self.reg(r"HKEY_CURRENT_USER\Software\Wine", "Version", "winxp64")

    def game_files(self, play=True, radev=True, folder=None):
        folder = folder or self.game
        if play:
            (folder / "play.url").write_text("[InternetShortcut]\r\nURL=https://game.example.org/\r\n")
        if radev:
            self.stand_in("radev.exe", folder / "fscommand")

    # -- running ----------------------------------------------------------

    def env(self):
        return {"E2E_LOG": windows_path(self.log), "E2E_DIR": windows_path(self.root),
                "E2E_LIFETIME_MS": str(self.browser_lifetime_ms)}

    def apply_registry(self):
        if self.registry:
            self.prefix.import_registry("\n".join(self.registry))
            self.registry = []

    def start(self, cwd=None):
        self.apply_registry()
        self.exit_code = None
        self.started = time.time()
        self.process = self.prefix.start([str(self.launcher_dir / "launcher.exe")], cwd=cwd or self.game,
                                         extra_env=self.env())

    def start_program(self, path, cwd=None):
        """Starts a stand-in directly, for example a browser already open."""
        return self.prefix.start([str(path)], cwd=cwd or self.game, extra_env=self.env())

    def helper(self, name, *args, output=False):
        """Runs one of the Windows helper programs to its end: its exit code,
        or with output=True its exit code and what it printed."""
        self.apply_registry()
        result = self.prefix.run([str(HELPERS_DIR / (name + ".exe"))] + list(args), cwd=self.root,
                                 extra_env=self.env(), capture_output=output, text=output)
        return (result.returncode, result.stdout) if output else result.returncode

    def start_helper(self, name, *args):
        return self.prefix.start([str(HELPERS_DIR / (name + ".exe"))] + list(args), cwd=self.root,
                                 extra_env=self.env())

    def run_to_end(self, cwd=None, timeout=30):
        """Starts the launcher and waits until it and all it started are done."""
        self.start(cwd)
        self.wait_launcher(timeout)
        self.finish(timeout)
        return self.events()

    def close(self, image="web.exe"):
        """The user closes every window of that browser."""
        (self.root / ("close-" + image)).touch()

    def wait_launcher(self, timeout=30):
        self.exit_code = self.process.wait(timeout=timeout)
        return self.exit_code

    def finish(self, timeout=30):
        """Waits until everything in the prefix has ended."""
        if self.process and self.exit_code is None:
            self.wait_launcher(timeout)
        return self.prefix.wait_idle(timeout)

    def remove(self):
        self.prefix.remove()
        if os.environ.get("E2E_KEEP") != "1":
            shutil.rmtree(self.root, ignore_errors=True)

    # -- reading what happened --------------------------------------------

    def events(self):
        if not self.log.exists():
            return []
        events = []
        for line in self.log.read_text(encoding="utf-8").splitlines():
            ms, image, kind, pid, created, parent, parent_created, cwd, command_line = line.split("\t", 8)
            events.append(Event(int(ms), image, kind, int(pid), int(created), int(parent), int(parent_created),
                                cwd, command_line))
        return events

    def find(self, image, kind="start"):
        return [e for e in self.events() if e.image.lower() == image.lower() and e.kind == kind]

    @staticmethod
    def wait_for_file(path, timeout=20):
        deadline = time.time() + timeout
        while not Path(path).exists():
            if time.time() > deadline:
                raise AssertionError("%s did not appear" % path)
            time.sleep(0.05)

    def wait_for(self, image, kind="start", timeout=20):
        deadline = time.time() + timeout
        while time.time() < deadline:
            found = self.find(image, kind)
            if found:
                return found
            time.sleep(0.05)
        raise AssertionError("%s did not %s within %s s; seen: %s" % (image, kind, timeout, self.events()))


def arguments_after_program(command_line, program_path):
    """What the shell passed after the quoted program and its one blank."""
    head = '"%s" ' % windows_path(program_path)
    if not command_line.startswith(head):
        raise AssertionError("unexpected command line %r" % command_line)
    return command_line[len(head):]
