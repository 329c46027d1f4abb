#!/usr/bin/env python3
"""Lists the verbs whose vos forms (Present and Imperative) come out wrong from
the engine. The data file cannot override those two forms, so the list is for
the engine's owner.

The engine builds stem + ás/és/ís (Present) and stem + á/é/í (Imperative), and
drops the accent of a Present form of at most four letters. The norm keeps the
accent on every form of more than one syllable (amás, leés, oís) and drops it
only on monosyllables (das, ves, crias, fluis).

Usage: vos_check.py < data/verbs.txt
"""
import re
import sys

ACCENT = {"a": "á", "e": "é", "i": "í"}
SPECIAL = {"ser": ("sos", "sé"), "ir": ("vas", "andá"), "haber": ("has", None)}


def syllables(word):
    """Syllables for spelling purposes: unstressed i and u join the next vowel."""
    count = 0
    for group in re.findall(r"[aeiouáéíóúü]+", word):
        count += 1
        for a, b in zip(group, group[1:]):
            if (a in "aeoáéó" and b in "aeoáéó") or a in "íú" or b in "íú":
                count += 1
    return count


def engine_forms(verb):
    theme = "aei"[0 if verb[-2:] == "ar" else 1 if verb[-2:] == "er" else 2]
    stem = verb[:-2]
    present = stem + ACCENT[theme] + "s"
    if len(present) <= 4:
        present = present[:-2] + theme + "s"
    forms = {"ser": ("sos", stem + "é"), "ir": ("vas", "andá")}
    return forms.get(verb, (present, stem + ACCENT[theme]))


def norm_forms(verb):
    if verb in SPECIAL:
        return SPECIAL[verb]
    theme = "aei"[0 if verb[-2:] == "ar" else 1 if verb[-2:] == "er" else 2]
    stem = verb[:-2]
    present, imperative = stem + ACCENT[theme] + "s", stem + ACCENT[theme]
    hiatus = theme == "i" and stem[-1:] in ("a", "e", "o")  # oís, reís
    if not hiatus and syllables(stem + theme + "s") == 1:
        present = stem + theme + "s"
    if not hiatus and syllables(stem + theme) == 1:
        imperative = stem + theme
    return present, imperative


def main():
    for line in sys.stdin:
        if not line.startswith("@"):
            continue
        verb = line[1:].split(";")[0].strip()
        got, want = engine_forms(verb), norm_forms(verb)
        for tense, g, w in (("Present", got[0], want[0]), ("Imperative", got[1], want[1])):
            if w is not None and g != w:
                print("%s: %s vos %s, should be %s" % (verb, tense, g, w))


if __name__ == "__main__":
    main()
