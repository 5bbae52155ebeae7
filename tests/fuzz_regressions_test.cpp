// Inputs the fuzz targets once failed on (tests/fuzz/regressions/), run the
// way the target runs them, so that the fault stays mended. A file's name
// says the target: "parse-" for the whole pipeline through the parser.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "html/page_file.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

TEST(FuzzRegressions, PipelinePiecesCoverTheSentenceOnce) {
  Lexicon lexicon;
  std::string error;
  ASSERT_TRUE(lexicon.LoadFile((fs::path(WB_BIN_DIR) / "LEXICON.MTX").string(), &error)) << error;
  Engine engine(&lexicon);
  std::vector<Engine::PieceSpan> pieces;
  engine.SetPieceObserver([&](const Engine& e) { pieces.push_back(e.Piece()); });
  int run = 0;
  for (const auto& f : fs::directory_iterator(fs::path(WB_TEST_DATA_DIR) / "fuzz" / "regressions")) {
    if (f.path().filename().string().rfind("parse-", 0) != 0) continue;
    std::string input;
    ASSERT_TRUE(ReadWholeFile(f.path().string(), input, error)) << error;
    pieces.clear();
    const long long before = engine.Counters().wordCount;
    const Engine::Translation t = engine.TranslateText(input);
    EXPECT_EQ(t.failedPieces, 0);
    std::size_t covered = 0;
    for (const Engine::PieceSpan& p : pieces) {
      EXPECT_EQ(p.begin, covered) << f.path();
      EXPECT_TRUE(p.whole);
      covered = p.end;
    }
    EXPECT_GT(engine.Counters().wordCount, before);
    for (char c : t.text) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n');
    ++run;
  }
  EXPECT_GT(run, 0);
}

}  // namespace
}  // namespace wb
