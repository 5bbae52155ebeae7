// Feeds arbitrary bytes to the PICS label check and to the bad-word list
// loader, as a meta content value and as a list file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "html/content_rating.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // The label check, with both answers from the user.
  const std::string lines = wb::PicsReportLines(bytes);
  for (bool answer : {false, true}) {
    int asked = 0;
    std::string report = "stale";
    const bool replaced = wb::CheckPicsLabel(bytes, &report, [&] {
      ++asked;
      return answer;
    });
    Require(asked == (lines.empty() ? 0 : 1));
    Require(replaced == (!lines.empty() && !answer));
    Require(replaced ? report == wb::PicsWarningPage(lines) : report.empty());
  }
  (void)wb::IsPicsLabel(bytes);

  // The input as a scrambled list file.
  wb::BadWordList list;
  std::string error;
  if (wb::LoadBadWords(bytes, &list, &error)) {
    for (const std::string& w : list.Words()) Require(!w.empty() && wb::IsBadWord(list, w));
  } else {
    Require(!error.empty() && list.Size() == 0);
  }

  // The input as a plain list: whatever the build tool writes, the loader
  // takes back, unless the list holds control bytes of its own or no word at
  // all (the tool refuses such a list by loading its own output).
  const std::string file = wb::BuildBadWordsFile(bytes);
  bool plainText = true;
  for (unsigned char c : bytes) {
    if ((c < 32 && c != '\t' && c != '\r' && c != '\n') || c == 127) plainText = false;
  }
  wb::BadWordList built;
  if (plainText && !file.empty()) Require(wb::LoadBadWords(file, &built, &error));

  // Counts from the input.
  if (size >= 16) {
    std::int64_t words;
    std::int64_t bad;
    std::memcpy(&words, data, 8);
    std::memcpy(&bad, data + 8, 8);
    (void)wb::ContentWarningDue(words, bad);
  }
  return 0;
}
