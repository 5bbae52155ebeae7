#include "app/add_wrapped.h"

namespace wb {

namespace {

constexpr std::size_t kLineBytes = 50;

bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsGbkTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

// The position after the unit that starts at p: a double-byte character, a
// word, or any other single byte.
std::size_t NextUnit(std::string_view s, std::size_t p) {
  unsigned char c = static_cast<unsigned char>(s[p]);
  // GBK trail bytes reach down into ASCII (0x40..0x7E), so a lead byte takes
  // the byte after it whatever that byte is; two bytes above 0x80 alone
  // would let a cut fall between "\x81" and "@".
  if (IsGbkLead(c) && p + 1 < s.size() && IsGbkTrail(static_cast<unsigned char>(s[p + 1]))) return p + 2;
  if (c < 0x80 && c != ' ') {
    while (p < s.size() && static_cast<unsigned char>(s[p]) < 0x80 && s[p] != ' ') ++p;
    return p;
  }
  return p + 1;
}

}  // namespace

std::vector<std::string> WrapLines(std::string_view text) {
  std::vector<std::string> lines;
  if (text.size() < kLineBytes) {
    lines.emplace_back(text);
    return lines;
  }
  std::size_t q = 0;  // start of the line being built
  std::size_t p = 0;
  while (true) {
    p = NextUnit(text, p);
    if (p >= text.size()) break;
    if (p - q >= kLineBytes) {
      lines.emplace_back(text.substr(q, p - q));
      q = p;
      if (text.size() - p < kLineBytes + 1) break;
    }
  }
  lines.emplace_back(text.substr(q));
  return lines;
}

}  // namespace wb
