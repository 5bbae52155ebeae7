#pragma once
// The sense records of lexicon entries.
//
// A sense says how an entry can be used: its category, its Chinese
// equivalent, and the grammatical data of that use. The lexicon file stores
// twelve record types, 1001 to 1012, each the common part (category and text)
// followed by fields of its own. Some fields exist only from a given format
// version of the file on; a field the file does not have reads as 0 or empty.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/analysis/lex_stream.h"
#include "engine/analysis/short_string.h"
#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"

namespace wb {

// Stored record type numbers.
namespace sense_type {
constexpr std::uint16_t kFirst = 1001;
constexpr std::uint16_t kNoun = 1001;
constexpr std::uint16_t kVerb = 1002;
constexpr std::uint16_t kValue = 1003;  // a reference sense keeps its form flags here
constexpr std::uint16_t kPlain = 1004;
constexpr std::uint16_t kPair = 1005;
constexpr std::uint16_t kByteList = 1006;
constexpr std::uint16_t kValueByte = 1007;
constexpr std::uint16_t kSub = 1008;
constexpr std::uint16_t kHow = 1009;
constexpr std::uint16_t kMod = 1010;
constexpr std::uint16_t kAt = 1011;
constexpr std::uint16_t kValue2 = 1012;
constexpr std::uint16_t kLast = 1012;
}  // namespace sense_type

constexpr bool IsSenseType(std::uint16_t type) {
  return type >= sense_type::kFirst && type <= sense_type::kLast;
}

// Format versions at which record fields were added.
namespace lex_version {
constexpr std::uint16_t kNoLegacyVerbTexts = 86;  // verb senses lose their two legacy strings
constexpr std::uint16_t kCodedRenderings = 87;    // renderings stored as kind byte + value
constexpr std::uint16_t kSubSecondByte = 88;      // type 1008 gains its second byte
constexpr std::uint16_t kPairStrings = 89;        // type 1005 gains its string list
constexpr std::uint16_t kNounContext = 91;        // noun senses gain their context string
constexpr std::uint16_t kCurrent = 91;
}  // namespace lex_version

// The first byte of a verb rendering.
namespace rendering {
constexpr std::uint8_t kMod = 1;    // "mod="
constexpr std::uint8_t kStype = 2;  // "stype="
constexpr std::uint8_t kPos = 3;    // "pos="
constexpr std::uint8_t kVmot = 4;   // "vmot=" (the participle rendering)
}  // namespace rendering

constexpr int kMaxConstraints = 4;

// 1001: noun senses.
struct NounFields {
  NounCodeSet codes = 0;
  std::array<std::uint8_t, 4> classes{};  // semantic class numbers, 0 = none
  std::vector<std::string> strings;
  std::uint8_t domain = 0;      // 0 = no domain
  std::uint8_t classifier = 0;  // copied to the node when the sense is chosen
  std::string context;          // English words that favour this sense (version 91 on)
  friend bool operator==(const NounFields&, const NounFields&) = default;
};

// 1002: verb senses.
struct VerbFields {
  VerbCodeSet codes = 0;
  // Files before version 86 carry a string when code wv4 is set and another
  // when wv5 is set; kept only so that such a file can be written back.
  std::string legacy4;
  std::string legacy5;
  std::uint8_t constraintCount = 0;
  std::array<std::uint8_t, kMaxConstraints> constraints{};
  // Each a kind byte (see `rendering`) followed by its value.
  std::vector<std::string> renderings;
  std::uint8_t last = 0;
  friend bool operator==(const VerbFields&, const VerbFields&) = default;
};

// 1003, 1011, 1012.
struct WordField {
  std::uint16_t value = 0;
  friend bool operator==(const WordField&, const WordField&) = default;
};

// 1005.
struct PairFields {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::vector<std::string> strings;  // version 89 on
  friend bool operator==(const PairFields&, const PairFields&) = default;
};

// 1006.
struct ByteListFields {
  std::uint8_t first = 0;
  std::vector<std::string> strings;
  std::uint8_t last = 0;
  friend bool operator==(const ByteListFields&, const ByteListFields&) = default;
};

// 1007.
struct WordByteFields {
  std::uint16_t value = 0;
  std::uint8_t byte = 0;
  friend bool operator==(const WordByteFields&, const WordByteFields&) = default;
};

// 1008 (second byte from version 88 on), 1009, 1010 (first byte only).
struct ByteFields {
  std::uint8_t first = 0;
  std::uint8_t second = 0;
  friend bool operator==(const ByteFields&, const ByteFields&) = default;
};

// 1004 has no fields of its own.
struct NoFields {
  friend bool operator==(const NoFields&, const NoFields&) = default;
};

using SenseFields =
    std::variant<NoFields, NounFields, VerbFields, WordField, PairFields, ByteListFields, WordByteFields, ByteFields>;

struct Sense {
  std::uint16_t type = sense_type::kPlain;
  Category category = cat::kNone;
  // The Chinese equivalent (GBK), at most 255 bytes; for a reference sense the
  // headword referred to. May hold one slot marker, a backslash and a
  // character, where the complement goes.
  std::string text;
  SenseFields fields;
  // Display label of types 1008 to 1011, built when the record is read.
  ShortString<3> label;

  // A record of the given type with all fields zero; type 1004 for a number
  // that names no sense type.
  static Sense OfType(std::uint16_t type);

  const NounFields* Noun() const { return std::get_if<NounFields>(&fields); }
  const VerbFields* Verb() const { return std::get_if<VerbFields>(&fields); }
  NounFields* Noun() { return std::get_if<NounFields>(&fields); }
  VerbFields* Verb() { return std::get_if<VerbFields>(&fields); }

  // The 16-bit value of types 1003, 1011 and 1012 (the form flags of a
  // reference sense); 0 for the others.
  std::uint16_t Value() const;
  // The first byte stored after the common part, which the parser and the
  // generator test as a flag or class byte; 0 for type 1004.
  std::uint8_t FlagByte() const;

  friend bool operator==(const Sense&, const Sense&) = default;
};

inline Category SenseCategory(const Sense& s) { return s.category; }
inline std::string_view SenseText(const Sense& s) { return s.text; }

// The display label of a record of types 1008 to 1011 (empty for the others).
ShortString<3> SenseLabel(const Sense& s);

// Reads the record of the given type (the type number itself already read)
// at the reader's position, for the reader's format version. Renderings of
// files before version 87 are converted to the coded form. On a short read or
// a corrupt field the reader holds the failure and false is returned; `out`
// is then incomplete.
bool ReadSense(std::uint16_t type, LexReader& in, Sense& out);

// Writes the record's fields (without the type number) in the writer's format
// version, so that ReadSense gives the record back. False when the record
// cannot be stored in that version (a text too long, a rendering with no
// older form, fields that do not fit the type).
bool WriteSense(const Sense& s, LexWriter& out);

// Converts one rendering as files before version 87 store it (a text such as
// `vmot=...` or a quoted form "...") to the coded form; a text of neither
// form is kept as it is.
std::string ConvertOldRendering(std::string_view old);
// The inverse, for writing old files; false when the coded rendering has no
// older form.
bool OldRendering(std::string_view coded, std::string& old);

}  // namespace wb
