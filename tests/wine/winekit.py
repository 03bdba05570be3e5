"""Throwaway Wine prefixes for the tests: one template per build, booted once,
copied for every run so that no two runs share registry state."""

import fcntl
import os
import shutil
import subprocess
import tempfile
from pathlib import Path

BASE_ENV = {
    "WINEDEBUG": "-all",
    # No Mono or Gecko installers, no desktop menus.
    "WINEDLLOVERRIDES": "mscoree,mshtml=;winemenubuilder.exe=d",
}

# Large and never written: linked into each copy instead of copied.
SHARED_DIRS = ("drive_c/windows/system32", "drive_c/windows/syswow64")


def template_dir():
    configured = os.environ.get("LAUNCHER_WINE_TEMPLATE")
    if configured:
        return Path(configured)
    return Path(tempfile.gettempdir()) / f"launcher-wine-template-{os.getuid()}"


def wine_env(prefix, extra=None):
    env = dict(os.environ)
    env.update(BASE_ENV)
    env["WINEPREFIX"] = str(prefix)
    if extra:
        env.update(extra)
    return env


def ensure_template():
    template = template_dir()
    template.parent.mkdir(parents=True, exist_ok=True)
    with open(str(template) + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if (template / "system.reg").exists():
            return template
        booting = Path(str(template) + ".booting")
        shutil.rmtree(booting, ignore_errors=True)
        env = wine_env(booting)
        subprocess.run(["wineboot", "-i"], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=300)
        subprocess.run(["wineserver", "-w"], env=env, check=True, timeout=300)
        booting.rename(template)
    return template


def copy_prefix(template, destination):
    for root, dirs, files in os.walk(template):
        relative = Path(root).relative_to(template)
        target = Path(destination) / relative
        target.mkdir(parents=True, exist_ok=True)
        shared = any(str(relative).startswith(d) for d in SHARED_DIRS)
        for name in dirs + files:
            source, copy = Path(root) / name, target / name
            if source.is_symlink():
                os.symlink(os.readlink(source), copy)
                if name in dirs:
                    dirs.remove(name)
            elif name in files:
                if shared:
                    os.link(source, copy)
                else:
                    shutil.copy2(source, copy)


def windows_path(path):
    """The Z: drive maps the Linux root."""
    return "Z:" + str(Path(path).resolve()).replace("/", "\\")


class Prefix:
    def __init__(self, path):
        self.path = Path(path)
        shutil.rmtree(self.path, ignore_errors=True)
        copy_prefix(ensure_template(), self.path)

    def env(self, extra=None):
        return wine_env(self.path, extra)

    def run(self, args, cwd=None, extra_env=None, timeout=120, **kwargs):
        return subprocess.run(["wine"] + list(args), cwd=cwd, env=self.env(extra_env),
                              timeout=timeout, stdin=subprocess.DEVNULL, **kwargs)

    def start(self, args, cwd=None, extra_env=None, **kwargs):
        return subprocess.Popen(["wine"] + list(args), cwd=cwd, env=self.env(extra_env),
                                stdin=subprocess.DEVNULL, **kwargs)

    def import_registry(self, text):
        """Imports REGEDIT4 text (without its header)."""
        reg = self.path / "seed.reg"
        reg.write_text("REGEDIT4\r\n\r\n" + text.replace("\n", "\r\n"), encoding="latin-1")
        result = self.run(["regedit", "/S", windows_path(reg)])
        if result.returncode != 0:
            raise RuntimeError("regedit failed")

    def wait_idle(self, timeout=30):
        """Waits until every process of this prefix has ended; kills them
        (this prefix's only) when that takes longer than the timeout."""
        try:
            subprocess.run(["wineserver", "-w"], env=self.env(), timeout=timeout)
            return True
        except subprocess.TimeoutExpired:
            self.kill()
            return False

    def kill(self):
        subprocess.run(["wineserver", "-k"], env=self.env(), stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=self.env(), timeout=60)

    def remove(self):
        self.kill()
        shutil.rmtree(self.path, ignore_errors=True)
