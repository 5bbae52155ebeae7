#include "engine/parse/link_test.h"

#include "engine/parse/checks.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

// Following heads upward from h reaches d (h itself included).
bool Reaches(const ParseBuffer& tree, int h, int d) {
  for (int steps = 0; steps <= kParseNodeCount && h != 0; ++steps) {
    if (h == d) return true;
    h = tree[h].head;
  }
  return false;
}

bool IsPair(Category a, Category b, Category x, Category y) { return (a == x && b == y) || (a == y && b == x); }

}  // namespace

bool RunCheck(int number, CheckContext& c) {
  if (number == 0) return true;
  if (CheckFn f = ArgumentCheck(number)) return f(c);
  if (CheckFn f = ModifierCheck(number)) return f(c);
  return false;
}

LinkVerdict LinkTest::Allowed(const ParseBuffer& tree, int d, int h, Category dc, Category hc) const {
  LinkVerdict v;
  if (Reaches(tree, h, d)) return v;
  v.rule = FindLinkRule(dc, hc);
  const LinkRule* rule = LinkRuleNumber(v.rule);
  if (rule == nullptr) return v;
  if ((hc == cat::kConj || hc == cat::kPrep) && tree[h].depCount > 0) return v;
  v.relation = rule->relation;
  if (v.relation == rcmod && dc != cat::kV && dc != cat::kBe && !PossibleVerbAfter(sentence_.State(), d)) return v;
  // A conjunct after "and" must suit the first conjunct, which "and" hangs
  // from. Only "and" heads are meant: the one other rcon rule ("by being")
  // has a preposition as head.
  if (v.relation == rcon && hc == cat::kAnd && tree[h].head != 0) {
    const Category first = tree[tree[h].head].category;
    if (first != dc) {
      if (IsPair(dc, first, cat::kAdj, cat::kV))
        v.score -= 1;
      else if (!IsPair(dc, first, cat::kN, cat::kPron) && !IsPair(dc, first, cat::kBe, cat::kV))
        return v;
    }
  }
  if (rule->direction == kAfterHead && d < h) return v;
  if (rule->direction == kBeforeHead && d > h) return v;
  CheckContext c{sentence_, tree, span_, d, h, dc, hc, v};
  v.allowed = RunCheck(rule->check, c);
  return v;
}

}  // namespace wb
