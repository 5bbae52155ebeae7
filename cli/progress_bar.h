#pragma once
#include <cstdio>

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

}  // namespace wb
