#!/usr/bin/env python3
"""Writes a pseudo-language catalogue from any of the program's .ts catalogues.

Every text becomes its source with each word made 40 % longer (rounded up) and its
letters accented, between the markers [ and ], so a render shows at once a text that
is cut (a marker missing), one that was never put through tr() (no markers, no
accents) and whether the layout leaves room for longer words. Placeholders (%1, %L1,
%n), HTML tags and entities, and the & of an access key are kept as they are.

    pseudo_language.py IN.ts OUT.ts
"""

import math
import re
import sys
import xml.etree.ElementTree as ET

GROWTH = 0.4
ACCENTED = str.maketrans(
    "aceinouyAEINOUY",
    "áçéíñöüýÅÉÍÑÖÜÝ",
)
# What must survive unchanged: placeholders, tags, entities, and whitespace between words.
KEPT = re.compile(r"(%L?\d+|%n|<[^>]*>|&[a-zA-Z]+;|&#\d+;|\s+)")


def longer_word(word):
    letters = [c for c in word if c.isalpha()]
    if not letters:
        return word
    extra = math.ceil(len(word) * GROWTH)
    # The padding repeats the word's own letters, so the longer word is one word still.
    padding = "".join(letters[i % len(letters)].lower() for i in range(extra))
    return (word + padding).translate(ACCENTED)


def pseudo(text):
    if not text.strip():
        return text
    parts = KEPT.split(text)
    out = []
    for part in parts:
        if not part or KEPT.fullmatch(part):
            out.append(part)
        else:
            out.append(longer_word(part))
    return "[" + "".join(out) + "]"


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: pseudo_language.py IN.ts OUT.ts\n")
        return 2
    tree = ET.parse(argv[1])
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        source = message.find("source")
        translation = message.find("translation")
        if source is None or translation is None:
            continue
        text = pseudo(source.text or "")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if message.get("numerus") == "yes":
            for form in forms:
                translation.remove(form)
            # English has two plural forms; both keep %n.
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(argv[2], encoding="utf-8", xml_declaration=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
