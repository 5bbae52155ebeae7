#include "engine/sentence_pieces.h"

#include <algorithm>

namespace wb {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

std::size_t WindowEnd(std::string_view text) {
  if (text.size() <= kPieceBytes) return text.size();
  for (std::size_t i = kPieceBytes; i > 0; --i)
    if (IsSeparator(text[i])) return i;
  // One token longer than the window: cut it, but not inside a two-byte
  // character (a run of high bytes is cut after an even number of them).
  std::size_t runStart = kPieceBytes;
  while (runStart > 0 && static_cast<unsigned char>(text[runStart - 1]) >= 0x80) --runStart;
  return (kPieceBytes - runStart) % 2 == 1 ? kPieceBytes - 1 : kPieceBytes;
}

int PieceTokens(const LexicalExtent& extent) {
  for (int k = extent.tokens; k >= 1; --k) {
    const std::size_t at = static_cast<std::size_t>(k);
    if (extent.pause[at]) return k;
    // Before a conjunction, unless it is the first token: a piece is never
    // empty.
    if (extent.conjunction[at] && k > 1) return k - 1;
  }
  return extent.tokens;
}

bool OnlySeparators(std::string_view text) { return std::all_of(text.begin(), text.end(), IsSeparator); }

void DropControlBytes(std::string& s) {
  std::erase_if(s, [](char c) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u < 0x20 && c != '\t' && c != '\r' && c != '\n';
  });
}

}  // namespace wb
