// Large numbers and quotation marks as the generator writes them: English
// counts in thousands and millions, Chinese in 万 and 亿; quotation marks
// pair up as “ ”.

#include <gtest/gtest.h>

#include <string>

#include "engine/generate/chinese_text.h"
#include "engine/generate/large_numbers.h"

namespace wb {
namespace {

std::string Large(const char* number, const char* unit) {
  bool digits = false;
  const double n = EnglishNumberValue(number, digits);
  return ChineseLargeNumber(n * LargeUnitValue(unit), digits);
}

TEST(LargeNumbers, WordsComeOutInChineseNumerals) {
  EXPECT_EQ(Large("ten", "million"), "\xD2\xBB\xC7\xA7\xCD\xF2");                  // 一千万
  EXPECT_EQ(Large("a", "million"), "\xD2\xBB\xB0\xD9\xCD\xF2");                    // 一百万
  EXPECT_EQ(Large("two", "thousand"), "\xC1\xBD\xC7\xA7");                         // 两千
  EXPECT_EQ(Large("ten", "thousand"), "\xD2\xBB\xCD\xF2");                         // 一万
  EXPECT_EQ(Large("twenty-five", "thousand"), "\xC1\xBD\xCD\xF2\xCE\xE5\xC7\xA7");  // 两万五千
  EXPECT_EQ(Large("three", "hundred"), "\xC8\xFD\xB0\xD9");                        // 三百
  EXPECT_EQ(Large("two", "billion"), "\xB6\xFE\xCA\xAE\xD2\xDA");                  // 二十亿
}

TEST(LargeNumbers, DigitsStayDigitsWithWanOrYi) {
  EXPECT_EQ(Large("2", "million"), "200\xCD\xF2");     // 200万
  EXPECT_EQ(Large("1.5", "million"), "150\xCD\xF2");   // 150万
  EXPECT_EQ(Large("1,200", "million"), "12\xD2\xDA");  // 12亿
  EXPECT_EQ(Large("3", "billion"), "30\xD2\xDA");      // 30亿
  EXPECT_EQ(Large("5", "thousand"), "5000");
}

TEST(LargeNumbers, WhatIsNoNumberGivesNothing) {
  bool digits = false;
  EXPECT_LT(EnglishNumberValue("cat", digits), 0);
  EXPECT_LT(EnglishNumberValue("1x", digits), 0);
  EXPECT_LT(EnglishNumberValue("twenty-", digits), 0);
  EXPECT_EQ(LargeUnitValue("people"), 0);
  EXPECT_EQ(LargeUnitValue("Millions"), 1e6);
  EXPECT_EQ(ChineseLargeNumber(0, false), "");
  EXPECT_EQ(ChineseLargeNumber(1e20, true), "");
}

TEST(ChineseQuotes, PairsOpenAndClose) {
  const std::string open = "\xA1\xB0", close = "\xA1\xB1", comma = "\xA3\xAC", stop = "\xA1\xA3";
  std::string s = "\"ab\"cd";
  ChineseQuotes(s);
  EXPECT_EQ(s, open + "ab" + close + "cd");
  // After a comma a quotation opens; the mark after the closing 。 closes.
  s = "x" + comma + "\"y" + stop + "\"";
  ChineseQuotes(s);
  EXPECT_EQ(s, "x" + comma + open + "y" + stop + close);
  // A quotation begun in an earlier sentence only closes here.
  s = "y" + stop + "\"";
  ChineseQuotes(s);
  EXPECT_EQ(s, "y" + stop + close);
  // The second byte of a GBK character is never taken for a mark.
  s = "\xA1\x22";
  ChineseQuotes(s);
  EXPECT_EQ(s, "\xA1\x22");
}

}  // namespace
}  // namespace wb
