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
  EXPECT_EQ(c.Convert("中文"), "\xD6\xD0\xCE\xC4");
  EXPECT_EQ(c.Convert("a\xC2\xA0" "b"), "a b");
  // Broken UTF-8 and characters GBK lacks become "?".
  EXPECT_EQ(c.Convert("x\xFFy"), "x?y");
  EXPECT_EQ(c.Convert("\xF0\x9F\x98\x80"), "?");
}

TEST(Encoding, PageDetectionAndCodec) {
  EXPECT_EQ(DetectPageEncoding("plain ascii"), PageEncoding::kUtf8);
  EXPECT_EQ(DetectPageEncoding("caf\xC3\xA9"), PageEncoding::kUtf8);
  EXPECT_EQ(DetectPageEncoding("caf\xE9"), PageEncoding::kCp1252);
  EXPECT_EQ(Cp1252ToUtf8("\x93hi\x94 caf\xE9"), "\xE2\x80\x9Chi\xE2\x80\x9D caf\xC3\xA9");

  Utf8PageCodec latin(PageEncoding::kCp1252);
  EXPECT_EQ(latin.ToEngine("it\x92s"), "it's");
  EXPECT_EQ(latin.Passthrough("caf\xE9"), "caf\xC3\xA9");
  // Once a page has been turned into GB its own bytes are Chinese.
  Utf8PageCodec utf8(PageEncoding::kUtf8);
  utf8.SetPageIsGb(true);
  EXPECT_EQ(utf8.Passthrough("\xD6\xD0"), "中");
  EXPECT_EQ(utf8.ToEngine("\xD6\xD0"), "\xD6\xD0");
}

}  // namespace
}  // namespace wb
