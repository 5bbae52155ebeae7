#pragma once
// Conversions at the edge of the command-line tool. The engine works in its
// own bytes (ASCII English, GBK Chinese); a person on Linux reads and writes
// UTF-8. Pages keep their own bytes except where translation put Chinese.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "html/page_filter.h"
#include "html/utf8.h"

namespace wb {

// Converts text between two codes the C library knows by name; false when
// either code is unknown (*badOffset 0) or a byte cannot be converted
// (*badOffset at that byte of the input).
bool ConvertCharset(const char* to, const char* from, std::string_view in, std::string& out,
                    std::size_t* badOffset = nullptr);

// The GBK bytes of one character; empty when GBK has no such character.
std::string GbkCharacter(char32_t c);

// GBK (the engine's Chinese) to UTF-8. A byte that starts no GBK character is
// shown as U+FFFD rather than dropped.
std::string GbkToUtf8(std::string_view gbk);

// Windows-1252 (the usual encoding of older English pages) to UTF-8.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 text into engine bytes and back. Typographic quotes, dashes, the
// ellipsis and no-break spaces become their ASCII forms (the scanner knows
// those). A word that holds anything beyond ASCII (Chinese, an accented
// letter, Greek, an emoji, a stray byte) is handed to the engine whole as a
// stand-in from GBK's user-defined rows, which no lexicon word uses, so that
// the engine passes it through as one unknown word; neighbouring such words
// with only blanks and punctuation between them go as one. ToUtf8 puts the
// words back as they were written.
class Utf8ToEngine {
 public:
  std::string Convert(std::string_view utf8);
  // Engine bytes (GBK) to UTF-8, with the stand-ins this converter handed
  // out turned back into their words.
  std::string ToUtf8(std::string_view engine) const;

 private:
  std::string StandIn(std::string_view written);

  std::unordered_map<std::string, std::string> standInOf_;  // words -> stand-in
  std::vector<std::string> standIns_;                       // stand-in number -> words
};

enum class PageEncoding { kUtf8, kCp1252, kGb };

// Guesses a page's encoding: valid UTF-8, else Windows-1252.
PageEncoding DetectPageEncoding(std::string_view page);

// The codec the tool uses for UTF-8 output: the page's own bytes are turned
// into UTF-8 (unchanged for a UTF-8 page), sentences are handed to the
// engine in its bytes, and the engine's Chinese comes back as UTF-8. A page
// that was Big5 arrives already converted to GB (kGb).
class Utf8PageCodec : public PageCodec {
 public:
  explicit Utf8PageCodec(PageEncoding source) : source_(source) {}
  std::string ToEngine(std::string_view page) const override;
  std::string FromEngine(std::string_view engine) const override;
  std::string Passthrough(std::string_view page) const override;
  void SetPageIsGb(bool gb) override { pageIsGb_ = gb; }
  // The tool decides about Big5 before the page reaches the filter.
  bool MayBeBig5() const override { return false; }
  bool KeepsEntities() const override { return true; }

 private:
  std::string PageToUtf8(std::string_view page) const;

  PageEncoding source_;
  bool pageIsGb_ = false;
  mutable Utf8ToEngine toEngine_;
};

}  // namespace wb
