#pragma once
// The two questions a page may raise (a PICS label rating it above 0, and
// offensive words making up a tenth of it), put the way the command line
// allows: --yes or --no answer them for scripts; otherwise the question is
// asked on the terminal, and with no terminal the cautious answer, No, is
// taken. In a run over several pages nothing is asked: without --yes or
// --no every question gets the cautious answer, and each page it applied to
// is named on standard error. Safe to use from several threads.

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace wb {

class ContentQuestions {
 public:
  // answer: what --yes or --no said, if either was given. severalPages:
  // the run covers more than one page.
  ContentQuestions(std::optional<bool> answer, bool severalPages) : answer_(answer), severalPages_(severalPages) {}

  // Puts a question (GBK text) about the page `page`; true means go on.
  bool Ask(std::string_view question, const std::string& page);

 private:
  std::optional<bool> answer_;
  bool severalPages_;
  std::mutex mutex_;  // one question, one message at a time
};

}  // namespace wb
