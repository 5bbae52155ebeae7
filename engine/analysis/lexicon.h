#pragma once
// The lexicon: the engine's dictionary, read once from the binary file
// "LEXICON.MTX" into a hash table that lives as long as the engine.
//
// The file is little-endian: the format version, the number of top-level
// objects, the code table, the semantic class names and the auxiliary names,
// then the objects themselves. Each object is a 16-bit type number and that
// type's fields: 1000 is an entry, 1001 to 1012 are sense records. Nothing in
// the file is trusted: a short or corrupt file ends the load with a message
// naming the file and the byte offset, and the entries read until then stay.

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/lex_stream.h"
#include "engine/analysis/sentence.h"
#include "engine/grammar/sense.h"

namespace wb {

inline constexpr std::string_view kLexiconFileName = "LEXICON.MTX";

constexpr std::uint16_t kEntryObjectType = 1000;
constexpr int kBucketCount = 7993;
constexpr int kNameSlots = 256;      // semantic class names and aux names
constexpr std::size_t kNameMax = 16;  // bytes of one name
constexpr int kCodeSlots = 91;
constexpr std::size_t kCodeMax = 2;  // bytes of one code
constexpr int kStarCodeSlot = 3;      // always "*", whatever the file says

// The first flag byte of an entry.
namespace ef1 {
constexpr std::uint8_t kFixedPhrase = 0x02;    // the phrase's words become one word
constexpr std::uint8_t kKeepStartForm = 0x04;  // the phrase word keeps the form of its first word
constexpr std::uint8_t kContraction = 0x20;    // first sense text lists the replacing words
constexpr std::uint8_t kHandler = 0x40;        // call the special-word handler
}  // namespace ef1
// The second flag byte.
namespace ef2 {
constexpr std::uint8_t kBaseIsPast = 0x01;
constexpr std::uint8_t kBaseIsParticiple = 0x02;
constexpr std::uint8_t kHeadwordForm = 0x20;  // the phrase word takes the form at the headword
}  // namespace ef2

// A multi-word phrase in which an entry's headword takes part.
struct LexPhrase {
  std::uint16_t number = 0;
  std::string text;  // blank-separated words
  friend bool operator==(const LexPhrase&, const LexPhrase&) = default;
};

struct LexEntry {
  std::uint16_t entryFlags = 0;  // first flag byte in the low half (it is stored first)
  std::string headword;          // exactly as looked up; case matters
  std::vector<Sense> senses;     // in file order
  std::vector<LexPhrase> phrases;
  std::uint8_t handler = 0;  // special-word handler, when ef1::kHandler is set

  std::uint8_t FirstFlags() const { return static_cast<std::uint8_t>(entryFlags & 0xFF); }
  std::uint8_t SecondFlags() const { return static_cast<std::uint8_t>(entryFlags >> 8); }
  friend bool operator==(const LexEntry&, const LexEntry&) = default;
};

// Bucket number 0..7992 of a headword.
int HashName(std::string_view s);

// Reads an entry's fields (its type number already read). A sense list may
// only hold sense records: an entry in it is refused, which also keeps a
// crafted file from nesting entries without end.
bool ReadEntry(LexReader& in, LexEntry& out);
// Writes an entry with its type number, in the writer's format version; false
// when it cannot be stored (more than 255 senses or phrases, a text too long,
// a sense that does not fit the version).
bool WriteEntry(const LexEntry& e, LexWriter& out);

// The tables at the head of a lexicon file.
struct LexiconHeader {
  std::uint16_t formatVersion = lex_version::kCurrent;
  std::uint16_t objectCount = 0;
  std::vector<std::string> codes;       // at most 91, each at most 2 bytes
  std::vector<std::string> classNames;  // at most 255, each at most 16 bytes
  std::vector<std::string> auxNames;    // likewise
};
// Writes the header (the writer's version is set to the header's); false when
// a table does not fit its slots.
bool WriteLexiconHeader(const LexiconHeader& h, LexWriter& out);

class Lexicon {
 public:
  using Diagnostics = std::function<void(std::string_view)>;

  struct WordLookup {
    bool found = false;
    const LexEntry* entry = nullptr;
    WordFlags flags = 0;
  };

  Lexicon();

  // Where load failures are reported besides the error string.
  void SetDiagnostics(Diagnostics sink) { diagnostics_ = std::move(sink); }

  // Starts over empty and reads a lexicon file image. On failure *error (when
  // given) holds "<fileName>: <what> at byte offset <n>", the same text goes
  // to the diagnostics, and everything read before the failure stays.
  bool Load(std::string_view bytes, std::string_view fileName, std::string* error);
  // The same for a file on disk; a file that cannot be opened or read leaves
  // the lexicon empty.
  bool LoadFile(const std::string& path, std::string* error);

  // Adds an entry at the head of its bucket's chain, so that it hides any
  // earlier entry with the same headword. The entry's address never changes.
  const LexEntry& Insert(LexEntry e);

  // Exact lookup: the latest entry whose headword equals s byte for byte.
  const LexEntry* LookupEntry(std::string_view s) const;
  // s or one of its base forms (with their form flags), then the same with
  // the first letter in lower case when it is a capital.
  WordLookup LookupWord(std::string_view s) const;
  // The base forms tried for an inflected word: -s, -ies, -es, -ing, -ed,
  // -er, -est, with the form flags each gives.
  WordLookup MorphLookup(std::string_view w) const;

  std::uint16_t EntryCount() const { return entryCount_; }
  // Every entry, hidden ones included, in the order they were inserted.
  const std::deque<LexEntry>& Entries() const { return entries_; }
  std::uint16_t FormatVersion() const { return formatVersion_; }

  // Names; "???" for a slot the file did not fill or a number out of range.
  std::string_view SemanticClassName(int i) const;
  std::string_view AuxName(int i) const;
  int SemanticClassCount() const { return classCount_; }
  int AuxNameCount() const { return auxCount_; }
  // Codes 0..90; empty for a slot not filled, except slot 3, always "*".
  std::string_view Code(int i) const;
  int CodeCount() const { return codeCount_; }

 private:
  struct Node {
    const LexEntry* entry;
    std::int32_t next;  // index of the next node of the chain, -1 at the end
  };

  void Clear();
  bool ReadTables(LexReader& in, std::uint16_t& objects);
  bool ReadNames(LexReader& in, std::array<std::string, kNameSlots>& names, int& count);
  bool Fail(const LexReader& in, std::string_view fileName, std::string* error);

  std::array<std::int32_t, kBucketCount> buckets_{};
  std::vector<Node> nodes_;
  std::deque<LexEntry> entries_;  // a deque keeps the entries where they are
  std::uint16_t entryCount_ = 0;
  std::uint16_t formatVersion_ = 0;
  std::array<std::string, kNameSlots> classNames_;
  int classCount_ = 0;
  std::array<std::string, kNameSlots> auxNames_;
  int auxCount_ = 0;
  std::array<std::string, kCodeSlots> codes_;
  int codeCount_ = 0;
  Diagnostics diagnostics_;
};

}  // namespace wb
