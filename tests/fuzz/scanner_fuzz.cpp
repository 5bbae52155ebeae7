// Arbitrary bytes through both scanner readers: every token is non-empty and
// at most 255 bytes, the position only moves forward, and the scanner always
// comes to an end.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/analysis/scanner.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The first byte picks the separators, so that odd sets are tried too.
  wb::SeparatorSet separators = wb::LexicalSeparators();
  std::string_view text(reinterpret_cast<const char*>(data), size);
  if (!text.empty() && (text[0] & 1)) {
    std::size_t n = static_cast<unsigned char>(text[0]) % 8;
    if (n > text.size() - 1) n = text.size() - 1;
    separators = wb::MakeSeparators(text.substr(1, n));
    text.remove_prefix(1 + n);
  }

  wb::Scanner scanner;
  wb::Str255 token;
  scanner.Init(text, separators);
  std::size_t tokens = 0;
  std::size_t lastPos = scanner.Pos();
  while (scanner.NextToken(token)) {
    Check(!token.empty() && token.size() <= 255);
    Check(scanner.Pos() > lastPos && scanner.Pos() <= text.size() + 1);
    Check(scanner.Text().size() == text.size());
    lastPos = scanner.Pos();
    Check(++tokens <= text.size());
  }
  Check(!scanner.NextToken(token));  // the end stays the end

  scanner.Init(text, separators);
  std::size_t fields = 0;
  while (scanner.NextField(token)) {
    Check(!token.empty() && token.size() <= 255);
    Check(separators[static_cast<unsigned char>(token[0])] == false);
    Check(++fields <= text.size());
  }
  return 0;
}
