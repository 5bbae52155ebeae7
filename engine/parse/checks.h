#pragma once
// The 41 numbered checks of the link rules. Each is given the two words and
// the tree built so far, answers whether the link may be made, and may
// change the relation (only to rsub, robj1, robj2, rpred or rv2n), add
// penalties or a small bonus to the link score, and set the fork flag to 0
// where the unlinked alternative should be kept as well.
//
// Checks of arguments (subjects, objects, complements, clauses) live in
// checks_arguments.cpp, the others in checks_modifiers.cpp.

#include <string_view>

#include "engine/analysis/sentence_context.h"
#include "engine/parse/link_test.h"
#include "engine/parse/tree.h"
#include "engine/parse/word_queries.h"

namespace wb {

constexpr int kCheckCount = 42;  // checks 0..41

// Everything a check looks at, with the questions they ask most.
struct CheckContext {
  const SentenceContext& sentence;
  const ParseBuffer& tree;
  ParseSpan span;
  int d;  // the dependent's position
  int h;  // the head's position
  Category dc;
  Category hc;
  LinkVerdict& verdict;

  const SentenceState& State() const { return sentence.State(); }
  WordFlags Flags(int p) const { return FlagsOf(State(), p); }
  bool MayBe(int p, Category c) const { return sentence.HasCategory(p, c); }
  std::string_view Text(int p) const { return sentence.WordText(p); }
  bool Known(int p) const { return IsKnownWord(State(), p); }
  Category Cat(int p) const { return tree[p].category; }
  int Head(int p) const { return tree[p].head; }
  int Deps(int p) const { return tree[p].depCount; }
  bool Has(int p, Relation r) const { return HasDepWithRelation(tree, p, r); }
  // A phrase node asks its phrase's senses.
  bool HasCode(int p, int code) const {
    return tree[p].marks >= 8 ? PhraseHasVerbCode(State(), p, code) : HasVerbCode(State(), p, code);
  }
  bool IsLast(int p) const { return p >= span.last; }
  bool IsFirst(int p) const { return p == span.first; }
  bool Question() const { return State().endPunct == '?'; }
  bool DBeforeH() const { return d < h; }
  // A word that may be a verb stands somewhere after pos.
  bool VerbFollows(int pos) const { return PossibleVerbAfter(State(), pos); }
  // Only a participle: the past participle of a verb whose past tense and
  // base form differ from it ("eaten", "broken"), not "killed" or "put".
  bool ParticipleOnly(int p) const {
    return (Flags(p) & wf::EN) != 0 && (Flags(p) & (wf::ED | wf::WF_VERB)) == 0;
  }
  // The -ing form, where a check asks for flags that are exactly ING. An
  // -ing entry of the lexicon that carries a verb sense of its own besides
  // its reference to the verb ("watching") also gains WF_VERB, which says
  // nothing more about its form.
  bool IngForm(int p) const { return (Flags(p) & ~wf::WF_VERB) == wf::ING; }
  void Penalty(int points) { verdict.score -= points; }
  void Bonus(int points) { verdict.score += points; }
  void KeepBoth() { verdict.fork = 0; }
};

using CheckFn = bool (*)(CheckContext&);

// The check procedures by number; checks_arguments.cpp and
// checks_modifiers.cpp each fill their own.
CheckFn ArgumentCheck(int number);  // nullptr for a check that is not theirs
CheckFn ModifierCheck(int number);

bool RunCheck(int number, CheckContext& c);

// Check 1, which check 14 runs for a gerund with a determiner.
bool CheckSubjectOrObject(CheckContext& c);

}  // namespace wb
