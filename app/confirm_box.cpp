#include "app/confirm_box.h"

namespace wb {

namespace {

// The length of the UTF-8 character that starts with byte c; a stray
// continuation or invalid byte counts as a character of its own.
std::size_t Utf8Length(unsigned char c) {
  if (c >= 0xF0 && c <= 0xF4) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC2 && c < 0xE0) return 2;
  return 1;
}

}  // namespace

std::string WrapConfirmText(std::string_view text) {
  constexpr int kColumns = 30;
  std::string out;
  out.reserve(text.size() + text.size() / kColumns + 1);
  int column = 0;
  for (std::size_t i = 0; i < text.size();) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    std::size_t n = Utf8Length(c);
    if (i + n > text.size()) n = text.size() - i;
    out.append(text, i, n);
    i += n;
    if (c == '\r' || c == '\n') {
      column = 0;
      continue;
    }
    column += c < 0x80 ? 1 : 2;
    if (column > kColumns && i < text.size()) {
      out += '\r';
      column = 0;
    }
  }
  return out;
}

bool ConfirmBox(Desktop& desktop, std::string_view text, std::string_view caption) {
  return desktop.ShowMessage(WrapConfirmText(text), caption, MessageButtons::kYesNo, MessageKind::kQuestion) ==
         MessageAnswer::kYes;
}

}  // namespace wb
