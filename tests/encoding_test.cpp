#include "cli/encoding.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(Encoding, GbkToUtf8KeepsEveryByteVisible) {
  EXPECT_EQ(GbkToUtf8("ab \xD6\xD0\xCE\xC4."), "ab 中文.");
  // A lone lead byte at the end, or one before ASCII, is not swallowed.
  EXPECT_EQ(GbkToUtf8("x\xD6"), "x\xEF\xBF\xBD");
  EXPECT_EQ(GbkToUtf8("\xD6 a"), "\xEF\xBF\xBD a");
}

TEST(Encoding, Utf8ToEngineBytes) {
  Utf8ToEngine c;
  EXPECT_EQ(c.Convert("don\xE2\x80\x99t \xE2\x80\x9Cgo\xE2\x80\x9D \xE2\x80\x94 wait\xE2\x80\xA6"),
            "don't \"go\" -- wait...");
  EXPECT_EQ(c.Convert("a\xC2\xA0" "b"), "a b");
}

TEST(Encoding, ForeignPhrasesKeepTheirBlanksAndPunctuation) {
  Utf8ToEngine c;
  // Words with nothing English between them go over as one stand-in.
  const std::string phrase = c.Convert("Ελληνικά 測試, 😀");
  EXPECT_EQ(phrase.size(), 2u);
  EXPECT_EQ(c.ToUtf8(phrase), "Ελληνικά 測試, 😀");
  // English between them keeps them apart; the punctuation around English
  // goes to the engine in its ASCII form.
  const std::string mixed = c.Convert("中文 is \xE2\x80\x9Cnice\xE2\x80\x9D, Zoë.");
  EXPECT_EQ(mixed.substr(2), " is \"nice\", " + c.Convert("Zoë") + ".");
  EXPECT_EQ(c.ToUtf8(mixed), "中文 is \"nice\", Zoë.");
}

// The engine reads English; anything else must come back from it as it was
// written, never as "?" or mojibake.
TEST(Encoding, WordsOutsideGbComeBackAsWritten) {
  Utf8ToEngine c;
  const char* words[] = {"😀", "Ελληνικά", "naïve", "café", "測試", "中文", "Zoë", "👨\u200d👩\u200d👧",
                         "\xEF\xBF\xBD"};
  for (const char* w : words) {
    const std::string engine = c.Convert(w);
    // One stand-in: two GB-range bytes (four past the first 1128 words),
    // nothing the scanner would cut.
    ASSERT_EQ(engine.size(), 2u) << w;
    EXPECT_GE(static_cast<unsigned char>(engine[0]), 0xAA) << w;
    EXPECT_GE(static_cast<unsigned char>(engine[1]), 0xA1) << w;
    EXPECT_EQ(c.ToUtf8(engine), w);
    EXPECT_EQ(c.ToUtf8("x " + engine + " \xD6\xD0."), std::string("x ") + w + " 中.");
  }
  // The same word gets the same stand-in; a stray byte shows as U+FFFD.
  EXPECT_EQ(c.Convert("naïve"), c.Convert("naïve"));
  EXPECT_EQ(c.ToUtf8(c.Convert("x\xFFy")), "x\xEF\xBF\xBDy");
  // Stand-ins this converter did not hand out are plain GBK.
  Utf8ToEngine other;
  EXPECT_EQ(other.ToUtf8("\xAA\xA1"), GbkToUtf8("\xAA\xA1"));
}

// Invisible marks (soft hyphen, zero-width no-break space) neither glue an
// English word to a stand-in nor end a foreign phrase; found by fuzzing.
TEST(Encoding, InvisibleMarksKeepWordsApart) {
  Utf8ToEngine c;
  EXPECT_EQ(c.Convert("book\u00ADkeeper"), "bookkeeper");
  for (const char* text : {"A\uFEFF中文", "中文=\u00AD\"測試", "x \u00AD 中"}) {
    const std::string engine = c.Convert(text);
    EXPECT_EQ(c.Convert(c.ToUtf8(engine)), engine) << text;
  }
  EXPECT_EQ(c.ToUtf8(c.Convert("中文=\u00AD\"測試")), "中文=\u00AD\"測試");
  // A zero-width space parts two words.
  EXPECT_EQ(c.Convert("two\u200Bwords"), "two words");
}

TEST(Encoding, ManyDistinctWordsStillComeBack) {
  Utf8ToEngine c;
  std::string text, engine;
  for (int i = 0; i < 3000; ++i) text += "ω" + std::to_string(i) + "é ";
  engine = c.Convert(text);
  EXPECT_EQ(c.ToUtf8(engine), text);
}

TEST(Encoding, PageDetectionAndCodec) {
  EXPECT_EQ(DetectPageEncoding("plain ascii"), PageEncoding::kUtf8);
  EXPECT_EQ(DetectPageEncoding("caf\xC3\xA9"), PageEncoding::kUtf8);
  EXPECT_EQ(DetectPageEncoding("caf\xE9"), PageEncoding::kCp1252);
  EXPECT_EQ(Cp1252ToUtf8("\x93hi\x94 caf\xE9"), "\xE2\x80\x9Chi\xE2\x80\x9D caf\xC3\xA9");

  Utf8PageCodec latin(PageEncoding::kCp1252);
  EXPECT_EQ(latin.ToEngine("it\x92s"), "it's");
  EXPECT_EQ(latin.Passthrough("caf\xE9"), "caf\xC3\xA9");
  EXPECT_EQ(latin.FromEngine(latin.ToEngine("na\xEFve.")), "naïve.");
  // A Big5 page arrives converted to GB.
  Utf8PageCodec gb(PageEncoding::kGb);
  EXPECT_EQ(gb.Passthrough("\xD6\xD0"), "中");
  EXPECT_EQ(gb.FromEngine(gb.ToEngine("\xD6\xD0 is")), "中 is");
  // Once a page has been turned into GB its own bytes are Chinese.
  Utf8PageCodec utf8(PageEncoding::kUtf8);
  utf8.SetPageIsGb(true);
  EXPECT_EQ(utf8.Passthrough("\xD6\xD0"), "中");
}

}  // namespace
}  // namespace wb
