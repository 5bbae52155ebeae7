#include "cli/progress_bar.h"

namespace wb {

void TerminalProgressBar::Show() {
  shown_ = true;
  SetPosition(0);
}

void TerminalProgressBar::SetPosition(long long position) {
  if (!shown_) return;
  if (position < 0) position = 0;
  if (position > 100) position = 100;
  constexpr int kWidth = 40;
  int filled = static_cast<int>(position * kWidth / 100);
  std::fprintf(out_, "\r%s [", label_);
  for (int i = 0; i < kWidth; ++i) std::fputc(i < filled ? '#' : '.', out_);
  std::fprintf(out_, "] %3lld%%", position);
  std::fflush(out_);
}

void TerminalProgressBar::Hide() {
  if (!shown_) return;
  SetPosition(100);
  std::fputc('\n', out_);
  std::fflush(out_);
  shown_ = false;
}

}  // namespace wb
