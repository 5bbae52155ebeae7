#pragma once
// The parser: a left-to-right beam search that gives every word of the
// sentence a head and a relation, or leaves it a root.
//
// Words are added one at a time. Every kept parse is extended by every
// category the word may have: earlier roots that may depend on the new word
// become its dependents (the left-dependent step), then the word looks for
// its own head among the words on the right edge of the tree so far (the
// head step). Where a link is doubtful both alternatives go on. Each
// extension is scored and the best ten go on to the next word. After the
// last word, selection puts the best parse first.
//
// Everything is fixed in size and allocated with the parser: 10 kept parses,
// 25 work buffers and 20 candidates per word, 50 positions per parse, 7
// dependents per node. When the work buffers run out, a doubtful link is
// made without keeping the other alternative.
//
// A parse never drops a word. When no alternative survives word j, the
// parses of the words before it are kept as one fragment and the words from
// j on are parsed again as a further fragment (and so on); every fragment
// gets its own best parse, and the chosen tree covers the whole sentence.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/analysis/sentence_context.h"
#include "engine/grammar/grammar.h"
#include "engine/parse/link_test.h"
#include "engine/parse/selection.h"
#include "engine/parse/tree.h"

namespace wb {

constexpr int kKeptParses = 10;
constexpr int kParseCandidates = 20;
constexpr int kWorkBuffers = 25;

// The parses of one fragment of the sentence: words first..last, the kept
// parses after selection (the chosen one first) with their scores and the
// roots selection counted.
struct ParseFragment {
  ParseSpan span;
  int count = 0;
  std::array<ScoredParse, kKeptParses> parses{};
};

// Counts over the sentences an engine has parsed.
struct ParseStats {
  long long sentences = 0;
  long long singleRoot = 0;   // sentences whose chosen parse has one root
  long long cutSentences = 0; // sentences parsed in more than one fragment
  long long fragments = 0;
  long long poolDrySentences = 0;  // sentences during which the work buffers ran out
};

class Parser {
 public:
  explicit Parser(SentenceContext& sentence);

  // Parses words 1..SentenceLen and chooses the best parse of every
  // fragment.
  void ParseSentence();

  // The chosen tree over the whole sentence: each fragment's best parse in
  // its own positions. Every word's node; roots have head 0.
  const ParseBuffer& Chosen() const { return chosen_; }
  ParseBuffer& Chosen() { return chosen_; }

  // The fragments of the last sentence, in order (one unless the parse was
  // cut), with all their kept parses.
  std::span<const ParseFragment> Fragments() const { return fragments_; }

  const ParseStats& Stats() const { return stats_; }
  ParseDiagnostics& Diagnostics() { return sink_; }

 private:
  struct Candidate {
    ParseBuffer* tree;
    int score;
  };

  // One fragment's search.
  void Start(int first);
  bool Extend(int j);
  void Finish();

  // The steps of one extension; each works on the current buffer.
  void PhraseStep(int k, int j);
  void CategoryStep(int k, int j, Category m);
  void LeftDependentStep(int x, int from, int base, int running);
  void HeadStep(int x, int from, int score);
  void Coordination(int j, int score);
  bool CommaList(int comma, int j);
  void CloseQuote(int j, int base, int running);
  void CloseBracket(int j, int base, int running);
  void Store(ParseBuffer* tree, int score);

  ParseBuffer* TakeBuffer();
  bool Saturated(int pos) const;
  bool ClosesHeadSearch(int x, int h) const;
  Category WordCategory(int pos, int k) const;

  SentenceContext& sentence_;
  LinkTest link_;
  ParseDiagnostics sink_;

  ParseSpan span_;  // the fragment being parsed
  int word_ = 0;    // the word being added
  int keptCount_ = 0;
  std::array<ScoredParse, kKeptParses> kept_{};
  std::vector<ParseBuffer> pool_;  // kWorkBuffers, allocated once
  int free_ = 0;
  std::array<Candidate, kParseCandidates> candidates_{};
  int candidateCount_ = 0;
  ParseBuffer* current_ = nullptr;

  ParseBuffer chosen_{};
  std::vector<ParseFragment> fragments_;  // capacity for one fragment per word
  ParseStats stats_;
};

}  // namespace wb
