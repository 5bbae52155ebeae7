#pragma once
// The link test: may the word at D depend on the word at H, given the
// categories the parse gave them? The link rules (grammar.h) say which pairs
// of categories may link, on which side and with which relation; each rule
// names a numbered check that looks closer at the two words and the tree
// built so far.

#include "engine/analysis/sentence_context.h"
#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"

namespace wb {

// What the link test answers.
struct LinkVerdict {
  bool allowed = false;
  Relation relation = rmod;  // the rule's, unless a check changed it
  int score = 0;             // penalties below 0, bonuses above
  // 1: the link is certain and made without keeping the unlinked
  // alternative. 0: both alternatives are kept. 2: both are kept and the
  // score goes with the unlinked one.
  int fork = 1;
  int rule = 0;  // the rule applied; 0 when none applies
};

// The words of the sentence the parse is working on: the sentence's own
// table, and the stretch of it that the current fragment covers.
struct ParseSpan {
  // The first word of the fragment: "word 1" for every test that asks
  // whether a word opens the sentence.
  int first = 1;
  // The sentence's last word.
  int last = 0;
};

class LinkTest {
 public:
  explicit LinkTest(const SentenceContext& sentence) : sentence_(sentence) {}

  void SetSpan(ParseSpan span) { span_ = span; }

  // The test proper: no cycles; the first rule for the pair of categories;
  // a "conj" or "prep" head takes one dependent; an "rcmod" link of a word
  // that is no verb needs a possible verb after it; a conjunct agrees with
  // the first conjunct; the rule's side; then the rule's check.
  LinkVerdict Allowed(const ParseBuffer& tree, int d, int h, Category dc, Category hc) const;

 private:
  const SentenceContext& sentence_;
  ParseSpan span_;
};

}  // namespace wb
