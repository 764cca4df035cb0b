#!/usr/bin/env python3
"""Checks the translated help topics against the English ones.

For every language folder under help/ (help/de, help/ja, ...):
- each page names its language (<html lang="..">) and declares UTF-8;
- every F1 context of help/contexts.txt whose page the language has finds
  its anchor (name="..") there;
- every link leads to a page of the same folder, and to its anchor there.
The English pages' own links and contexts are checked too. English pages
that a language does not have yet, and anchors that differ from the English
page's, are listed (the viewer shows the English page for a missing one);
with --strict they count as faults. --words prints the word count of every
language (Japanese: characters other than spaces and markup, divided by
two, a usual estimate of words for Japanese text).

Exit status 0 when everything holds, 1 otherwise.
"""
import argparse
import html
import re
import sys
from pathlib import Path

ANCHOR = re.compile(r'name="([^"]+)"')
LINK = re.compile(r'href="([^"]+)"')
TAG = re.compile(r"<[^>]+>")


def anchors(text):
    return set(ANCHOR.findall(text))


def check_links(folder, page, text, faults):
    for target in LINK.findall(text):
        if re.match(r"[a-z]+:", target):
            continue  # an external address
        file, _, anchor = target.partition("#")
        linked = folder / file if file else page
        if not linked.is_file():
            faults.append(f"{page}: link {target}: no file {linked}")
            continue
        if anchor and anchor not in anchors(linked.read_text(encoding="utf-8")):
            faults.append(f"{page}: link {target}: no anchor {anchor}")


def contexts(english):
    """The topics of the context table: (number, file, anchor)."""
    for line in (english / "contexts.txt").read_text(encoding="utf-8").splitlines():
        fields = line.split()
        if len(fields) >= 2 and not line.startswith("#"):
            file, _, anchor = fields[1].partition("#")
            yield fields[0], file, anchor


def check_contexts(english, folder, faults):
    for number, file, anchor in contexts(english):
        page = folder / file
        if folder != english and not page.is_file():
            continue  # the viewer shows the English page
        if not page.is_file():
            faults.append(f"context {number}: no page {page}")
        elif anchor and anchor not in anchors(page.read_text(encoding="utf-8")):
            faults.append(f"context {number}: no anchor {anchor} in {page}")


def words(text, cjk):
    body = html.unescape(TAG.sub(" ", text))
    if not cjk:
        return len(body.split())
    return len(re.sub(r"\s", "", body)) // 2


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--help-folder", default=Path(__file__).resolve().parent.parent / "help", type=Path)
    parser.add_argument("--strict", action="store_true", help="a missing translation is a fault")
    parser.add_argument("--words", action="store_true", help="print word counts")
    args = parser.parse_args()

    english = args.help_folder
    faults, notes = [], []
    pages = sorted(english.glob("*.html"))
    for page in pages:
        check_links(english, page, page.read_text(encoding="utf-8"), faults)
    check_contexts(english, english, faults)
    counts = {"en": sum(words(p.read_text(encoding="utf-8"), False) for p in pages)}

    for folder in sorted(p for p in english.iterdir() if p.is_dir()):
        lang = folder.name
        if (folder / "contexts.txt").exists():
            faults.append(f"{folder}/contexts.txt: the context table is shared, keep it in {english} only")
        total = 0
        for page in sorted(folder.glob("*.html")):
            text = page.read_text(encoding="utf-8")
            total += words(text, lang in ("ja", "zh", "ko"))
            source = english / page.name
            if not source.is_file():
                faults.append(f"{page}: no English page {page.name}")
                continue
            if not re.search(rf'<html[^>]*\blang="{re.escape(lang)}"', text):
                faults.append(f'{page}: no <html lang="{lang}">')
            if not re.search(r'<meta[^>]*charset="?utf-8', text, re.IGNORECASE):
                faults.append(f"{page}: no UTF-8 meta charset")
            wanted, found = anchors(source.read_text(encoding="utf-8")), anchors(text)
            if wanted != found:
                (faults if args.strict else notes).append(f"{page}: anchors differ from {source}: "
                              f"missing {sorted(wanted - found)}, extra {sorted(found - wanted)}")
            check_links(folder, page, text, faults)
        check_contexts(english, folder, faults)
        counts[lang] = total
        missing = [p.name for p in pages if not (folder / p.name).is_file()]
        if missing:
            (faults if args.strict else notes).append(f"{folder}: not translated yet: {' '.join(missing)}")

    for line in notes:
        print("note:", line)
    for line in faults:
        print("fault:", line)
    if args.words:
        for lang, count in counts.items():
            print(f"words {lang}: {count}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
