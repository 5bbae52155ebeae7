// Repairs of the chosen tree before and during generation: the "present"
// idiom, the coordination repair, "ago" on its time and the phrasal-verb
// merge.

#include <string>

#include "engine/analysis/lexicon.h"
#include "engine/generate/chinese_text.h"
#include "engine/generate/generator.h"
#include "engine/grammar/sense_bits.h"
#include "engine/parse/tree.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

inline constexpr std::string_view kDiagParticleWithoutObject = "vadv: dcount of prep = 0";

// One context rule of the "present" idiom: the words at the given offsets
// must have these categories and texts.
struct ContextWord {
  int offset;
  Category category;
  std::string_view text;
};

}  // namespace

void Generator::RepairTree() {
  for (int i = 1; i <= state_.sentenceLen; ++i) {
    if (Word(i).flags == wf::WF_NOTFOUND) continue;
    PresentIdiom(i);
    if (Node(i).category == cat::kWh) Node(i).genCode = Node(i).head;
    if (Node(i).category == cat::kAnd) CoordinationRepair(i);
    AgoRepair(i);
  }
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (Node(i).category == cat::kWh) AskingClause(i);
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (Node(i).category == cat::kV && Known(i) && Node(i).marks < 8) PhrasalVerbMerge(i);
}

// "I know what you mean", "Tell me where he lives": a wh-word that governs
// its clause outside a relative clause asks within it, and Chinese writes
// it where the answer would stand, as in a question (我知道你的意思是什么,
// 告诉我他住在哪里). The clause takes the wh-word's place in the tree and
// the wh-word becomes the clause's dependent: its subject when the clause
// has none and the word stands for a thing or person ("who did it"),
// otherwise the question word on the verb. The wh-word keeps the head it
// had in the parse in its genCode, which tells a relative clause.
void Generator::AskingClause(int wh) {
  const int clause = FindDepWithRelation(*tree_, wh, rclause);
  if (clause == 0 || clause < wh) return;
  const Category cc = Node(clause).category;
  if ((cc != cat::kV && cc != cat::kBe) || Node(clause).depCount >= MAXDNO) return;
  const int head = Node(wh).head;
  const Category hc = head != 0 ? Node(head).category : cat::kNone;
  // A relative clause, a preposition's object ("for what he did"), or a
  // root wh-word outside a question, which refers to what came before
  // ("..., which made her angry"), keep their shape.
  if (head != 0 && hc != cat::kV && hc != cat::kBe) return;
  if (head == 0 && !InQuestion()) return;
  // Outside a question "when" on a verb that asks or knows nothing tells
  // the time of its clause ("problems when trying to convert"): …时.
  if (IsWordText(wh, "when") && !InQuestion() && !AsksOrKnows(head)) {
    timeWhen_.set(static_cast<std::size_t>(wh));
    return;
  }
  const Relation r = Node(wh).relation;
  Detach(*tree_, clause, wh);
  if (head != 0) {
    Detach(*tree_, wh, head);
    Attach(*tree_, clause, head, r, sink_);
  } else {
    Node(clause).head = 0;
  }
  const std::string_view w = sentence_.WordText(wh);
  const bool thing = w == "what" || w == "who" || w == "which" || w == "whoever" || w == "whatever";
  Attach(*tree_, wh, clause, thing && !HasDepWithRelation(*tree_, clause, rsub) ? rsub : rcmod, sink_);
}

// Verbs whose object may be an embedded question ("I don't know when he
// left", "ask when it opens").
bool Generator::AsksOrKnows(int verb) const {
  static constexpr std::string_view kVerbs[] = {"know",   "ask",    "wonder", "tell",  "say",    "remember",
                                                "forget", "decide", "explain", "learn", "understand", "see",
                                                "find",   "show",   "guess",   "check", "care",   "matter"};
  for (std::string_view v : kVerbs)
    if (IsWordText(verb, v)) return true;
  return false;
}

// "He came three weeks ago": the parse hangs "ago" on the verb and takes
// the time for its object; "ago" belongs to the time, which tells when
// (他三周前来了).
void Generator::AgoRepair(int pos) {
  if (!IsWordText(pos, "ago") || pos <= 1) return;
  const int verb = Node(pos).head;
  const int time = pos - 1;
  if (verb == 0 || Node(time).category != cat::kN || Node(time).head != verb) return;
  if (Node(time).depCount >= MAXDNO) return;
  Detach(*tree_, pos, verb);
  Attach(*tree_, pos, time, rmod, sink_);
  Node(time).relation = rmod;
}

// "at present" and "for the present" mean 目前.
bool Generator::PresentIdiom(int pos) {
  if (!IsWordText(pos, "present")) return false;
  static constexpr ContextWord kAt[] = {{-1, cat::kPrep, "at"}};
  static constexpr ContextWord kForThe[] = {{-2, cat::kPrep, "for"}, {-1, cat::kDet, "the"}};
  auto fits = [&](const ContextWord* rule, int n) {
    for (int k = 0; k < n; ++k) {
      const int at = pos + rule[k].offset;
      if (at < 1 || Node(at).category != rule[k].category || !IsWordText(at, rule[k].text)) return false;
    }
    return true;
  };
  if (fits(kAt, 1) || fits(kForThe, 2)) {
    fixedText_[static_cast<std::size_t>(pos)] = cn::kMuQian;
    return true;
  }
  return false;
}

// "the roof of the house and the garden": when "and" hangs on the noun
// before it (N1) and the noun after it (N2) took a modifier X that belongs
// to both, X moves to N1; when X repeats the preposition N1 itself hangs
// on, the coordination moves up to the noun that preposition modifies.
void Generator::CoordinationRepair(int a) {
  if (a <= 1 || a >= state_.sentenceLen) return;
  const int n1 = a - 1;
  const int n2 = a + 1;
  if (Node(a).head != n1 || Node(n1).category != cat::kN) return;
  if (Node(n2).category != cat::kN || Node(n2).head != a || Node(n2).depCount != 1) return;
  const int x = Node(n2).deps[0];
  const int h = Node(n1).head;
  const int g = h != 0 ? Node(h).head : 0;
  if (Node(x).category == cat::kPrep && h != 0 && Node(h).category == cat::kPrep && Known(x) && Known(h) &&
      Word(x).entry == Word(h).entry && g != 0 && Node(g).category == Node(n2).category) {
    if (Node(n1).partner == a) Node(n1).partner = 0;
    SetPartner(*tree_, g, a);
    return;
  }
  // X belongs after N2 in English; it modifies both nouns, so it hangs on
  // the first and is generated before the pair.
  if (x < n2) return;
  const Relation r = Node(x).relation;
  Detach(*tree_, x, n2);
  if (!Attach(*tree_, x, n1, r, sink_)) Attach(*tree_, x, n2, r, sink_);
}

// A verb and a later particle that the lexicon lists together as a phrasal
// verb ("give up" 放弃) are translated from that entry: the particle gives
// no text of its own, and a preposition's object becomes the verb's.
void Generator::PhrasalVerbMerge(int verb) {
  const Lexicon* lex = sentence_.LexiconInUse();
  if (lex == nullptr) return;
  for (int k = 0; k < Node(verb).depCount; ++k) {
    const int p = Node(verb).deps[static_cast<std::size_t>(k)];
    const Category pc = Node(p).category;
    if (p < verb || (pc != cat::kAdv && pc != cat::kPrep) || !Known(p)) continue;
    // "put the book on the table": a preposition with an object of its own
    // after the verb's object is a phrase of place, not a particle.
    if (const int o = FindDepWithRelation(*tree_, verb, robj1);
        pc == cat::kPrep && Node(p).depCount != 0 && o != 0 && o < p)
      continue;
    const std::string text = std::string(sentence_.WordText(verb)) + " " + std::string(sentence_.WordText(p));
    const LexEntry* e = lex->LookupEntry(text);
    if (e == nullptr || (e->FirstFlags() & ef1::kPhrasalVerb) == 0) continue;
    // The combined entry's senses join the sentence's sense table; without
    // room for them the verb keeps its own.
    int added = 0;
    for (const Sense& x : e->senses) added += x.category != cat::kRef ? 1 : 0;
    if (added == 0 || state_.senseCount + added > kMaxSenses) return;
    int object = 0;
    if (pc == cat::kPrep) {
      if (Node(p).depCount == 0) sink_.Diagnose(kDiagParticleWithoutObject);
      else object = Node(p).deps[0];
    }
    WordRecord& w = state_.words[static_cast<std::size_t>(verb)];
    w.entry = e;
    w.firstSense = static_cast<std::uint8_t>(state_.senseCount);
    w.senseCount = 0;
    for (const Sense& x : e->senses) {
      if (x.category == cat::kRef) continue;
      state_.senseTable[static_cast<std::size_t>(state_.senseCount++)] = &x;
      ++w.senseCount;
    }
    Detach(*tree_, p, verb);
    Node(p).head = 0;
    if (object != 0) {
      Detach(*tree_, object, p);
      Attach(*tree_, object, verb, FindDepWithRelation(*tree_, verb, robj1) == 0 ? robj1 : robj2, sink_);
    }
    // The particle stays accounted for: the merged verb speaks for it.
    Node(p).head = static_cast<std::uint8_t>(verb);
    Node(p).relation = rfuzzy;
    Account(p);
    return;
  }
}

}  // namespace wb
