#pragma once
// Chinese generation: the chosen parse of one English sentence becomes one
// Chinese sentence (GBK).
//
// The generator walks the tree from each root and builds every node's text
// from its dependents' texts and the word's own Chinese equivalent, in
// Chinese order: modifiers before their noun with 的 where Chinese wants it,
// classifiers between a number or demonstrative and its noun, subject,
// time and place before the verb, negation, passive and aspect marks before
// the verb, objects after it or fronted with 把.
//
// The work is spread over files by what it builds: equivalents.cpp (the
// word's sense and text), noun_phrase.cpp, clause.cpp, generate_node.cpp
// (dispatch and the small categories), generate_sentence.cpp (the driver),
// tree_repairs.cpp (the repairs run before generation).

#include <array>
#include <bitset>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/sentence_context.h"
#include "engine/generate/complement.h"
#include "engine/generate/generation_memory.h"
#include "engine/grammar/grammar.h"
#include "engine/parse/tree.h"

namespace wb {

struct Sense;
struct NounFields;

// The required code of a noun when any sense will do.
constexpr int kAnyNounCode = 255;

class Generator {
 public:
  Generator(SentenceContext& sentence, GenerationMemory& memory);

  // The Chinese of the sentence whose chosen parse is `tree` (which the
  // generator may repair and annotate), at most maxLen bytes, cut between
  // characters. Updates the topic and the context history first. A piece of
  // a long sentence that goes on (closesSentence false) gets no closing mark.
  std::string GenerateSentence(ParseBuffer& tree, std::size_t maxLen, bool closesSentence = true);

  // The text of one node with everything that depends on it.
  std::string GenerateNode(int pos);

  // The Chinese equivalent of one word used as category c. `required` is
  // a verb code for a verb, a noun code (or kAnyNounCode) for a noun.
  std::string ChooseEquivalent(int pos, Category c, int required);

  // Whether generation gave the word at pos a place in the sentence (as
  // text, as a mark such as the negation, or by design as nothing, "the").
  bool Accounted(int pos) const { return pos >= 1 && pos <= kMaxWords && accounted_[static_cast<std::size_t>(pos)]; }

  ParseDiagnostics& Diagnostics() { return sink_; }

 private:
  // ---- equivalents.cpp
  std::string NounEquivalent(int pos, int required);
  std::string VerbEquivalent(int pos, const VerbCodeChoice& codes);
  const Sense* ChooseNounSense(int pos, int required);
  int ContextCount(const Sense& s) const;
  std::string_view ClassifierText(int pos) const;
  void UpdateTopic();
  void PushContext();

  // ---- noun_phrase.cpp
  std::string GenerateNoun(int pos);
  std::string NounPostModifiers(int pos);
  std::string ModifierText(int head, int dep);
  std::string CombineHeldBack(int held, int noun, const std::string& phrase);
  int SubtreeSize(int pos) const;
  bool OwnName(int pos) const;
  bool IsReportingVerb(int pos) const;
  bool NamesAPlace(int obj) const;
  bool IsAbstractNoun(int obj) const;
  bool ByWhen(int by) const;
  bool IsSurfaceNoun(int obj) const;
  bool IsKindNamed(int held, int noun) const;
  bool IsRate(int noun, int dep) const;
  bool IsContrastingWhile(int pos) const;
  bool AsksOrKnows(int verb) const;
  bool ReportsClause(int pos) const;
  bool LocatedAt(int verb, int prep) const;
  bool TurnsOrConcludes(int pos) const;
  bool StandsForThings(int pos) const;
  bool ListsActions(int last) const;
  bool HoldsBack(int noun, int dep) const;
  bool NounIdiom(int pos, std::string& out);

  // ---- clause.cpp
  struct Clause;
  bool AmountAfterVerb(int prep, const Clause& c) const;
  std::string GenerateClause(int pos);
  void ClauseFront(int pos, Clause& c);
  void ClauseSubject(int pos, Clause& c);
  void ClauseModifiers(int pos, Clause& c);
  void ClauseVerb(int pos, Clause& c);
  void ExistentialPlace(int pos, Clause& c);
  bool MustJudges(int pos) const;
  bool AsksHow(int pos) const;
  bool TakesInAll(int pos) const;
  bool IsTimeAdverb(int pos) const;
  std::string_view TimeSuffix(int dep) const;
  bool IsTimeNounWord(int pos) const;
  bool IsPersonTitle(int pos) const;
  bool PartOfWhole(int pos, std::string& out);
  bool PercentOfWhole(int pos, std::string& out);
  bool MeasuresItself(int pos) const;
  bool IsProperName(int pos) const;
  void ClauseObjects(int pos, Clause& c);
  void ClauseRest(int pos, Clause& c);
  std::string AssembleClause(int pos, Clause& c);
  std::string AdverbText(int verb, int adv, Clause& c);
  void QuestionWord(int pos, int wh, Clause& c);
  bool FreeRelative(int clause, int wh) const;
  bool IsTimeNoun(int pos) const;
  bool IsPastNegation(int pos, const Clause& c) const;
  std::string PrepPhrase(int prep, bool modifiesNoun, std::string_view frame = {});
  void NegatingDeterminer(int object, Clause& c);
  int RenderingFor(int verb, int prep) const;
  void RenderedPlaceToVerb(int verb);
  std::string MeansFrame(int by) const;

  // ---- generate_node.cpp
  std::string GenerateLeaf(int pos);
  std::string GenerateWithDeps(int pos);
  std::string GenerateVerbLeaf(int pos);
  std::string GenerateWh(int pos);
  std::string GenerateWhLeaf(int pos);
  std::string GenerateAnd(int pos);
  std::string GenerateNum(int pos);
  std::string GeneratePrep(int pos);
  std::string GenerateDepsThen(int pos, std::string_view own);
  std::string Participle(int pos, bool& found);
  std::string WithMarks(int pos, std::string text);
  std::string WithLargeUnit(int number, int unit, std::string own);
  bool ListsThings(int pos) const;
  bool LoneListComma(int pos) const;

  // ---- tree_repairs.cpp
  void RepairTree();
  bool PresentIdiom(int pos);
  void CoordinationRepair(int a);
  void AgoRepair(int pos);
  void PhrasalVerbMerge(int verb);
  void AskingClause(int wh);

  // ---- generate_sentence.cpp
  std::vector<int> Roots() const;
  bool IsWhQuestion(const std::vector<int>& roots) const;
  bool AsksYesOrNo(const std::vector<int>& roots) const;
  bool HasQuestionWord() const;

  // ---- shared small queries
  const WordRecord& Word(int pos) const { return state_.words[static_cast<std::size_t>(pos)]; }
  DepNode& Node(int pos) { return (*tree_)[pos]; }
  const DepNode& Node(int pos) const { return (*tree_)[pos]; }
  WordFlags Flags(int pos) const;
  WordFlags VerbFormFlags(int pos) const;
  bool IsWordText(int pos, std::string_view text) const;
  bool Known(int pos) const;
  const NounFields* KnownNoun(int pos) const;
  const Sense* FirstSenseOf(int pos, Category c) const;
  std::vector<int> DepsOf(int pos) const;
  void Account(int pos) {
    if (pos >= 1 && pos <= kMaxWords) accounted_.set(static_cast<std::size_t>(pos));
  }
  bool InQuestion() const { return state_.endPunct == '?'; }

  SentenceContext& sentence_;
  SentenceState& state_;
  GenerationMemory& memory_;
  ParseBuffer* tree_ = nullptr;
  ParseDiagnostics sink_;
  std::bitset<kMaxWords + 1> accounted_;
  // Words another word speaks for: generated as nothing ("no" on an object
  // that negates its verb).
  std::bitset<kMaxWords + 1> silenced_;
  // Texts fixed for a word before generation (the "present" idiom).
  std::array<std::string_view, kMaxWords + 1> fixedText_{};
  // "when" words that tell the time of a clause rather than ask for it.
  std::bitset<kMaxWords + 1> timeWhen_;
  int depth_ = 0;  // recursion depth of GenerateNode: a damaged tree cannot recurse without end
};

}  // namespace wb
