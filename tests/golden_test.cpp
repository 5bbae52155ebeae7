// Whole pages in, whole pages out: each tests/golden/NAME.html (or .txt, or a
// page of examples/) is filtered with fixed settings and compared with
// tests/golden/NAME.expected. Set
// WB_UPDATE_GOLDEN=1 to write the expected files anew after a deliberate
// change, then review the diff.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "html/page_file.h"
#include "html/page_filter.h"
#include "html/page_services.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, PageMatchesItsExpectedTranslation) {
  const fs::path dir = fs::path(WB_TEST_DATA_DIR) / "golden";
  // The bundled example page doubles as a golden page.
  fs::path input = dir / GetParam();
  if (!fs::exists(input)) input = fs::path(WB_TEST_DATA_DIR) / ".." / "examples" / GetParam();
  std::string page, error;
  ASSERT_TRUE(ReadWholeFile(input.string(), page, error)) << error;

  Engine engine;
  SentenceTranslator translator(engine);
  FilterSettings settings;
  settings.pageUrl = "http://example.com/site/" + GetParam();
  settings.plainText = input.extension() == ".txt";
  settings.frameDir = "C:\\WENB97\\cache\\";
  settings.showTran = 1;
  PageFilter filter(translator, settings);
  Big5Table big5;
  ASSERT_TRUE(big5.LoadFromFile((fs::path(WB_TEST_DATA_DIR) / ".." / "data" / "big52gb").string(), &error)) << error;
  StandardPageServices services(big5, [] { return false; });
  filter.SetServices(&services);
  std::vector<std::string> frameUrls = {"http://example.com/site/menu.html"};
  filter.SetFrameUrls(&frameUrls);
  std::string out;
  auto frames = filter.TranslateHtml(page, out);
  if (frames) {
    out += "\n=== frames\n";
    for (const std::string& f : *frames) out += f + "\n";
  }

  const fs::path expected = dir / (input.stem().string() + ".expected");
  if (std::getenv("WB_UPDATE_GOLDEN") != nullptr) {
    ASSERT_TRUE(WriteFileReplacing(expected.string(), out, error)) << error;
    return;
  }
  std::string want;
  ASSERT_TRUE(ReadWholeFile(expected.string(), want, error)) << error << " (run with WB_UPDATE_GOLDEN=1)";
  EXPECT_EQ(out, want);
}

INSTANTIATE_TEST_SUITE_P(Pages, Golden,
                         ::testing::Values("library.html", "frames.html", "oddities.html", "notice.txt", "big5.html"),
                         [](const auto& info) {
                           std::string n = info.param;
                           for (char& c : n)
                             if (c == '.') c = '_';
                           return n;
                         });

}  // namespace
}  // namespace wb
