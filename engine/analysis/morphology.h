#pragma once
// Morphology and special tokens: the pieces of word-shape knowledge the
// lexical stage uses for tokens the lexicon does not hold as they stand.
//
// The base-form rules themselves (-s, -ing, -ed, -er, -est) live with the
// lexicon (Lexicon::MorphLookup), because every lookup goes through them.
// Here are the rules that make up a word the lexicon does not have: the
// guess from a word's shape (adverbs in -ly, numbers, decades, ordinals), the
// Chinese text of hyphenated compounds and of slashed pairs, and the pieces
// of the date recogniser. None of them keeps state.

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/analysis/lexicon.h"
#include "engine/analysis/sentence.h"
#include "engine/grammar/category.h"

namespace wb {

// Chinese literals the rules write (GBK).
namespace zh {
inline constexpr std::string_view kCentury = "\xCA\xC0\xBC\xCD";  // 世纪
inline constexpr std::string_view kDecade = "\xC4\xEA\xB4\xFA";   // 年代
inline constexpr std::string_view kOrdinal = "\xB5\xDA";          // 第
inline constexpr std::string_view kDe = "\xB5\xC3";               // 得 (verb complement)
inline constexpr std::string_view kFraction = "\xB7\xD6\xD6\xAE"; // 分之
inline constexpr std::string_view kTen = "\xCA\xAE";              // 十
inline constexpr std::string_view kYear = "\xC4\xEA";             // 年
inline constexpr std::string_view kDay = "\xC8\xD5";              // 日
}  // namespace zh

bool IsVowel(char c);
bool IsDigit(char c);
bool IsUpper(char c);

// The word in lower case with its first letter in upper case ("NASA" gives
// "Nasa").
std::string Capitalised(std::string_view t);

// What the shape of a word that no rule found says about it.
struct WordGuess {
  Category category = cat::kN;
  std::string baseText;  // the text used for the word
};
// Adverbs end in -ly; a token of digits is a number; a decade ("1990s") and an
// ordinal in digits ("20th", "1st") get their Chinese text; everything else is
// a noun that stands for itself.
WordGuess GuessShape(std::string_view t);

// The slot marker of a Chinese text (a backslash and one character, where a
// complement goes): its offset, or npos. Two-byte characters are stepped over
// whole, so a trailing byte that happens to be a backslash is no marker.
std::size_t FindSlot(std::string_view text);
// The text without its slot markers.
std::string WithoutSlots(std::string_view text);

// The Chinese text of an entry: the text of its first sense, references to
// other entries followed (a few steps at most, so a cycle of references in
// the lexicon ends). Empty when the entry has no sense of its own.
std::string_view EntryChinese(const Lexicon& lexicon, const LexEntry& entry);

// One half of a hyphenated or slashed token, as the lexicon knows it.
struct HalfWord {
  bool found = false;  // in the lexicon, with at least one sense
  Category category = cat::kNone;
  std::string_view text;  // its Chinese text
  WordFlags flags = 0;
};
// Looks a half up; references are followed to the word they stand for, with
// the form flags they carry.
HalfWord LookupHalf(const Lexicon& lexicon, std::string_view word);

// The word a hyphenated compound of two known halves becomes.
struct Compound {
  Category category = cat::kN;
  std::string text;
};
Compound HyphenCompound(const HalfWord& left, const HalfWord& right);

// The Chinese text of a slashed pair ("and/or"): left, "/", right; when one
// text has a slot marker the other text goes into the slot instead.
std::string SlashText(std::string_view left, std::string_view right);

// A day of the month as written ("5", "21st", "3rd"): its digits, or empty
// when the token is no day number.
std::string DayDigits(std::string_view t);
// A year as written: three or four digits.
bool IsYear(std::string_view t);
// The Chinese date: year + 年, the month's own text, day + 日; a missing year
// or day is left out.
std::string DateText(std::string_view year, std::string_view month, std::string_view day);

}  // namespace wb
