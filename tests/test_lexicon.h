#pragma once
// A small lexicon of the tests (tests/NAME.lex), compiled from its source.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "tools/lexc/lex_source.h"

namespace wb {

// Compiles tests/NAME.lex into lex; every source error fails the test.
inline void CompileTestLexicon(Lexicon& lex, const std::string& name) {
  const std::filesystem::path file = std::filesystem::path(WB_TEST_DATA_DIR) / (name + ".lex");
  std::ifstream in(file, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LexSource src;
  std::vector<std::string> errors;
  std::string bytes, error;
  const bool ok = ParseLexiconSource(text, file.filename().string(), src, errors) &&
                  CompileLexicon(src, bytes, &error) && lex.Load(bytes, name, &error);
  for (const std::string& e : errors) ADD_FAILURE() << e;
  EXPECT_TRUE(ok) << error;
}

}  // namespace wb
