#!/usr/bin/env python3
"""Writes the fuzzers' seed inputs, taken from the unit tests' cases."""

import shutil
from pathlib import Path

SEEDS = Path(__file__).resolve().parent / "seeds"
URL = "https://www.example.com/partner/iframe/10?cid=en"


def units(text):
    return text.encode("utf-16-le")


def pair(first, second):
    return bytes([len(first)]) + units(first) + units(second)


def main():
    seeds = {
        "split": [units(c) for c in ['"C:\\Programs\\Webs\\browser.exe" -osint %1', 'C:\\B\\b.exe" %1',
                                     'C:\\B\\b.exe %1', '""', '"', '']],
        "compose": [pair(URL[:40], t) for t in [' "%1"', '%1', ' -a %1 -b %1', '%%1', ' -osint -url', '']],
        "watched_name": [units(p) for p in ['"C:\\Program Files\\Web\\browser.exe"', '"C:\\Web\\"',
                                            '"browser.exe"', '"C:\\Web\\b.exe\\', '']],
        "image_name": [pair(n, i) for n, i in [("browser.exe", "BROWSER.EXE"), ("browser.exe", "mybrowser.exe.bak"),
                                               ("\u00e9dge.exe", "\u00c9dge.exe"), ("", "x")]],
        "registry_text": [bytes([1]) + units('"C:\\b.exe" %1\0'), bytes([1]) + units("ab") + b"c",
                          bytes([2]) + units("%X%\0"), bytes([4]) + b"\x01\0\0\0", bytes([7]) + units("a\0\0"),
                          bytes([1]) + units("a\0b")],
    }
    shutil.rmtree(SEEDS, ignore_errors=True)
    for target, inputs in seeds.items():
        (SEEDS / target).mkdir(parents=True)
        for number, data in enumerate(inputs):
            (SEEDS / target / ("seed-%d" % number)).write_bytes(data)


if __name__ == "__main__":
    main()
