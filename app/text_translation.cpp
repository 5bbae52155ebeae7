#include "app/text_translation.h"

#include <string>

#include "app/text_scan.h"

namespace wb {

void TextTranslation::TranslateText(TextSender sender) {
  if (translator_ == nullptr) return;
  result_.Hide();
  result_.Clear();
  std::string text = WithCrLfLineEnds(desktop_.ClipboardText().value_or(std::string()));

  std::size_t start = 0;
  if (sender == TextSender::kNs) {
    // A Navigator message without an empty line after its header has no
    // body to translate.
    start = MessageBodyStart(text);
    if (start == std::string::npos) return;
  }

  progress_.ProgressStart(text.size());
  TextScan scan([this](std::string_view sentence) { return translator_->TranslateLong(sentence); },
                [this](std::string_view line) { result_.AddLine(line); }, &progress_);
  scan.Run(text, start);
  progress_.ProgressEnd();
  result_.Show();
}

void TextTranslation::OnHotKey() {
  std::optional<std::string> text = desktop_.ClipboardText();
  if (!text || text->size() >= kHotKeyLimit) return;
  TranslateText(TextSender::kNone);
  result_.BringToFront();
}

}  // namespace wb
