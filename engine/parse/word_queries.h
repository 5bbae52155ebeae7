#pragma once
// What the parser and the generator ask about the word behind a node: its
// senses, the flag bytes the checks test, its verb codes. The node says
// which category the parse gave the word; the word table says what the word
// may be.

#include <cstdint>
#include <string_view>

#include "engine/analysis/sentence_context.h"
#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"
#include "engine/grammar/sense.h"

namespace wb {

// The first of the word's senses (in sense-table order) of category c, or
// nullptr.
const Sense* FindSense(const SentenceState& s, int pos, Category c);

// The same, for generation: a word without a sense of the category the parse
// gave it is an engine error ("... does not have a ...", abandoning the
// sentence), except for a node that stands for a multi-word phrase.
const Sense* SenseOfCategory(SentenceContext& sentence, const ParseBuffer& tree, int pos, Category c);

// Some verb sense of the word carries verb code `code` (0..63).
bool HasVerbCode(const SentenceState& s, int pos, int code);
// The same for the multi-word phrase the word closes (its phraseEntry): a
// phrase node of the parse has the phrase's senses, not its last word's.
bool PhraseHasVerbCode(const SentenceState& s, int pos, int code);

// The flag or class byte of the word's first sense of category c; 0 when it
// has none.
std::uint8_t SenseFlagByte(const SentenceState& s, int pos, Category c);

// Adverbs carry a 16-bit flag word (sense_bits.h: adv_flag).
// The flag word of the word's first adverb sense; 0 when none.
std::uint16_t FirstAdvFlags(const SentenceState& s, int pos);
// Some adverb sense of the word has one of the bits of mask.
bool AnyAdvSenseHas(const SentenceState& s, int pos, std::uint16_t mask);

// A word that may be a verb ("be" or "v") stands somewhere after pos.
bool PossibleVerbAfter(const SentenceState& s, int pos);

// The word's form flags; 0 outside the sentence.
WordFlags FlagsOf(const SentenceState& s, int pos);
// The word is in the lexicon.
bool IsKnownWord(const SentenceState& s, int pos);
// The first flag byte of the word's entry; 0 for a word not in the lexicon.
std::uint8_t EntryFirstFlags(const SentenceState& s, int pos);

}  // namespace wb
