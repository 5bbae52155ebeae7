#!/usr/bin/env python3
"""Translates the development sets with the built tool and scores them.

    bench/eval_dev.py [--tool build/bin/wenb97] [--eval-dir ../shared/eval]
                      [--out DIR] [SET ...]

For every SET (default: each *-dev.en.txt in the evaluation folder) the
English is translated line by line with `wenb97 sentence` (UTF-8 out), the
translation is kept in DIR/SET.hyp.txt (default: build/eval) and scored
against SET.zh.txt with corpus chrF and character-level BLEU-4 (score.py).
Also reports words per second of the whole run, lexicon load included.
"""

import argparse
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import score  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
TOP = os.path.dirname(HERE)


def default_eval_dir():
    # A clone beside shared/, or a worktree one folder further down.
    for candidate in (os.path.join(TOP, "..", "shared", "eval"), os.path.join(TOP, "..", "..", "shared", "eval"),
                      os.path.join(TOP, "eval")):
        if os.path.isdir(candidate):
            return os.path.normpath(candidate)
    return os.path.join(TOP, "..", "shared", "eval")


def translate(tool, english_path):
    with open(english_path, "rb") as f:
        source = f.read()
    start = time.perf_counter()
    run = subprocess.run([tool, "sentence"], input=source, stdout=subprocess.PIPE, check=True)
    seconds = time.perf_counter() - start
    return run.stdout.decode("utf-8", errors="replace").split("\n")[:-1], seconds, len(source.split())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--tool", default=os.path.join(TOP, "build", "bin", "wenb97"))
    parser.add_argument("--eval-dir", default=default_eval_dir())
    parser.add_argument("--out", default=os.path.join(TOP, "build", "eval"))
    parser.add_argument("sets", nargs="*")
    args = parser.parse_args()

    sets = args.sets or sorted(n[: -len(".en.txt")] for n in os.listdir(args.eval_dir) if n.endswith("-dev.en.txt"))
    os.makedirs(args.out, exist_ok=True)
    for name in sets:
        english = os.path.join(args.eval_dir, name + ".en.txt")
        refs = score.read_lines(os.path.join(args.eval_dir, name + ".zh.txt"))
        hyps, seconds, words = translate(args.tool, english)
        if len(hyps) != len(refs):
            print(f"{name}: {len(hyps)} translations for {len(refs)} references", file=sys.stderr)
            return 1
        with open(os.path.join(args.out, name + ".hyp.txt"), "w", encoding="utf-8") as f:
            f.write("\n".join(hyps) + "\n")
        print(f"{name:14s} chrF {score.chrf(hyps, refs):6.2f}  BLEU {score.char_bleu(hyps, refs):6.2f}"
              f"  {len(refs)} sentences, {words} words, {words / seconds:,.0f} words/s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
