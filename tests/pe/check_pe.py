#!/usr/bin/env python3
"""Checks a built exe's PE headers: a GUI-subsystem program of the expected
machine that old Windows may load, with ASLR and DEP, importing only DLLs that
ship with Windows."""

import argparse
import re
import subprocess
import sys

SYSTEM_DLLS = {"advapi32.dll", "kernel32.dll", "user32.dll", "shell32.dll", "ole32.dll", "msvcrt.dll"}

# Functions that came after Windows XP and that runtimes like to pull in; the
# exe must run on XP, so it may look them up but never import them.
NEWER_THAN_XP = {
    "GetTickCount64", "InitializeSRWLock", "AcquireSRWLockExclusive", "AcquireSRWLockShared",
    "ReleaseSRWLockExclusive", "ReleaseSRWLockShared", "InitializeConditionVariable",
    "SleepConditionVariableCS", "SleepConditionVariableSRW", "WakeConditionVariable",
    "WakeAllConditionVariable", "InitOnceExecuteOnce", "InitOnceBeginInitialize", "FlsAlloc", "FlsFree",
    "FlsGetValue", "FlsSetValue", "GetCurrentProcessorNumber", "CreateEventExW", "CreateMutexExW",
    "CreateSemaphoreExW", "GetFileInformationByHandleEx", "SetFileInformationByHandle",
    "GetFinalPathNameByHandleW", "QueryFullProcessImageNameW", "LocaleNameToLCID", "LCIDToLocaleName",
    "CompareStringEx", "GetSystemTimePreciseAsFileTime", "SetDefaultDllDirectories", "AddDllDirectory",
    "CreateSymbolicLinkW", "GetLocaleInfoEx", "GetUserDefaultLocaleName", "RegDeleteTreeW", "RegGetValueW",
    "SHGetKnownFolderPath", "CancelIoEx", "GetErrorMode", "WerRegisterRuntimeExceptionModule",
}

ARCHES = {
    # format, highest subsystem version allowed, DllCharacteristics bits required
    "x86_64": ("pei-x86-64", (5, 2), {0x0020: "HIGH_ENTROPY_VA", 0x0040: "DYNAMIC_BASE", 0x0100: "NX_COMPAT"}),
    "i686": ("pei-i386", (5, 1), {0x0040: "DYNAMIC_BASE", 0x0100: "NX_COMPAT"}),
}


def header(dump, name):
    match = re.search(r"^%s\s+(\S+)" % re.escape(name), dump, re.MULTILINE)
    if not match:
        raise SystemExit("no %s in the headers" % name)
    return match.group(1)


def imports(dump):
    """{dll: [function, ...]} from objdump's import table listing."""
    table, dll = {}, None
    for line in dump.splitlines():
        found = re.match(r"\s*DLL Name: (\S+)", line)
        if found:
            dll = found.group(1)
            table[dll] = []
            continue
        entry = re.match(r"\s*[0-9a-f]+\s+\d+\s+(\S+)\s*$", line)
        if dll and entry:
            table[dll].append(entry.group(1))
        elif not line.strip():
            dll = None
    return table


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objdump", required=True)
    parser.add_argument("--arch", required=True, choices=sorted(ARCHES))
    parser.add_argument("exe")
    args = parser.parse_args()

    dump = subprocess.run([args.objdump, "-p", args.exe], check=True, capture_output=True, text=True).stdout
    file_format, highest_version, required_bits = ARCHES[args.arch]
    failures = []

    if ("file format %s" % file_format) not in dump:
        failures.append("not a %s image" % file_format)
    if int(header(dump, "Subsystem"), 16) != 2:
        failures.append("subsystem is not Windows GUI")
    version = (int(header(dump, "MajorSubsystemVersion")), int(header(dump, "MinorSubsystemVersion")))
    if version > highest_version:
        failures.append("subsystem version %d.%d is newer than %d.%d" % (version + highest_version))
    characteristics = int(header(dump, "DllCharacteristics"), 16)
    for bit, name in required_bits.items():
        if not characteristics & bit:
            failures.append("DllCharacteristics lacks %s" % name)

    table = imports(dump)
    dlls = sorted(table)
    newer = sorted(f for functions in table.values() for f in functions if f in NEWER_THAN_XP)
    if newer:
        failures.append("imports functions that Windows XP lacks: %s" % ", ".join(newer))
    foreign = [dll for dll in dlls if dll.lower() not in SYSTEM_DLLS]
    if foreign:
        failures.append("imports DLLs that do not ship with Windows: %s" % ", ".join(foreign))
    if not dlls:
        failures.append("no import table found")

    print("%s: %s, subsystem %d.%d, DllCharacteristics 0x%04x, imports %s"
          % (args.exe, file_format, version[0], version[1], characteristics, ", ".join(dlls)))
    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
