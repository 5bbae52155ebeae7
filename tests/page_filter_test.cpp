#include "html/page_filter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb {
namespace {

const std::string kStop = "\xA1\xA3";  // the Chinese full stop

class PageFilterTest : public ::testing::Test {
 protected:
  PageFilterTest() : translator_(engine_) { settings_.pageUrl = "http://example.com/dir/page.htm"; }

  std::string Filter(std::string_view page) {
    PageFilter f(translator_, settings_);
    f.SetFrameUrls(&frameUrls_);
    std::string out;
    frames_ = f.TranslateHtml(page, out);
    return out;
  }
  // The output without the base tag.
  std::string Body(std::string_view page) {
    std::string out = Filter(page);
    std::size_t gt = out.find('>');
    return gt == std::string::npos ? out : out.substr(gt + 1);
  }

  Engine engine_;
  SentenceTranslator translator_;
  FilterSettings settings_;
  std::vector<std::string> frameUrls_;
  std::optional<std::vector<std::string>> frames_;
};

TEST_F(PageFilterTest, BaseTagComesFirst) {
  EXPECT_EQ(Filter(""), "<base href=\"http://example.com/dir/page.htm\">");
  settings_.pageUrl = "\"http://q/\"";
  EXPECT_EQ(Filter(""), "<base href=\"http://q/\">");
  settings_.plainText = true;
  EXPECT_EQ(Filter(""), "");
}

TEST_F(PageFilterTest, MarkupIsCopiedAsWritten) {
  std::string page =
      "<!DOCTYPE html><HTML lang = en><head><script >var a = '<p>';</script>"
      "<!-- note --><style>p { color: red }</style></head><BODY\n  bgcolor=white >"
      "<table border=0><tr><td align=\"left\"></td></tr></table></BODY></HTML>";
  EXPECT_EQ(Body(page), page);
  EXPECT_FALSE(frames_.has_value());
  // Blanks between tags are a sentence without words: they come back as one
  // blank.
  EXPECT_EQ(Body("<p>\n\t<p>"), "<p> <p>");
}

TEST_F(PageFilterTest, TextIsCutIntoSentences) {
  EXPECT_EQ(Body("<p>Pi is 3.14 today. Next one</p>"), "<p>Pi is 3.14 today " + kStop + "Next one  </p>");
  // An initial does not end a sentence, nor does a dotted abbreviation
  // before a small letter or a digit; before a capital it does.
  EXPECT_EQ(Body("Ask J. Smith. See e.g. this!"), "Ask J.Smith " + kStop + "See e.g.this \xA3\xA1");  // ！
  EXPECT_EQ(Body("The U.S. says so. At 5 a.m. 2 left. In the U.S. Now"),
            "The U.S.says so " + kStop + "At 5 a.m.2 left " + kStop + "In the U.S " + kStop + "Now  ");
  // Other break marks count only before a blank or the end.
  EXPECT_EQ(Body("mail a@b.com now; then: go"), "mail a@b.com now ; then \xA3\xBAgo  ");  // ：
  // Nor does a title before a name; "St." (also "Street") still does.
  EXPECT_EQ(Body("Ask Mr. Li and Dr. Wu. Go to Main St. Now"),
            "Ask Mr.Li and Dr.Wu " + kStop + "Go to Main St " + kStop + "Now  ");
  // A text that ends in an initial is still written whole.
  EXPECT_EQ(Body("<i>Harry S.</i>"), "<i>Harry S " + kStop + "</i>");
}

TEST_F(PageFilterTest, DropCapitalJoinsTheRestOfItsWord) {
  EXPECT_EQ(Body("<b>T</b>his is it."), "<b></b>This is it " + kStop);
  // A one-blank text between two tags disappears.
  EXPECT_EQ(Body("<b>a</b> <i>b</i>"), "<b>a  </b><i>b  </i>");
  // Pending text still held at the end of the page is translated.
  EXPECT_EQ(Body("<p>A"), "<p>A  ");
}

TEST_F(PageFilterTest, BlockquotePreAndStyleSwitchTranslationOff) {
  EXPECT_EQ(Body("<blockquote>Keep me. Too.</blockquote>Go."), "<blockquote>Keep me. Too.</blockquote>Go " + kStop);
  settings_.tranBlockquote = true;
  EXPECT_EQ(Body("<blockquote>Go.</blockquote>"), "<blockquote>Go " + kStop + "</blockquote>");
  EXPECT_EQ(Body("<pre>  a.  b\n</pre>c."), "<pre>  a.  b\n</pre>c " + kStop);
  EXPECT_EQ(Body("<style>Go.</style>"), "<style>Go.</style>");
}

TEST_F(PageFilterTest, PreformattedTextKeepsItsLines) {
  settings_.tranPre = true;
  settings_.lineBreak = "\n";
  EXPECT_EQ(Body("<pre>\n  First line.\n  Second\n  line.\n\n</pre>"),
            "<pre>\n  First line " + kStop + "\n  Second line " + kStop + "\n\n\n</pre>");
}

TEST_F(PageFilterTest, PlainTextPageIsPreformattedFromTheStart) {
  settings_.plainText = true;
  settings_.lineBreak = "\n";
  EXPECT_EQ(Filter("Hello.\n\nBye now.\n"), "Hello " + kStop + "\n\nBye now " + kStop + "\n");
}

TEST_F(PageFilterTest, InputValueAndImageAltAreTranslated) {
  EXPECT_EQ(Body("<input type=submit value=\"Go\" name=q>"), "<input type=submit value=\"Go  \" name=q>");
  EXPECT_EQ(Body("<img src=a.gif alt=\"\">"), "<img src=a.gif alt=\"\">");
  EXPECT_EQ(Body("<img src=a.gif alt='Home.'>"), "<img src=a.gif alt=\"Home " + kStop + "\">");
  // A translation with blanks would end the tag early written bare: it is
  // quoted (the engine writes quotation marks as Chinese ones, which need
  // no escaping).
  EXPECT_EQ(Body("<img alt='\"Hi\"'>"), "<img alt=\"\xA1\xB0Hi  \xA1\xB1\">");
  EXPECT_EQ(Body("<img alt='say \"hi\" now'>"), "<img alt=\"say \xA1\xB0hi \xA1\xB1now  \">");
  EXPECT_EQ(Body("<img alt=it's>"), "<img alt=\"it's  \">");
  // Translated even where text is not.
  EXPECT_EQ(Body("<style><input value=Go></style>"), "<style><input value=\"Go  \"></style>");
}

TEST_F(PageFilterTest, RewrittenValuesAreAlwaysQuoted) {
  // An empty translation written bare made the next attribute the value;
  // one without blanks glued itself to a closing "/".
  EXPECT_EQ(Body("<img alt='' src=\"a.gif\">"), "<img alt=\"\" src=\"a.gif\">");
  EXPECT_EQ(Body("<img alt=\"!\"/>"), "<img alt=\"\xA3\xA1\"/>");        // ！
  EXPECT_EQ(Body("<input value=.>"), "<input value=\"\xA1\xA3\">");  // 。
}

TEST_F(PageFilterTest, ChineseFontGoesOnlyIntoStyleComments) {
  const std::string song = "\xCB\xCE\xCC\xE5, ";
  EXPECT_EQ(Body("<!-- p { font-family: Arial } -->"), "<!-- p { font-family: " + song + "Arial } -->");
  for (const char* kept : {"<!- p { font-family: Arial } ->", "<!DOCTYPE x font-family: Arial>",
                           "<COMMENT>p { font-family: Arial }</COMMENT>"}) {
    EXPECT_EQ(Body(kept), kept);
  }
}

TEST_F(PageFilterTest, ATagCutOffByThePageEndGetsNoBracket) {
  // The value runs on to the page's end and takes the ">" in: the tag never
  // closed, and no second ">" is added.
  EXPECT_EQ(Body("<p title=\"a\"b>"), "<p title=\"a\"b>");
  EXPECT_EQ(Body("<a href=x"), "<a href=x");
}

TEST_F(PageFilterTest, TranslatedTextNeverOpensATag) {
  EXPECT_EQ(Body("<tt>zpipe < foo.txt > out</tt>"), "<tt>zpipe &lt;foo.txt >out  </tt>");
  EXPECT_EQ(KeepTextOutOfMarkup("a <3 <!x </y <"), "a <3 &lt;!x &lt;/y <");
  settings_.plainText = true;
  EXPECT_EQ(Filter("zpipe < foo.txt"), "zpipe <foo.txt  ");
}

TEST_F(PageFilterTest, LinksLeaveTheFrameLayout) {
  EXPECT_EQ(Body("<a href=x.htm>"), "<a href=x.htm>");
  settings_.showTran = 1;
  EXPECT_EQ(Body("<a href=x.htm></a>"), "<a href=x.htm target=_top></a>");
}

TEST_F(PageFilterTest, BrowserSpecificRewrites) {
  std::string page = "<meta http-equiv=Content-Type content=\"text/html; charset=ISO-8859-1\"><font face=Arial>";
  EXPECT_EQ(Body(page), page);
  settings_.netscape = false;
  EXPECT_EQ(Body(page),
            "<meta http-equiv=Content-Type content=\"text/html\"><font face=\xCB\xCE\xCC\xE5,Arial>");
  EXPECT_EQ(Body("<basefont face=\"Times\">"), "<basefont face=\"\xCB\xCE\xCC\xE5, Times\">");
}

TEST_F(PageFilterTest, FramesPointAtLocalCopies) {
  settings_.frameDir = "C:\\W\\cache\\";
  frameUrls_ = {"http://example.com/dir/menu.htm"};
  std::string out = Body("<frameset><frame src=\"menu.htm\"><frame SRC=main.asp?id=2></frameset>");
  EXPECT_EQ(out,
            "<frameset><frame src=\"file:///C:\\W\\cache\\menu.htm\">"
            "<frame SRC=\"file:///C:\\W\\cache\\main.asp@id=2.htm\"></frameset>");
  ASSERT_TRUE(frames_.has_value());
  // The matched frame resolves against the page; the other has no entry
  // left and keeps its own value.
  EXPECT_EQ(*frames_, (std::vector<std::string>{"http://example.com/dir/menu.htm", "main.asp?id=2"}));
  EXPECT_TRUE(frameUrls_.empty());
  settings_.netscape = false;
  EXPECT_EQ(Body("<frame src=a.htm>"), "<frame src=\"file://C:\\W\\cache\\a.htm\">");
}

TEST_F(PageFilterTest, LongSentencesAreTranslatedWhole) {
  std::string words;
  for (int i = 0; i < 120; ++i) words += "wordy words ";
  std::string out = Body("<p>" + words + "end.</p>");
  std::size_t count = 0;
  for (std::size_t at = out.find("word"); at != std::string::npos; at = out.find("word", at + 1)) ++count;
  EXPECT_EQ(count, 240u);
  EXPECT_NE(out.find("end " + kStop), std::string::npos);
}

TEST_F(PageFilterTest, PageCountersStartAtZero) {
  Filter("<p>One two three.</p>");
  EXPECT_EQ(engine_.Counters().wordCount, 3);
  Filter("<p>One.</p>");
  EXPECT_EQ(engine_.Counters().wordCount, 1);
}

class RecordingProgress : public ProgressDisplay {
 public:
  void Show() override { ++shows; }
  void SetPosition(long long p) override { positions.push_back(p); }
  void Hide() override { ++hides; }
  int shows = 0, hides = 0;
  std::vector<long long> positions;
};

TEST_F(PageFilterTest, ProgressMovesAtMostOncePerTwentieth) {
  std::string page;
  for (int i = 0; i < 400; ++i) page += "<p>A sentence. Another one.</p>\n";
  RecordingProgress bar;
  settings_.progressEnabled = true;
  PageFilter f(translator_, settings_);
  f.SetProgress(&bar);
  std::string out;
  f.TranslateHtml(page, out);
  EXPECT_EQ(bar.shows, 1);
  EXPECT_EQ(bar.hides, 1);
  ASSERT_GE(bar.positions.size(), 15u);
  EXPECT_LE(bar.positions.size(), 22u);
  for (std::size_t i = 1; i < bar.positions.size(); ++i) EXPECT_GT(bar.positions[i], bar.positions[i - 1]);
  EXPECT_LE(bar.positions.back(), 100);
  // A page whose length is no multiple of 20 stays within the bar too.
  bar.positions.clear();
  f.TranslateHtml("One. Two. Three. Four. Five. Six. Seven", out);
  for (long long p : bar.positions) EXPECT_LE(p, 100);
}

TEST(SentenceTranslator, LongTextIsCutBetweenCharacters) {
  Engine engine;
  SentenceTranslator st(engine);
  std::string chinese;
  for (int i = 0; i < 200; ++i) chinese += "\xD6\xD0";  // 400 bytes of one GBK character
  std::string out = st.TranslateLong(chinese);
  // Every piece keeps whole characters and the pieces join without a mark
  // between them, so the text comes back unbroken (with the closing blank).
  EXPECT_EQ(out, chinese + " ");
}

}  // namespace
}  // namespace wb
