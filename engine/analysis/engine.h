#pragma once
// The translation engine: one English sentence in, one Chinese (GBK)
// sentence out.
//
// An Engine holds all per-sentence state, so several engines may work side by
// side over one read-only lexicon; one engine translates one sentence at a
// time and is not re-entrant.

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/analysis/scanner.h"
#include "engine/analysis/sentence.h"
#include "engine/analysis/short_string.h"
#include "engine/syntax/category.h"

namespace wb {

class Lexicon;

// Raised by the engine's message routines: the current sentence is abandoned
// and the caller of TranslateSentence decides what follows.
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

class Engine {
 public:
  // Without a lexicon every word is an unknown word that stands for itself.
  explicit Engine(const Lexicon* lexicon = nullptr);

  // Translates the sentence in place; the result is cut to 255 bytes.
  // Throws SentenceAbandoned when a stage gives up on the sentence.
  void TranslateSentence(Str255& sentence);

  // The pipeline over a working string, translated in place. srcMax and
  // dstMax bound the source and the result (255 from the entry).
  void TranslateWords(Str255& text, std::size_t srcMax, std::size_t dstMax);

  // Narrows the candidate categories of the word at pos to those in keep.
  // The category moved into a freed place is not examined again, and a word
  // left with none keeps the one that stands first.
  void KeepCategories(int pos, CategorySet keep);
  // Removes every candidate category equal to c (the word may end with none).
  void DropCategory(int pos, Category c);
  bool MayBeVerb(int pos) const;

  // The two message routines: both hand the message to the diagnostic sink
  // and abandon the current sentence.
  [[noreturn]] void ReportError(std::string_view message);
  [[noreturn]] void InternalError(std::string_view message);

  void SetDiagnostics(DiagnosticSink sink) { diagnostics_ = std::move(sink); }
  // The content-rating word test: every word the lexical stage reads is
  // counted for the page, and those it flags as bad words too.
  void SetBadWordTest(std::function<bool(std::string_view)> test) { badWordTest_ = std::move(test); }
  bool IsBadWord(std::string_view word) const { return badWordTest_ && badWordTest_(word); }
  // A note that does not abandon anything (lexicon warnings and the like).
  void Diagnostic(std::string_view message) const;

  SentenceState& State() { return state_; }
  const SentenceState& State() const { return state_; }
  PageCounters& Counters() { return counters_; }
  const Lexicon* LexiconInUse() const { return lexicon_; }

  // The text of a word as rules and diagnostics see it: the headword of its
  // entry, or its base text when it is not in the lexicon.
  std::string_view WordText(int pos) const;

 private:
  void AnalyseWords(std::string_view text, std::size_t srcMax);
  void AnalyseUnknownWords(std::string_view text);
  void PreFilterCategories();
  void Generate(Str255& dst, std::size_t dstMax);

  const Lexicon* lexicon_ = nullptr;
  DiagnosticSink diagnostics_;
  std::function<bool(std::string_view)> badWordTest_;
  SentenceState state_;
  PageCounters counters_;
  Scanner scanner_;
};

// The Chinese text of a sentence's closing mark, as the generator appends it.
std::string_view ChineseEndPunct(char endPunct);

}  // namespace wb
