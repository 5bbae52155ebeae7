#pragma once
// The scanner: cuts one line of text into tokens.
//
// NextToken splits an English sentence into words, numbers and punctuation
// for the lexical stage; NextField splits a text at separator characters only
// (the texts stored in lexicon senses are lists of that kind).
//
// The scanner works on bytes. ASCII is English; every byte from 128 up is
// "high" (GBK and other non-ASCII text) and runs of them are kept together,
// except that byte 146 (the typographic apostrophe of the Windows Latin code
// page) may continue a word.

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/analysis/short_string.h"

namespace wb {

// One bit per byte value: the characters that separate tokens.
using SeparatorSet = std::bitset<256>;

// The set of the given bytes.
SeparatorSet MakeSeparators(std::string_view chars);

// What the lexical stage separates words with: tab, line feed, vertical tab,
// form feed, carriage return and blank.
SeparatorSet LexicalSeparators();

class Scanner {
 public:
  Scanner() = default;

  // Starts over on a copy of text. The copy is the scanner's own: NextToken
  // rewrites an apostrophe in it (see Text()).
  void Init(std::string_view text, const SeparatorSet& separators);

  // The next token, cut to 255 bytes; false when only separators remain.
  bool NextToken(Str255& token);

  // The next run of non-separators, cut to 255 bytes; false when only
  // separators remain. Quote state is left alone.
  bool NextField(Str255& field);

  // The text as scanned so far: a possessive "'s" standing apart has had its
  // apostrophe replaced by '$'.
  const std::string& Text() const { return text_; }
  // 1-based index of the next character to look at.
  std::size_t Pos() const { return next_ + 1; }
  // A single-quoted passage has been opened and not yet closed.
  bool InQuote() const { return inQuote_; }

 private:
  bool IsSeparator(std::size_t i) const { return sep_[static_cast<unsigned char>(text_[i])]; }
  // The byte at i, or -1 past the end: lets the rules look ahead without
  // mistaking a NUL byte in the text for the end of it.
  int At(std::size_t i) const { return i < text_.size() ? static_cast<unsigned char>(text_[i]) : -1; }
  bool EntityNameAt(std::size_t i) const;
  void SkipSeparators();
  std::size_t WordEnd(std::size_t start);
  void Take(Str255& token, std::size_t start, std::size_t end);

  std::size_t next_ = 0;  // 0-based index of the next character
  std::string text_;
  SeparatorSet separators_;  // the set sep_ was built from
  bool sep_[256] = {};       // the same set as a lookup table
  bool inQuote_ = false;
};

}  // namespace wb
