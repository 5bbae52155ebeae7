#!/usr/bin/env python3
"""Runs `wenb97 page` over pages nobody here wrote and checks that every tag,
comment and declaration comes back as the page had it (apart from the
attributes the filter rewrites on purpose), and that no page fails or hangs.

usage: markup_check.py WENB97 [PAGE_OR_DIR ...]   (default: /usr/share/doc)
"""
import html.parser
import os
import re
import subprocess
import sys

REWRITTEN = re.compile(r'^<(img|input|frame|a|meta|font|basefont)\b', re.I)
BASE = b'<base href="http://example.com/x.html">'
LIMIT = int(os.environ.get('WB_MARKUP_LIMIT', '400'))


class Tags(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=False)
        self.tags = []

    def handle_starttag(self, tag, attrs):
        self.tags.append(self.get_starttag_text())

    handle_startendtag = handle_starttag

    def handle_endtag(self, tag):
        self.tags.append('</' + tag + '>')

    def handle_comment(self, data):
        self.tags.append('<!--' + data + '-->')

    def handle_decl(self, decl):
        self.tags.append('<!' + decl + '>')


def tags(data):
    p = Tags()
    p.feed(data.decode('latin-1'))
    p.close()
    return p.tags


def as_gb(src):
    """The page as GB output carries it: a UTF-8 page turned into GBK, the
    characters GBK lacks as numeric character references; any other page
    as it is."""
    bom = src.startswith(b'\xef\xbb\xbf')
    body = src[3:] if bom else src
    if not bom and all(b < 0x80 for b in body):
        return src
    try:
        text = body.decode('utf-8')
    except UnicodeDecodeError:
        return src
    out = []
    for ch in text:
        try:
            out.append(ch.encode('gbk'))
        except UnicodeEncodeError:
            out.append(b'&#%d;' % ord(ch))
    return b''.join(out)


def pages(args):
    for a in args:
        if os.path.isdir(a):
            for root, _, files in sorted(os.walk(a)):
                for f in sorted(files):
                    if f.lower().endswith(('.html', '.htm')):
                        yield os.path.join(root, f)
        elif os.path.isfile(a):
            yield a


def main():
    wenb97 = sys.argv[1]
    found = list(pages(sys.argv[2:] or ['/usr/share/doc']))[:LIMIT]
    bad = 0
    for f in found:
        with open(f, 'rb') as fh:
            src = fh.read()
        try:
            r = subprocess.run([wenb97, 'page', f, '--encoding', 'gbk', '--url', 'http://example.com/x.html'],
                               capture_output=True, timeout=60)
        except subprocess.TimeoutExpired:
            print('HANG', f)
            bad += 1
            continue
        if r.returncode != 0 or not r.stdout.startswith(BASE):
            print('FAIL', f, r.returncode, r.stderr[:200])
            bad += 1
            continue
        a, b = tags(as_gb(src)), tags(r.stdout[len(BASE):])
        if len(a) != len(b):
            print('COUNT', f, len(a), len(b))
            bad += 1
            continue
        for x, y in zip(a, b):
            if x != y and not REWRITTEN.match(x):
                print('DIFF', f, repr(x[:120]), repr(y[:120]))
                bad += 1
                break
    print('%d passed, %d failed' % (len(found) - bad, bad))
    return 1 if bad else 0


if __name__ == '__main__':
    sys.exit(main())
