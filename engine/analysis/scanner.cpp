#include "engine/analysis/scanner.h"

#include <array>

namespace wb {

namespace {

// Character classes, one table lookup per byte: the scanner is on the path of
// every word of every page.
enum : std::uint8_t {
  kWordStart = 0x01,
  kWordContinue = 0x02,
  kNumberContinue = 0x04,
  kHigh = 0x08,
  kDigit = 0x10,
  kLower = 0x20,
  kLetter = 0x40,
  // Continues a word with no further test; the rest of kWordContinue
  // (& ' , - . ?) depends on the characters around it.
  kWordPlain = 0x80,
};

constexpr std::array<std::uint8_t, 256> MakeClasses() {
  std::array<std::uint8_t, 256> t{};
  auto add = [&t](std::string_view chars, std::uint8_t bits) {
    for (char ch : chars) t[static_cast<unsigned char>(ch)] |= bits;
  };
  for (int c = 'a'; c <= 'z'; ++c) t[c] |= kLower | kLetter | kWordStart | kWordContinue | kNumberContinue;
  for (int c = 'A'; c <= 'Z'; ++c) t[c] |= kLetter | kWordStart | kWordContinue | kNumberContinue;
  for (int c = '0'; c <= '9'; ++c) t[c] |= kDigit | kWordContinue | kNumberContinue;
  for (int c = 128; c <= 255; ++c) t[c] |= kHigh;
  add("$/=\\_", kWordStart);
  add("$%&'+,-./:=>?@\\_", kWordContinue);
  t[146] |= kWordContinue;
  add("',-./:", kNumberContinue);
  for (int c = 0; c < 256; ++c) {
    if ((t[c] & kWordContinue) && std::string_view("&',-.?").find(static_cast<char>(c)) == std::string_view::npos) {
      t[c] |= kWordPlain;
    }
  }
  return t;
}

constexpr std::array<std::uint8_t, 256> kClass = MakeClasses();

constexpr std::uint8_t ClassOf(char c) { return kClass[static_cast<unsigned char>(c)]; }
// -1 (past the end) is in no class.
constexpr bool Has(int c, std::uint8_t bits) { return c >= 0 && (kClass[c] & bits) != 0; }

}  // namespace

SeparatorSet MakeSeparators(std::string_view chars) {
  SeparatorSet s;
  for (char c : chars) s.set(static_cast<unsigned char>(c));
  return s;
}

SeparatorSet LexicalSeparators() { return MakeSeparators(std::string_view("\t\n\v\f\r ", 6)); }

void Scanner::Init(std::string_view text, const SeparatorSet& separators) {
  next_ = 0;
  text_.assign(text);
  // A scanner is usually reused with the same set, sentence after sentence;
  // the lookup table is rebuilt only when the set changes.
  if (separators != separators_) {
    separators_ = separators;
    for (std::size_t c = 0; c < 256; ++c) sep_[c] = separators[c];
  }
  inQuote_ = false;
}

// An entity name starts at i: a letter, or '#' and a digit (a numeric
// character reference).
bool Scanner::EntityNameAt(std::size_t i) const {
  int c = At(i);
  if (Has(c, kLetter)) return true;
  return c == '#' && Has(At(i + 1), kDigit);
}

void Scanner::SkipSeparators() {
  const std::size_t n = text_.size();
  while (next_ < n && IsSeparator(next_)) ++next_;
}

void Scanner::Take(Str255& token, std::size_t start, std::size_t end) {
  token.assign(std::string_view(text_.data() + start, end - start));
}

// The end (exclusive) of the word that starts at start.
std::size_t Scanner::WordEnd(std::size_t start) {
  const std::size_t n = text_.size();
  std::size_t k = start + 1;
  for (;;) {
    while (k < n && (ClassOf(text_[k]) & kWordPlain)) ++k;
    if (k >= n) return k;
    switch (text_[k]) {
      case '&':
        // "AT&T" stays whole only when no entity could follow; "a&nbsp;b"
        // must split so that the entity is seen.
        if (EntityNameAt(k + 1)) return k;
        break;
      case '\'':
        if (!inQuote_) {
          // Contractions and possessives keep their apostrophe; a closing
          // pair of apostrophes does not belong to the word.
          if (At(k + 1) == '\'') return k;
        } else if (k + 1 >= n || text_[k + 1] == '\'' || text_[k + 1] == ',' || IsSeparator(k + 1)) {
          // The apostrophe closes the quoted passage and starts the next token.
          inQuote_ = false;
          return k;
        }
        break;
      case ',':
        // Only digit grouping (as in "x1,000") keeps a comma in a word.
        if (!(Has(At(k - 1), kDigit) && Has(At(k + 1), kDigit))) return k;
        break;
      case '-':
        if (At(k + 1) == '-') return k;  // a dash written "--"
        break;
      case '.':
        if (At(k + 1) == '.') {
          // An ellipsis stays with the word before it.
          while (k < n && text_[k] == '.') ++k;
          return k;
        }
        break;
      case '?':
        // Inside an address ("page?id") the question mark is part of the word.
        if (!Has(At(k + 1), kLower)) return k;
        break;
      default:
        return k;  // not a word character
    }
    ++k;
  }
}

bool Scanner::NextToken(Str255& token) {
  const std::size_t n = text_.size();
  for (;;) {
    SkipSeparators();
    if (next_ >= n) {
      token.clear();
      return false;
    }
    const std::size_t i = next_;
    const char c = text_[i];
    const std::uint8_t cls = ClassOf(c);
    std::size_t end = i + 1;

    if (cls & kWordStart) {
      end = WordEnd(i);
    } else if (cls & kDigit) {
      while (end < n && (ClassOf(text_[end]) & kNumberContinue)) ++end;
      // A list of years ("1990, 1991") keeps its commas as separate tokens.
      if (text_[end - 1] == ',') --end;
    } else if (cls & kHigh) {
      while (end < n && (ClassOf(text_[end]) & kHigh)) ++end;
    } else {
      switch (c) {
        case '"':
          if (At(i + 2) == '"') end = i + 3;  // a quoted character: "x"
          break;
        case '\'': {
          const int d = At(i + 1);
          const int after = At(i + 2);
          if ((d == '\'' || d == 's') && (after < 0 || after == ' ')) {
            // A closing '' or a possessive written apart. The possessive is
            // rewritten so that later stages can tell it from a quote.
            if (d == 's') text_[i] = '$';
            end = i + 2;
          } else {
            inQuote_ = true;
            if (d == '`') end = i + 2;
          }
          break;
        }
        case '`':
          inQuote_ = true;
          if (At(i + 1) == '`') end = i + 2;  // TeX-style opening quote
          break;
        case '(': {
          // An enumeration mark such as "(a)" is one token; "(1)" is not.
          const int d = At(i + 1);
          if (d >= 0 && !Has(d, kDigit) && At(i + 2) == ')') end = i + 3;
          break;
        }
        case '-':
          while (end < n && text_[end] == '-') ++end;
          break;
        case '&':
          if (EntityNameAt(i + 1)) {
            const std::string_view rest(text_.data() + i + 1, n - i - 1);
            if (rest.starts_with("quot;")) {
              token.assign("\"");
              next_ = i + 6;
              return true;
            }
            if (rest.starts_with("nbsp;")) {
              // A non-breaking space separates words like a blank.
              next_ = i + 6;
              continue;
            }
          }
          break;
        default:
          break;
      }
    }
    Take(token, i, end);
    next_ = end;
    return true;
  }
}

bool Scanner::NextField(Str255& field) {
  SkipSeparators();
  const std::size_t n = text_.size();
  if (next_ >= n) {
    field.clear();
    return false;
  }
  const std::size_t start = next_;
  while (next_ < n && !IsSeparator(next_)) ++next_;
  Take(field, start, next_);
  return true;
}

}  // namespace wb
