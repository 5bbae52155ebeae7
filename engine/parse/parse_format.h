#pragma once
// The parse as text, for people and for the golden parse corpus: one line
// per word with tab-separated columns under a header, or the tree drawn as
// indented lines. Texts are the engine's own bytes (English, GBK); the
// caller converts them for its output.
//
//   pos  word  category  head  relation  marks
//   1    I     pron      2     rsub      0
//   2    like  v         0     -         0
//
// `head` is 0 for a root, whose relation is "-". A word that shares its
// token with its neighbour (the words of a contraction, "don't") shows its
// lexical text instead ("do", "not").

#include <string>

#include "engine/analysis/sentence_context.h"
#include "engine/grammar/grammar.h"
#include "engine/parse/link_test.h"

namespace wb {

// The header line, with its line end.
std::string ParseColumnsHeader();

// One line per word of the span.
std::string FormatParseColumns(const SentenceContext& sentence, const ParseBuffer& tree, ParseSpan span);

// The tree: each root at the left margin, each dependent two blanks further
// in than its head, in word order: "2 like v -", "  1 I pron rsub".
std::string FormatParseTree(const SentenceContext& sentence, const ParseBuffer& tree, ParseSpan span);

// The word column's text for the word at pos.
std::string ParseWordText(const SentenceContext& sentence, int pos);

// The link rule that made the link from pos to its head: the first rule for
// the two categories, when pos is in its head's list of dependents; 0 for a
// root and for links the parser makes without a rule (coordination,
// enclosing marks, phrase members).
int LinkRuleOf(const ParseBuffer& tree, int pos);

}  // namespace wb
