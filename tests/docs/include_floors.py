#!/usr/bin/env python3
"""Every #include "..." of the program stays on its floor or goes down, by the floors table of
docs/architecture.md; tests/ and bench/ may include anything."""
import os
import re
import subprocess
import sys

root = sys.argv[1]
doc = open(os.path.join(root, "docs/architecture.md"), encoding="utf-8").read()
section = doc.split("\n## Floors\n", 1)[1].split("\n## ", 1)[0]
floors, floor_of_folder = [], {}
for row in re.findall(r"^\|([^|]*)\|([^|]*)\|", section, re.M):
    folders = re.findall(r"`([a-z/]+/)`", row[1])
    if folders:
        floors.append(row[0].strip())
        floor_of_folder.update((f, len(floors) - 1) for f in folders)


def folder(path):
    return max((f for f in floor_of_folder if path.startswith(f)), key=len, default=None)


def floor(path):
    return floor_of_folder.get(folder(path))


listing = subprocess.run(["git", "-C", root, "ls-files"], capture_output=True, text=True)
if listing.returncode:
    sys.exit(print("SKIP: not a git checkout") or 77)
sources = [f for f in listing.stdout.split() if re.search(r"\.(h|hpp|c|cc|cpp|inc)$", f)
           and not re.match(r"(tests|bench)/", f)]
faults = 0
for source in sorted(sources):
    mine = floor(source)
    with open(os.path.join(root, source), encoding="utf-8", errors="replace") as text:
        for number, line in enumerate(text, 1):
            included = re.match(r'\s*#\s*include\s*"([^"]*)"', line)
            if not included:
                continue
            path, theirs = included[1], floor(included[1])
            if "/" not in path:
                why = "without its folder"
            elif mine is None or theirs is None:
                why = f"(no floor for {source if mine is None else path})"
            elif theirs > mine or (theirs == mine and folder(path) != folder(source)):
                why = f"(floor {floors[mine]} may not include floor {floors[theirs]})"
            else:
                continue
            print(f"{source}:{number}: includes {path} {why}")
            faults += 1
sys.exit(1 if faults else 0)
