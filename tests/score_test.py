#!/usr/bin/env python3
"""The quality scorer agrees with the published definitions."""

import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "bench"))
import score  # noqa: E402


class ChrF(unittest.TestCase):
    def test_matches_the_reference_implementation(self):
        # Values from the sacreBLEU metric card (chrF, order 6, beta 2).
        self.assertAlmostEqual(
            score.chrf(["The relationship between Obama and Netanyahu is not exactly friendly."],
                       ["The ties between Obama and Netanyahu are not particularly friendly."]), 61.5764, places=3)
        self.assertAlmostEqual(
            score.chrf(["The relationship between cats and dogs is not exactly friendly.",
                        "a good bookshop is just a genteel black hole that knows how to read."],
                       ["The relationship between dogs and cats is not exactly friendly.",
                        "A good bookshop is just a genteel Black Hole that knows how to read."]), 84.6421, places=3)

    def test_whitespace_is_ignored_and_identity_scores_100(self):
        self.assertAlmostEqual(score.chrf(["我 喜欢 猫。"], ["我喜欢猫。"]), 100.0)
        self.assertEqual(score.chrf([""], ["猫"]), 0.0)

    def test_counts_are_summed_over_the_corpus(self):
        # A corpus score is not the mean of sentence scores: a long perfect
        # sentence outweighs a short wrong one.
        long_ok = "今天天气很好我们去公园散步吧"
        self.assertGreater(score.chrf([long_ok, "狗"], [long_ok, "猫"]), 80.0)


class CharBleu(unittest.TestCase):
    def test_identity_and_disjoint(self):
        self.assertAlmostEqual(score.char_bleu(["我们去公园散步"], ["我们去公园散步"]), 100.0)
        self.assertEqual(score.char_bleu(["狗狗狗狗狗"], ["我们去公园"]), 0.0)

    def test_brevity_penalty(self):
        # Every n-gram of the hypothesis matches, but it has 5 of 10 characters.
        self.assertAlmostEqual(score.char_bleu(["一二三四五"], ["一二三四五六七八九十"]), 100.0 * 2.718281828 ** (1 - 2), places=3)


if __name__ == "__main__":
    unittest.main()
