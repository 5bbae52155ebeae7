#pragma once
// The small lexicon of the word-rule and parser tests (tests/grammar-words.lex),
// compiled once from its source, and an engine over it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "tests/test_lexicon.h"

namespace wb::parse_fixture {

inline const Lexicon& GrammarLexicon() {
  struct Holder {
    Lexicon lex;
    Holder() { CompileTestLexicon(lex, "grammar-words"); }
  };
  static const Holder holder;
  return holder.lex;
}

// An engine over the grammar lexicon that keeps its messages.
struct GrammarEngine : ::testing::Test {
  GrammarEngine() : engine(&GrammarLexicon()) {
    engine.SetDiagnostics([this](std::string_view m) { messages.emplace_back(m); });
  }
  std::string Translate(std::string_view s) {
    Str255 buf(s);
    engine.TranslateSentence(buf);
    return buf.str();
  }
  const SentenceState& S() const { return engine.State(); }
  const WordRecord& W(int i) const { return S().words[static_cast<std::size_t>(i)]; }
  std::string Lex(int i) const { return std::string(engine.WordText(i)); }
  std::vector<Category> Cats(int i) const {
    return std::vector<Category>(W(i).cats.begin() + 1, W(i).cats.begin() + 1 + W(i).catCount);
  }

  Engine engine;
  std::vector<std::string> messages;
};

}  // namespace wb::parse_fixture
