#pragma once
// Word categories: one byte each. 0..26 are parts of speech, 100..149 phrase
// categories, 200 a reference, 255 none.

#include <cstdint>

namespace wb {

using Category = std::uint8_t;

namespace cat {
constexpr Category kDollar = 0;  // $
constexpr Category kQuery = 1;   // ?
constexpr Category kAdj = 2;
constexpr Category kAdv = 3;
constexpr Category kAs = 4;
constexpr Category kAux = 5;
constexpr Category kBe = 6;
constexpr Category kComma = 7;
constexpr Category kConj = 8;
constexpr Category kDet = 9;
constexpr Category kNum = 10;
constexpr Category kIf = 11;
constexpr Category kN = 12;
constexpr Category kPrep = 13;
constexpr Category kPron = 14;
constexpr Category kThat = 15;
constexpr Category kThere = 16;
constexpr Category kCaret = 17;  // ^
constexpr Category kTo = 18;
constexpr Category kV = 19;
constexpr Category kBoth = 20;
constexpr Category kWh = 21;
constexpr Category kPoss = 22;  // 's
constexpr Category kAnd = 23;
constexpr Category kBang = 24;   // !
constexpr Category kQuote = 25;  // "
constexpr Category kIntj = 26;
constexpr Category kRef = 200;
constexpr Category kNone = 255;
}  // namespace cat

// A set of categories below 32, one bit per category.
using CategorySet = std::uint32_t;

constexpr CategorySet CatBit(Category c) { return c < 32 ? (CategorySet{1} << c) : 0; }

template <typename... C>
constexpr CategorySet MakeCategorySet(C... cs) {
  return (CatBit(static_cast<Category>(cs)) | ... | 0u);
}

}  // namespace wb
