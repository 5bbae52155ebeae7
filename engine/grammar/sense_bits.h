#pragma once
// Names for the bits and classes that the parser and the generator test in
// lexicon senses and entries, and the stored record type each category uses.
//
// Every sense begins with its category and its Chinese text. For most
// categories the field right after that (the "flag field") is a byte or, for
// adverbs, a 16-bit word whose bits steer attachment and word order. The
// lexicon compiler writes these bits by the names below, and the engine tests
// them by the same names, so the source files and the code read alike.

#include <cstdint>

#include "engine/grammar/category.h"
#include "engine/grammar/sense.h"

namespace wb {

// The stored record type a sense of each category is written as, unless the
// source asks for another.
constexpr std::uint16_t DefaultSenseType(Category c) {
  switch (c) {
    case cat::kN: return sense_type::kNoun;         // codes, classes, domain, classifier, context
    case cat::kV: return sense_type::kVerb;         // codes, constraints, renderings
    case cat::kRef: return sense_type::kValue;      // the form flags to apply
    case cat::kAdv: return sense_type::kValue2;     // a 16-bit flag word
    case cat::kDet: return sense_type::kSub;        // class byte and pairing byte
    case cat::kAdj:
    case cat::kPrep:
    case cat::kAux:
    case cat::kWh:
    case cat::kConj:
    case cat::kPron: return sense_type::kMod;       // one flag or class byte
    default: return sense_type::kPlain;             // nothing beyond the text
  }
}

// Adverbs: the flag word.
namespace adv_flag {
// May modify a following number ("about ten"); after a verb it keeps the
// reading in which it modifies what follows.
constexpr std::uint16_t kNumberModifier = 0x0001;
// Sits between an auxiliary or "be" and the verb, or right before the verb
// ("always", "often"); after "be" with more to follow it still attaches.
constexpr std::uint16_t kMidPosition = 0x0004;
// May follow a preposition as its object ("from here", "until now").
constexpr std::uint16_t kAfterPreposition = 0x0010;
// Only ever right before its verb: never before an adjective, never after a
// wh-word, never before the verb with words between.
constexpr std::uint16_t kVerbBound = 0x0080;
// Serves as a predicative after "be" ("is out", "is here") and may follow a
// preposition.
constexpr std::uint16_t kPredicative = 0x0200;
// Never modifies an adjective.
constexpr std::uint16_t kNotBeforeAdjective = 0x2000;
// Never modifies a verb or "be": a degree word for adjectives and adverbs
// only ("very", and "this" and "that" in "this big").
constexpr std::uint16_t kNotVerbModifier = 0x0008;
}  // namespace adv_flag

// Prepositions: the flag byte.
namespace prep_flag {
// The prepositional phrase goes before the verb in Chinese.
constexpr std::uint8_t kBeforeVerb = 0x01;
// The prepositional phrase never modifies a noun.
constexpr std::uint8_t kNotNounModifier = 0x08;
}  // namespace prep_flag

// Determiners: the class byte and the pairing byte.
namespace det_class {
// Held back while the noun phrase is built and combined with the noun's
// classifier ("this book" becomes 这本书).
constexpr std::uint8_t kWithClassifier = 2;
}  // namespace det_class
namespace det_pairing {
// Two determiners of this pairing never stand in a row.
constexpr std::uint8_t kExclusive = 5;
}  // namespace det_pairing

// Auxiliaries: the class in the low four bits, flags above.
namespace aux_class {
constexpr std::uint8_t kMask = 0x0F;
constexpr std::uint8_t kPerfect = 0;      // needs a past participle ("have")
constexpr std::uint8_t kModal = 1;        // needs a base form ("will", "can")
constexpr std::uint8_t kProgressive = 2;  // needs an -ing form or a past participle ("be")
}  // namespace aux_class
namespace aux_flag {
constexpr std::uint8_t kNegative = 0x80;  // carries the negation ("can't")
}  // namespace aux_flag

// Wh-words: the class byte. Both classes admit a following noun.
namespace wh_class {
constexpr std::uint8_t kDeterminer = 1;  // "which book", "what time"
constexpr std::uint8_t kPossessive = 3;  // "whose book"
}  // namespace wh_class

// Conjunctions: any non-zero byte puts the conjunction at the front of its
// clause; this is the value the compiler writes for it.
namespace conj_flag {
constexpr std::uint8_t kClauseFront = 1;
}  // namespace conj_flag

// Pronouns: the flag byte.
namespace pron_flag {
constexpr std::uint8_t kSubject = 0x01;  // may be a subject
constexpr std::uint8_t kObject = 0x02;   // may be the object of a preposition or a conjunct
}  // namespace pron_flag

// Bit 0 of an entry's first flag byte. On an auxiliary of the modal class it
// forbids a second modal before the same verb; on "to" it lets the word
// attach to the noun before it ("a way to go").
namespace ef1 {
constexpr std::uint8_t kSingleModal = 0x01;
constexpr std::uint8_t kToAfterNoun = 0x01;
// Bit 0x20 of the first byte: on a one-word entry it marks a contraction; on
// a "verb particle" entry it lets generation merge the two words into one.
constexpr std::uint8_t kPhrasalVerb = 0x20;
}  // namespace ef1

}  // namespace wb
