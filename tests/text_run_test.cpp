// The text hook's handling of one run drawn through the ANSI call: the carry
// bytes of a double-byte character split between two runs, and the spacing
// array given to the ANSI call.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "texthook/core/byte_spacing.h"
#include "texthook/core/carry_bytes.h"

namespace wb {
namespace {

// "中" in GB is D6 D0; "啊" is B0 A1. As the renderer of a non-Chinese
// system sees a GB page, each byte is one character.
const std::string kZhong = "\xD6\xD0";

TEST(CarryRun, ChineseSystemsDrawTheRunAsItIs) {
  for (std::uint32_t language : {2052u, 1028u}) {
    ASSERT_TRUE(IsChineseLanguage(language));
    CarryBytes carry{0xD0, 'x'};
    EXPECT_EQ(CarryRun("\xD0xab\xD6", "\xD0y", 5, true, carry), "\xD0xab\xD6");
    EXPECT_EQ(carry.first, 0xD0);  // untouched
    EXPECT_EQ(carry.second, 'x');
  }
  EXPECT_FALSE(IsChineseLanguage(1033));
  EXPECT_FALSE(IsChineseLanguage(1041));
  EXPECT_FALSE(IsChineseLanguage(0));
}

TEST(CarryRun, SplitCharacterIsDrawnWholeWithTheFirstRun) {
  CarryBytes carry;
  // Three high bytes at the end: the last is a lead byte.
  EXPECT_EQ(CarryRun("a\xB0\xA1\xD6", "\xD0x", 4, false, carry), "a\xB0\xA1" + kZhong);
  EXPECT_EQ(carry.first, 0xD0);
  EXPECT_EQ(carry.second, 'x');
  // The next run begins with the trail byte already drawn: a space stands in.
  EXPECT_EQ(CarryRun("\xD0xyz", "", 4, false, carry), " xyz");
  EXPECT_EQ(carry.first, 0);
  EXPECT_EQ(carry.second, 0);
}

TEST(CarryRun, EvenHighBytesClearTheCarry) {
  CarryBytes carry{0xD0, 'x'};
  EXPECT_EQ(CarryRun("ab" + kZhong, "\xB0\xA1", 4, false, carry), "ab" + kZhong);
  EXPECT_EQ(carry.first, 0);
  carry = {0xD0, 'x'};
  EXPECT_EQ(CarryRun("abc", "\xB0\xA1", 3, false, carry), "abc");
  EXPECT_EQ(carry.first, 0);
  carry = {0xD0, 'x'};
  EXPECT_EQ(CarryRun("", "", 0, false, carry), "");
  EXPECT_EQ(carry.first, 0);
}

TEST(CarryRun, OnlyTheExactTwoBytesAreBlanked) {
  CarryBytes carry{0xD0, 'x'};
  EXPECT_EQ(CarryRun("\xD0yz", "", 3, false, carry), "\xD0yz");
  carry = {0xD0, 'x'};
  EXPECT_EQ(CarryRun("x\xD0", "", 2, false, carry), "x\xD0");
  // No carry never blanks a run that begins with zero bytes.
  carry = {};
  EXPECT_EQ(CarryRun(std::string("\0\0a", 3), "", 3, false, carry), std::string("\0\0a", 3));
}

TEST(CarryRun, BlankedRunCanCarryAgain) {
  CarryBytes carry{0xD0, 'x'};
  EXPECT_EQ(CarryRun("\xD0x\xD6", "\xD0q", 3, false, carry), " x" + kZhong);
  EXPECT_EQ(carry.first, 0xD0);
  EXPECT_EQ(carry.second, 'q');
}

// Fewer than two characters after the run: take what is there, never more.
TEST(CarryRun, TextEndingAfterTheRun) {
  CarryBytes carry;
  EXPECT_EQ(CarryRun("ab\xD6", "\xD0", 3, false, carry), "ab" + kZhong);
  EXPECT_EQ(carry.first, 0xD0);
  EXPECT_EQ(carry.second, 0);
  // A run that is just that one trail byte compares as if a zero followed.
  EXPECT_EQ(CarryRun("\xD0", "", 1, false, carry), " ");
  EXPECT_EQ(carry.first, 0);

  carry = {};
  EXPECT_EQ(CarryRun("ab\xD6", "", 3, false, carry), "ab\xD6");
  EXPECT_EQ(carry.first, 0);
  EXPECT_EQ(carry.second, 0);
  // Nothing beyond the first two following bytes is ever used.
  EXPECT_EQ(CarryRun("ab\xD6", "\xD0xyz", 3, false, carry), "ab" + kZhong);
  EXPECT_EQ(carry.second, 'x');
}

TEST(CarryRun, HighBytesCountedUpToTheCharacterCount) {
  // Three high bytes, but the run had two characters (a double-byte code
  // page): only two are counted, an even number.
  CarryBytes carry{1, 2};
  EXPECT_EQ(CarryRun("\xB0\xA1\xD6", "\xD0x", 2, false, carry), "\xB0\xA1\xD6");
  EXPECT_EQ(carry.first, 0);
}

// The trail byte alone as a run: judged on the lengthened text, as a fresh
// conversion of the run and what follows it would be.
TEST(CarryRun, OneByteRunJudgedOnTheLongerText) {
  CarryBytes carry{0xD0, 'B'};
  EXPECT_EQ(CarryRun("\xD0", "BC", 1, false, carry), " B");
  EXPECT_EQ(carry.first, 'B');
  EXPECT_EQ(carry.second, 'C');
}

using Ints = std::vector<int>;

TEST(ByteSpacing, EachCharacterKeepsItsAdvanceOnItsFirstByte) {
  const Ints dx{7, 10, 12};
  const std::vector<CharBytes> single{{1, 1}, {1, 1}, {1, 1}};
  EXPECT_EQ(ByteSpacing(dx, single, 3, false), (Ints{7, 10, 12}));
  const std::vector<CharBytes> mixed{{1, 1}, {1, 2}, {1, 2}};
  EXPECT_EQ(ByteSpacing(dx, mixed, 5, false), (Ints{7, 10, 0, 12, 0}));
  // Pairs of x and y advances.
  const Ints dxy{7, 1, 10, 2, 12, 3};
  EXPECT_EQ(ByteSpacing(dxy, mixed, 5, true), (Ints{7, 1, 10, 2, 0, 0, 12, 3, 0, 0}));
}

TEST(ByteSpacing, AddedBytesMoveNothing) {
  const Ints dx{7, 10};
  const std::vector<CharBytes> chars{{1, 1}, {1, 1}};
  EXPECT_EQ(ByteSpacing(dx, chars, 3, false), (Ints{7, 10, 0}));
  EXPECT_EQ(ByteSpacing(Ints{7, 1, 10, 2}, chars, 3, true), (Ints{7, 1, 10, 2, 0, 0}));
}

TEST(ByteSpacing, SurrogatesAndCharactersWithoutBytes) {
  // A surrogate pair drawn as one byte takes both advances.
  EXPECT_EQ(ByteSpacing(Ints{5, 6, 7}, std::vector<CharBytes>{{2, 1}, {1, 1}}, 2, false), (Ints{11, 7}));
  // A character that drew nothing hands its advance on, or back at the end.
  EXPECT_EQ(ByteSpacing(Ints{5, 6, 7}, std::vector<CharBytes>{{1, 1}, {1, 0}, {1, 1}}, 2, false),
            (Ints{5, 13}));
  EXPECT_EQ(ByteSpacing(Ints{5, 6, 7}, std::vector<CharBytes>{{1, 1}, {1, 1}, {1, 0}}, 2, false),
            (Ints{5, 13}));
  EXPECT_TRUE(ByteSpacing(Ints{5}, std::vector<CharBytes>{{1, 0}}, 0, false).empty());
}

TEST(ByteSpacing, NeverReadsOrWritesPastEitherArray) {
  // Fewer advances than code units: the missing ones count as 0.
  EXPECT_EQ(ByteSpacing(Ints{5}, std::vector<CharBytes>{{1, 1}, {1, 2}}, 3, false), (Ints{5, 0, 0}));
  EXPECT_EQ(ByteSpacing(Ints{}, std::vector<CharBytes>{{1, 1}}, 1, true), (Ints{0, 0}));
  // Characters claiming more bytes than are drawn.
  EXPECT_EQ(ByteSpacing(Ints{5, 6, 7}, std::vector<CharBytes>{{1, 2}, {1, 2}, {1, 2}}, 3, false),
            (Ints{5, 0, 13}));
  // Sums that would overflow are clamped.
  EXPECT_EQ(ByteSpacing(Ints{INT_MAX, INT_MAX}, std::vector<CharBytes>{{2, 1}}, 1, false), (Ints{INT_MAX}));
}

}  // namespace
}  // namespace wb
