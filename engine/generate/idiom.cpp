#include "engine/generate/idiom.h"

#include <charconv>

#include "engine/grammar/grammar.h"

namespace wb {

namespace {

// Reads one pattern list against the tree; `ok` turns false on a pattern
// that cannot be read, `matched` on a tree that does not fit.
class PatternReader {
 public:
  PatternReader(const SentenceContext& sentence, const ParseBuffer& tree, std::string_view text)
      : sentence_(sentence), tree_(tree), text_(text) {}

  bool ok = true;
  std::vector<int> words;

  // "(" items ")" for the dependents of owner.
  bool List(int owner) {
    if (!Take('(')) return Bad();
    int items = 0;
    bool fits = true;
    for (;;) {
      int at = 0;
      if (!Item(owner, at, fits)) return false;
      ++items;
      if (Take(';')) continue;
      if (Take(')')) break;
      return Bad();
    }
    const DepNode& n = tree_[owner];
    return fits && n.depCount == items;
  }

 private:
  bool Bad() {
    ok = false;
    return false;
  }
  bool Take(char c) {
    if (i_ < text_.size() && text_[i_] == c) {
      ++i_;
      return true;
    }
    return false;
  }

  // `"word"/category/offset` with an optional list; fits turns false when
  // the word there does not fit (the rest is still read).
  bool Item(int owner, int& at, bool& fits) {
    if (!Take('"')) return Bad();
    const std::size_t close = text_.find('"', i_);
    if (close == std::string_view::npos) return Bad();
    const std::string_view word = text_.substr(i_, close - i_);
    i_ = close + 1;
    if (!Take('/')) return Bad();
    const std::size_t slash = text_.find('/', i_);
    if (slash == std::string_view::npos) return Bad();
    const Category c = CategoryCode(text_.substr(i_, slash - i_));
    i_ = slash + 1;
    if (c == cat::kNone) return Bad();
    int offset = 0;
    if (!Offset(offset)) return Bad();
    at = owner + offset;
    const bool here = ParseBuffer::IsPosition(at) && at <= sentence_.State().sentenceLen && tree_[at].head == owner &&
                      tree_[at].category == c && (word.empty() || sentence_.WordText(at) == word);
    if (here) words.push_back(at);
    if (i_ < text_.size() && text_[i_] == '(') {
      if (!here) {
        // Read the inner list over a node that cannot match, for its syntax.
        if (!SkipList()) return false;
      } else if (!List(at)) {
        if (!ok) return false;
        fits = false;
      }
    }
    if (!here) fits = false;
    return true;
  }

  bool SkipList() {
    int depth = 0;
    for (; i_ < text_.size(); ++i_) {
      if (text_[i_] == '(') ++depth;
      if (text_[i_] == ')' && --depth == 0) {
        ++i_;
        return true;
      }
    }
    return Bad();
  }

  bool Offset(int& value) {
    const std::size_t start = i_;
    if (i_ < text_.size() && (text_[i_] == '+' || text_[i_] == '-')) ++i_;
    while (i_ < text_.size() && text_[i_] >= '0' && text_[i_] <= '9') ++i_;
    std::string_view digits = text_.substr(start, i_ - start);
    if (!digits.empty() && digits[0] == '+') digits.remove_prefix(1);
    if (digits.empty()) return false;
    return std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc{};
  }

  const SentenceContext& sentence_;
  const ParseBuffer& tree_;
  std::string_view text_;
  std::size_t i_ = 0;
};

// A template's offset and the text after it; false when it has none.
bool ReadTemplate(std::string_view templ, int& offset, std::string& rest) {
  std::size_t i = 0;
  if (i < templ.size() && (templ[i] == '+' || templ[i] == '-')) ++i;
  const std::size_t digits = i;
  while (i < templ.size() && templ[i] >= '0' && templ[i] <= '9') ++i;
  if (i == digits || digits == 0) return false;
  std::string_view number = templ.substr(0, i);
  if (number[0] == '+') number.remove_prefix(1);
  if (std::from_chars(number.data(), number.data() + number.size(), offset).ec != std::errc{}) return false;
  rest = std::string(templ.substr(i));
  return true;
}

}  // namespace

IdiomMatch MatchIdiom(const SentenceContext& sentence, const ParseBuffer& tree, int pos, std::string_view pattern,
                      std::string_view templ, ParseDiagnostics& sink) {
  IdiomMatch m;
  if (pattern.size() < 3 || pattern[0] != '~') {
    sink.Diagnose(kDiagBadPattern);
    return m;
  }
  PatternReader reader(sentence, tree, pattern.substr(1));
  const bool fits = reader.List(pos);
  if (!reader.ok) {
    sink.Diagnose(kDiagBadPattern);
    return m;
  }
  int offset = 0;
  std::string rest;
  if (!ReadTemplate(templ, offset, rest)) {
    sink.Diagnose(kDiagBadTemplate);
    return m;
  }
  if (!fits) return m;
  const int word = pos + offset;
  bool covered = false;
  for (int w : reader.words) covered = covered || w == word;
  if (!covered) return m;  // the template names a word the pattern did not match
  m.matched = true;
  m.words = reader.words;
  m.templateWord = word;
  m.after = rest;
  return m;
}

}  // namespace wb
