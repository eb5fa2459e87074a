#!/usr/bin/env python3
"""Every text of translations/*.ts has a finished translation that keeps the source's %1-style
arguments, its mnemonic and its tabs (a lost one breaks a caption, a shortcut column or a key)."""
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET


def shape(text):
    return sorted(re.findall(r"%L?\d", text)), text.replace("&&", "").count("&"), text.count("\t")


faults = []
files = glob.glob(os.path.join(sys.argv[1], "translations", "*.ts"))
for path in files:
    for context in ET.parse(path).getroot().iter("context"):
        for message in context.iter("message"):
            source = message.findtext("source", "")
            translation = message.find("translation")
            where = f"{os.path.basename(path)} {context.findtext('name')}: {source!r}"
            if translation is None or translation.get("type") or not (translation.text or ""):
                faults.append(f"{where} has no finished translation")
            elif shape(source) != shape(translation.text):
                faults.append(f"{where} -> {translation.text!r}: arguments, mnemonic or tabs differ")
print("\n".join(faults) or f"{len(files)} translation files complete")
sys.exit(1 if faults or not files else 0)
