#include "app/text_scan.h"

#include "app/add_wrapped.h"

namespace wb {

namespace {

bool IsSentenceEnd(char c) {
  switch (c) {
    case '!': case '.': case ':': case '?': case '@': case '|':
      return true;
    default:
      return false;
  }
}

bool IsWhite(char c) { return c == ' ' || (c >= 9 && c <= 13); }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::size_t MessageBodyStart(std::string_view text) {
  std::size_t at = text.find("\r\n\r\n");
  return at == std::string_view::npos ? at : at + 4;
}

std::string WithCrLfLineEnds(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t k = 0; k < text.size(); ++k) {
    char c = text[k];
    if (c == '\r') {
      out += "\r\n";
      if (k + 1 < text.size() && text[k + 1] == '\n') ++k;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

void TextScan::AddWrapped(std::string_view line) {
  for (const std::string& l : WrapLines(line)) addLine_(l);
}

void TextScan::Run(std::string& text, std::size_t start) {
  text_ = &text;
  i_ = s_ = start;
  depth_ = 0;
  const std::size_t n = text.size();
  while (i_ < n) {
    if (AtSentenceEnd()) {
      TranslateAndAdd(s_, i_ + 1);
      ++i_;
      s_ = i_;
      if (progress_) progress_->ProgressStep(i_);
    } else if (text[i_] == '\r' && ParagraphRule()) {
      // the paragraph rule has moved the scan on
    } else if (text[i_] == '>' && AtLineStart(start)) {
      QuoteRule();
    } else {
      ++i_;
    }
  }
  text_ = nullptr;
}

// A quoted line's ">" follows a line end, or starts the text: text copied
// from the middle of a mail often begins with a quoted line, whose marks
// would otherwise go to the engine as words.
bool TextScan::AtLineStart(std::size_t start) const {
  const std::string& t = *text_;
  return i_ == start || (i_ >= 2 && t[i_ - 2] == '\r' && t[i_ - 1] == '\n');
}

// A sentence ends at an end mark followed by white space or the end of the
// text, and in any case at the last character ("3.0" stays whole).
bool TextScan::AtSentenceEnd() const {
  const std::string& t = *text_;
  bool last = i_ + 1 == t.size();
  if (IsSentenceEnd(t[i_]) && (last || IsWhite(t[i_ + 1]))) return true;
  return last && s_ <= i_;
}

// At a carriage return: the line break ends a paragraph when no letter comes
// before the next carriage return or the end of the text. The pending text is
// then translated even without a closing mark, and the letter-free line
// (empty, or a rule of dashes, or a lone ">") is added as it stands.
bool TextScan::ParagraphRule() {
  const std::string& t = *text_;
  std::size_t j = i_ + 1;
  while (j < t.size() && t[j] != '\r') {
    if (IsLetter(t[j])) return false;
    ++j;
  }
  if (s_ < i_) TranslateAndAdd(s_, i_);
  depth_ = 0;
  // The line between the two line ends, without its carriage return: the
  // result window's own line break stands for it.
  std::size_t from = i_ + 2;
  AddWrapped(from < j ? std::string_view(t).substr(from, j - from) : std::string_view());
  i_ = s_ = j;
  return true;
}

// At a ">" that starts a line: the run of ">" marks gives the quote depth of
// the line. A quoted line's text joins the pending sentence with its marks
// blanked, so a quoted paragraph broken over lines reads as one; a bare ">"
// line, or one whose marks are followed by two blanks, ends what was pending.
void TextScan::QuoteRule() {
  std::string& t = *text_;
  const std::size_t m = i_;
  const std::size_t n = t.size();
  while (i_ < n && t[i_] == '>') ++i_;
  const std::size_t run = i_ - m;
  bool twoBlanks = i_ + 1 < n && t[i_] == ' ' && t[i_ + 1] == ' ';
  bool lineEnd = i_ < n && t[i_] == '\r';
  if (twoBlanks || lineEnd) {
    TranslateAndAdd(s_, m);
    s_ = i_ + 1;
    depth_ = run;
  } else if (i_ < n && t[i_] == ' ') {
    depth_ = run;
    for (std::size_t k = m; k < m + run; ++k) t[k] = ' ';
    ++i_;
  }
  if (i_ < n && t[i_] == '\r') {
    AddWrapped(std::string(depth_, '>'));
    depth_ = 0;
  }
}

// Translates text[from, to) and adds it, after the quote marks of its depth.
void TextScan::TranslateAndAdd(std::size_t from, std::size_t to) {
  std::string_view sentence = from < to ? std::string_view(*text_).substr(from, to - from) : std::string_view();
  std::string line(depth_, '>');
  line += translate_(sentence);
  depth_ = 0;
  AddWrapped(line);
}

}  // namespace wb
