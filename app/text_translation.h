#pragma once
// Text translation into the result window: the clipboard's text (copied by
// the user and sent with the hot key, or taken from a mail reader) is cut
// into sentences, translated and shown line by line.

#include <cstddef>
#include <string_view>

#include "html/page_filter.h"
#include "platform/desktop.h"

namespace wb {

// The result window (TEmail): a caption and one memo of lines.
class ResultWindow {
 public:
  virtual ~ResultWindow() = default;
  virtual void Hide() = 0;
  virtual void Clear() = 0;
  // One line in the engine's bytes (ASCII, GBK).
  virtual void AddLine(std::string_view line) = 0;
  virtual void Show() = 0;
  virtual void BringToFront() = 0;
};

// Who asked for the translation. Text from Navigator's message window starts
// with the message's header lines, which are skipped.
enum class TextSender { kNone, kNs, kIe };

class TextTranslation {
 public:
  // The hot key leaves clipboard texts of this many bytes or more alone.
  static constexpr std::size_t kHotKeyLimit = 1000;

  // progress (may be null) is the toolbar's progress bar, which makes the
  // toolbar grow while it shows.
  TextTranslation(Desktop& desktop, ResultWindow& result, ProgressDisplay* progress)
      : desktop_(desktop), result_(result), progress_(progress) {}

  // The sentence step, once the engine is ready; until then nothing is
  // translated.
  void SetTranslator(SentenceTranslator* translator) { translator_ = translator; }

  // Translates the clipboard's text into the result window and shows it.
  void TranslateText(TextSender sender);

  // The hot key Ctrl+Shift+Enter: a clipboard text shorter than the limit is
  // translated and the result window brought to the front.
  void OnHotKey();

 private:
  Desktop& desktop_;
  ResultWindow& result_;
  Progress progress_;
  SentenceTranslator* translator_ = nullptr;
};

}  // namespace wb
