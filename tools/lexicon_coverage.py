#!/usr/bin/env python3
"""Measures how much of an English text the lexicon covers.

Runs `wenb97 analyse` over a file with one sentence per line and counts the
word tokens (tokens with a letter; punctuation and numbers are left out) that
the lexical stage found in the lexicon, that is whose flags do not hold
WF_NOTFOUND. Prints the share found and the most frequent words still guessed.

usage: tools/lexicon_coverage.py WENB97 FILE [--top N] [--list]
"""

import argparse
import collections
import re
import signal
import subprocess
import sys

# The engine keeps at most 49 words of a sentence; longer lines are measured
# in pieces of this many blank-separated words so that no word is lost.
PIECE_WORDS = 30

LETTER = re.compile(r"[A-Za-z]")


def pieces(lines):
    for line in lines:
        words = line.split()
        for i in range(0, len(words), PIECE_WORDS):
            piece = " ".join(words[i:i + PIECE_WORDS])
            if piece:
                yield piece


def analyse(wenb97, text_lines):
    proc = subprocess.run([wenb97, "analyse"], input="\n".join(text_lines) + "\n",
                          capture_output=True, text=True, encoding="utf-8", errors="replace")
    if proc.returncode != 0:
        sys.stderr.write(proc.stderr)
        raise SystemExit("lexicon_coverage: %s analyse failed (exit %d)" % (wenb97, proc.returncode))
    for line in proc.stdout.splitlines():
        cols = line.split("\t")
        if len(cols) < 7 or cols[0] == "pos":
            continue
        yield cols


def is_word(surface):
    if surface in ("$s",) or not LETTER.search(surface):
        return False
    return not surface[0].isdigit()


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quiet when piped into head
    ap = argparse.ArgumentParser(description="share of word tokens found in the lexicon")
    ap.add_argument("wenb97", help="path of the wenb97 program (LEXICON.MTX beside it)")
    ap.add_argument("file", help="English text, one sentence per line")
    ap.add_argument("--top", type=int, default=30, help="how many guessed words to list")
    ap.add_argument("--list", action="store_true", help="list every guessed word with its count")
    args = ap.parse_args()

    with open(args.file, encoding="utf-8") as f:
        lines = [line.strip() for line in f if line.strip()]
    total = found = 0
    guessed = collections.Counter()
    for cols in analyse(args.wenb97, list(pieces(lines))):
        surface, flags = cols[1], cols[3]
        if not is_word(surface):
            continue
        total += 1
        if "WF_NOTFOUND" in flags.split("|"):
            guessed[surface] += 1
        else:
            found += 1
    share = 100.0 * found / total if total else 0.0
    print("%s: %d word tokens, %d found, %d guessed: %.2f%% found"
          % (args.file, total, found, total - found, share))
    top = guessed.most_common(None if args.list else args.top)
    print("most frequent guessed words:")
    for word, n in top:
        print("  %5d  %s" % (n, word))


if __name__ == "__main__":
    main()
