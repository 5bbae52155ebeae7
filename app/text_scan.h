#pragma once
// The text translation's scan: clipboard or mail text cut into sentences,
// each sentence translated and added to the result window's lines, with
// paragraphs and quoted mail lines (">") kept.
//
// The text is in the engine's bytes with CR LF line ends (see
// WithCrLfLineEnds); positions below are 0-based.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "html/page_filter.h"

namespace wb {

// Where the body of a Navigator message starts: after its header lines, at
// the first empty line (CR LF CR LF). npos when the text has none.
std::size_t MessageBodyStart(std::string_view text);

// The text with every line end written CR LF (a lone LF or a lone CR
// becomes CR LF): the scan finds paragraphs and quoted lines by their CR LF.
std::string WithCrLfLineEnds(std::string_view text);

class TextScan {
 public:
  // translate: one sentence (any length) to its translation.
  // addLine: one line of the result window.
  using TranslateFn = std::function<std::string(std::string_view sentence)>;
  using AddLineFn = std::function<void(std::string_view line)>;

  TextScan(TranslateFn translate, AddLineFn addLine, Progress* progress = nullptr)
      : translate_(std::move(translate)), addLine_(std::move(addLine)), progress_(progress) {}

  // Scans text from start on. The text is changed in place: the ">" marks
  // of quoted lines are blanked once their depth has been noted.
  void Run(std::string& text, std::size_t start);

  // A line for the result window, cut by WrapLines.
  void AddWrapped(std::string_view line);

 private:
  bool AtSentenceEnd() const;
  bool AtLineStart(std::size_t start) const;
  bool ParagraphRule();
  void QuoteRule();
  void TranslateAndAdd(std::size_t from, std::size_t to);

  TranslateFn translate_;
  AddLineFn addLine_;
  Progress* progress_;

  std::string* text_ = nullptr;
  std::size_t i_ = 0;      // scan position
  std::size_t s_ = 0;      // start of the pending sentence
  std::size_t depth_ = 0;  // ">" marks to put before the next line
};

}  // namespace wb
