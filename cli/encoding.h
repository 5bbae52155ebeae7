#pragma once
// Conversions at the edge of the command-line tool. The engine works in its
// own bytes (ASCII English, GBK Chinese); a person on Linux reads and writes
// UTF-8. Pages keep their own bytes except where translation put Chinese.

#include <string>
#include <string_view>
#include <unordered_map>

#include "html/page_filter.h"

namespace wb {

bool IsValidUtf8(std::string_view s);

// GBK (the engine's Chinese) to UTF-8. A byte that starts no GBK character is
// shown as U+FFFD rather than dropped.
std::string GbkToUtf8(std::string_view gbk);

// Windows-1252 (the usual encoding of older English pages) to UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 text into engine bytes: typographic quotes, dashes, the ellipsis and
// no-break spaces become their ASCII forms (the scanner knows those),
// characters GBK can hold become GBK, anything else becomes "?".
class Utf8ToEngine {
 public:
  std::string Convert(std::string_view utf8);

 private:
  std::unordered_map<char32_t, std::string> cache_;
};

enum class PageEncoding { kUtf8, kCp1252 };

// Guesses a page's encoding: valid UTF-8, else Windows-1252.
PageEncoding DetectPageEncoding(std::string_view page);

// The codec the tool uses for UTF-8 output: the page's own bytes are turned
// into UTF-8 (unchanged for a UTF-8 page), sentences are handed to the
// engine in its bytes, and the engine's Chinese comes back as UTF-8.
class Utf8PageCodec : public PageCodec {
 public:
  explicit Utf8PageCodec(PageEncoding source) : source_(source) {}
  std::string ToEngine(std::string_view page) const override;
  std::string FromEngine(std::string_view engine) const override;
  std::string Passthrough(std::string_view page) const override;
  void SetPageIsGb(bool gb) override { pageIsGb_ = gb; }
  bool MayBeBig5() const override { return source_ != PageEncoding::kUtf8; }
  bool KeepsEntities() const override { return true; }

 private:
  PageEncoding source_;
  bool pageIsGb_ = false;
  mutable Utf8ToEngine toEngine_;
};

}  // namespace wb
