#include "html/tag_reader.h"

#include <algorithm>

#include "html/ascii.h"

namespace wb {

const std::array<std::string_view, kTagNameCount> TagNames = {
    "illegal", "a",       "address", "area",    "b",     "base",      "basefont", "bgsound",
    "blockquote", "body", "br",      "caption", "center", "cite",     "comment",  "dd",
    "dfn",     "dir",     "dl",      "dt",      "em",    "font",      "form",     "frame",
    "h1",      "h2",      "h3",      "h4",      "h5",    "head",      "hr",       "html",
    "i",       "img",     "input",   "isindex", "kbd",   "li",        "listing",  "map",
    "marquee", "menu",    "meta",    "nobr",    "ol",    "option",    "p",        "plaintext",
    "pre",     "s",       "samp",    "script",  "select", "small",    "strike",   "strong",
    "style",   "table",   "td",      "th",      "title", "tr",        "u",        "ul",
    "var",     "wbr",     "xmp"};

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool EndsWord(unsigned char c) { return IsHtmlBlank(c) || c == '=' || c == '>'; }

constexpr std::string_view kFontFamily = "font-family: ";
constexpr std::string_view kSongTiFirst = "\xCB\xCE\xCC\xE5, ";  // 宋体, (GBK)

}  // namespace

bool IsHtmlBlank(unsigned char c) { return IsBlankOrControl(c); }

std::uint8_t TagKind(std::string_view name) {
  for (int k = 0; k < kTagNameCount; ++k)
    if (EqualsNoCase(name, TagNames[k])) return static_cast<std::uint8_t>(k);
  return 0;
}

bool EndsInLoneCapital(std::string_view text) {
  if (text.empty()) return false;
  unsigned char last = static_cast<unsigned char>(text.back());
  if (!((last >= 'A' && last <= 'Z') || last == '-')) return false;
  return text.size() == 1 || IsHtmlBlank(static_cast<unsigned char>(text[text.size() - 2]));
}

std::string AddChineseFontFamily(std::string_view text) { return AddChineseFontFamily(text, kSongTiFirst); }

std::string AddChineseFontFamily(std::string_view text, std::string_view insertion) {
  std::string out;
  out.reserve(text.size() + 16);
  std::size_t from = 0;
  for (;;) {
    std::size_t at = text.find(kFontFamily, from);
    if (at == std::string_view::npos) break;
    out.append(text.substr(from, at + kFontFamily.size() - from));
    out.append(insertion);
    from = at + kFontFamily.size();
  }
  out.append(text.substr(from));
  return out;
}

void HtmlReader::HtmlOpen(std::string_view page) {
  page_ = page;
  pos_ = 0;
}

bool HtmlReader::HtmlNext(HtmlElement& e) {
  if (pos_ >= page_.size()) return false;
  e = HtmlElement{};
  ++pos_;
  if (At(pos_) != '<')
    ReadText(e);
  else
    ReadTag(e);
  return true;
}

std::size_t HtmlReader::SkipBlanks(std::size_t i) const {
  while (InPage(i) && IsHtmlBlank(At(i))) ++i;
  return i;
}

// Reads the bytes from `from` up to a blank, "=" or ">" (or the end) into
// word; returns the index of the byte that stopped it.
std::size_t HtmlReader::ReadWord(std::size_t from, std::string& word) const {
  std::size_t i = from;
  while (InPage(i) && !EndsWord(At(i))) ++i;
  word.assign(page_.substr(from - 1, i - from));
  return i;
}

// A text element runs to the next "<" that can open mark-up: one followed
// by "!", "/" or a letter. Any other "<" is part of the text.
void HtmlReader::ReadText(HtmlElement& e) {
  std::size_t start = pos_;
  std::size_t i = start;
  while (InPage(i)) {
    if (At(i) == '<' && InPage(i + 1)) {
      unsigned char n = At(i + 1);
      if (n == '!' || n == '/' || IsAsciiLetter(n)) {
        if (i != start) break;
      }
    }
    ++i;
  }
  e.Text.assign(page_.substr(start - 1, i - start));
  e.SourceBegin = start - 1;
  e.SourceEnd = i - 1;
  pos_ = i - 1;
}

void HtmlReader::ReadTag(HtmlElement& e) {
  const std::size_t lt = pos_;
  const std::size_t len = page_.size();
  std::string word;
  const std::size_t wordEnd = ReadWord(lt + 1, word);
  if (word.empty()) {
    // "<" before a blank, "=", ">" or the end of the page is ordinary text.
    ReadText(e);
    return;
  }
  const std::size_t cur = SkipBlanks(wordEnd);
  e.SourceBegin = lt - 1;
  const std::string_view w(word);

  if (w.substr(0, 3) == "!--") {
    e.Kind = tag::kComment;
    if (w.substr(w.size() - 2) == "--" && InPage(wordEnd) && At(wordEnd) == '>') {
      e.Name = word;
      pos_ = wordEnd;
      e.Closed = true;
    } else {
      std::size_t close = page_.find("-->", lt + 3);
      if (close != std::string_view::npos) {
        // close is 0-based: the ">" is at 1-based close + 3.
        e.Name.assign(page_.substr(lt, close + 2 - lt));
        pos_ = close + 3;
        e.Closed = true;
      } else {
        // An unclosed comment takes in the rest of the page; keeping all of
        // it means nothing of the page is lost on the way out.
        e.Name.assign(page_.substr(lt));
        pos_ = len;
      }
    }
    if (e.Name.find(kFontFamily) != std::string::npos) e.Name = AddChineseFontFamily(e.Name);
    e.SourceEnd = pos_;
    return;
  }
  if (w.substr(0, 2) == "!-") {
    e.Kind = tag::kComment;
    std::size_t close = page_.find("->", lt + 1);
    if (close != std::string_view::npos) {
      e.Name.assign(page_.substr(lt, close + 1 - lt));
      pos_ = close + 2;
      e.Closed = true;
    } else {
      e.Name.assign(page_.substr(lt));
      pos_ = len;
    }
    e.SourceEnd = pos_;
    return;
  }
  if (w[0] == '!') {
    e.Kind = tag::kComment;
    std::size_t close = page_.find('>', wordEnd - 1);
    if (close != std::string_view::npos) {
      e.Name.assign(page_.substr(lt, close - lt));
      pos_ = close + 1;
      e.Closed = true;
    } else {
      e.Name.assign(page_.substr(lt));
      pos_ = len;
    }
    e.SourceEnd = pos_;
    return;
  }
  if (EqualsNoCase(w, "SCRIPT") || EqualsNoCase(w, "COMMENT") || EqualsNoCase(w, "PLAINTEXT")) {
    ReadRaw(e, w, cur);
    return;
  }

  // An ordinary tag with its attributes.
  e.Name = word;
  std::size_t end = ReadAttributes(cur, e);
  std::string_view name(e.Name);
  if (name[0] == '/') {
    e.IsEnd = true;
    name.remove_prefix(1);
  }
  e.Kind = TagKind(name);
  e.Closed = end <= len;  // the attributes stopped at the tag's ">"
  pos_ = std::min(end, len);
  e.SourceEnd = pos_;
}

std::size_t HtmlReader::ReadAttributes(std::size_t cur, HtmlElement& e) const {
  TagAttr spare;
  while (InPage(cur) && At(cur) != '>') {
    // Past the twentieth attribute the rest are read and dropped, so that the
    // tag still ends at its own ">".
    TagAttr& a = e.AttrCount < kMaxTagAttrs ? e.Attrs[++e.AttrCount] : spare;
    std::size_t next = ReadWord(cur, a.Name);
    if (!a.Name.empty()) next = SkipBlanks(next);
    if (InPage(next) && At(next) == '=') next = ReadAttrValue(next, a);
    cur = next > cur ? next : cur + 1;
  }
  return cur;
}

std::size_t HtmlReader::ReadAttrValue(std::size_t eq, TagAttr& attr) const {
  std::size_t i = SkipBlanks(eq + 1);
  const std::size_t start = i;
  unsigned char quote = 0;
  if (InPage(i) && (At(i) == '"' || At(i) == '\'')) {
    quote = At(i);
    ++i;
  }
  for (;;) {
    while (InPage(i) && !(quote ? (At(i) == quote || At(i) == '>') : (IsHtmlBlank(At(i)) || At(i) == '>'))) ++i;
    if (quote && InPage(i) && At(i) == quote) {
      ++i;
      if (!InPage(i) || IsHtmlBlank(At(i)) || At(i) == '>') break;
      // "/>" closes an empty element (<img alt="x"/>): the value ends here,
      // or it would swallow the mark-up up to the next quote.
      if (At(i) == '/' && InPage(i + 1) && At(i + 1) == '>') break;
      // Other text glued to the closing quote: the value goes on to the next
      // opening quote character.
      while (InPage(i) && At(i) != quote) ++i;
      if (InPage(i)) ++i;
      continue;
    }
    break;
  }
  attr.Value.assign(page_.substr(start - 1, i - start));
  attr.ValueBegin = start - 1;
  attr.ValueEnd = i - 1;
  return SkipBlanks(i);
}

// SCRIPT, COMMENT and PLAINTEXT elements are delivered whole, content and end
// tag included, so that nothing inside them is ever touched.
void HtmlReader::ReadRaw(HtmlElement& e, std::string_view word, std::size_t cur) {
  const std::size_t len = page_.size();
  const std::size_t wlen = word.size();
  std::size_t end = 0;  // the ">" of the end tag
  std::size_t i = cur;
  while (InPage(i)) {
    if (At(i) == '<' && i + 1 + wlen <= len && At(i + 1) == '/' &&
        EqualsNoCase(page_.substr(i + 1, wlen), word)) {
      std::size_t m = SkipBlanks(i + 2 + wlen);
      if (InPage(m) && At(m) == '>') {
        end = m;
        break;
      }
      i = m;
      continue;
    }
    ++i;
  }
  e.Name.assign(word);
  e.Name += ' ';
  std::size_t stop = end != 0 ? end : len + 1;
  if (cur < stop) e.Name.append(page_.substr(cur - 1, stop - cur));
  switch (static_cast<unsigned char>(FoldAscii(word[0]))) {
    case 'c': e.Kind = tag::kComment; break;
    case 'p': e.Kind = tag::kPlaintext; break;
    default: e.Kind = tag::kScript; break;
  }
  pos_ = end != 0 ? end : len;
  e.Closed = end != 0;
  e.SourceEnd = pos_;
}

}  // namespace wb
