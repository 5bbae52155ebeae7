#include "engine/generate/large_numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace wb {

namespace {

constexpr std::string_view kUnits[] = {"zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine",
                                      "ten", "eleven", "twelve", "thirteen", "fourteen", "fifteen", "sixteen",
                                      "seventeen", "eighteen", "nineteen"};
constexpr std::string_view kTens[] = {"", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty",
                                     "ninety"};

// GBK digits 零 一 二 ... 九, and the small units 十 百 千.
constexpr std::string_view kDigit[] = {"\xC1\xE3", "\xD2\xBB", "\xB6\xFE", "\xC8\xFD", "\xCB\xC4",
                                      "\xCE\xE5", "\xC1\xF9", "\xC6\xDF", "\xB0\xCB", "\xBE\xC5"};
constexpr std::string_view kLiang = "\xC1\xBD";  // 两
constexpr std::string_view kSmallUnit[] = {"", "\xCA\xAE", "\xB0\xD9", "\xC7\xA7"};
constexpr std::string_view kWan = "\xCD\xF2";  // 万
constexpr std::string_view kYi = "\xD2\xDA";   // 亿

std::string Lower(std::string_view w) {
  std::string s(w);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

double WordValue(std::string_view w) {
  for (std::size_t k = 0; k < std::size(kUnits); ++k)
    if (w == kUnits[k]) return static_cast<double>(k);
  for (std::size_t k = 2; k < std::size(kTens); ++k)
    if (w == kTens[k]) return static_cast<double>(k * 10);
  return -1;
}

// Below 10000 in Chinese numerals: 两千五百, 一千零五, 十五 (not 一十五
// when it stands first).
std::string BelowTenThousand(int n, bool first) {
  std::string out;
  bool zero = false;
  for (int place = 3; place >= 0; --place) {
    const int p = static_cast<int>(std::pow(10, place));
    const int d = n / p % 10;
    if (d == 0) {
      zero = !out.empty();
      continue;
    }
    if (zero) out += kDigit[0];
    zero = false;
    if (place == 1 && d == 1 && out.empty() && first) {
      out += kSmallUnit[1];
      continue;
    }
    out += d == 2 && place >= 2 ? kLiang : kDigit[d];
    out += kSmallUnit[place];
  }
  return out;
}

std::string Digits(double v) {
  char buf[32];
  if (std::fabs(v - std::round(v)) < 1e-9) std::snprintf(buf, sizeof buf, "%.0f", v);
  else std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

}  // namespace

double LargeUnitValue(std::string_view word) {
  std::string w = Lower(word);
  if (w.size() > 1 && w.back() == 's') w.pop_back();
  if (w == "hundred") return 1e2;
  if (w == "thousand") return 1e3;
  if (w == "million") return 1e6;
  if (w == "billion") return 1e9;
  return 0;
}

double EnglishNumberValue(std::string_view word, bool& digits) {
  digits = false;
  if (word.empty()) return -1;
  if (word[0] >= '0' && word[0] <= '9') {
    std::string s;
    for (char c : word) {
      if (c == ',') continue;
      if ((c < '0' || c > '9') && c != '.') return -1;
      s += c;
    }
    digits = true;
    return std::atof(s.c_str());
  }
  const std::string w = Lower(word);
  if (w == "a" || w == "an") return 1;
  const std::size_t dash = w.find('-');
  if (dash == std::string::npos) return WordValue(w);
  const double tens = WordValue(std::string_view(w).substr(0, dash));
  const double ones = WordValue(std::string_view(w).substr(dash + 1));
  return tens >= 20 && ones >= 1 && ones <= 9 ? tens + ones : -1;
}

std::string ChineseLargeNumber(double value, bool digits) {
  if (value <= 0 || value >= 1e16) return {};
  if (digits) {
    if (value >= 1e8) return Digits(value / 1e8) + std::string(kYi);
    if (value >= 1e4) return Digits(value / 1e4) + std::string(kWan);
    return Digits(value);
  }
  long long n = std::llround(value);
  const int yi = static_cast<int>(n / 100000000);
  const int wan = static_cast<int>(n / 10000 % 10000);
  const int rest = static_cast<int>(n % 10000);
  std::string out;
  if (yi > 0) out += BelowTenThousand(yi, true) + std::string(kYi);
  // Two of a large unit is 两 (两万, 两亿).
  if (yi == 2) out.replace(0, kDigit[2].size(), kLiang);
  if (wan > 0) out += (yi > 0 && wan < 1000 ? std::string(kDigit[0]) : std::string()) +
                      (wan == 2 ? std::string(kLiang) : BelowTenThousand(wan, yi == 0)) + std::string(kWan);
  if (rest > 0) out += ((yi > 0 || wan > 0) && rest < 1000 ? std::string(kDigit[0]) : std::string()) +
                       BelowTenThousand(rest, yi == 0 && wan == 0);
  return out;
}

}  // namespace wb
