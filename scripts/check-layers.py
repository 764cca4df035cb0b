#!/usr/bin/env python3
"""Lists the #include lines under src/ that reach up the layers.

The folders are layered, lowest first; a file may include headers of its own
folder and of the folders below it. A header whose .cpp belongs to the core
library (TSLQ_CORE_SOURCES in the folder's sources.cmake) of a folder that
also holds io or ui files is shared by everyone and may be included from any
folder. Exits 1 when anything reaches up, 0 otherwise.

Usage: scripts/check-layers.py [SRC_DIR]
"""
import os
import re
import sys

LAYERS = ["model", "rules", "document", "ui", "link", "files", "sim",
          "editors", "channels", "mainwin", "cli", "app"]
MIXED = {"link", "files", "sim", "channels"}

LIST_RE = re.compile(r"list\(\s*APPEND\s+(TSLQ_\w+_SOURCES)(.*?)\)", re.S)
INCLUDE_RE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.M)


def libraries(src):
    """Maps 'folder/Name' (without extension) to its library."""
    owner = {}
    for folder in LAYERS:
        path = os.path.join(src, folder, "sources.cmake")
        if not os.path.exists(path):
            continue
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for lib, body in LIST_RE.findall(text):
            for name in body.split():
                if name.startswith("#"):
                    continue
                owner[os.path.splitext(name)[0]] = lib
    return owner


def upward_includes(src):
    owner = libraries(src)
    rank = {name: i for i, name in enumerate(LAYERS)}
    found = []
    for folder in LAYERS:
        base = os.path.join(src, folder)
        if not os.path.isdir(base):
            continue
        for name in sorted(os.listdir(base)):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(base, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for target, header in INCLUDE_RE.findall(text):
                if target not in rank or rank[target] <= rank[folder]:
                    continue
                key = target + "/" + os.path.splitext(header)[0]
                if target in MIXED and owner.get(key) == "TSLQ_CORE_SOURCES":
                    continue
                found.append((folder + "/" + name, target + "/" + header))
    return found


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    if not os.path.isdir(os.path.join(src, "model")):
        print("check-layers: no source tree at " + src, file=sys.stderr)
        return 2
    found = upward_includes(src)
    for source, header in found:
        print(source + " includes " + header + " from a higher layer")
    print("layers " + " < ".join(LAYERS) + ": " + str(len(found)) + " upward includes")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
