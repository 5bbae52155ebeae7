#!/usr/bin/env python3
"""Translation quality scores for Chinese output: corpus chrF and
character-level BLEU-4, the common definitions.

    score.py HYPOTHESIS REFERENCE       (UTF-8 files, one sentence per line)

chrF: character n-grams of orders 1..6 with whitespace removed, the counts
summed over the whole corpus, then for each order precision, recall and the
F-score with beta = 2; the score is the mean F over the orders that have
n-grams on both sides (the way sacreBLEU computes corpus chrF).

BLEU: every non-blank character is a token; modified n-gram precisions for
n = 1..4 summed over the corpus, geometric mean, brevity penalty from the
corpus lengths (Papineni et al.), no smoothing.
"""

import math
import sys
from collections import Counter

CHRF_ORDER = 6
CHRF_BETA = 2.0
BLEU_ORDER = 4


def _chars(line):
    return "".join(line.split())


def _ngrams(text, n):
    return Counter(text[i:i + n] for i in range(len(text) - n + 1))


def chrf(hypotheses, references, order=CHRF_ORDER, beta=CHRF_BETA):
    """Corpus chrF in percent."""
    hyp_total = [0] * order
    ref_total = [0] * order
    match_total = [0] * order
    for hyp, ref in zip(hypotheses, references):
        h, r = _chars(hyp), _chars(ref)
        for n in range(1, order + 1):
            hg, rg = _ngrams(h, n), _ngrams(r, n)
            hyp_total[n - 1] += sum(hg.values())
            ref_total[n - 1] += sum(rg.values())
            match_total[n - 1] += sum((hg & rg).values())
    factor = beta * beta
    total, effective = 0.0, 0
    for n in range(order):
        if hyp_total[n] == 0 or ref_total[n] == 0:
            continue
        effective += 1
        p = match_total[n] / hyp_total[n]
        r = match_total[n] / ref_total[n]
        if p + r > 0:
            total += (1 + factor) * p * r / (factor * p + r)
    return 100.0 * total / effective if effective else 0.0


def char_bleu(hypotheses, references, order=BLEU_ORDER):
    """Corpus character-level BLEU in percent."""
    matches = [0] * order
    possible = [0] * order
    hyp_len = ref_len = 0
    for hyp, ref in zip(hypotheses, references):
        h, r = _chars(hyp), _chars(ref)
        hyp_len += len(h)
        ref_len += len(r)
        for n in range(1, order + 1):
            hg, rg = _ngrams(h, n), _ngrams(r, n)
            matches[n - 1] += sum((hg & rg).values())
            possible[n - 1] += max(len(h) - n + 1, 0)
    if hyp_len == 0 or min(matches) == 0:
        return 0.0
    log_precision = sum(math.log(m / p) for m, p in zip(matches, possible)) / order
    brevity = 1.0 if hyp_len > ref_len else math.exp(1 - ref_len / hyp_len)
    return 100.0 * brevity * math.exp(log_precision)


def read_lines(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return [line.rstrip("\n") for line in f]


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    hyp, ref = read_lines(argv[1]), read_lines(argv[2])
    if len(hyp) != len(ref):
        print(f"score.py: {argv[1]} has {len(hyp)} lines, {argv[2]} has {len(ref)}", file=sys.stderr)
        return 1
    print(f"chrF {chrf(hyp, ref):.2f}  BLEU {char_bleu(hyp, ref):.2f}  ({len(hyp)} sentences)")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
