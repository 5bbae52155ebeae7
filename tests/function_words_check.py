#!/usr/bin/env python3
"""Fails when an English function word stands on its own in a translation.

    function_words_check.py TRANSLATIONS

The engine knows every one of these words, so none may reach the output as
English; words the engine does not know ("day-to-day", "Barça", "a.m.") keep
their English and may hold them as parts.
"""
import re
import sys

WORDS = r'(?:the|a|an|to|do|does|did|of|is|are|was|were)'
LETTER = r"0-9A-Za-z\u00C0-\u024F"
FREE = re.compile(r"(?<![%s\-.'’])%s(?![%s\-.'’])" % (LETTER, WORDS, LETTER), re.IGNORECASE)


def main():
    bad = 0
    with open(sys.argv[1], encoding='utf-8', errors='replace') as f:
        for n, line in enumerate(f, 1):
            if FREE.search(line):
                print('%d: %s' % (n, line.rstrip()))
                bad += 1
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
