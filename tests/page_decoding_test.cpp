// Which code a page is in, and how the tool brings it to UTF-8: Western
// pages never taken for Big5, real Big5 pages still are, UTF-16 and UTF-32
// decoded, declared codes honoured.
#include "cli/page_decoding.h"

#include <gtest/gtest.h>

#include <string>

#include "cli/encoding.h"
#include "html/entities.h"
#include "html/page_charset.h"

namespace wb {
namespace {

std::string From(const char* code, const std::string& utf8) {
  std::string out;
  EXPECT_TRUE(ConvertCharset(code, "UTF-8", utf8, out)) << code;
  return out;
}

// Traditional Chinese as a Big5 page would hold it (made with iconv, so the
// bytes are real Big5, trail bytes below 0xA1 included).
const std::string kTraditional =
    "<html><head><title>中文測試頁</title></head><body><p>這是一本書。我們學習語言，"
    "也看報紙和雜誌。圖書館的開放時間是每天上午九點到下午五點。</p>"
    "<p>English text here. 1998年</p></body></html>";

TEST(PageCharset, DeclarationsAreFound) {
  EXPECT_EQ(DeclaredCharset("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Big5\">"), "big5");
  EXPECT_EQ(DeclaredCharset("<META charset='ISO-8859-1'>"), "iso-8859-1");
  EXPECT_EQ(DeclaredCharset("<?xml version=\"1.0\" encoding=\"GB2312\"?><html>"), "gb2312");
  // Only in a meta element: text that talks about charsets declares nothing.
  EXPECT_EQ(DeclaredCharset("<p>Use charset=big5 for Taiwan.</p>"), "");
  EXPECT_EQ(DeclaredCharset("<meta name=x content=y>"), "");
  EXPECT_EQ(ClassifyCharset("windows-1252"), CharsetFamily::kWestern);
  EXPECT_EQ(ClassifyCharset("x-x-big5"), CharsetFamily::kBig5);
  EXPECT_EQ(ClassifyCharset("koi8-r"), CharsetFamily::kOther);
}

TEST(PageCharset, WesternPagesAreNeverBig5) {
  // Each accented letter followed by an ASCII letter is a Big5-like pair.
  for (const char* page : {"<p>He is na\xEFve.</p>", "<p>\xDC" "ber \xD6konomie und M\xFCller in Z\xFCrich.</p>",
                           "<p>R\xE9sum\xE9 of Se\xF1or Garc\xED" "a.</p>"}) {
    EXPECT_TRUE(LooksLikeBig5(page)) << page;  // the pair count alone is fooled
    EXPECT_FALSE(PageIsBig5(page)) << page;
    EXPECT_FALSE(LooksLikeGb(page)) << page;
  }
  // Declared Western (or UTF-8): never Big5, whatever the bytes.
  const std::string big5 = From("BIG5", kTraditional);
  EXPECT_FALSE(PageIsBig5("<meta charset=iso-8859-1>" + big5));
  EXPECT_FALSE(PageIsBig5("<meta charset=utf-8>" + big5));
}

TEST(PageCharset, RealBig5PagesStillAre) {
  const std::string big5 = From("BIG5", kTraditional);
  EXPECT_TRUE(PageIsBig5(big5));
  EXPECT_TRUE(PageIsBig5("<meta http-equiv=Content-Type content=\"text/html; charset=big5\">" + big5));
  // With English names among the Chinese.
  EXPECT_TRUE(PageIsBig5(From("BIG5", "<p>Mr Smith 先生說：這本書很好。我們明天見。</p>")));
  // Declared Big5 is Big5 even where the bytes alone would not tell.
  EXPECT_TRUE(PageIsBig5("<meta charset=big5><p>\xA4\xA4\xA4\xE5</p>"));
  EXPECT_FALSE(PageIsBig5("<p>\xA4\xA4\xA4\xE5</p>"));
  EXPECT_TRUE(LooksLikeGb("<p>\xD6\xD0\xCE\xC4</p>"));
}

TEST(PageDecoding, UnicodeWithByteOrderMarks) {
  const std::string page = "<p>Hello world. 中文 Zoë 😀</p>";
  for (const char* code : {"UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE"}) {
    const std::string bom = From(code, "\xEF\xBB\xBF");
    DecodedPage d;
    std::string error;
    ASSERT_TRUE(DecodeForUtf8(bom + From(code, page), d, error)) << code << error;
    EXPECT_EQ(d.bytes, page) << code;
    EXPECT_EQ(d.encoding, PageEncoding::kUtf8);
    std::string gbk;
    bool fromUtf8 = false;
    // GBK output takes what GBK can show; the rest becomes character
    // references, which browsers show and the filter leaves as they are.
    EXPECT_TRUE(DecodeForGbk(bom + From(code, page), gbk, fromUtf8, error)) << error;
    EXPECT_TRUE(fromUtf8);
    EXPECT_EQ(gbk, "<p>Hello world. \xD6\xD0\xCE\xC4 Zo&#235; &#128512;</p>");
  }
  // So does a page in UTF-8, with its mark or without; other pages go to the
  // engine as they are.
  std::string gbkError;
  for (const std::string& utf8 : {std::string("\xEF\xBB\xBF") + page, page}) {
    std::string gbk;
    bool fromUtf8 = false;
    EXPECT_TRUE(DecodeForGbk(utf8, gbk, fromUtf8, gbkError));
    EXPECT_EQ(gbk, "<p>Hello world. \xD6\xD0\xCE\xC4 Zo&#235; &#128512;</p>");
  }
  std::string gbk;
  bool fromUtf8 = true;
  EXPECT_TRUE(DecodeForGbk("<p>na\xEFve</p>", gbk, fromUtf8, gbkError));
  EXPECT_FALSE(fromUtf8);
  EXPECT_EQ(gbk, "<p>na\xEFve</p>");
  // UTF-16 recognised by its zero bytes alone.
  DecodedPage d;
  std::string error;
  ASSERT_TRUE(DecodeForUtf8(From("UTF-16LE", page), d, error));
  EXPECT_EQ(d.bytes, page);
  // A UTF-8 mark is dropped.
  ASSERT_TRUE(DecodeForUtf8("\xEF\xBB\xBF<p>x</p>", d, error));
  EXPECT_EQ(d.bytes, "<p>x</p>");
}

TEST(PageDecoding, BrokenUnicodeIsRefused) {
  DecodedPage d;
  std::string error;
  // Odd length, and a lone surrogate.
  EXPECT_FALSE(DecodeForUtf8(std::string("\xFF\xFE<\0p", 5), d, error));
  EXPECT_NE(error.find("UTF-16LE"), std::string::npos) << error;
  EXPECT_NE(error.find("byte offset 4"), std::string::npos) << error;
  EXPECT_FALSE(DecodeForUtf8(std::string("\xFE\xFF\xD8\x00\x00<", 6), d, error));
  std::string gbk;
  bool fromUtf8 = false;
  EXPECT_FALSE(DecodeForGbk(std::string("\xFF\xFE<\0p", 5), gbk, fromUtf8, error));
  EXPECT_NE(error.find("not valid UTF-16LE"), std::string::npos) << error;
}

TEST(PageDecoding, DeclaredAndGuessedCodes) {
  DecodedPage d;
  std::string error;
  // Western: Windows-1252, declared or not, never Big5.
  ASSERT_TRUE(DecodeForUtf8("<p>He is na\xEFve.</p>", d, error));
  EXPECT_EQ(d.encoding, PageEncoding::kCp1252);
  EXPECT_FALSE(d.big5);
  ASSERT_TRUE(DecodeForUtf8("<meta charset=iso-8859-1>" + From("BIG5", kTraditional), d, error));
  EXPECT_FALSE(d.big5);
  // Big5, declared or not, goes to the Big5 table.
  ASSERT_TRUE(DecodeForUtf8(From("BIG5", kTraditional), d, error));
  EXPECT_TRUE(d.big5);
  ASSERT_TRUE(DecodeForUtf8("<meta charset=big5>" + From("BIG5", "<p>中文</p>"), d, error));
  EXPECT_TRUE(d.big5);
  // GB and other declared codes are converted to UTF-8.
  const std::string simplified = "<p>这是一本书。English too.</p>";
  ASSERT_TRUE(DecodeForUtf8("<meta charset=gb2312>" + From("GB2312", simplified), d, error));
  EXPECT_EQ(d.bytes, "<meta charset=gb2312>" + simplified);
  ASSERT_TRUE(DecodeForUtf8(From("GB2312", simplified), d, error));
  EXPECT_EQ(d.bytes, simplified);
  ASSERT_TRUE(DecodeForUtf8("<meta charset=koi8-r>" + From("KOI8-R", "<p>Привет</p>"), d, error));
  EXPECT_EQ(d.bytes, "<meta charset=koi8-r><p>Привет</p>");
  // Valid UTF-8 is UTF-8, whatever the page declares.
  ASSERT_TRUE(DecodeForUtf8("<meta charset=big5><p>café 中文</p>", d, error));
  EXPECT_FALSE(d.big5);
  EXPECT_EQ(d.encoding, PageEncoding::kUtf8);
  EXPECT_EQ(d.bytes, "<meta charset=big5><p>café 中文</p>");
  // An unknown name: the bytes decide.
  ASSERT_TRUE(DecodeForUtf8("<meta charset=no-such-code><p>caf\xE9</p>", d, error));
  EXPECT_EQ(d.encoding, PageEncoding::kCp1252);
}

}  // namespace
}  // namespace wb
