#pragma once
// The lexical stage: turns the scanner's tokens into the words of the
// sentence, each with its lexicon entry, form flags, candidate categories and
// senses.
//
// It works in two passes. The first reads tokens and collects "raw" words:
// each token is looked up (through the morphology of the lexicon), and tokens
// the lexicon does not hold as they stand go to the token handlers
// (contractions, commas, hyphens, slashes, apostrophes, numbers, colons, full
// stops) or are guessed. The second pass expands every raw word into a word
// of the sentence: its senses become categories and sense-table entries,
// references to other entries are followed, multi-word phrases are
// recognised and special-word handlers (plurals, dates) run.
//
// A stage object lives for one sentence; it writes straight into the
// engine's sentence tables.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/analysis/sentence_context.h"
#include "engine/analysis/lexicon.h"
#include "engine/analysis/scanner.h"
#include "engine/analysis/sentence.h"

namespace wb {

// A sentence keeps at most this many words. The word table has one more
// place, which stays free: the handlers that split one token into several
// words never push the table past its end.
constexpr int kMaxSentenceWords = kMaxWords - 1;

// Number of entries in the special-word handler table; an entry naming a
// handler beyond it is treated like one whose handler does nothing.
constexpr int kSpecialWordHandlerCount = 14;

// What a form may become when it takes a category.
struct FormCheck {
  bool accepted = false;
  WordFlags flags = 0;  // the form flags that result
};
// Whether a word of the given form may take category c: plural and
// third-person forms only as nouns, numbers and verbs, -ing and past forms
// only as verbs, comparatives only as adjectives and adverbs.
FormCheck CheckForm(WordFlags flags, Category c);

// How a phrase text fits the words around the current one.
struct PhraseMatch {
  bool fits = false;
  int before = 0;  // sentence words before the current one that the phrase covers
  int after = 0;   // raw words after the current one that it covers
  // The word matched by the phrase's first "*": a sentence word (position,
  // when starBefore) or a raw word (raw index); 0 when there is none.
  int starWord = 0;
  bool starBefore = false;
};

// How far the lexical stage got in its text. A sentence with more words
// than the table holds goes on in a further piece; this says where the
// tokens taken end, so that the piece can end at a clause boundary.
struct LexicalExtent {
  bool complete = true;  // every token of the text was taken whole
  int tokens = 0;        // the tokens taken
  // For token k (1-based): the offset in the text just after it; whether it
  // is a pause mark (a comma, semicolon or colon); whether it is a
  // conjunction, before which a clause begins.
  std::array<std::size_t, kMaxWords + 1> end{};
  std::array<bool, kMaxWords + 1> pause{};
  std::array<bool, kMaxWords + 1> conjunction{};

  // Records one token taken whole.
  void Add(std::size_t after, bool isPause, bool isConjunction) {
    if (tokens >= kMaxWords) return;
    ++tokens;
    end[static_cast<std::size_t>(tokens)] = after;
    pause[static_cast<std::size_t>(tokens)] = isPause;
    conjunction[static_cast<std::size_t>(tokens)] = isConjunction;
  }
};

// Whether a token is a pause mark at which a sentence may be cut.
bool IsPauseToken(std::string_view token);

class LexicalStage {
 public:
  LexicalStage(SentenceContext& engine, const Lexicon& lexicon, Scanner& scanner);

  // Scans text (at most maxLength bytes of it), looks up every token and
  // fills the engine's word table, sense table and text pool. The limits of
  // the tables end the sentence early, before the token that does not fit
  // whole (Extent() says where); lexicon faults abandon the sentence through
  // the engine's message routines. Every token taken counts for the page.
  // With maxTokens, reading stops after that many tokens (the piece of a
  // long sentence that ends there), which leaves the extent complete.
  void AnalyseSentence(std::string_view text, std::size_t maxLength, int maxTokens = kMaxWords);
  const LexicalExtent& Extent() const { return extent_; }

  // Expands one looked-up word into the word at the current end of the
  // sentence. rawIndex may advance when a phrase takes following words.
  void ExpandEntry(int& rawIndex, const LexEntry& entry, WordFlags flags);

  // Phrase recognition around raw word rawIndex, which is being expanded
  // into the last sentence word under entry.
  PhraseMatch MatchPhrase(std::string_view phraseText, int rawIndex, const LexEntry& entry) const;
  // Looks for the first of the entry's phrases that fits and applies it.
  // Returns the phrase entry when a fixed phrase took the word over (flags
  // then hold the phrase word's form, and marked tells whether its base text
  // was filled in from a "*"); nullptr otherwise.
  const LexEntry* FindPhrase(int& rawIndex, const LexEntry& entry, WordFlags& flags, bool& marked);
  // The phrase entry's first sense text with every "*" replaced by the
  // Chinese text of the word the phrase's "*" stood for.
  std::string ApplyWildcard(const LexEntry& phraseEntry, const PhraseMatch& match) const;

  // The raw words (the first pass), for tests and diagnostics.
  int RawCount() const { return rawCount_; }
  const WordRecord& Raw(int i) const { return raw_[static_cast<std::size_t>(i)]; }

 private:
  // A special-word handler: gets the raw index (which it may advance) and the
  // position of the word just expanded; returns how much the sentence length
  // changes.
  using SpecialWordHandler = int (LexicalStage::*)(int& rawIndex, int wordPos);
  static const std::array<SpecialWordHandler, kSpecialWordHandlerCount> kSpecialWordHandlers;

  // ---- first pass (lexical_stage.cpp)
  bool ReadToken(const Str255& token);
  bool TakeToken(std::string_view t);
  void ExpandRawWord(int& rawIndex);
  void ExpandEntryAt(int& rawIndex, const LexEntry& entry, WordFlags flags, int depth);

  // ---- raw words and token handlers (morphology.cpp)
  WordRecord& Current() { return raw_[static_cast<std::size_t>(rawCount_)]; }
  PoolRef Store(std::string_view s);
  // Looks t up into the current raw word; a found contraction is expanded.
  bool LookupInto(std::string_view t);
  void LookupOrGuess(std::string_view t);
  void GuessWord(std::string_view t);
  // Appends a raw word for text (looked up, guessed when not found); false
  // when the table is full.
  bool AddRawWord(std::string_view text);
  void SetFound(const Lexicon::WordLookup& r);
  void ExpandContraction();
  void QuoteStep();
  void HandleUnknown(std::string_view t);
  void CommaToken(std::string_view t);
  void HyphenToken(std::string_view t);
  void SlashToken(std::string_view t);
  void ApostropheToken(std::string_view t);
  void ColonToken(std::string_view t);
  void FullStopToken(std::string_view t);

  // ---- special-word handlers (morphology.cpp)
  int PluralHandler(int& rawIndex, int wordPos);
  int DateHandler(int& rawIndex, int wordPos);
  int NoHandler(int& rawIndex, int wordPos);

  // The lexical text of a word: the headword of its entry, or its base text
  // when it is not in the lexicon.
  std::string_view LexicalText(const WordRecord& w) const;
  std::string_view Text(PoolRef r) const { return state_.textPool.Get(r); }
  // The Chinese equivalent a word stands for (see ApplyWildcard).
  std::string WordChinese(const WordRecord& w) const;

  SentenceContext& engine_;
  const Lexicon& lexicon_;
  Scanner& scanner_;
  SentenceState& state_;
  std::array<WordRecord, kMaxWords + 1> raw_{};
  int rawCount_ = 0;
  // The form flags each sentence word was expanded with, before any verb
  // flags were added: a fixed phrase may take the form of its first word.
  std::array<WordFlags, kMaxWords + 1> formAt_{};
  LexicalExtent extent_;
  // A word of the token in hand found the table full: the token did not fit
  // whole.
  bool cut_ = false;
};

}  // namespace wb
