#pragma once
// What every stage of the engine shares for the sentence in hand: the
// sentence tables, the page counters, the word-table operations the stages
// use on each other's results, and the two message routines that abandon a
// sentence. The Engine is one; the stages (lexical analysis, word rules, the
// parse, generation) are handed it and never see the pipeline above them.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/analysis/sentence.h"
#include "engine/grammar/category.h"

namespace wb {

class Lexicon;

// Raised by the message routines: the current sentence is abandoned and the
// caller of TranslateSentence decides what follows.
class SentenceAbandoned : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Where the engine's messages go. The desktop program has no console, so the
// messages are handed to whoever wants them (the command-line tool prints
// them with --verbose) instead of being written to standard output.
using DiagnosticSink = std::function<void(std::string_view)>;

// Counters the lexical stage adds to for the page being translated; the page
// filter clears them at the start of every page.
struct PageCounters {
  std::int64_t wordCount = 0;
  std::int64_t badWordCount = 0;
};

class SentenceContext {
 public:
  explicit SentenceContext(const Lexicon* lexicon) : lexicon_(lexicon) {}

  // Narrows the candidate categories of the word at pos to those in keep.
  // The category moved into a freed place is not examined again, and a word
  // left with none keeps the one that stands first.
  void KeepCategories(int pos, CategorySet keep);
  // Removes every candidate category equal to c (the word may end with none).
  void DropCategory(int pos, Category c);
  bool MayBeVerb(int pos) const;
  // Whether the word at pos lists category c among its candidates.
  bool HasCategory(int pos, Category c) const;
  // Gives word w the sense s of category c: the category joins its
  // candidates and the sense the sense table. A ninth category or a full
  // sense table abandons the sentence.
  void AddSense(WordRecord& w, const Sense& s, Category c);
  // Whether the word at pos has a semantic class: a word not in the lexicon
  // has class 0 only; otherwise the classes of its entry's noun senses count,
  // up to its first pronoun sense, which stands for class 5 alone.
  bool WordHasClass(int pos, int semanticClass) const;

  // The text of a word as rules and diagnostics see it: the headword of its
  // entry, or its base text when it is not in the lexicon.
  std::string_view WordText(int pos) const;

  // The two message routines: both hand the message to the diagnostic sink
  // and abandon the current sentence.
  [[noreturn]] void ReportError(std::string_view message);
  [[noreturn]] void InternalError(std::string_view message);
  // A note that does not abandon anything (lexicon warnings and the like).
  void Diagnostic(std::string_view message) const;

  void SetDiagnostics(DiagnosticSink sink) { diagnostics_ = std::move(sink); }
  // The content-rating word test: every word the lexical stage reads is
  // counted for the page, and those it flags as bad words too.
  void SetBadWordTest(std::function<bool(std::string_view)> test) { badWordTest_ = std::move(test); }
  bool IsBadWord(std::string_view word) const { return badWordTest_ && badWordTest_(word); }

  SentenceState& State() { return state_; }
  const SentenceState& State() const { return state_; }
  PageCounters& Counters() { return counters_; }
  const Lexicon* LexiconInUse() const { return lexicon_; }

 protected:
  const Lexicon* lexicon_ = nullptr;
  DiagnosticSink diagnostics_;
  std::function<bool(std::string_view)> badWordTest_;
  SentenceState state_;
  PageCounters counters_;
};

}  // namespace wb
