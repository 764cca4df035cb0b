#!/usr/bin/env python3
"""Checks the program's translations against its sources.

For each translations/tslq_<language>.ts, lupdate reads src/ into a scratch
copy of the file (without source locations, as the committed files are kept);
the check fails when the copy differs from the committed file (a text was
added, changed or removed in src/ without updating the translations), when
the file holds a vanished text, or when it holds an unfinished one. It prints
the counts of every file.

  scripts/check-translations.py [--allow-unfinished] [--lupdate PATH] [--update]

--allow-unfinished  unfinished texts are counted, not failed
--update            rewrites the committed files from src/ instead of checking
                    (texts no longer in src/ are dropped)
"""
import argparse
import difflib
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOURCES = os.path.join(ROOT, "src")
TRANSLATIONS = os.path.join(ROOT, "translations")
OPTIONS = ["-locations", "none", "-silent"]


def find_lupdate(given):
    if given:
        return given
    for candidate in ("/usr/lib/qt6/bin/lupdate", shutil.which("lupdate6"), shutil.which("lupdate")):
        if candidate and os.access(candidate, os.X_OK):
            return candidate
    sys.exit("check-translations: lupdate not found (install qt6-l10n-tools or give --lupdate)")


def run_lupdate(lupdate, ts_file, extra=()):
    # Relative to src/, so that the result never depends on where the tree is.
    result = subprocess.run([lupdate, *OPTIONS, *extra, ".", "-ts", ts_file], cwd=SOURCES,
                            capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"check-translations: lupdate failed on {ts_file}:\n{result.stdout}{result.stderr}")


def counts(ts_file):
    """(texts, finished, unfinished, vanished) of a .ts file."""
    texts = finished = unfinished = vanished = 0
    for message in ElementTree.parse(ts_file).getroot().iter("message"):
        kind = message.find("translation").get("type", "")
        if kind in ("vanished", "obsolete"):
            vanished += 1
            continue
        texts += 1
        if kind == "unfinished":
            unfinished += 1
        else:
            finished += 1
    return texts, finished, unfinished, vanished


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--allow-unfinished", action="store_true")
    parser.add_argument("--update", action="store_true")
    parser.add_argument("--lupdate")
    args = parser.parse_args()
    lupdate = find_lupdate(args.lupdate)

    ts_files = sorted(f for f in os.listdir(TRANSLATIONS) if f.startswith("tslq_") and f.endswith(".ts"))
    if not ts_files:
        sys.exit("check-translations: no translations/tslq_*.ts")
    if args.update:
        for name in ts_files:
            run_lupdate(lupdate, os.path.join(TRANSLATIONS, name), ["-no-obsolete"])
            print(f"{name}: updated")

    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for name in ts_files:
            committed = os.path.join(TRANSLATIONS, name)
            copy = os.path.join(scratch, name)
            shutil.copyfile(committed, copy)
            run_lupdate(lupdate, copy)
            with open(committed, encoding="utf-8") as f:
                before = f.readlines()
            with open(copy, encoding="utf-8") as f:
                after = f.readlines()
            texts, finished, unfinished, vanished = counts(copy)
            print(f"{name}: {texts} texts, {finished} translated, {unfinished} unfinished, {vanished} vanished")
            if before != after:
                failed = True
                print(f"{name} is not in step with src/ (run scripts/check-translations.py --update):")
                diff = list(difflib.unified_diff(before, after, "committed/" + name, "from-src/" + name))
                sys.stdout.writelines(diff[:60])
                if len(diff) > 60:
                    print(f"... {len(diff) - 60} more diff lines")
            if vanished:
                failed = True
                print(f"{name}: {vanished} vanished text(s): run scripts/check-translations.py --update")
            if unfinished and not args.allow_unfinished:
                failed = True
                print(f"{name}: {unfinished} unfinished text(s)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
