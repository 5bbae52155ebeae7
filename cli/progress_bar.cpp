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

void JobProgressBar::FileDone(std::uintmax_t bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  ++filesDone_;
  bytesDone_ += bytes;
  const auto now = std::chrono::steady_clock::now();
  if (filesDone_ < files_ && now - lastDraw_ < std::chrono::milliseconds(100)) return;
  lastDraw_ = now;
  DrawLocked();
}

void JobProgressBar::DrawLocked() {
  if (!shown_) return;
  constexpr int kWidth = 30;
  const double share = bytes_ > 0 ? static_cast<double>(bytesDone_) / static_cast<double>(bytes_)
                                  : files_ > 0 ? static_cast<double>(filesDone_) / static_cast<double>(files_) : 1.0;
  const int filled = static_cast<int>(share * kWidth);
  std::fputs("\rtranslating [", out_);
  for (int i = 0; i < kWidth; ++i) std::fputc(i < filled ? '#' : '.', out_);
  std::fprintf(out_, "] %zu/%zu files, %.1f/%.1f MB", filesDone_, files_, static_cast<double>(bytesDone_) / 1e6,
               static_cast<double>(bytes_) / 1e6);
  std::fflush(out_);
}

void JobProgressBar::ClearLocked() {
  if (!shown_) return;
  std::fputs("\r\033[K", out_);
}

void JobProgressBar::Finish() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!shown_) return;
  DrawLocked();
  std::fputc('\n', out_);
  std::fflush(out_);
  shown_ = false;
}

}  // namespace wb
