#!/usr/bin/env python3
"""Drafts verb blocks for data/verbs.txt from the apertium Spanish generator.

Input: lines "infinitive;translation" (or "@infinitive;translation").
Output: one block per verb holding only the cells where the generator's form
differs from the regular form our engine builds. Every drafted line is a
proposal to review, never copied blindly: the generator has slips.

Usage: verbdraft.py [--generator FILE] [--show] < list.txt > blocks.txt
  --show  print every cell side by side (regular / generator) for review.
"""
import argparse
import subprocess
import sys

GENERATOR = "/usr/share/apertium/apertium-eng-spa/eng-spa.autogen.bin"

# File tense code -> (engine tense code, generator tense tag).
ROWS = [(-2, 4, "pp"), (-1, 15, "ger"), (0, 8, "imp"), (1, 1, "pri"),
        (2, 3, "pii"), (3, 2, "ifi"), (4, 6, "fti"), (5, 7, "cni"),
        (6, 9, "prs"), (7, 10, "pis")]
# Column 1..6 -> (engine person code, generator person tags).
COLUMNS = [(1, "<p1><sg>"), (2, "<p2><sg>"), (4, "<p3><sg>"),
           (7, "<p1><pl>"), (9, "<p3><pl>"), (8, "<p2><pl>")]
KINDS = ["vblex", "vbser", "vbhaver", "vbmod"]

PRESENT = {0: {1: "o", 2: "as", 3: "ás", 4: "a", 7: "amos", 8: "áis", 9: "an"},
           1: {1: "o", 2: "es", 3: "és", 4: "e", 7: "emos", 8: "éis", 9: "en"},
           2: {1: "o", 2: "es", 3: "ís", 4: "e", 7: "imos", 8: "ís", 9: "en"}}
PAST = {0: {1: "é", 2: "aste", 4: "ó", 7: "amos", 8: "asteis", 9: "aron"},
        1: {1: "í", 2: "iste", 4: "ió", 7: "imos", 8: "isteis", 9: "ieron"}}
IMPERFECT = {0: {1: "aba", 2: "abas", 4: "aba", 7: "ábamos", 8: "abais", 9: "aban"},
             1: {1: "ía", 2: "ías", 4: "ía", 7: "íamos", 8: "íais", 9: "ían"}}
FUTURE = {1: "ré", 2: "rás", 4: "rá", 7: "remos", 8: "réis", 9: "rán"}
CONDITIONAL = {1: "ría", 2: "rías", 4: "ría", 7: "ríamos", 8: "ríais", 9: "rían"}
IMPERATIVE = {0: {2: "a", 3: "á", 4: "e", 8: "ad", 9: "en"},
              1: {2: "e", 3: "é", 4: "a", 8: "ed", 9: "an"},
              2: {2: "e", 3: "í", 4: "a", 8: "id", 9: "an"}}
SUBJ = {0: {1: "e", 2: "es", 4: "e", 7: "emos", 8: "éis", 9: "en"},
        1: {1: "a", 2: "as", 4: "a", 7: "amos", 8: "áis", 9: "an"}}
SUBJ_PAST = {0: {1: "ara", 2: "aras", 4: "ara", 7: "áramos", 8: "arais", 9: "aran"},
             1: {1: "iera", 2: "ieras", 4: "iera", 7: "iéramos", 8: "ierais", 9: "ieran"}}


def sort_key(infinitive):
    """Alphabetical order by the unaccented letters (ñ as n, ü as u)."""
    return infinitive.translate(str.maketrans("áéíóúüñ", "aeiouun"))


def verb_class(infinitive):
    base = infinitive[:-2] if infinitive.endswith("se") else infinitive
    end = base[-2:]
    return 0 if end in ("ar", "ár") else 1 if end in ("er", "ér") else 2


def regular(infinitive, person, tense):
    """The form our engine generates (mirrors its ending tables)."""
    base = infinitive[:-2] if infinitive.endswith("se") else infinitive
    stem, cls = base[:-2], verb_class(infinitive)
    two = min(cls, 1)
    p = {5: 4, 6: 4, 10: 9, 11: 9}.get(person, person)
    if tense != 1 and tense != 8 and p == 3:
        p = 2
    table = {1: PRESENT[cls], 2: PAST[two], 3: IMPERFECT[two], 8: IMPERATIVE[cls],
             9: SUBJ[two], 10: SUBJ_PAST[two]}.get(tense)
    if table is not None:
        ending = table.get(p, "ERROR")
    elif tense in (6, 7):
        ending = "aei"[cls] + (FUTURE if tense == 6 else CONDITIONAL).get(p, "ERROR")
    elif tense in (4, 5, 11, 12, 13, 14):
        ending = "ado" if cls == 0 else "ido"
    elif tense == 15:
        ending = "ando" if cls == 0 else "iendo"
    else:
        ending = "ERROR"
    return stem + ending


def query(tag_of, infinitive, code, column):
    tag = next(t for c, _, t in ROWS if c == code)
    if code in (-2, -1):
        suffix = "<pp><m><sg>" if code == -2 else "<ger>"
    else:
        suffix = "<%s>%s" % (tag, COLUMNS[column][1])
    return "^%s<%s>%s$" % (infinitive, tag_of, suffix)


def generate(queries, generator):
    out = subprocess.run(["lt-proc", "-g", generator], input="\n".join(queries) + "\n",
                         capture_output=True, text=True, check=True).stdout
    lines = out.split("\n")
    return lines[:len(queries)]


def cells_of(code):
    if code in (-2, -1):
        return [0]
    if code == 0:
        return [1, 2, 4, 5]
    return range(6)


def read_corrections(path):
    """'like VERB MODEL' borrows MODEL's generator forms for a verb the generator
    lacks (the model's prefix swapped for the verb's); 'set VERB CODE COL FORM'
    forces a cell, FORM '-' making it regular."""
    likes, sets = {}, {}
    if not path:
        return likes, sets
    for raw in open(path, encoding="utf-8"):
        words = raw.split("#", 1)[0].split()
        if not words:
            continue
        if words[0] == "like" and len(words) == 3:
            likes[words[1]] = words[2]
        elif words[0] == "set" and len(words) == 5:
            form = "" if words[4] == "-" else words[4]
            sets[(words[1], int(words[2]), int(words[3]) - 1)] = form
        else:
            sys.exit("bad correction line: " + raw.strip())
    return likes, sets


VOWELS = "aeiouáéíóúü"


def split_stem(infinitive):
    """Stem around its last vowel: (before, after) the vowel."""
    stem = infinitive[:-2]
    i = max(stem.rfind(v) for v in VOWELS)
    return stem[:i], stem[i + 1:]


def swap_prefix(form, model, verb):
    """Moves a model verb's form onto a verb conjugated like it: swap the part
    before their shared ending (volar -> colar), or else the letters around the
    stem vowel, keeping its change (pensar -> helar: piensa -> hiela)."""
    n = 0
    while n < min(len(model), len(verb)) and model[-1 - n] == verb[-1 - n]:
        n += 1
    old, new = model[:len(model) - n], verb[:len(verb) - n]
    if form.startswith(old):
        return new + form[len(old):]
    (mb, ma), (vb, va) = split_stem(model), split_stem(verb)
    if form.startswith(mb):
        rest = form[len(mb):]
        j = 0
        while j < len(rest) and rest[j] in VOWELS:
            j += 1
        if j > 0 and rest[j:].startswith(ma):
            return vb + rest[:j] + va + rest[j + len(ma):]
    return "#" + form


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--generator", default=GENERATOR)
    ap.add_argument("--show", action="store_true")
    ap.add_argument("--models", help="verbs the generator lacks, with a model verb")
    ap.add_argument("--corrections", help="file of reviewed corrections (see corrections.txt)")
    args = ap.parse_args()
    likes, sets = read_corrections(args.corrections)
    if args.models:
        for raw in open(args.models, encoding="utf-8"):
            words = raw.split("#", 1)[0].split()
            if len(words) == 2:
                likes[words[0]] = words[1]
    verbs = []
    for line in sys.stdin:
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        inf, _, tr = line.lstrip("@").partition(";")
        verbs.append((inf.strip(), tr.strip()))
    verbs.sort(key=lambda v: (sort_key(v[0]), v[0]))
    # Find the generator's tag for each verb.
    asked = [likes.get(inf, inf) for inf, _ in verbs]
    probes = [query(k, inf, 1, 0) for inf in asked for k in KINDS]
    answers = generate(probes, args.generator)
    kinds = {}
    for i, (inf, _) in enumerate(verbs):
        inf = asked[i]
        for j, k in enumerate(KINDS):
            a = answers[i * len(KINDS) + j]
            if a and not a.startswith("#"):
                kinds[inf] = k
                break
    queries, keys = [], []
    for inf in asked:
        if inf not in kinds:
            continue
        for code, _, _ in ROWS:
            for col in cells_of(code):
                queries.append(query(kinds[inf], inf, code, col))
                keys.append((inf, code, col))
    got = dict(zip(keys, generate(queries, args.generator)))
    for inf, tr in verbs:
        print("@%s;%s" % (inf, tr))
        model = likes.get(inf, inf)
        known = model in kinds
        if not known:
            print("%s: generator does not know this verb" % inf, file=sys.stderr)
        for code, tense, _ in ROWS:
            cells = [""] * 6
            for col in cells_of(code):
                person = COLUMNS[col][0]
                reg = regular(inf, person, tense)
                gen = got[(model, code, col)] if known else "#"
                if model != inf:
                    gen = swap_prefix(gen, model, inf)

                if args.show:
                    print("#  %2d col%d regular=%s generator=%s" % (code, col + 1, reg, gen))
                if (inf, code, col) in sets:
                    gen = sets[(inf, code, col)] or reg
                if gen.startswith("#") or "/" in gen:
                    if known:
                        print("%s: check %d col %d: generator gives %s" % (inf, code, col + 1, gen),
                              file=sys.stderr)
                    continue
                if gen != reg:
                    cells[col] = gen
            if not any(cells):
                continue
            if code in (-2, -1):
                print("%s:%s" % ("%02d" % code if code >= 0 else str(code), cells[0]))
            else:
                print("%02d:%s" % (code, ",".join(cells)))
        print()


if __name__ == "__main__":
    main()
