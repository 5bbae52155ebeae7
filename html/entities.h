#pragma once
// Character entities and Chinese code conversion for the page filter.
//
// The filter must not hand the English translator text that is not English,
// and the browser must get one Chinese code only (GB). Three services cover
// that: a Big5 detector with a Big5-to-GB converter, a test that tells whether
// a text's entities mark it as foreign (Latin-1 letters, numeric references),
// and a decoder that turns Latin-1 named entities and numeric references into
// bytes while keeping the entities HTML needs for its own syntax.
//
// Everything here is pure: the Big5 table is passed in, the entity lists are
// constants, and texts are byte strings (ASCII, Latin-1 or double-byte code).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wb {

// The Big5-to-GB table: one 16-bit entry for every Big5 code with a lead byte
// 0xA1..0xF9 and a trail byte 0x40..0x7E or 0xA1..0xFE. An entry holds the GB
// code with its first byte in the low half and its second byte in the high
// half; 0 means the Big5 code has no GB counterpart.
//
// A default-constructed table maps nothing, so conversion with it leaves every
// text unchanged.
class Big5Table {
 public:
  static constexpr int kLeadFirst = 0xA1;
  static constexpr int kLeadLast = 0xF9;
  static constexpr int kColumns = 157;  // 63 low trails + 94 high trails
  static constexpr std::size_t kEntryCount = 13973;  // 89 leads x 157 trails
  static constexpr std::size_t kFileSize = kEntryCount * 2;
  // The data file's bare name; the program opens it from its working folder.
  static constexpr const char* kFileName = "big52gb";

  // The entry index of a Big5 pair, or -1 when the pair is outside the table
  // (lead not 0xA1..0xF9, or trail not 0x40..0x7E / 0xA1..0xFE).
  static int IndexOf(unsigned char lead, unsigned char trail);

  // Takes the table from the file's bytes: exactly kFileSize bytes, entries in
  // index order, each stored low byte first. Every entry that is not 0 must be
  // a double-byte GB code (first byte 0x81..0xFE, second 0x40..0xFE but not
  // 0x7F); anything else means the file is not a table, and putting such
  // bytes into a page would corrupt it. On failure the table is left as it
  // was and *error (when given) says why.
  bool LoadFromBytes(std::string_view bytes, std::string* error);
  // Reads the table from a file; a missing, unreadable or wrongly sized file
  // fails with a message that names the file and the reason.
  bool LoadFromFile(const std::string& path, std::string* error);

  // The entry for a pair; 0 for a pair outside the table.
  std::uint16_t Lookup(unsigned char lead, unsigned char trail) const;
  std::uint16_t Entry(std::size_t index) const {
    return index < kEntryCount ? entries_[index] : 0;
  }
  // For building tables in code (tests, tools). Out-of-range indexes are
  // ignored.
  void SetEntry(std::size_t index, std::uint16_t gbCode) {
    if (index < kEntryCount) entries_[index] = gbCode;
  }
  // How many Big5 codes have a GB counterpart.
  std::size_t MappedCount() const;

 private:
  std::array<std::uint16_t, kEntryCount> entries_{};
};

// Detection looks no further than this many bytes into a page.
constexpr std::size_t kBig5SniffLength = 4096;

// True when the start of the text reads as Big5 rather than GB: counting the
// double-byte pairs in the first kBig5SniffLength bytes, Big5-like pairs
// (lead 0xA1..0xF9, trail 0x40..0xFE) outnumber GB-like pairs (lead
// 0xA1..0xF7, trail 0xA1..0xFE). A high byte with nothing after it inside the
// window makes no pair.
bool LooksLikeBig5(std::string_view text);

// Replaces every Big5 pair that the table maps by its two GB bytes. A pair the
// table does not map is kept, and its second byte is examined as a possible
// lead byte. The result has the same length as the text; a last byte is never
// converted on its own.
std::string Big5ToGb(const Big5Table& table, std::string_view text);

// The caller has seen an "&" in the text. True when the first entity that is
// neither a Greek/symbol entity nor one of quot, amp, lt, gt is a numeric
// reference or a Latin-1 named entity: such text is copied untranslated.
// The entity lists are searched as plain strings, so a name counts as listed
// when it (with its ";") occurs anywhere in a list's text; the last Latin-1
// name, which has no ";" after it in the list, therefore never counts.
// A text without "&" is not foreign.
bool HasForeignEntity(std::string_view text);

// Turns Latin-1 named entities (exact case) into the bytes 160..255 and
// numeric references up to 255 into their bytes, except those whose digits
// occur in "quot;amp;lt;gt;34;38;60;62" (the references HTML needs, and by
// the same plain search 0, 2, 3, 4, 6 and 8). A larger reference is kept,
// rewritten in plain decimal; an ill-formed one becomes the byte 160. Other
// named entities, and an "&" with no ";" after it, are copied unchanged.
std::string DecodeEntities(std::string_view text);

}  // namespace wb
