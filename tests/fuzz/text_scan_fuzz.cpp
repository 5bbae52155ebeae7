// The toolbar's text translation over any clipboard bytes: the scan with its
// paragraph and quote rules, the result window's line cutting, the exit
// question's wrapping and the stored-setting reader never crash or loop, and
// the cutting keeps every byte in order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/add_wrapped.h"
#include "app/confirm_box.h"
#include "app/settings.h"
#include "app/text_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  std::string text = wb::WithCrLfLineEnds(input);
  std::size_t start = (size > 0 && (data[0] & 1) != 0) ? wb::MessageBodyStart(text) : 0;
  if (start == std::string::npos) start = 0;
  std::size_t sentenceBytes = 0;
  wb::TextScan scan(
      [&](std::string_view s) {
        sentenceBytes += s.size();
        return std::string(s);
      },
      [](std::string_view line) {
        // Every line the scan adds has been cut already: a second cut finds
        // nothing to do unless the line is long.
        if (line.size() < 50 && wb::WrapLines(line).size() != 1) std::abort();
      });
  scan.Run(text, start);
  if (sentenceBytes > text.size()) std::abort();

  std::string joined;
  for (const std::string& l : wb::WrapLines(input)) joined += l;
  if (joined != input) std::abort();

  // The question's wrapping only adds carriage returns.
  auto withoutCr = [](std::string_view s) {
    std::string out;
    for (char c : s)
      if (c != '\r') out += c;
    return out;
  };
  if (withoutCr(wb::WrapConfirmText(input)) != withoutCr(input)) std::abort();

  (void)wb::ParseSettingInteger(input.substr(0, 40));
  return 0;
}
