#!/usr/bin/env python3
"""Checks that every text of the program is translated into every language.

Usage: check_translations.py LUPDATE SOURCE_DIR

Gathers the texts of the sources into copies of the .ts files (the files in the
repository are not touched), then fails when a text is new or unfinished in any
language, or when a translation drops or adds a placeholder (%1) or changes the
number of parts of a file-type filter (the "|" or ";;" separators).
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

lupdate, source = sys.argv[1], Path(sys.argv[2])
folder = source / "resources" / "translations"
problems = []
with tempfile.TemporaryDirectory() as scratch:
    copies = []
    for ts in sorted(folder.glob("daybloom_*.ts")):
        copy = Path(scratch) / ts.name
        shutil.copy(ts, copy)
        copies.append(copy)
    if len(copies) != 5:
        problems.append(f"expected the five languages' .ts files, found {[c.name for c in copies]}")
    subprocess.run([lupdate, "-I", str(source), "-locations", "none", "-no-ui-lines", "-silent",
                    *(str(source / part) for part in ("core", "windows", "app", "office")),
                    "-ts", *map(str, copies)], check=True)
    for copy in copies:
        for context in ET.parse(copy).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                text = message.findtext("source") or ""
                translation = message.find("translation")
                kind = translation.get("type")
                if kind in ("vanished", "obsolete"):
                    continue
                where = f"{copy.name} {name}: {text[:60]!r}"
                translated = translation.text or ""
                if kind == "unfinished" or not translated:
                    problems.append(f"{where} is not translated")
                    continue
                if sorted(re.findall(r"%\d", text)) != sorted(re.findall(r"%\d", translated)):
                    problems.append(f"{where} has other placeholders: {translated[:60]!r}")
                for separator in ("|", ";;"):
                    if text.count(separator) != translated.count(separator):
                        problems.append(f"{where} has another number of {separator!r}: {translated[:60]!r}")
for problem in problems:
    print(problem)
sys.exit(1 if problems else 0)
