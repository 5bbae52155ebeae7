#!/usr/bin/env python3
"""Compares a page the toolbar translated with what `wenb97 page` makes of
the same file and settings.

    compare_pages.py EXPECTED ACTUAL [--exact] [--text]

The mark-up must be the same, tag for tag and byte for byte, except where
each names the folder that holds the translated frame pages (the toolbar's
"cache" folder, the tool's --frame-dir), which is set aside. The text
between two tags must be there in both or in neither. The words themselves
may differ: the engine chooses a word's sense by the sentences it has read
before, and the toolbar's engine has read the pages before this one.
--exact compares every byte (for the first page a fresh toolbar translates).
--text compares a plain-text page line by line, by whether each line holds
anything.
"""
import re
import sys

FRAME_DIR = re.compile(rb'(src=")file:[^"]*[\\/]([^"\\/]*")', re.IGNORECASE)


def normalised(path):
    with open(path, 'rb') as f:
        return FRAME_DIR.sub(rb'\1FRAMEDIR/\2', f.read())


def pieces(page):
    """Tags and the text between them, in order."""
    parts = re.split(rb'(<[^>]*>)', page)
    tags = [p for p in parts if p.startswith(b'<')]
    texts = [p.strip() != b'' for p in parts if not p.startswith(b'<')]
    return tags, texts


def main():
    expected, actual = normalised(sys.argv[1]), normalised(sys.argv[2])
    if '--exact' in sys.argv:
        if expected != actual:
            print('pages differ:\n  expected %r\n  actual   %r' % (expected[:400], actual[:400]))
            return 1
        return 0
    if '--text' in sys.argv:
        e = [line.strip() != b'' for line in expected.split(b'\n')]
        a = [line.strip() != b'' for line in actual.split(b'\n')]
        if e != a:
            print('lines differ: expected %s, actual %s' % (e, a))
            return 1
        return 0
    e_tags, e_texts = pieces(expected)
    a_tags, a_texts = pieces(actual)
    for k, (e, a) in enumerate(zip(e_tags, a_tags)):
        if e != a:
            print('tag %d differs: expected %r, actual %r' % (k, e, a))
            return 1
    if len(e_tags) != len(a_tags):
        print('%d tags expected, %d found' % (len(e_tags), len(a_tags)))
        return 1
    if e_texts != a_texts:
        print('text between tags differs: expected %s, actual %s' % (e_texts, a_texts))
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
