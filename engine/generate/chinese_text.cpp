#include "engine/generate/chinese_text.h"

#include "engine/analysis/sentence.h"

namespace wb {

std::size_t LastCharStart(std::string_view s) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < s.size();) {
    last = i;
    i += IsGbkLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
  }
  return last;
}

bool EndsWithChar(std::string_view s, std::string_view tail) {
  const std::size_t at = LastCharStart(s);
  return at != std::string_view::npos && s.substr(at) == tail;
}

bool StartsWith(std::string_view s, std::string_view t) { return s.substr(0, t.size()) == t; }

std::size_t CharCount(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++n)
    i += IsGbkLead(static_cast<unsigned char>(s[i])) && i + 1 < s.size() ? 2 : 1;
  return n;
}

bool AllChinese(std::string_view s) {
  for (std::size_t i = 0; i < s.size(); i += 2)
    if (!IsGbkLead(static_cast<unsigned char>(s[i])) || i + 1 >= s.size()) return false;
  return true;
}

bool EndsInLetterOrDigit(std::string_view s) {
  if (s.empty()) return false;
  const unsigned char c = static_cast<unsigned char>(s.back());
  if (LastCharStart(s) != s.size() - 1) return false;  // the second byte of a character
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string ChineseEndMark(char endPunct) {
  switch (endPunct) {
    case '.': return std::string(cn::kStop);
    case kEndPunctDots: return "......";
    case '?': return std::string(cn::kQuestion);
    case '!': return std::string(cn::kBang);
    case ',': return std::string(cn::kComma);
    case ':': return std::string(cn::kColon);
    default: return std::string(1, endPunct);
  }
}

void CutAtCharacter(std::string& s, std::size_t max) {
  if (s.size() <= max) return;
  std::size_t end = 0;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t next = i + (IsGbkLead(static_cast<unsigned char>(s[i])) ? 2 : 1);
    if (next > max) break;
    end = next;
    i = next;
  }
  s.resize(end);
}

void TidyBlanks(std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (IsGbkLead(c) && i + 1 < s.size()) {
      out.append(s, i, 2);
      i += 2;
      continue;
    }
    if (c == ' ') {
      const bool afterDigit = !out.empty() && out.back() >= '0' && out.back() <= '9' &&
                              LastCharStart(out) == out.size() - 1;
      const bool beforeChinese = i + 1 < s.size() && IsGbkLead(static_cast<unsigned char>(s[i + 1]));
      const bool beforePercent = i + 1 < s.size() && s[i + 1] == '%';
      if (afterDigit && (beforeChinese || beforePercent)) {
        ++i;
        continue;
      }
    }
    out.push_back(static_cast<char>(c));
    ++i;
  }
  s.swap(out);
}

// Chinese writes its quotation marks in pairs of full-width marks. A mark
// opens where no quotation is open and it stands first or after a pause
// (，：。 or a blank) and does not end the sentence; any other closes, so that a quotation begun in an
// earlier sentence is still closed with ”.
void ChineseQuotes(std::string& s) {
  std::string out;
  out.reserve(s.size() + 8);
  bool open = false;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (IsGbkLead(c) && i + 1 < s.size()) {
      out.append(s, i, 2);
      i += 2;
      continue;
    }
    if (c != '"') {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    const std::size_t last = LastCharStart(out);
    const std::string_view before = last == std::string::npos ? std::string_view() : std::string_view(out).substr(last);
    const bool pause = before.empty() || before == " " || before == cn::kComma || before == cn::kColon ||
                       before == cn::kStop || before == cn::kOpenParen;
    // The mark after the sentence's closing mark closes its quotation.
    if (!open && pause && i + 1 < s.size()) {
      out += cn::kOpenQuote;
      open = true;
    } else {
      out += cn::kCloseQuote;
      open = false;
    }
    ++i;
  }
  s.swap(out);
}

}  // namespace wb
