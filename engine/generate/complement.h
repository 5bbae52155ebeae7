#pragma once
// Complements and slot markers.
//
// A Chinese equivalent may hold one slot marker, a backslash and one
// character ("在\C上", "把\o放"), where its complement goes: the object of a
// preposition, the clause of a conjunction, the noun phrase of a
// determiner, the object of a verb. Inserting a complement replaces the
// first marker; a text without one gets the complement after it.
//
// The verb complement pattern reads a verb's dependents and names the verb
// code its sense must carry (the lexicon's senses are told apart by these
// codes: "have" 有 t1, 让 v8).

#include <array>
#include <string>
#include <string_view>

#include "engine/analysis/sentence.h"
#include "engine/grammar/grammar.h"

namespace wb {

std::string InsertComplement(std::string_view head, std::string_view complement);

// The offset of a text's slot marker, or npos. A marker is a backslash and an
// ASCII letter or digit (\C, \o, \1), as the lexicon writes them: a
// backslash before anything else (in an unknown English word, "a\ b") is
// text, and the character after a backslash is never half of a Chinese one.
std::size_t FindSlotMarker(std::string_view text);

// The verb codes to try, best first; unused places hold -1.
struct VerbCodeChoice {
  std::array<int, 4> codes{-1, -1, -1, -1};
  int First() const { return codes[0]; }
};

// The complement pattern of the verb at pos in the tree:
//   no object or complement        i0 (t1 when the verb has no i0 sense)
//   an object                      t1
//   an -ing verb as object         t4      a bare verb as object  t2
//   a "that" or "be" clause        t5      a wh-clause            t6
//   a clause without "that"        t5
//   two objects                    d1      object + clause        d5
//   "to" and a verb                t3      object + "to" + verb   v3
//   object + bare verb (let him go) v8, then v2
//   an adjective (become happy)    l7, then l1
//   object + adjective (make him happy) x1
// Each code is followed by the plainer ones (t1, i0) so that a verb whose
// senses lack the exact code still gets a sense that fits.
VerbCodeChoice VerbComplementPattern(const SentenceState& s, const ParseBuffer& tree, int pos);

}  // namespace wb
