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

// The abbreviated titles that stand before a name ("Mr. Smith", "Dr. Lee",
// "Mt. Everest"): their full stop never ends a sentence. ("St." is left
// out: as "Street" it ends many.)
bool IsTitleBeforeName(std::string_view word) {
  static constexpr std::string_view kTitles[] = {"Mr",  "Mrs", "Ms",  "Messrs", "Dr",  "Prof", "Mt",
                                                 "Gen", "Gov", "Sen", "Rep",    "Rev", "Capt", "Lt",  "Col",
                                                 "Sgt", "Cpl", "Fr",  "Hon",    "Pres", "Supt", "Cmdr", "Adm"};
  for (std::string_view t : kTitles)
    if (word == t) return true;
  return false;
}

// The word that ends just before `dot`: the letters back to a blank, a
// bracket or quote, or the start of the sentence.
std::string_view WordBefore(std::string_view text, std::size_t start, std::size_t dot) {
  std::size_t b = dot;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  while (b > start && letter(text[b - 1])) --b;
  return text.substr(b, dot - b);
}

// "U.S.", "e.g.", "a.m.": the full stop closes letters that are themselves
// cut by full stops.
bool DottedAbbreviation(std::string_view text, std::size_t start, std::size_t dot) {
  const std::string_view last = WordBefore(text, start, dot);
  const std::size_t b = dot - last.size();
  return !last.empty() && last.size() <= 2 && b > start + 1 && text[b - 1] == '.' &&
         ((text[b - 2] >= 'A' && text[b - 2] <= 'Z') || (text[b - 2] >= 'a' && text[b - 2] <= 'z'));
}

// Whether the first word after `from` starts with a small letter or a
// digit, which a new sentence does not ("the U.S. says", "at 5 a.m. local").
bool NextWordIsLowerCase(std::string_view text, std::size_t from) {
  while (from < text.size() && IsBlankOrControl(static_cast<unsigned char>(text[from]))) ++from;
  if (from == text.size()) return false;
  const char c = text[from];
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
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
      if (IsTitleBeforeName(WordBefore(text, start, i))) continue;
      if (DottedAbbreviation(text, start, i) && NextWordIsLowerCase(text, i + 1)) continue;
    }
    return i + 1;
  }
  return n;
}

}  // namespace wb
