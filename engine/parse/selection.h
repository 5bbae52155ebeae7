#pragma once
// Parse selection: when the search has read its last word, the kept parses
// are weighed once more, as whole sentences, and the best goes first.

#include <span>

#include "engine/analysis/sentence.h"
#include "engine/grammar/grammar.h"
#include "engine/parse/link_test.h"

namespace wb {

// A kept parse and its score.
struct ScoredParse {
  ParseBuffer tree;
  int score = 0;
  int roots = 0;  // set by selection: the roots it counted
};

// The roots among the span's words.
int CountRoots(const ParseBuffer& tree, ParseSpan span);

// Re-scores the parses with the whole-sentence penalties (a second root
// verb, stray wh-words, odd roots of questions and one-word sentences) and
// moves the best into parses[0]: the fewest roots, then the highest score,
// then the lowest slot.
void SelectBestParse(const SentenceState& sentence, std::span<ScoredParse> parses, ParseSpan span);

}  // namespace wb
