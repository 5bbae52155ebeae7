#include "html/page_charset.h"

#include <algorithm>

#include "html/ascii.h"
#include "html/entities.h"

namespace wb {

namespace {

bool IsHigh(unsigned char c) { return c >= 0x80; }
bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameByte(unsigned char c) {
  return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

std::size_t FindNoCase(std::string_view text, std::string_view part, std::size_t from) {
  for (std::size_t i = from; i + part.size() <= text.size(); ++i)
    if (EqualsNoCase(text.substr(i, part.size()), part)) return i;
  return std::string_view::npos;
}

// Where the value after `key` stands in a tag's text: blanks, "=", blanks
// and an opening quote are passed over. Empty when the key is not followed
// by "=" and a name.
CharsetSpan ValueAfter(std::string_view tag, std::string_view key) {
  for (std::size_t at = FindNoCase(tag, key, 0); at != std::string_view::npos;
       at = FindNoCase(tag, key, at + 1)) {
    std::size_t i = at + key.size();
    while (i < tag.size() && IsBlankOrControl(static_cast<unsigned char>(tag[i]))) ++i;
    if (i >= tag.size() || tag[i] != '=') continue;
    ++i;
    while (i < tag.size() && (IsBlankOrControl(static_cast<unsigned char>(tag[i])) || tag[i] == '"' || tag[i] == '\''))
      ++i;
    std::size_t end = i;
    while (end < tag.size() && IsNameByte(static_cast<unsigned char>(tag[end])) && end - i < 40) ++end;
    if (end > i) return {i, end - i};
  }
  return {};
}

CharsetSpan Shifted(CharsetSpan span, std::size_t by) {
  if (span.length > 0) span.begin += by;
  return span;
}

bool OneOf(std::string_view name, std::initializer_list<std::string_view> names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// Counts, in the sniffing window, the Big5-like pairs (paired the way the
// Big5 test pairs them) and the high bytes that stand alone before an ASCII
// letter: the previous byte is not high, the next is a letter, and the one
// after that is not high either ("\xDCber", "na\xEFve").
struct HighByteCounts {
  long big5Pairs = 0;
  long gbPairs = 0;
  long otherPairs = 0;
  long loneLetters = 0;
};

HighByteCounts CountHighBytes(std::string_view text) {
  const std::string_view w = text.substr(0, std::min(text.size(), kBig5SniffLength));
  auto at = [&](std::size_t i) { return i < w.size() ? static_cast<unsigned char>(w[i]) : 0; };
  HighByteCounts n;
  for (std::size_t i = 0; i < w.size(); ++i) {
    if (IsHigh(at(i)) && (i == 0 || !IsHigh(at(i - 1))) && IsAsciiLetter(at(i + 1)) && !IsHigh(at(i + 2)))
      ++n.loneLetters;
  }
  std::size_t i = 0;
  while (i < w.size()) {
    const unsigned char lead = at(i);
    if (!IsHigh(lead)) {
      ++i;
      continue;
    }
    if (i + 1 >= w.size()) break;
    const unsigned char trail = at(i + 1);
    const bool gb = lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE;
    const bool big5 = lead >= 0xA1 && lead <= 0xF9 && trail >= 0x40 && trail <= 0xFE;
    n.gbPairs += gb;
    n.big5Pairs += big5;
    n.otherPairs += !gb;
    i += 2;
  }
  return n;
}

}  // namespace

CharsetSpan DeclaredCharsetSpan(std::string_view page) {
  const std::string_view w = page.substr(0, std::min(page.size(), kBig5SniffLength));
  if (w.substr(0, 5) == "<?xml") {
    const std::size_t end = w.find("?>");
    const CharsetSpan span = ValueAfter(w.substr(0, end), "encoding");
    if (span.length > 0) return span;
  }
  for (std::size_t at = FindNoCase(w, "<meta", 0); at != std::string_view::npos; at = FindNoCase(w, "<meta", at + 5)) {
    const std::size_t end = w.find('>', at);
    const CharsetSpan span =
        ValueAfter(w.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at), "charset");
    if (span.length > 0) return Shifted(span, at);
  }
  return {};
}

std::string DeclaredCharset(std::string_view page) {
  const CharsetSpan span = DeclaredCharsetSpan(page);
  std::string name;
  for (char c : page.substr(span.begin, span.length)) name += FoldAscii(c);
  return name;
}

std::string WithDeclaredCharset(std::string page, std::string_view name) {
  const CharsetSpan span = DeclaredCharsetSpan(page);
  if (span.length > 0) page.replace(span.begin, span.length, name);
  return page;
}

CharsetFamily ClassifyCharset(std::string_view name) {
  if (name.empty()) return CharsetFamily::kNone;
  if (OneOf(name, {"utf-8", "utf8", "unicode-1-1-utf-8"})) return CharsetFamily::kUtf8;
  if (OneOf(name, {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "latin-1", "l1", "windows-1252", "cp1252",
                   "x-cp1252", "us-ascii", "ascii", "iso-ir-100", "ibm819", "cp819", "csisolatin1"}))
    return CharsetFamily::kWestern;
  if (OneOf(name, {"big5", "big-5", "big5-hkscs", "x-x-big5", "x-big5", "cn-big5", "csbig5"}))
    return CharsetFamily::kBig5;
  if (OneOf(name, {"gb2312", "gbk", "gb18030", "x-gbk", "euc-cn", "x-euc-cn", "csgb2312", "cp936", "ms936",
                   "windows-936", "chinese", "gb_2312-80", "iso-ir-58"}))
    return CharsetFamily::kGb;
  if (name.substr(0, 6) == "utf-16" || name.substr(0, 6) == "utf-32" || name == "ucs-2" || name == "unicode")
    return CharsetFamily::kUtf16;
  return CharsetFamily::kOther;
}

bool LooksWestern(std::string_view text) {
  const HighByteCounts n = CountHighBytes(text);
  return n.loneLetters > 0 && 2 * n.loneLetters >= n.big5Pairs;
}

bool LooksLikeGb(std::string_view text) {
  const HighByteCounts n = CountHighBytes(text);
  return n.gbPairs > 0 && n.otherPairs == 0 && !LooksWestern(text);
}

bool PageIsBig5(std::string_view page) {
  switch (ClassifyCharset(DeclaredCharset(page))) {
    case CharsetFamily::kBig5:
      return true;
    case CharsetFamily::kNone:
    case CharsetFamily::kUtf16:
      return LooksLikeBig5(page) && !LooksWestern(page);
    default:
      return false;
  }
}

}  // namespace wb
