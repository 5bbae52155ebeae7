#pragma once
// Word disambiguation: before the parse, a handful of frequent, ambiguous
// words have their candidate categories narrowed by their neighbours. Three
// mechanisms, all keyed by the headword of the word's entry:
//
//  - the preference table: a favoured category and the score the parse adds
//    when it gives the word that category;
//  - twelve rules in the rule language (rule_language.h);
//  - a built-in procedure for the auxiliaries "have", "be", "will", "can".

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/analysis/rule_hooks.h"
#include "engine/analysis/rule_language.h"
#include "engine/analysis/sentence_context.h"
#include "engine/grammar/category.h"

namespace wb {

class Lexicon;

struct CategoryPreference {
  std::string_view headword;
  Category category;
  std::int32_t score;
};

// The table, sorted by headword (byte order).
std::span<const CategoryPreference> PreferenceTable();
// The row of a headword, or nullptr.
const CategoryPreference* FindPreference(std::string_view headword);

struct WordRule {
  std::string_view headword;
  std::string_view text;
};
// The rules in the order they are looked up.
std::span<const WordRule> WordRuleTable();
// The rule of a headword (the first row naming it), or an empty text.
std::string_view WordRuleFor(std::string_view headword);

class WordRules {
 public:
  WordRules(SentenceContext& sentence, const Lexicon* lexicon);

  // The preference, then the rule of the headword of word pos, or for a
  // word that may be an auxiliary the auxiliary procedure. A rule that does
  // not compile or runs an error statement abandons the sentence.
  void RunWordRules(int pos);

  // Compiles and runs one rule for the word at pos: 0 or the error number.
  int RunRule(int pos, std::string_view text) { return interpreter_.RunRule(pos, text, hooks_); }

  // The auxiliaries: "have" and "be" before a participle or -ing form,
  // "will" opening a question, "can" before a noun or verb form.
  void AuxRule(int pos);

 private:
  bool Has(int pos, WordFlags mask) const;
  WordFlags Flags(int pos) const;
  void Make(int pos, Category c) { hooks_.SetCategory(pos, c); }

  SentenceContext& sentence_;
  SentenceRuleHooks hooks_;
  RuleInterpreter interpreter_;
};

}  // namespace wb
