#!/usr/bin/python3
"""Lists the entries of Horolux's .ts files that still wait for a translator.

Usage: scripts/unfinished_translations.py [file.ts ...]
(default: every data/translations/horolux_*.ts). Prints each file's unfinished
entries, one a line as context: first line of the English, and a count per
file. Exits with 1 when any is unfinished, 0 when every file is complete.
"""
import pathlib
import sys
import xml.etree.ElementTree as ElementTree


def unfinished(path):
    """The (context, English) pairs of `path` whose translation is unfinished or empty."""
    found = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") == "unfinished" or not (translation.text or "").strip():
                found.append((name, message.findtext("source") or ""))
    return found


def main(arguments):
    root = pathlib.Path(__file__).resolve().parent.parent
    paths = arguments or sorted((root / "data" / "translations").glob("horolux_*.ts"))
    total = 0
    for path in paths:
        entries = unfinished(path)
        total += len(entries)
        print(f"{pathlib.Path(path).name}: {len(entries)} unfinished")
        for context, english in entries:
            first = english.strip().splitlines()[0] if english.strip() else english
            print(f"  {context}: {first}")
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
