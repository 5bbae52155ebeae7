#pragma once
// Byte-string helpers shared by the page code. Comparisons "without regard
// to case" fold the ASCII letters only, so GB and other double-byte text is
// never altered.

#include <cstddef>
#include <string_view>

namespace wb {

inline char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

inline bool ContainsNoCase(std::string_view text, std::string_view part) {
  if (part.size() > text.size()) return false;
  for (std::size_t i = 0; i + part.size() <= text.size(); ++i)
    if (EqualsNoCase(text.substr(i, part.size()), part)) return true;
  return false;
}

// A blank as the page code means it: space, tab, line feed, vertical tab,
// form feed or carriage return.
inline bool IsBlankOrControl(unsigned char c) { return c == ' ' || (c >= 9 && c <= 13); }

}  // namespace wb
