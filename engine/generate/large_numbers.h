#pragma once
// Numbers with a large unit ("ten million", "2 million", "two thousand").
// English counts large numbers in thousands, Chinese in ten-thousands
// (万) and hundred-millions (亿): "ten million" is 一千万, never 十百万, and
// "2 million" is 200万. The unit's own equivalent cannot be put after the
// number's, so the two are worked out as one value and written afresh.

#include <string>
#include <string_view>

namespace wb {

// The value of a large unit word (hundred, thousand, million, billion, and
// their plurals); 0 for any other word.
double LargeUnitValue(std::string_view word);

// The value of a number written in English: digits ("2", "1.5", "1,200"),
// a number word ("ten", "twenty-five") or the article "a"/"an" (one).
// Sets digits when it was written in digits; -1 when it is no number.
double EnglishNumberValue(std::string_view word, bool& digits);

// The Chinese (GBK) of a value: in digits with 万 or 亿 when the English
// used digits (200万, 1.5亿), in Chinese numerals otherwise (一千万, 两千).
std::string ChineseLargeNumber(double value, bool digits);

}  // namespace wb
