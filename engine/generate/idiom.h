#pragma once
// Idiom patterns: a noun whose dependents form a fixed shape is rendered by
// a template instead of word by word ("the age of 20" is 20岁, "three
// times" is 三次).
//
// A pattern is `~(` items separated by `;` `)`. An item is an English word in
// double quotes (empty quotes: any word), `/`, a part-of-speech name, `/`, a
// signed position offset from the node that owns the list, optionally
// followed by a parenthesised list for that word's own dependents:
//
//   ~("the"/det/-1;"of"/prep/1(""/num/1))
//
// A list matches a node when the node has exactly as many dependents as
// items and each item's word stands at its offset, depends on that node and
// has the category and (when given) the text. The template is Chinese text
// with a signed offset at its start ("+2岁"); on a match the offset is
// replaced by the generated text of the word at that offset from the node.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/sentence_context.h"
#include "engine/grammar/grammar.h"
#include "engine/parse/tree.h"

namespace wb {

struct IdiomMatch {
  bool matched = false;
  std::vector<int> words;  // the positions the pattern covered
  int templateWord = 0;    // the word whose text replaces the template's offset
  std::string before;      // the template's text around that word
  std::string after;
};

// Matches pattern at pos. An unreadable pattern sends "bad string1" (the
// pattern) or "bad string2" (the template) to the sink and does not match.
IdiomMatch MatchIdiom(const SentenceContext& sentence, const ParseBuffer& tree, int pos, std::string_view pattern,
                      std::string_view templ, ParseDiagnostics& sink);

inline constexpr std::string_view kDiagBadPattern = "bad string1";
inline constexpr std::string_view kDiagBadTemplate = "bad string2";

}  // namespace wb
