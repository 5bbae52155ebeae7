// The translation regression corpus: tests/regression/sentences.tsv holds
// one English sentence per line with the Chinese the shipped lexicon gives
// for it (UTF-8), and a third column where a reviewer marked the Chinese
// wrong ("wrong: ..."), so that a wrong translation is never blessed
// silently. Every sentence is translated in file order by one engine (the
// topic and the recent words carry over, as in a text) and compared. Set
// WB_UPDATE_GOLDEN=1 to write the translations anew after a deliberate
// change, keeping the reviewers' marks, and review the diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/encoding.h"
#include "engine/analysis/lexicon.h"
#include "engine/engine.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

struct Case {
  std::string english, chinese, note;
  int line = 0;
};

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> cols;
  std::stringstream in(line);
  std::string col;
  while (std::getline(in, col, '\t')) cols.push_back(col);
  return cols;
}

TEST(Regression, CorpusTranslatesAsReviewed) {
  const fs::path file = fs::path(WB_TEST_DATA_DIR) / "regression" / "sentences.tsv";
  std::ifstream in(file, std::ios::binary);
  ASSERT_TRUE(in) << file;
  std::vector<std::string> header;
  std::vector<Case> cases;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (line.empty() || line[0] == '#') {
      if (cases.empty()) header.push_back(line);
      continue;
    }
    const std::vector<std::string> cols = Split(line);
    Case c;
    c.line = n;
    c.english = cols.size() > 0 ? cols[0] : "";
    c.chinese = cols.size() > 1 ? cols[1] : "";
    c.note = cols.size() > 2 ? cols[2] : "";
    cases.push_back(c);
  }
  ASSERT_GE(cases.size(), 300u);

  Lexicon lexicon;
  std::string error;
  ASSERT_TRUE(lexicon.LoadFile(std::string(WB_BIN_DIR) + "/LEXICON.MTX", &error)) << error;
  Engine engine(&lexicon);
  Utf8ToEngine toEngine;
  const bool update = std::getenv("WB_UPDATE_GOLDEN") != nullptr;
  int wrongMarked = 0;
  for (Case& c : cases) {
    Str255 s(toEngine.Convert(c.english));
    try {
      engine.TranslateSentence(s);
    } catch (const SentenceAbandoned&) {
      s = std::string("(abandoned)");
    }
    const std::string got = GbkToUtf8(s.view());
    if (!update) {
      EXPECT_EQ(got, c.chinese) << "sentences.tsv:" << c.line << ": " << c.english;
    }
    c.chinese = got;
    wrongMarked += c.note.rfind("wrong", 0) == 0 ? 1 : 0;
  }
  if (update) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    for (const std::string& h : header) out << h << '\n';
    for (const Case& c : cases) {
      out << c.english << '\t' << c.chinese;
      if (!c.note.empty()) out << '\t' << c.note;
      out << '\n';
    }
  }
  RecordProperty("marked_wrong", wrongMarked);
}

}  // namespace
}  // namespace wb
