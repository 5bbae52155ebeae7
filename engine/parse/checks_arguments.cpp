// Checks of arguments: subjects and objects (1), complement verbs (4, 14,
// 15), gerunds with determiners (5), predicatives (7), clauses under
// wh-words, "that" and conjunctions (10, 17, 20), objects of prepositions
// (13) and conjuncts (24).

#include <string_view>

#include "engine/grammar/sense_bits.h"
#include "engine/parse/checks.h"

namespace wb {

namespace {

using C = CheckContext;

constexpr RelationSet kObjectLike = RelationBit(robj1) | RelationBit(robj2) | RelationBit(rpred);

// A singular noun without determiner or modifier, countable only and no
// name: English hardly uses one as an argument on its own ("I saw dog").
bool BareSingularCountNoun(const C& c, int p) {
  if (c.dc != cat::kN || (c.Flags(p) & (wf::PLURAL | wf::WF_NOTFOUND)) != 0 || c.Deps(p) != 0) return false;
  const Sense* s = FindSense(c.State(), p, cat::kN);
  const NounFields* n = s ? s->Noun() : nullptr;
  return n != nullptr && HasNounCode(n->codes, nc::C) && !HasNounCode(n->codes, nc::U) &&
         !HasNounCode(n->codes, nc::PN);
}

// A subject that the verb's form cannot agree with, outside questions and
// without an auxiliary before the verb: any subject of "be" in its plain
// form ("Tom might be", read with "might" a noun), and a singular subject (a
// noun without plural form, or he, she, it) of a verb in its plain present
// form ("the book cover", read as "the book covers") or of "are".
bool Disagrees(const C& c) {
  if (c.Question() || HasAuxBefore(c.tree, c.h, c.h)) return false;
  const WordFlags hf = c.Flags(c.h);
  const bool plain = (hf & wf::WF_VERB) != 0 && (hf & wf::ED) == 0;
  if (c.hc == cat::kBe && plain) return true;
  const std::string_view w = c.Text(c.d);
  const bool singular = (c.dc == cat::kN && (c.Flags(c.d) & wf::PLURAL) == 0) ||
                        (c.dc == cat::kPron && (w == "he" || w == "she" || w == "it"));
  return singular && ((c.hc == cat::kV && plain) || (c.hc == cat::kBe && hf == wf::PLURAL));
}

// The penalties for an argument of the wrong number or shape: -7 for a
// subject the verb cannot agree with; otherwise -3 for a bare singular
// countable noun.
void NumberPenalty(C& c, bool subject) {
  if (subject && Disagrees(c))
    c.Penalty(7);
  else if (BareSingularCountNoun(c, c.d))
    c.Penalty(3);
}

bool Subject(C& c) {
  if (c.dc == cat::kPron && (SenseFlagByte(c.State(), c.d, cat::kPron) & pron_flag::kSubject) == 0) return false;
  if (c.Has(c.h, rsub)) return false;
  c.verdict.relation = rsub;
  if (!c.Question() && c.d == c.h - 1 && (c.ParticipleOnly(c.h) || (c.Flags(c.h) & wf::ING) != 0) &&
      !HasAuxBefore(c.tree, c.h, c.h))
    c.Penalty(5);
  NumberPenalty(c, true);
  return true;
}

bool Object(C& c) {
  if (HasLaterDepOfCategory(c.tree, c.h, cat::kTo) || HasLaterDepOfCategory(c.tree, c.h, cat::kConj)) return false;
  const bool pron = c.dc == cat::kPron;
  const std::uint8_t pronFlags = pron ? SenseFlagByte(c.State(), c.d, cat::kPron) : 0;
  if (c.hc == cat::kBe && c.IsFirst(c.h) && c.Question() && !c.Has(c.h, rsub)) {
    // "Is he a doctor?": the first noun after a question's opening "be" is
    // its subject.
    if (pron && (pronFlags & pron_flag::kSubject) == 0) return false;
    c.verdict.relation = rsub;
    return true;
  }
  // "I know he came": "he" is no object; a subject pronoun waits for its
  // own verb.
  if (pron && (pronFlags & pron_flag::kObject) == 0) return false;
  // "have Tom's address": a noun before "'s" belongs to the possessive.
  if (!c.IsLast(c.d) && c.MayBe(c.d + 1, cat::kPoss)) return false;
  if (!c.Has(c.h, robj1)) {
    if (c.Has(c.h, rpred)) return false;
    c.verdict.relation = robj1;
    if (c.hc == cat::kBe)
      c.Penalty(2);
    else if (HasLaterDepOfCategory(c.tree, c.h, cat::kPrep))
      c.Penalty(3);
  } else {
    // A second noun after "be" is no object of it.
    if (c.hc == cat::kBe) return false;
    c.verdict.relation = robj2;
    if (!c.HasCode(c.h, vc::d1) && !c.HasCode(c.h, vc::d5)) c.Penalty(5);
    if (HasLaterDepOfCategory(c.tree, c.h, cat::kPrep)) c.Penalty(5);
  }
  // "I think John is right": after a verb that takes a that-clause, a noun
  // followed by a possible verb may be that clause's subject instead.
  if (c.hc == cat::kV && c.HasCode(c.h, vc::t5) && c.VerbFollows(c.d)) c.KeepBoth();
  NumberPenalty(c, false);
  return true;
}

// Check 4: a "v" or "be" as complement of a verb.
bool VerbComplement(C& c) {
  const ParseBuffer& t = c.tree;
  if (c.DBeforeH()) {
    // A gerund as subject: "Swimming keeps you fit".
    if (c.dc != cat::kV || !c.IngForm(c.d) || HasAuxBefore(t, c.d, c.d) || c.Has(c.h, rsub)) return false;
    if (c.Flags(c.h) == wf::WF_VERB && !HasDepOfCategory(t, c.h, cat::kAux)) return false;
    c.verdict.relation = rsub;
    return true;
  }
  if (c.Has(c.h, robj2)) return false;
  if (c.Head(c.h) != 0 && t[c.h].relation == rcmod && (c.Flags(c.h) & wf::EN) != 0 && !c.Has(c.h, rsub) &&
      !c.HasCode(c.h, vc::d5))
    return false;
  // (a) an -ing form: "I like swimming".
  if (c.dc == cat::kV && c.IngForm(c.d)) {
    if (c.Has(c.d, rv2n)) return !HasDepWithRelationIn(t, c.h, RelationBit(robj1) | RelationBit(rpred)) &&
                                 c.HasCode(c.h, vc::t1);
    if (c.Deps(c.d) > 0) c.Penalty(5);
    c.KeepBoth();
    if (HasLaterDepOfCategory(t, c.h, cat::kAdv)) c.Penalty(2);
    return true;
  }
  // (b) a participle whose first modifier is an -ing form.
  if (c.dc == cat::kV && (c.Flags(c.d) & wf::EN) != 0) {
    const int m = FindDepWithRelation(t, c.d, rmod);
    if (m != 0 && c.IngForm(m)) return true;
  }
  // (c) a bare infinitive: "let him go", "help do it". "be" counts as a verb
  // here ("let it be").
  if (!c.Has(c.d, rsub)) {
    if ((c.Flags(c.d) & wf::WF_VERB) == 0) return false;
    if (const int r = FindDepWithRelation(t, c.h, rcmod); r != 0 && !c.Has(r, rsub)) return false;
    if (c.Has(c.h, robj1)) {
      if (!c.HasCode(c.h, vc::v2)) return false;
      const int g = c.Head(c.h);
      if (g != 0 && c.Deps(g) == 1 && (c.Text(g) == "what" || c.Text(g).find("ever") != std::string_view::npos))
        return false;
    } else if (!c.HasCode(c.h, vc::t2)) {
      return false;
    }
    if (c.MayBe(c.d, cat::kN) && c.MayBe(c.d - 1, cat::kDet)) c.Penalty(2);
    return true;
  }
  // (d) a clause with its own subject: "I think he is right", "I told him
  // she was ill".
  if (!c.Has(c.h, robj1)) {
    if (!c.HasCode(c.h, vc::t5) || c.Has(c.h, rcmod)) return false;
    if (HasLaterDepOfCategory(t, c.h, cat::kAdv)) c.Penalty(2);
    return true;
  }
  return c.HasCode(c.h, vc::d5);
}

// Check 5: a determiner before a gerund ("the killing of").
bool GerundDeterminer(C& c) {
  if (c.d != c.h - 1 || !c.IngForm(c.h)) return false;
  if (!c.IsLast(c.h) && c.MayBe(c.h + 1, cat::kN)) {
    c.KeepBoth();
    c.Penalty(2);
  }
  return true;
}

// A verb that takes an adjective: the linking and complex-transitive codes
// ("seems happy", "made him happy").
bool TakesAdjective(const C& c, int p) {
  for (int code : {vc::l1, vc::l3, vc::l4, vc::l5, vc::l6, vc::l6a, vc::l7, vc::l8, vc::l9, vc::x1, vc::x7, vc::x9})
    if (c.HasCode(p, code)) return true;
  return false;
}

// Check 7: an adjective as predicative of "be" or of a verb.
bool Predicative(C& c) {
  const ParseBuffer& t = c.tree;
  if (c.DBeforeH()) {
    if ((c.Flags(c.h) & wf::ING) == 0 || c.h - c.d > 2) return false;
    c.verdict.relation = rv2n;
    c.KeepBoth();
    return true;
  }
  if (c.hc == cat::kBe) {
    // One predicative or object per "be", and none once a "to" or "that"
    // clause follows it.
    if (HasDepWithRelationIn(t, c.h, kObjectLike)) return false;
    if (HasLaterDepOfCategory(t, c.h, cat::kTo) || HasLaterDepOfCategory(t, c.h, cat::kThat)) return false;
  } else {
    if (c.d - c.h > 4 || !TakesAdjective(c, c.h)) return false;
  }
  // "is a big house": the adjective may belong to the noun after it.
  if (!c.IsLast(c.d) && c.MayBe(c.d + 1, cat::kN)) c.KeepBoth();
  return true;
}

// Check 10: a verb as the clause of a wh-word ("what you did", "who came").
// Decisions: a wh-word governs one clause; "whose" first takes its noun;
// "do" before the clause's subject is question order, which costs 5 outside
// a question ("I know what do you want"); "whom" asks for a clause with its
// own subject; and the farther the verb from the wh-word, the less likely
// the clause is its own.
bool WhClause(C& c) {
  const ParseBuffer& t = c.tree;
  if (c.Has(c.h, rclause)) return false;
  const std::string_view w = c.Text(c.h);
  if (w == "whose" && c.Deps(c.h) == 0) return false;
  const int subject = FindDepWithRelation(t, c.d, rsub);
  if (subject != 0 && !c.Question()) {
    const DepNode& n = t[c.d];
    for (int k = 0; k < n.depCount; ++k) {
      const int a = n.deps[static_cast<std::size_t>(k)];
      if (a < subject && t[a].category == cat::kAux && c.Text(a) == "do") {
        c.Penalty(5);
        break;
      }
    }
  }
  if (w == "whom" && subject == 0) c.Penalty(5);
  c.Penalty(c.d - c.h - 1);
  return true;
}

// Check 13: the object of a preposition.
bool PrepObject(C& c) {
  if (c.Deps(c.h) > 0) return false;
  switch (c.dc) {
    case cat::kBe:
      return c.IngForm(c.d);
    case cat::kNum:
      // "in two days": the number belongs to the noun after it.
      return c.IsLast(c.d) || !c.MayBe(c.d + 1, cat::kN);
    case cat::kN:
      if (!c.IsLast(c.d)) {
        if (c.MayBe(c.d + 1, cat::kPoss)) return false;  // "in John's house"
        if (c.MayBe(c.d + 1, cat::kN)) {
          c.KeepBoth();  // "in the bank manager's", "in the city centre"
          if (c.MayBe(c.d, cat::kDet)) return false;
        } else if (c.d == c.h + 1 && c.MayBe(c.d + 1, cat::kNum)) {
          c.KeepBoth();
        }
      }
      return true;
    case cat::kPron:
      return (SenseFlagByte(c.State(), c.d, cat::kPron) & pron_flag::kObject) != 0 ||
             (c.IsLast(c.d) && c.Text(c.h) == "than");
    case cat::kV:
      if (c.IngForm(c.d)) return c.d == c.h + 1;
      return c.d == c.h + 2 && (c.Flags(c.d) & wf::EN) != 0 && c.Text(c.h + 1) == "be" &&
             (c.Flags(c.h + 1) & wf::ING) != 0;
    case cat::kWh:
      return c.d == c.h + 1;
    default:
      return false;
  }
}

// Check 14: a verb on "be".
bool VerbOnBe(C& c) {
  if (!c.IngForm(c.d)) {
    if (c.DBeforeH() || !c.Has(c.d, rsub) || !c.Has(c.h, rpred) || c.Has(c.h, rcmod)) return false;
    c.Penalty(2);
    return true;
  }
  if (c.Has(c.d, rv2n)) return CheckSubjectOrObject(c);
  if (!c.DBeforeH()) {
    // "It is nice meeting you."
    if (!c.Has(c.h, rpred)) return false;
    return !(c.d == c.h + 2 && c.MayBe(c.h + 1, cat::kAdv));
  }
  // A gerund as subject: "Swimming is fun". The past forms of "be" do not
  // show number, so they take one too ("Swimming was fun").
  if ((c.Flags(c.h) & (wf::SINGULAR | wf::ED)) == 0) return false;
  c.verdict.relation = rsub;
  if (!c.MayBe(c.d, cat::kN)) c.Bonus(1);
  return true;
}

// A root "be" or "v" stands before pos in the fragment.
bool RootVerbBefore(const C& c, int pos) {
  for (int p = c.span.first; p < pos; ++p)
    if (c.Head(p) == 0 && (c.Cat(p) == cat::kBe || c.Cat(p) == cat::kV)) return true;
  return false;
}

bool IsBeOrHave(std::string_view w) { return w == "be" || w == "have"; }

// Check 15: a verb on a noun: a participle before it ("a broken window"), a
// reduced relative clause after it ("the man I saw", "the book written by").
// The word before a participle is compared with "be" and "have" whole (a
// part of those texts, such as "a", is no auxiliary).
bool VerbOnNoun(C& c) {
  const ParseBuffer& t = c.tree;
  if (c.DBeforeH()) {
    if (c.d != c.h - 1 || (c.Flags(c.d) & (wf::ING | wf::EN)) == 0) return false;
    if (c.Deps(c.d) > 1 || (c.Deps(c.d) == 1 && t[t[c.d].deps[0]].category != cat::kAdv)) return false;
    c.KeepBoth();
    if ((c.Flags(c.d) & wf::WF_VERB) == 0) {
      if (IsBeOrHave(c.Text(c.d - 1)))
        c.Penalty(4);
      else if (c.Text(c.d - 2) == "be")
        c.Penalty(4);
    } else {
      c.Penalty(4);
    }
    if (!c.HasCode(c.d, vc::i0)) c.Penalty(6);
    return true;
  }
  if (c.d == c.h + 1 && (c.Flags(c.d) & wf::ED) != 0) {
    if (HeadCategoryIs(t, c.h, cat::kWh)) return false;
    c.KeepBoth();
    if (!RootVerbBefore(c, c.d) && !c.VerbFollows(c.d)) c.Penalty(2);
  }
  const int subject = FindDepWithRelation(t, c.d, rsub);
  if (subject != 0) {
    if (c.Has(c.h, rtomod) || HeadCategoryIs(t, c.h, cat::kWh)) return false;
    const int clause = FindDepWithRelation(t, c.h, rcmod);
    if (clause != 0 && c.Has(clause, rsub)) {
      c.Penalty(3);
      return true;
    }
    if (HasAuxBefore(t, c.d, clause != 0 ? clause : subject)) return false;
    if ((c.Flags(c.d) & wf::EN) != 0) {
      bool auxBe = false;
      const DepNode& n = t[c.d];
      for (int k = 0; k < n.depCount; ++k) {
        const int a = n.deps[static_cast<std::size_t>(k)];
        auxBe = auxBe || (t[a].category == cat::kAux && t[a].relation == rmod && c.Text(a) == "be");
      }
      if (HeadCategoryIs(t, c.d, cat::kN) || auxBe) c.Penalty(1);
    }
    if (c.d - c.h > 4) c.Penalty(1);
    return true;
  }
  return ((c.Flags(c.d) & (wf::ING | wf::EN)) != 0 && c.d == c.h + 1) ||
         (c.d == c.h + 2 && c.IngForm(c.h + 1) && c.Text(c.h + 1) == "be") ||
         (c.d == c.h + 3 && t[c.h].partner != 0);
}

// Check 17: "that" or a wh-word on a verb or "be". Decisions:
//  - "that" after a verb that takes a that-clause (t5) gains 5, after one
//    that does not loses 5; after a verb with an object it needs the code
//    d5 ("told him that"), else it loses 5; after "be" it is welcome ("the
//    point is that").
//  - a wh-word before the verb is its subject when the verb has none and
//    the wh-word is no adverb of time, place, reason or manner ("Who
//    came?"); otherwise it stays rcmod ("Where do you live?").
//  - a wh-word after the verb opens an object clause: "when" and the
//    "-ever" words go with any verb; after a verb with an object the code
//    d5 or d1 is needed, else -5; without an object the verb should take a
//    that- or wh-clause (t5, t6), else -2 ("which" -5).
bool ClauseWord(C& c) {
  if (c.dc == cat::kThat) {
    if (c.hc == cat::kBe) return true;
    if (c.Has(c.h, robj1)) {
      if (!c.HasCode(c.h, vc::d5)) c.Penalty(5);
      return true;
    }
    if (c.HasCode(c.h, vc::t5))
      c.Bonus(5);
    else
      c.Penalty(5);
    return true;
  }
  const std::string_view w = c.Text(c.d);
  const bool adverbial = w == "when" || w == "where" || w == "why" || w == "how";
  if (c.DBeforeH()) {
    if (!adverbial && !c.Has(c.h, rsub)) c.verdict.relation = rsub;
    return true;
  }
  if (w == "when" || w.find("ever") != std::string_view::npos) return true;
  if (c.Has(c.h, robj1)) {
    if (!c.HasCode(c.h, vc::d5) && !c.HasCode(c.h, vc::d1)) c.Penalty(5);
    return true;
  }
  if (!c.HasCode(c.h, vc::t5) && !c.HasCode(c.h, vc::t6)) c.Penalty(w == "which" ? 5 : 2);
  return true;
}

// Check 20: a clause under a conjunction or "that".
bool ClauseOnConjOrThat(C& c) {
  const ParseBuffer& t = c.tree;
  if (c.Deps(c.h) > 0) return false;
  const int subject = FindDepWithRelation(t, c.d, rsub);
  if (c.hc == cat::kConj) {
    if (subject != 0 && HasAuxBefore(t, c.d, subject)) return false;
    if (c.Deps(c.d) == 0 && (c.Flags(c.d) & (wf::ING | wf::EN)) != 0) {
      c.Penalty(1);  // "while walking", "when finished"
      return true;
    }
    if (subject != 0) return (c.Flags(c.d) & wf::ING) == 0 || HasDepOfCategory(t, c.d, cat::kAux);
    return false;
  }
  const int g = c.Head(c.h);
  if (g == 0) return c.IsFirst(c.h);  // "That he came surprised us."
  if (subject == 0 && (c.Cat(g) == cat::kBe || c.Cat(g) == cat::kV)) return false;
  if (c.Flags(c.d) != wf::WF_VERB || subject != 0 || HasDepOfCategory(t, c.d, cat::kAux)) return true;
  return (c.Flags(g) & wf::PLURAL) != 0;  // "the books that sell"
}

// Check 24: a conjunct after "and".
bool Conjunct(C& c) {
  if (c.Has(c.h, rcon)) return false;
  if (c.dc == cat::kN) {
    if (!c.IsLast(c.d) && c.MayBe(c.d + 1, cat::kN)) {
      if (!c.VerbFollows(c.d + 1)) return false;
      c.KeepBoth();
    }
    return c.Head(c.h) != 0;
  }
  if (c.dc == cat::kBe || c.dc == cat::kV) {
    const int g = c.Head(c.h);
    if (c.Has(c.d, rv2n) && g != 0 && !c.Has(g, rv2n)) return false;
    if (c.Has(c.d, rsub) && g != 0 && !c.Has(g, rsub) && !c.Has(g, robj1)) c.Penalty(2);
    }
  return true;
}

}  // namespace

// Check 1: a noun, pronoun or number as subject or object of a verb or "be".
bool CheckSubjectOrObject(CheckContext& c) {
  if (c.Has(c.h, rv2n)) return false;
  return c.DBeforeH() ? Subject(c) : Object(c);
}

CheckFn ArgumentCheck(int number) {
  switch (number) {
    case 1: return CheckSubjectOrObject;
    case 4: return VerbComplement;
    case 5: return GerundDeterminer;
    case 7: return Predicative;
    case 10: return WhClause;
    case 13: return PrepObject;
    case 14: return VerbOnBe;
    case 15: return VerbOnNoun;
    case 17: return ClauseWord;
    case 20: return ClauseOnConjOrThat;
    case 24: return Conjunct;
    default: return nullptr;
  }
}

}  // namespace wb
