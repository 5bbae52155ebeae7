#pragma once
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>

#include "html/page_filter.h"

namespace wb {

// A one-line progress bar on a terminal, redrawn in place.
class TerminalProgressBar : public ProgressDisplay {
 public:
  TerminalProgressBar(std::FILE* out, const char* label) : out_(out), label_(label) {}
  void Show() override;
  void SetPosition(long long position) override;
  void Hide() override;

 private:
  std::FILE* out_;
  const char* label_;
  bool shown_ = false;
};

// One bar over a run of many files, counting files and bytes; any worker
// thread may report a finished file. Redrawn at most ten times a second,
// and only when shown (on a terminal).
class JobProgressBar {
 public:
  JobProgressBar(std::FILE* out, bool shown, std::size_t files, std::uintmax_t bytes)
      : out_(out), shown_(shown), files_(files), bytes_(bytes) {}
  void FileDone(std::uintmax_t bytes);
  // Ends the bar for good after the last file.
  void Finish();
  // Runs fn (which writes a line to the same terminal) with the bar cleared
  // first and redrawn after.
  template <typename Fn>
  void Around(Fn fn) {
    std::lock_guard<std::mutex> lock(mutex_);
    ClearLocked();
    fn();
    DrawLocked();
  }

 private:
  void DrawLocked();
  void ClearLocked();

  std::FILE* out_;
  bool shown_;
  std::size_t files_;
  std::uintmax_t bytes_;
  std::size_t filesDone_ = 0;
  std::uintmax_t bytesDone_ = 0;
  std::chrono::steady_clock::time_point lastDraw_{};
  std::mutex mutex_;
};

}  // namespace wb
