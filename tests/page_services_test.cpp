// The page filter with the real page services: Big5 pages, foreign entities,
// PICS labels and the word counts for content evaluation.

#include "html/page_services.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/encoding.h"

namespace wb {
namespace {

class ServicesTest : public ::testing::Test {
 protected:
  ServicesTest() : translator_(engine_) {
    std::string error;
    loaded_ = big5_.LoadFromFile(std::string(WB_TEST_DATA_DIR) + "/../data/big52gb", &error);
    settings_.pageUrl = "http://example.com/";
    settings_.pics = true;
  }
  std::string Filter(std::string_view page, PageCodec* codec = nullptr) {
    StandardPageServices services(big5_, [this] { return goOn_; });
    PageFilter f(translator_, settings_);
    f.SetServices(&services);
    f.SetCodec(codec);
    std::string out;
    f.TranslateHtml(page, out);
    declined_ = services.PageDeclined();
    return out;
  }

  Engine engine_;
  SentenceTranslator translator_;
  FilterSettings settings_;
  Big5Table big5_;
  bool loaded_ = false;
  bool goOn_ = false;
  bool declined_ = false;
};

constexpr std::string_view kRatedPage =
    "<p>Before.</p><meta content='(PICS-1.1 \"http://www.rsac.org/ratingsv01.html\" l r (n 2 s 0 v 3 l 0))'>"
    "<p>After.</p>";

TEST_F(ServicesTest, DeclinedPicsLabelLeavesOnlyTheWarningPage) {
  BadWordList words({"before"});
  engine_.SetBadWordTest([&words](std::string_view w) { return IsBadWord(words, w); });
  std::string out = Filter(kRatedPage);
  EXPECT_TRUE(declined_);
  EXPECT_EQ(out.rfind("<html>", 0), 0u) << out;
  EXPECT_EQ(out.find("Before"), std::string::npos);
  // The content warning does not come on top of the PICS one.
  EXPECT_EQ(engine_.Counters().badWordCount, 0);
}

TEST_F(ServicesTest, AcceptedOrUncheckedLabelKeepsThePage) {
  goOn_ = true;
  std::string out = Filter(kRatedPage);
  EXPECT_FALSE(declined_);
  EXPECT_NE(out.find("(n 2 s 0 v 3 l 0))'>"), std::string::npos);
  EXPECT_NE(out.find("After"), std::string::npos);
  goOn_ = false;
  settings_.pics = false;
  EXPECT_NE(Filter(kRatedPage).find("After"), std::string::npos);
  // A double-quoted label is no PICS label to the filter.
  settings_.pics = true;
  EXPECT_NE(Filter("<meta content=\"(PICS-1.1 r (n 2 s 0 v 3 l 0))\"><p>x</p>").find("<p>x"), std::string::npos);
}

TEST_F(ServicesTest, WordsAndBadWordsAreCountedPerPage) {
  BadWordList words({"darn", "heck"});
  engine_.SetBadWordTest([&words](std::string_view w) { return IsBadWord(words, w); });
  Filter("<p>Darn it, what the heck.</p>");
  // Darn it , what the heck: six tokens, two of them on the list.
  EXPECT_EQ(engine_.Counters().wordCount, 6);
  EXPECT_EQ(engine_.Counters().badWordCount, 2);
  Filter("<p>Fine.</p>");
  EXPECT_EQ(engine_.Counters().badWordCount, 0);
}

TEST_F(ServicesTest, Big5PagesComeOutInGb) {
  ASSERT_TRUE(loaded_);
  // "這書" in Big5 (the trail byte 6F is Big5's own) becomes the simplified
  // "这书" in GB.
  std::string out = Filter("<p>\xB3\x6F\xAE\xD1</p>");
  EXPECT_NE(out.find("\xD5\xE2\xCA\xE9"), std::string::npos) << out;
  // A page known to be UTF-8 is never taken for Big5.
  Utf8PageCodec utf8(PageEncoding::kUtf8);
  out = Filter("<p>\xE4\xB9\xA6\xE7\xB1\x8D</p>", &utf8);
  EXPECT_NE(out.find("\xE4\xB9\xA6\xE7\xB1\x8D"), std::string::npos);
}

TEST_F(ServicesTest, ForeignEntitiesLeaveTextUntranslated) {
  EXPECT_NE(Filter("<p>&nbsp;Hello.</p>").find("<p>\xA0Hello.</p>"), std::string::npos);
  // Entities HTML needs for itself do not make a text foreign.
  EXPECT_NE(Filter("<p>Fish &amp; chips.</p>").find("\xA1\xA3"), std::string::npos);
  Utf8PageCodec utf8(PageEncoding::kUtf8);
  EXPECT_NE(Filter("<p>Caf&eacute;.</p>", &utf8).find("<p>Caf&eacute;.</p>"), std::string::npos);
}

}  // namespace
}  // namespace wb
