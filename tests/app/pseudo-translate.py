#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes a pseudo-translation of a .ts file: every text bracketed and a
third longer, so that a text shown without tr() stands out."""
import copy
import sys
import xml.etree.ElementTree as ET


def pseudo(into, source):
    """Fills `into` with the source text bracketed and padded; characters
    lupdate keeps as <byte> elements stay such elements."""
    into.text = "[" + (source.text or "")
    for child in source:
        into.append(copy.deepcopy(child))
    length = len("".join(source.itertext())) + len(source)
    end = "~" * ((length + 2) // 3) + "]"
    if len(into):
        into[-1].tail = (into[-1].tail or "") + end
    else:
        into.text += end


source, target = sys.argv[1], sys.argv[2]
tree = ET.parse(source)
tree.getroot().set("language", "de_DE")  # two plural forms
for message in tree.iter("message"):
    translation = message.find("translation")
    translation.clear()
    if message.get("numerus") == "yes":
        for _ in range(2):
            pseudo(ET.SubElement(translation, "numerusform"), message.find("source"))
    else:
        pseudo(translation, message.find("source"))
with open(target, "w", encoding="utf-8") as out:
    out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + ET.tostring(tree.getroot(), encoding="unicode"))
