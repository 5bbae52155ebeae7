#pragma once
// Which code a page is written in, as far as the page's own bytes tell.
//
// The Big5 test of the entity services counts byte pairs only, and a Western
// page's accented letter followed by an ASCII letter ("na\xEFve") is a
// perfectly good Big5 pair. Before a page is converted as Big5 it is asked
// here what it says of itself (a charset in a meta element or the XML
// declaration) and whether its high bytes look like Western letters.
//
// Pure functions over bytes; no OS headers.

#include <string>
#include <string_view>

namespace wb {

// The charset a page declares in the first kBig5SniffLength bytes: in a meta
// element ("charset=..." in its content or its own charset attribute) or in
// an XML declaration ("encoding=..."). Lower case; empty when there is none.
std::string DeclaredCharset(std::string_view page);

// Where that name stands in the page; length 0 when nothing is declared.
struct CharsetSpan {
  std::size_t begin = 0;
  std::size_t length = 0;
};
CharsetSpan DeclaredCharsetSpan(std::string_view page);

// The page with the name of the charset it declares replaced by `name`; a
// page that declares none is returned as it is.
std::string WithDeclaredCharset(std::string page, std::string_view name);

enum class CharsetFamily {
  kNone,     // nothing declared
  kUtf8,
  kWestern,  // ISO-8859-1, Windows-1252, ASCII: read as Windows-1252
  kBig5,
  kGb,       // GB2312, GBK, GB18030
  kUtf16,    // declared in a byte page, which therefore is not UTF-16
  kOther,    // some other code; a converter may know it by this name
};

CharsetFamily ClassifyCharset(std::string_view name);

// True when the text reads as a Western page: a byte of 0x80 or above that
// stands alone between two ASCII letters ("na\xEFve", "M\xFCller") is an
// accented letter inside a word, and such bytes make up at least half of the
// Big5-like pairs in the first kBig5SniffLength bytes. Chinese text comes in
// runs of double-byte characters, so a Big5 page has few of them.
bool LooksWestern(std::string_view text);

// True when the text reads as GB: every high byte in the first
// kBig5SniffLength bytes pairs up as a GB character (both bytes 0xA1..0xFE,
// lead at most 0xF7), there is at least one, and the text does not look
// Western.
bool LooksLikeGb(std::string_view text);

// The page-level decision: a page that declares Big5 is Big5; one that
// declares any other code is not; an undeclared page is Big5 when the pair
// count says so (LooksLikeBig5) and it does not look Western.
bool PageIsBig5(std::string_view page);

}  // namespace wb
