#!/usr/bin/env python3
"""Writes translations/tresk_LANG.ts from a translator's tables.

Usage: translations/import_tables.py TABLES

TABLES holds phrases.txt ("id<TAB>English<TAB>where", one a line) and LANG.tsv for each language
("id<TAB>translation"). The texts are those that lupdate finds in ui/, each in its own context,
and the phrases it does not find there, which the window's Form1 will ask for, less the names that
no table translates. Every entry is written finished; afterwards the update_translations target
and Qt Linguist keep the files.
"""
import pathlib
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

here = pathlib.Path(__file__).resolve().parent
tables = pathlib.Path(sys.argv[1])


def table(path, columns):
    rows = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            fields = line.split("\t")
            rows[fields[0]] = fields[columns]
    return rows


english = table(tables / "phrases.txt", 1)
with tempfile.TemporaryDirectory() as scratch:
    found = pathlib.Path(scratch) / "found.ts"
    subprocess.run(["/usr/lib/qt6/bin/lupdate", "-silent", "../ui", "-ts", str(found)],
                   cwd=here, check=True)
    code = ET.parse(found).getroot()

translations = {tsv.stem: table(tsv, 1) for tsv in sorted(tables.glob("*.tsv"))}
# context -> sources, the code's first, then the phrases the code lacks
contexts = {}
for context in code.iter("context"):
    contexts[context.findtext("name")] = [m.findtext("source") for m in context.iter("message")]
known = {source for sources in contexts.values() for source in sources}
for key, source in english.items():
    if source not in known and any(t[key] != source for t in translations.values()):
        contexts["Form1"].append(source)
        known.add(source)
ids = {source: key for key, source in reversed(english.items())}

for language, translated in translations.items():
    ts = ET.Element("TS", version="2.1", language=language, sourcelanguage="en")
    for name, messages in contexts.items():
        context = ET.SubElement(ts, "context")
        ET.SubElement(context, "name").text = name
        for source in messages:
            message = ET.SubElement(context, "message")
            ET.SubElement(message, "source").text = source
            ET.SubElement(message, "translation").text = translated[ids[source]]
    ET.indent(ts, space="    ")
    with open(here / f"tresk_{language}.ts", "w", encoding="utf-8") as out:
        out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        # Contexts at the margin, as lupdate writes them.
        out.write(ET.tostring(ts, encoding="unicode").replace("\n    ", "\n") + "\n")
