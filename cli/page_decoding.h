#pragma once
// How the tool reads a page's bytes before the page filter sees them.
//
// For UTF-8 output every page is brought to one of three forms the page
// codec knows: UTF-8, Windows-1252 (older Western pages) or GB (a Big5 page
// after the Big5 table has turned it into simplified characters). Pages in
// UTF-16 or UTF-32 (with a byte-order mark, or UTF-16 recognised by its zero
// bytes), and pages that declare another code the C library knows (GB2312,
// GBK, KOI8-R, Shift_JIS, ...), are converted to UTF-8 first. What cannot be
// decoded is refused with a message rather than turned into garbage.

#include <string>

#include "cli/encoding.h"

namespace wb {

struct DecodedPage {
  std::string bytes;
  PageEncoding encoding = PageEncoding::kUtf8;
  // Still Big5: the caller converts it with the Big5 table (the result is
  // kGb). Kept apart because the table is a data file beside the program.
  bool big5 = false;
  // How the page was read, in a few words ("UTF-16LE", "declared big5"), for
  // --verbose.
  std::string how;
};

// Decides the page's code and converts it for UTF-8 output. False, with the
// reason in error (without the file name), when a page that says it is
// UTF-16 or UTF-32 is not.
bool DecodeForUtf8(std::string raw, DecodedPage& page, std::string& error);

// For the engine's own GBK output a page in UTF-8, UTF-16 or UTF-32 is
// turned into GBK (the characters GBK lacks as numeric character references;
// fromUtf8 then says so) and any other page goes to the engine unchanged;
// false when a page that says it is UTF-16 or UTF-32 is not.
bool DecodeForGbk(std::string raw, std::string& page, bool& fromUtf8, std::string& error);

}  // namespace wb
