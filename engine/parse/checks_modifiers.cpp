// Checks of modifiers and function words: adjectives, adverbs, determiners,
// numbers, nouns on nouns, possessives, auxiliaries, "to", prepositions on
// nouns, wh-words with their nouns and the small checks of adjacency.

#include <cstdlib>
#include <string_view>

#include "engine/grammar/sense_bits.h"
#include "engine/parse/checks.h"

namespace wb {

namespace {

using C = CheckContext;

// Check 2: "be" on "that", which governs one clause.
bool ThatTakesBe(C& c) { return c.Deps(c.h) == 0; }

// Check 3: the two words stand side by side.
bool NextToEachOther(C& c) { return std::abs(c.d - c.h) == 1; }

// Check 6: a preposition on a verb or "be". Before the verb it must have its
// object, and a clause without subject is a poor host unless the phrase
// opens the sentence with no other verb to come ("In the garden?").
bool PrepOnVerb(C& c) {
  if (!c.DBeforeH()) return true;
  if (c.Deps(c.d) == 0 || c.Has(c.h, rv2n)) return false;
  if (!c.Has(c.h, rsub) && !(c.IsFirst(c.d) && !c.VerbFollows(c.h))) c.Penalty(5);
  return true;
}

// Check 8: "to" before a verb: the next word must be a verb in its plain
// form ("to go", "to be").
bool ToInfinitive(C& c) {
  if (c.IsLast(c.d)) return false;
  const int next = c.d + 1;
  if (!c.sentence.MayBeVerb(next) && c.Text(next) != "have" && c.Text(next) != "be") return false;
  return (c.Flags(next) & wf::WF_VERB) != 0;
}

// Check 9: a conjunction on a verb or "be".
bool ConjOnVerb(C& c) {
  if (!c.DBeforeH()) {
    const int g = c.Head(c.h);
    if (g != 0 && c.Cat(g) == cat::kPrep) {
      const int gg = c.Head(g);
      if (gg != 0 && (c.Cat(gg) == cat::kV || c.Cat(gg) == cat::kN)) return false;
    }
    return !(g != 0 && c.Cat(g) == cat::kV && c.h - g < 4);
  }
  // Before the verb the conjunction must already hold its clause.
  if (c.Deps(c.d) == 0) return false;
  if (c.Has(c.h, rsub)) return true;
  if ((c.Flags(c.h) & wf::WF_VERB) != 0 && !HasAuxBefore(c.tree, c.h, c.h)) {
    c.Penalty(5);  // an order: "If you can, come."
    return true;
  }
  return false;
}

// Check 11: a possessive "'s" on its noun, once it holds its owner.
bool PossessiveOnNoun(C& c) { return c.Deps(c.d) > 0; }

// Check 12: a noun after a wh-word that can stand before one ("which book",
// "whose car"); the words between must all modify the noun.
bool NounOnWh(C& c) {
  for (int p = c.h + 1; p < c.d; ++p) {
    if (c.Head(p) != c.d) return false;
    const Category k = c.Cat(p);
    if (!(k == cat::kAdj || k == cat::kN || (k == cat::kDet && c.Text(p) != "the"))) return false;
  }
  const std::uint8_t cls = SenseFlagByte(c.State(), c.h, cat::kWh);
  if (cls != wh_class::kDeterminer && cls != wh_class::kPossessive) return false;
  c.KeepBoth();
  if (!c.IsFirst(c.h)) c.Penalty(4 * (c.d - c.h - 1));
  return true;
}

// A degree word of adjectives and adverbs only ("very", "this" in "this
// big") modifies no verb and no "be".
bool ModifiesNoVerb(const C& c) {
  return c.Known(c.d) && (FirstAdvFlags(c.State(), c.d) & adv_flag::kNotVerbModifier) != 0;
}

// Check 16: an adverb on "be".
bool AdvOnBe(C& c) {
  if (ModifiesNoVerb(c)) return false;
  if (c.DBeforeH()) return true;
  // More words follow: only an adverb of the middle position stays with
  // "be" ("is always late"). A pause mark after the adverb counts as the
  // end.
  const bool pauseAfter = !c.IsLast(c.d) && c.sentence.HasCategory(c.d + 1, cat::kComma);
  const bool predicative = AnyAdvSenseHas(c.State(), c.d, adv_flag::kPredicative);
  if (!c.IsLast(c.d) && !pauseAfter) {
    if (AnyAdvSenseHas(c.State(), c.d, adv_flag::kMidPosition)) return true;
    // Decision: a predicative adverb stays with "be" when more follows too
    // ("is here for a week", "is home this afternoon"), keeping the reading
    // in which it goes with what follows.
    if (!predicative || HasDepWithRelationIn(c.tree, c.h, RelationBit(robj1) | RelationBit(rpred))) return false;
    c.KeepBoth();
    c.verdict.relation = rpred;
    return true;
  }
  if (predicative &&
      !HasDepWithRelationIn(c.tree, c.h, RelationBit(robj1) | RelationBit(rpred))) {
    c.Bonus(1);
    c.verdict.relation = rpred;  // "is here", "is out"
  }
  return true;
}

// Check 18: a verb or "be" on "to", right after it or after "be" or "have"
// ("to go", "to be seen", "to have gone").
bool VerbOnTo(C& c) {
  if (c.DBeforeH() || c.d - c.h > 2 || c.Deps(c.h) > 0) return false;
  if (c.d == c.h + 2) {
    const std::string_view between = c.Text(c.h + 1);
    return between == "be" || between == "have";
  }
  return true;
}

// Check 19: a wh-word opening a relative clause on a noun: "when" only after
// a noun of time, never "whether".
bool WhOnNoun(C& c) {
  const std::string_view w = c.Text(c.d);
  if (w == "when") return c.sentence.WordHasClass(c.h, 2);
  return w != "whether";
}

// Check 21: an adjective on a noun: before it, or just after it ("something
// new"), but never before the noun's own determiner.
bool AdjOnNoun(C& c) {
  if (c.d - c.h > 2) return false;
  if (!c.DBeforeH()) {
    c.Penalty(3);
    c.KeepBoth();
    return true;
  }
  const DepNode& n = c.tree[c.h];
  for (int k = 0; k < n.depCount; ++k) {
    const int dep = n.deps[static_cast<std::size_t>(k)];
    if (dep > c.d && c.Cat(dep) == cat::kDet) return false;
  }
  return true;
}

// Check 22: a pronoun after "and": an object pronoun when the first conjunct
// is an object ("saw him and me").
bool PronConjunct(C& c) {
  if (c.d != c.h + 1 || c.Head(c.h) == 0) return false;
  const int first = c.Head(c.h);
  const Relation r = c.tree[first].relation;
  if (c.Head(first) == 0 || (r != robj1 && r != robj2)) return true;
  return (SenseFlagByte(c.State(), c.d, cat::kPron) & pron_flag::kObject) != 0;
}

// Check 23: a noun on the noun right after it ("bank manager"), unless it
// already has its determiner or never modifies a noun.
bool NounOnNoun(C& c) {
  if (c.d != c.h - 1 || HasDepOfCategory(c.tree, c.d, cat::kDet)) return false;
  if (c.Flags(c.d) != wf::WF_NOTFOUND) {
    const Sense* s = FindSense(c.State(), c.d, cat::kN);
    const NounFields* n = s ? s->Noun() : nullptr;
    if (n != nullptr && HasNounCode(n->codes, nc::NE)) return false;
  }
  if (c.MayBe(c.d, cat::kAdj))
    c.Penalty(2);
  else if (c.MayBe(c.d, cat::kDet))
    c.Penalty(4);
  else if (c.MayBe(c.h, cat::kV))
    c.Penalty(1);
  return true;
}

// Check 25: "there" as the subject of "be": before it, or right after it in
// a question ("Is there ...?").
bool ThereOnBe(C& c) { return c.DBeforeH() || (c.d == c.h + 1 && c.Question()); }

// Check 26: an adverb as the object of a preposition ("from here").
bool AdvOnPrep(C& c) {
  return c.d == c.h + 1 && c.Known(c.d) &&
         AnyAdvSenseHas(c.State(), c.d, adv_flag::kAfterPreposition | adv_flag::kPredicative);
}

// An auxiliary of the verb in the form of a past participle ("been").
bool HasParticipleAux(const C& c, int verb) {
  const DepNode& n = c.tree[verb];
  for (int k = 0; k < n.depCount; ++k) {
    const int a = n.deps[static_cast<std::size_t>(k)];
    if (c.Cat(a) == cat::kAux && (c.Flags(a) & wf::EN) != 0) return true;
  }
  return false;
}

// Check 27: an auxiliary on its verb, by the auxiliary's class: "have" wants
// a past participle, a modal a plain form (and no second modal), "be" an
// -ing form or a past participle. Every auxiliary hangs from the main verb,
// so "have" also takes a verb whose nearer auxiliary is the participle
// ("has been working"), which the participle rule alone would refuse.
bool AuxOnVerb(C& c) {
  if (c.Has(c.h, rv2n)) return false;
  const Sense* s = FindSense(c.State(), c.d, cat::kAux);
  if (s == nullptr) return true;
  switch (s->FlagByte() & aux_class::kMask) {
    case aux_class::kPerfect:
      return (c.Flags(c.h) & wf::EN) != 0 || HasParticipleAux(c, c.h);
    case aux_class::kModal: {
      int other = 0;
      const DepNode& n = c.tree[c.h];
      for (int k = 0; k < n.depCount && other == 0; ++k)
        if (c.Cat(n.deps[static_cast<std::size_t>(k)]) == cat::kAux) other = n.deps[static_cast<std::size_t>(k)];
      if (other == 0) return (c.Flags(c.h) & wf::WF_VERB) != 0;
      const Sense* o = FindSense(c.State(), other, cat::kAux);
      return !(o != nullptr && (o->FlagByte() & aux_class::kMask) == aux_class::kModal &&
               (EntryFirstFlags(c.State(), other) & ef1::kSingleModal) != 0);
    }
    case aux_class::kProgressive:
      return (c.Flags(c.h) & (wf::ING | wf::EN)) != 0;
    default:
      return true;
  }
}

// Check 28: an adverb on a verb.
bool AdvOnVerb(C& c) {
  if (ModifiesNoVerb(c)) return false;
  const std::uint16_t flags = c.Known(c.d) ? FirstAdvFlags(c.State(), c.d) : 0;
  if (!c.DBeforeH()) {
    // "ran very fast", "costs about ten": the adverb may belong to the
    // next word instead. Likewise a word that may be a determiner before a
    // noun ("need more time", "have enough money"): English hardly puts an
    // adverb between a verb and its object.
    const bool beforeNoun = c.MayBe(c.d, cat::kDet) && c.MayBe(c.d + 1, cat::kN);
    if (!c.IsLast(c.d) &&
        (c.MayBe(c.d + 1, cat::kAdj) || (flags & adv_flag::kNumberModifier) != 0 || beforeNoun)) {
      c.KeepBoth();
      c.Penalty(2);
    }
    return true;
  }
  if (c.d != c.h - 1) {
    if ((flags & adv_flag::kVerbBound) != 0) return false;
    if (c.IsFirst(c.d) && c.MayBe(c.d, cat::kPrep)) c.Penalty(2);
  } else if (c.Known(c.d) && (flags & adv_flag::kMidPosition) == 0) {
    c.Penalty(2);
  }
  return true;
}

// Check 29: a noun on the number right after it ("page 5").
bool NounOnNumber(C& c) {
  if (c.d != c.h - 1 || c.MayBe(c.d, cat::kDet)) return false;
  const DepNode& n = c.tree[c.d];
  for (int k = 0; k < n.depCount; ++k)
    if (c.Cat(n.deps[static_cast<std::size_t>(k)]) != cat::kN) return false;
  c.Penalty(2 * n.depCount);
  return true;
}

// Check 30: an adverb before a number ("about ten").
bool AdvOnNumber(C& c) { return c.Known(c.d) && (FirstAdvFlags(c.State(), c.d) & adv_flag::kNumberModifier) != 0; }

// Check 31: "to" on the noun right before it ("a way to go"), when no verb
// above the noun could take it instead.
bool ToOnNoun(C& c) {
  if (c.d != c.h + 1 || (EntryFirstFlags(c.State(), c.d) & ef1::kToAfterNoun) == 0) return false;
  for (int p = c.Head(c.h), steps = 0; p != 0 && steps <= kParseNodeCount; p = c.Head(p), ++steps)
    if (c.Cat(p) == cat::kV) return false;
  return true;
}

// Check 32: a preposition on a noun before it.
// Decision: a phrase after a noun may as well belong to the verb above the
// noun ("put the book on the table", "lost to him in the final"): both
// readings go on, except for "of", which belongs to its noun. After the
// object of a verb, a phrase of place or time (a preposition whose phrase
// Chinese sets before the verb: in, on, at, from, during) goes with the
// verb rather than the object ("has a flower in her hand", "met him at the
// station"); "with" and "without" more often describe the noun ("a girl
// with long hair").
bool PrepOnNoun(C& c) {
  const std::uint8_t flags = SenseFlagByte(c.State(), c.d, cat::kPrep);
  if (c.IsLast(c.d) || (flags & prep_flag::kNotNounModifier) != 0) return false;
  const std::string_view w = c.Text(c.d);
  if (w == "of") return true;
  c.KeepBoth();
  const bool objectOfVerb = c.Head(c.h) != 0 && c.tree[c.h].relation == robj1 && c.Cat(c.Head(c.h)) == cat::kV;
  if (objectOfVerb && (flags & prep_flag::kBeforeVerb) != 0 && w != "with" && w != "without") c.Penalty(1);
  return true;
}

// Check 33: a number on its noun, holding at most one word itself.
bool NumberOnNoun(C& c) { return c.Deps(c.d) < 2; }

// Check 34: a determiner on its noun; two determiners that never stand in a
// row ("the my") do not.
bool DetOnNoun(C& c) {
  const int next = c.d + 1;
  if (c.Cat(next) == cat::kDet && c.tree[c.d].marks < 8 && c.tree[next].marks < 8) {
    const Sense* a = FindSense(c.State(), c.d, cat::kDet);
    const Sense* b = FindSense(c.State(), next, cat::kDet);
    auto pairing = [](const Sense* s) {
      const ByteFields* f = s ? std::get_if<ByteFields>(&s->fields) : nullptr;
      return f ? f->second : 0;
    };
    if (pairing(a) == det_pairing::kExclusive && pairing(b) == det_pairing::kExclusive) return false;
  }
  // "the bank manager": the determiner may belong to a noun still to come.
  if (!c.IsLast(c.h) && c.MayBe(c.h + 1, cat::kN)) c.KeepBoth();
  return true;
}

// Check 35: "which of".
bool OfOnWhich(C& c) { return c.d == c.h + 1 && c.Text(c.d) == "of" && c.Text(c.h) == "which"; }

// Check 36: "how" with its adjective ("how big").
bool AdjOnHow(C& c) { return c.d == c.h + 1 && c.Text(c.h) == "how"; }

// Check 37: an adverb on an adjective ("very big").
bool AdvOnAdj(C& c) {
  return !AnyAdvSenseHas(c.State(), c.d, adv_flag::kNotBeforeAdjective | adv_flag::kVerbBound);
}

// Check 38: a preposition right after another ("from under").
bool PrepOnPrep(C& c) {
  if (c.d != c.h + 1) return false;
  c.Penalty(2);
  return true;
}

// Check 39 (no rule uses it): the head is a comma.
bool OnComma(C& c) { return c.Text(c.h) == ","; }

// Check 40: an adverb right after a wh-word ("how often").
bool AdvOnWh(C& c) { return c.d == c.h + 1 && !AnyAdvSenseHas(c.State(), c.d, adv_flag::kVerbBound); }

// Check 41: "that" on a noun, except right after a participle that already
// hangs from the noun.
bool ThatOnNoun(C& c) {
  const int between = c.h + 1;
  return !(c.d == c.h + 2 && c.Head(between) == c.h && c.tree[between].relation == rcmod &&
           (c.Flags(between) & wf::EN) != 0);
}

}  // namespace

CheckFn ModifierCheck(int number) {
  switch (number) {
    case 2: return ThatTakesBe;
    case 3: return NextToEachOther;
    case 6: return PrepOnVerb;
    case 8: return ToInfinitive;
    case 9: return ConjOnVerb;
    case 11: return PossessiveOnNoun;
    case 12: return NounOnWh;
    case 16: return AdvOnBe;
    case 18: return VerbOnTo;
    case 19: return WhOnNoun;
    case 21: return AdjOnNoun;
    case 22: return PronConjunct;
    case 23: return NounOnNoun;
    case 25: return ThereOnBe;
    case 26: return AdvOnPrep;
    case 27: return AuxOnVerb;
    case 28: return AdvOnVerb;
    case 29: return NounOnNumber;
    case 30: return AdvOnNumber;
    case 31: return ToOnNoun;
    case 32: return PrepOnNoun;
    case 33: return NumberOnNoun;
    case 34: return DetOnNoun;
    case 35: return OfOnWhich;
    case 36: return AdjOnHow;
    case 37: return AdvOnAdj;
    case 38: return PrepOnPrep;
    case 39: return OnComma;
    case 40: return AdvOnWh;
    case 41: return ThatOnNoun;
    default: return nullptr;
  }
}

}  // namespace wb
