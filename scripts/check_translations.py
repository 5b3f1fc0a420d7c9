#!/usr/bin/python3
"""Lists what waits for a translator in Horolux's .ts files.

Usage: scripts/check_translations.py [file.ts ...]
(default: every data/translations/horolux_*.ts). For each file it prints the
entries still unfinished (or empty), and the finished ones whose translation
lost something of the English: a placeholder (%1, %n) or the access key (&).
Each entry is named by its context and the first line of its English. Exits
with 1 when anything is listed, 0 when every file is complete.
"""
import pathlib
import re
import sys
import xml.etree.ElementTree as ElementTree

PLACEHOLDER = re.compile(r"%(?:\d|n)")


def access_keys(text):
    """How many access keys `text` marks: each & before a character, && being a plain &."""
    return len(re.findall(r"&[^&]", text.replace("&&", "")))


def flaws(english, translations):
    """What the translations of `english` lost, as words (an empty list: nothing)."""
    found = []
    for text in translations:
        if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(english)):
            found.append("placeholders differ")
        if access_keys(text) != access_keys(english):
            found.append("access key")
    return found


def problems(path):
    """The (context, English, problem) of each entry of `path` that waits for a translator."""
    found = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            # itertext: a carriage return is a <byte> element inside the text
            english = "".join(message.find("source").itertext())
            translation = message.find("translation")
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            if translation.get("type") == "unfinished" or not all(f.strip() for f in forms):
                found.append((name, english, "unfinished"))
            else:
                found += [(name, english, flaw) for flaw in flaws(english, forms)]
    return found


def main(arguments):
    root = pathlib.Path(__file__).resolve().parent.parent
    paths = arguments or sorted((root / "data" / "translations").glob("horolux_*.ts"))
    total = 0
    for path in paths:
        entries = problems(path)
        total += len(entries)
        print(f"{pathlib.Path(path).name}: {len(entries) or 'nothing'} to translate")
        for context, english, problem in entries:
            first = english.strip().splitlines()[0] if english.strip() else english
            print(f"  {context}: {first} ({problem})")
    return 1 if total else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
