#pragma once
// The rule language's hooks over the sentence in hand: what a word rule may
// ask about the words around it and do to them.

#include <string_view>

#include "engine/analysis/rule_language.h"
#include "engine/analysis/sentence_context.h"

namespace wb {

class Lexicon;

class SentenceRuleHooks : public RuleHooks {
 public:
  // Without a lexicon no word can be looked up again and no class is known.
  SentenceRuleHooks(SentenceContext& sentence, const Lexicon* lexicon) : sentence_(sentence), lexicon_(lexicon) {}

  bool HasCategory(int pos, Category c) const override;
  bool HasForm(int pos, WordFlags mask) const override;
  // The word's text as rules see it: the headword of its entry, or its base
  // text when it is not in the lexicon.
  bool IsWord(int pos, std::string_view word) const override;
  // Only for words of the sentence: the word takes the entry of word (its
  // own senses, references not followed) with the categories its form
  // allows. A word not found keeps what it had.
  bool ReplaceWord(int pos, std::string_view word) override;
  // A word not in the lexicon has class 0 only; otherwise the classes of its
  // noun senses, up to its first pronoun sense, which counts as class 5.
  bool HasClass(int pos, int semanticClass) const override;
  void SetCategory(int pos, Category c) override;
  // The words after the deleted ones move up; a count reaching past the
  // sentence deletes to its end. A negative count abandons the sentence
  // ("rshift not implemented").
  void DeleteWords(int pos, int count) override;
  int SemanticClassCode(std::string_view name) const override;
  void ReportError(std::string_view message) override;

 private:
  bool InSentence(int pos) const { return pos >= 1 && pos <= sentence_.State().sentenceLen; }
  WordRecord& Word(int pos) { return sentence_.State().words[static_cast<std::size_t>(pos)]; }
  const WordRecord& Word(int pos) const { return sentence_.State().words[static_cast<std::size_t>(pos)]; }

  SentenceContext& sentence_;
  const Lexicon* lexicon_;
};

}  // namespace wb
