#include "cli/content_questions.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "cli/encoding.h"

namespace wb {

bool ContentQuestions::Ask(std::string_view question, const std::string& page) {
  if (answer_) return *answer_;
  const std::string shown = GbkToUtf8(question);
  std::lock_guard<std::mutex> lock(mutex_);
  if (severalPages_) {
    std::fprintf(stderr, "wenb97: %s: %s -- taking No for a run over several pages (use --yes to go on)\n",
                 page.c_str(), shown.c_str());
    return false;
  }
  if (isatty(STDIN_FILENO) == 0) {
    std::fprintf(stderr, "wenb97: %s -- no terminal to ask on, taking No (use --yes to go on)\n", shown.c_str());
    return false;
  }
  std::fprintf(stderr, "%s [y/N] ", shown.c_str());
  std::fflush(stderr);
  std::string reply;
  if (!std::getline(std::cin, reply)) return false;
  return reply == "y" || reply == "Y" || reply == "yes" || reply == "Yes";
}

}  // namespace wb
