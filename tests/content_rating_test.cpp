#include "html/content_rating.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>

namespace wb {
namespace {

// A label as rating services wrote them, with the rating list given.
std::string Label(const std::string& rating) {
  return "'(PICS-1.1 \"http://www.rsac.org/ratingsv01.html\" l gen true comment "
         "\"RSACi North America Server\" for \"http://example.com\" on "
         "\"1998.04.02T12:00-0500\" r (" +
         rating + "))'";
}

const std::string kNudity = "\xC2\xE3\xCC\xE5\xBC\xB6\xB1\xF0\xA3\xA8";    // 裸体级别（
const std::string kViolence = "\xB1\xA9\xC1\xA6\xBC\xB6\xB1\xF0\xA3\xA8";  // 暴力级别（
const std::string kLanguage = "\xD3\xEF\xD1\xD4\xBC\xB6\xB1\xF0\xA3\xA8";  // 语言级别（
const std::string kClose = "\xA3\xA9\xA3\xBA";                             // ）：

// Asks nobody but remembers that it was asked.
struct FakeUser {
  bool answer = false;
  int asked = 0;
  PicsConsent Callback() {
    return [this] {
      ++asked;
      return answer;
    };
  }
};

TEST(PicsLabel, AllZeroRatesNothing) {
  FakeUser user;
  std::string report = "left over";
  EXPECT_FALSE(CheckPicsLabel(Label("n 0 s 0 v 0 l 0"), &report, user.Callback()));
  EXPECT_EQ(user.asked, 0);
  EXPECT_EQ(report, "");
}

TEST(PicsLabel, ReportsRatedCategoriesInLabelOrder) {
  const std::string lines = PicsReportLines(Label("v 3 s 0 n 2 l 0"));
  const std::string violence = kViolence + "3" + kClose +
                               "\xC8\xCB\xD4\xE2\xB5\xBD\xC9\xCB\xBA\xA6\xBB\xF2\xB1\xBB\xC9\xB1"
                               "\xCB\xC0\xA1\xA3<p>";  // 人遭到伤害或被杀死。
  const std::string nudity = kNudity + "2" + kClose + "\xB0\xEB\xC2\xE3\xA1\xA3<p>";  // 半裸。
  EXPECT_EQ(lines, violence + nudity);
  EXPECT_EQ(PicsReportLines(Label("n 2 s 0 v 3 l 0")), nudity + violence);
}

TEST(PicsLabel, UserDecidesWhetherThePageIsReplaced) {
  const std::string label = Label("n 2 s 0 v 3 l 0");
  FakeUser user;
  std::string report;

  user.answer = true;  // "Yes, show it"
  EXPECT_FALSE(CheckPicsLabel(label, &report, user.Callback()));
  EXPECT_EQ(user.asked, 1);
  EXPECT_EQ(report, "");

  user.answer = false;
  EXPECT_TRUE(CheckPicsLabel(label, &report, user.Callback()));
  EXPECT_EQ(user.asked, 2);
  const std::string page = PicsWarningPage(PicsReportLines(label));
  EXPECT_EQ(report, page);
  EXPECT_EQ(page.rfind("<html>", 0), 0u);
  EXPECT_NE(page.find("<h3>" + kNudity), std::string::npos);
  EXPECT_EQ(page.substr(page.size() - 13), "\xA3\xA1\xA3\xA1\xA3\xA1</html>");

  // With nobody to ask, a rated page is replaced.
  EXPECT_TRUE(CheckPicsLabel(label, &report, nullptr));
  EXPECT_EQ(report, page);
}

TEST(PicsLabel, MalformedLabelsCarryNoRating) {
  FakeUser user;
  std::string report;
  // Quoted with double quotes: neither the filter's start test nor the end
  // test accepts it.
  const std::string doubleQuoted =
      "\"(PICS-1.1 \"http://www.rsac.org/ratingsv01.html\" l r (n 4 s 4 v 4 l 4))\"";
  EXPECT_FALSE(IsPicsLabel(doubleQuoted));
  EXPECT_TRUE(IsPicsLabel(Label("n 4 s 4 v 4 l 4")));
  EXPECT_FALSE(CheckPicsLabel(doubleQuoted, &report, user.Callback()));
  // A rating list that is neither pairs nor 15 bytes long rates nothing.
  EXPECT_FALSE(CheckPicsLabel(Label("n 4 s 4 v 4 l4"), &report, user.Callback()));
  EXPECT_FALSE(CheckPicsLabel(Label("n 4 s 4 v 4 l 4 x"), &report, user.Callback()));
  EXPECT_FALSE(CheckPicsLabel(Label("n 4 s 4 v 4 l 4") + " ", &report, user.Callback()));
  for (const char* odd : {"", "'", "))'", "n 4 s 4 v 4 l 4))'", "(n 4 s 4 v 4 l 4)'"}) {
    EXPECT_FALSE(CheckPicsLabel(odd, &report, user.Callback())) << odd;
  }
  // A letter in the last place has no level; unknown letters are ignored.
  EXPECT_FALSE(CheckPicsLabel(Label("x 4 n 0 s 0 0 v"), &report, user.Callback()));
  EXPECT_EQ(user.asked, 0);
}

// The highest level's line of a category, as the report writes it.
std::string HighestLine(const std::string& caption, const std::string& description) {
  return caption + "4" + kClose + description + "<p>";
}
const std::string kLanguage4 =  // 极度仇视或粗鲁的语言。非常暴露地谈论性方面的问题。
    "\xBC\xAB\xB6\xC8\xB3\xF0\xCA\xD3\xBB\xF2\xB4\xD6\xC2\xB3\xB5\xC4\xD3\xEF\xD1\xD4\xA1\xA3"
    "\xB7\xC7\xB3\xA3\xB1\xA9\xC2\xB6\xB5\xD8\xCC\xB8\xC2\xDB\xD0\xD4\xB7\xBD\xC3\xE6\xB5\xC4"
    "\xCE\xCA\xCC\xE2\xA1\xA3";

TEST(PicsLabel, LevelsBeyondTheScaleCountAsTheHighest) {
  const std::string highest = HighestLine(kLanguage, kLanguage4);
  EXPECT_EQ(PicsReportLines(Label("l 7 n 0 s 0 v 0")), highest);
  // A level past the end of any integer type once wrapped to "unrated".
  EXPECT_EQ(PicsReportLines(Label("l 2147483648 n 0 s 0 v 0")), highest);
  EXPECT_EQ(PicsReportLines(Label("l 99999999999999999999999 n 0 s 0 v 0")), highest);
  EXPECT_EQ(PicsReportLines(Label("l 10 n 0 s 0 v 0")), highest);
  // A level byte that is no digit counts as the highest too, and only the
  // level's digit reaches the page, so it stays clean GB and HTML.
  const std::string odd = PicsReportLines(Label("l < n \xFF s 0 v 0"));
  EXPECT_EQ(odd.rfind(highest, 0), 0u);
  EXPECT_EQ(odd.find('<'), odd.find("<p>"));
  EXPECT_EQ(odd.find('\xFF'), std::string::npos);
  EXPECT_NE(odd.find(kNudity + "4" + kClose), std::string::npos);
}

TEST(PicsLabel, RatingsOfOtherLengthsAreReadAsPairs) {
  FakeUser user;
  std::string report;
  // A trailing blank, levels written as decimals or with a sign.
  EXPECT_TRUE(CheckPicsLabel(Label("n 4 s 4 v 4 l 4 "), &report, user.Callback()));
  EXPECT_EQ(PicsReportLines(Label("v 0.5 n 0.0 s -3 l +2")),
            PicsReportLines(Label("v 1 n 0 s 0 l 2")));
  EXPECT_EQ(PicsReportLines(Label("n 0 s 0 v 0 l 0 ")), "");
  // Categories of other services are passed over.
  EXPECT_EQ(PicsReportLines(Label("violence 4 n 2")), PicsReportLines(Label("n 2 s 0 v 0 l 0")));
}

TEST(BadWords, ScramblingIsItsOwnInverseWithA24ByteCycle) {
  std::string zeros(72, '\0');
  ScrambleBadWords(zeros);
  for (std::size_t j = 0; j + kBadWordKeyLength < zeros.size(); ++j) {
    EXPECT_EQ(zeros[j], zeros[j + kBadWordKeyLength]) << j;
  }
  std::string text = "Any bytes at all\r\n\x01\xFF";
  const std::string original = text;
  ScrambleBadWords(text);
  EXPECT_NE(text, original);
  ScrambleBadWords(text);
  EXPECT_EQ(text, original);
}

TEST(BadWords, LoadsWhatTheBuildToolWrites) {
  const std::string file = BuildBadWordsFile(
      "# comment line\n\nDamn\r\n  crap \rdamn\nzounds\r\n\r\nbloody");
  BadWordList list;
  std::string error;
  ASSERT_TRUE(LoadBadWords(file, &list, &error)) << error;
  EXPECT_EQ(list.Words(), (std::vector<std::string>{"bloody", "crap", "damn", "zounds"}));
  EXPECT_TRUE(IsBadWord(list, "damn"));
  EXPECT_TRUE(IsBadWord(list, "DaMn"));
  EXPECT_TRUE(IsBadWord(list, "bloody"));
  EXPECT_FALSE(IsBadWord(list, "dam"));
  EXPECT_FALSE(IsBadWord(list, "damned"));
  EXPECT_FALSE(IsBadWord(list, ""));
  EXPECT_FALSE(IsBadWord(list, "# comment line"));

}

TEST(BadWords, RefusesEmptyAndCutOffLists) {
  BadWordList list({"keep"});
  std::string error;
  // Each of these would switch the content check off or weaken it quietly.
  EXPECT_FALSE(LoadBadWords("", &list, &error));
  EXPECT_NE(error.find("empty"), std::string::npos) << error;
  EXPECT_FALSE(LoadBadWords(BuildBadWordsFile("# only a comment\n\n"), &list, &error));
  std::string blankLines = "\r\n \r\n";
  ScrambleBadWords(blankLines);
  EXPECT_FALSE(LoadBadWords(blankLines, &list, &error));
  EXPECT_NE(error.find("no words"), std::string::npos) << error;
  const std::string whole = BuildBadWordsFile("damn\ncrap\nzounds\n");
  for (std::size_t cut : {whole.size() - 3, whole.size() - 5, std::size_t{3}}) {
    EXPECT_FALSE(LoadBadWords(whole.substr(0, cut), &list, &error)) << cut;
    EXPECT_NE(error.find("cut off"), std::string::npos) << error;
  }
  EXPECT_TRUE(IsBadWord(list, "keep"));
  EXPECT_TRUE(LoadBadWords(whole, &list, &error)) << error;
  EXPECT_EQ(list.Size(), 3u);
}

TEST(BadWords, RefusesListsNotMadeWithTheKey) {
  BadWordList list({"keep"});
  std::string error;
  // Plain control bytes unscramble to something else; scrambling a text
  // with control bytes in it cannot come from the build tool.
  std::string foreign = "word\x01\x02\x03\n";
  ScrambleBadWords(foreign);
  EXPECT_FALSE(LoadBadWords(foreign, &list, &error));
  EXPECT_NE(error.find("byte 4"), std::string::npos) << error;
  EXPECT_TRUE(IsBadWord(list, "keep"));

  EXPECT_FALSE(LoadBadWordsFile(WB_TEST_DATA_DIR "/no-such-list.xtm", &list, &error));
  EXPECT_NE(error.find("no-such-list.xtm"), std::string::npos) << error;
  EXPECT_TRUE(IsBadWord(list, "keep"));
}

TEST(BadWords, ShippedListScramblesAndLoads) {
  std::ifstream in(WB_TEST_DATA_DIR "/../data/badwords.txt", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string plain((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  BadWordList list;
  std::string error;
  ASSERT_TRUE(LoadBadWords(BuildBadWordsFile(plain), &list, &error)) << error;
  EXPECT_GT(list.Size(), 200u);
  EXPECT_TRUE(IsBadWord(list, "Fuck"));
  for (const char* harmless : {"the", "ass", "cock", "breast", "kiss", "love", "bed", "Wenbridge"}) {
    EXPECT_FALSE(IsBadWord(list, harmless)) << harmless;
  }
}

TEST(ContentEvaluation, WarnsWhenBadWordsReachATenthOfThePage) {
  EXPECT_FALSE(ContentWarningDue(0, 0));
  EXPECT_FALSE(ContentWarningDue(100, 0));
  EXPECT_TRUE(ContentWarningDue(5, 1));
  EXPECT_TRUE(ContentWarningDue(0, 1));
  EXPECT_TRUE(ContentWarningDue(100, 10));  // exactly a tenth
  EXPECT_FALSE(ContentWarningDue(101, 10));
  EXPECT_FALSE(ContentWarningDue(100, 9));
}

TEST(ContentEvaluation, ExtremeCountsNeitherOverflowNorWarnWrongly) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  EXPECT_TRUE(ContentWarningDue(kMax, kMax));
  EXPECT_FALSE(ContentWarningDue(kMax, 1));
  EXPECT_TRUE(ContentWarningDue(kMax - 1, kMax / 10 + 1));
  EXPECT_FALSE(ContentWarningDue(-5, 0));
  EXPECT_FALSE(ContentWarningDue(10, -3));
}

}  // namespace
}  // namespace wb
