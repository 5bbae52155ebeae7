#include "html/sentence_cut.h"

#include "html/ascii.h"

namespace wb {

namespace {

bool IsSentenceBreak(unsigned char c) {
  switch (c) {
    case '!': case '.': case ':': case ';': case '?': case '@': case '|':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::size_t SentenceEnd(std::string_view text, std::size_t start) {
  const std::size_t n = text.size();
  for (std::size_t i = start; i < n; ++i) {
    if (i + 1 == n) return n;
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!IsSentenceBreak(c) || !IsBlankOrControl(static_cast<unsigned char>(text[i + 1]))) continue;
    // An initial ("J. Smith") does not end the sentence.
    if (c == '.' && i > start) {
      const unsigned char cap = static_cast<unsigned char>(text[i - 1]);
      if (cap >= 'A' && cap <= 'Z' && (i - start == 1 || IsBlankOrControl(static_cast<unsigned char>(text[i - 2]))))
        continue;
    }
    return i + 1;
  }
  return n;
}

}  // namespace wb
