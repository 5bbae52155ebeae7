// Clauses: a verb or "be" with its subject, adverbials, auxiliaries,
// negation, objects and complements, in Chinese order:
//
//   front  before-subject  subject  time  adverbs/modals(不)  place  被/正在  verb(了)  得…  objects  rest
//
// The English order of the adverbials and auxiliaries is kept among
// themselves, except that the negation goes before a modal it follows in
// English (can not swim: 不能游泳).

#include <bitset>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/analysis/morphology.h"
#include "engine/generate/chinese_text.h"
#include "engine/generate/generator.h"
#include "engine/grammar/sense.h"
#include "engine/grammar/sense_bits.h"
#include "engine/parse/tree.h"
#include "engine/parse/word_queries.h"

namespace wb {

constexpr int kLongOpening = 3;  // words of an opening phrase set off by a comma

namespace {

// Whether a finished action of a main clause is marked with 了 (他买了一本书).
constexpr bool kMarkCompletedActions = true;

enum class PieceKind { kAdverb, kModal, kNegation, kOther };

struct Piece {
  PieceKind kind;
  std::string text;
};

// Verbs of state: negated with 不 also in the past (我不知道), never marked
// with 了.
bool IsStateVerb(std::string_view w) {
  static constexpr std::string_view kState[] = {
      "be",   "know",   "like",   "love",  "hate",    "want",   "need",  "think", "believe", "hope",
      "wish", "seem",   "mean",   "own",   "prefer",  "understand", "remember", "feel", "sound", "look",
      "have", "belong", "contain", "cost", "deserve", "doubt",  "expect", "matter", "suppose", "live",
      "agree", "appear", "care",  "consider", "depend", "exist", "fit", "include", "involve", "lack",
  };
  for (std::string_view s : kState)
    if (w == s) return true;
  return false;
}

// A verb whose Chinese is a verb of motion (去, 来, 回, 到) takes a place as
// its object without 在 or 到: 去学校, 去哪里.
bool IsMotionVerbText(std::string_view verb) {
  return EndsWithChar(verb, "\xC8\xA5") || EndsWithChar(verb, "\xC0\xB4") ||  // 去 来
         EndsWithChar(verb, "\xBB\xD8") || EndsWithChar(verb, "\xB5\xBD");    // 回 到
}

// Verbs after which the place follows with 在 (住在那里, 放在桌子上, 留在家里).
bool IsPlacingVerbText(std::string_view verb) {
  if (const std::size_t slot = FindSlotMarker(verb); slot != std::string_view::npos && slot + 2 == verb.size())
    verb = verb.substr(0, slot);  // 放\o
  static constexpr std::string_view kEnds[] = {"\xB7\xC5", "\xD7\xA1", "\xD7\xF8", "\xD5\xBE",
                                               "\xCC\xC9", "\xC1\xF4", "\xB4\xFD"};  // 放 住 坐 站 躺 留 待
  for (std::string_view e : kEnds)
    if (EndsWithChar(verb, e)) return true;
  return false;
}

// Adjectives that are no matter of degree: as predicates they take no 很.
bool IsAbsoluteAdjective(std::string_view w) {
  static constexpr std::string_view kAbsolute[] = {
      "born", "dead",  "alive", "married", "single", "ready",  "sure",   "right", "wrong", "correct",
      "true", "false", "free",  "open",    "closed", "full",   "empty",  "done",  "gone",  "over",
      "available", "awake", "asleep", "alone", "absent", "present", "pregnant", "same", "possible",
      "impossible", "able", "unable", "afraid", "finished", "lost", "left", "allowed", "supposed",
  };
  for (std::string_view s : kAbsolute)
    if (w == s) return true;
  return false;
}

// Adverbs that describe how something is done, written after a verb
// without object with 得 (跑得快).
bool IsMannerAdverb(std::string_view w) {
  if (w.size() > 2 && w.substr(w.size() - 2) == "ly") return true;
  static constexpr std::string_view kManner[] = {"well", "fast", "hard", "late", "early", "badly", "slow", "loud"};
  for (std::string_view s : kManner)
    if (w == s) return true;
  return false;
}

}  // namespace

struct Generator::Clause {
  std::vector<int> deps;
  std::bitset<kMaxWords + 1> done;
  std::string front;
  std::string preSubject;
  int subject = 0;
  std::string subjectText;
  std::string time;  // time words, right after the subject
  std::vector<Piece> preVerb;
  std::string place;  // prepositional phrases before the verb
  std::string verb;
  std::string complement;  // 得 and a manner adverb, or a place adverb
  std::string objects;
  std::string rest;
  bool negation = false;
  bool passive = false;
  bool statePassive = false;  // a present "be" with a participle: a state
  bool progressive = false;
  bool perfect = false;
  bool past = false;
  bool modal = false;
  bool agent = false;      // a "by" phrase follows the verb
  bool frontObject = false;  // the object goes before the verb with 把
  bool copula = true;      // "be" keeps 是
  bool existential = false;  // "there is": 有
  std::string predicate;   // the adjective or adverb that stands for 是
  bool degree = false;     // the predicate adjective has a degree adverb of its own
  bool noun = false;       // the clause has an object
  bool frontIsMark = false;  // the front is a mark of its own (假如, 但愿)
  bool placeIsZai = false;   // a phrase of place with 在 stands before the verb
  bool baFront = false;      // a rendering of the verb fronts its object with 把
  std::string fronted;     // the object fronted with 把
  std::string wherePlace;  // "where" on a verb: 在哪里 before it, or its object
  bool freeRelative = false;  // "what I said": the clause names a thing, 我说的
  std::string amount;      // how much or how long, right after the verb and its objects (上升了5%)
  std::string hereThere;   // "here" or "there" after the verb: its object after a verb of motion, else 在…
};

std::string Generator::GenerateClause(int pos) {
  Clause c;
  RenderedPlaceToVerb(pos);
  c.deps = DepsOf(pos);
  const WordFlags form = VerbFormFlags(pos);
  c.past = (form & wf::ED) != 0 && (form & wf::ING) == 0;
  // "when trying to convert": a "when" on a participle outside a question
  // tells the time of it (试转换…时).
  int when = 0;
  for (int d : c.deps)
    if (d < pos && IsWordText(d, "when") && Node(d).category == cat::kWh && Node(d).depCount == 0 &&
        !InQuestion() && (VerbFormFlags(pos) & (wf::ING | wf::EN)) != 0)
      when = d;
  if (when != 0) {
    silenced_.set(static_cast<std::size_t>(when));
    c.done.set(static_cast<std::size_t>(when));
    Account(when);
  }
  ClauseFront(pos, c);
  ClauseSubject(pos, c);
  ClauseModifiers(pos, c);
  ClauseVerb(pos, c);
  if (!c.wherePlace.empty()) {
    // "Where are you going?": a verb of motion takes the place as its
    // object (去哪里); any other verb has it before itself (在哪里买).
    if (IsMotionVerbText(c.verb)) c.objects = c.wherePlace + c.objects;
    else c.place = std::string(cn::kZai) + c.wherePlace + c.place;
  }
  ClauseObjects(pos, c);
  ClauseRest(pos, c);
  std::string out = AssembleClause(pos, c);
  if (when != 0) out += "\xCA\xB1";  // 时
  return out;
}

// The form of the clause's verb: a phrasal verb the parse made one node
// ("was waiting for") has it on the verb word hung under the phrase.
WordFlags Generator::VerbFormFlags(int pos) const {
  if (Node(pos).marks >= 8)
    for (int d = 1; d < pos; ++d)
      if (Node(d).head == pos && Node(d).relation == rfuzzy && Node(d).category == cat::kV) return Flags(d);
  return Flags(pos);
}

// Conjunctions that open their clause (因为, 如果) go first.
void Generator::ClauseFront(int pos, Clause& c) {
  (void)pos;
  for (int d : c.deps) {
    if (Node(d).category != cat::kConj || c.done[static_cast<std::size_t>(d)]) continue;
    if (SenseFlagByte(state_, d, cat::kConj) == 0 && Node(d).marks < 8) continue;
    if (IsContrastingWhile(d)) continue;  // stays after the clause it answers
    c.front += GenerateNode(d);
    c.done.set(static_cast<std::size_t>(d));
  }
}

// The subject, and what stands before it in English and stays there in
// Chinese: prepositional phrases, clauses and nouns opening the sentence.
// Adverbs, wh-words and auxiliaries before the subject (questions: "Will
// you go") move behind it, since Chinese does not invert.
void Generator::ClauseSubject(int pos, Clause& c) {
  for (int d : c.deps)
    if (Node(d).relation == rsub && !c.done[static_cast<std::size_t>(d)]) {
      c.subject = d;
      break;
    }
  if (c.subject == 0) return;
  for (int d : c.deps) {
    if (d >= c.subject || c.done[static_cast<std::size_t>(d)] || Node(d).relation != rmod) continue;
    const Category k = Node(d).category;
    if (k == cat::kAdv || k == cat::kWh || k == cat::kAux) continue;
    c.preSubject += k == cat::kPrep ? PrepPhrase(d, false) : GenerateNode(d);
    c.done.set(static_cast<std::size_t>(d));
    // An opening phrase of some length is set off from the subject
    // (在过去的十年里，这座城市……), as English may leave unmarked.
    if (k == cat::kPrep && SubtreeSize(d) >= kLongOpening && d + SubtreeSize(d) <= c.subject &&
        !EndsWithChar(c.preSubject, cn::kComma) && sentence_.WordText(d + SubtreeSize(d)) != ",")
      c.preSubject += cn::kComma;
  }
  // A first-word auxiliary outside a question is a condition ("Should you
  // need help"), or a wish ("May you be happy!").
  for (int d : c.deps) {
    if (d != 1 || Node(d).category != cat::kAux || InQuestion()) continue;
    if (state_.endPunct == '!' && IsWordText(d, "may")) {
      c.front += cn::kDanYuan;
      c.frontIsMark = true;
      c.done.set(static_cast<std::size_t>(d));
      Account(d);
    } else {
      c.front += cn::kJiaRu;
      c.frontIsMark = true;
    }
  }
  const int s = c.subject;
  c.done.set(static_cast<std::size_t>(s));
  // "It is important to learn": the subject "it" stands for the clause or
  // infinitive after the predicate, which takes its place.
  if (IsWordText(s, "it") && HasDepWithRelation(*tree_, pos, rpred)) {
    for (int d : c.deps) {
      if (d < pos || c.done[static_cast<std::size_t>(d)]) continue;
      const Category k = Node(d).category;
      if (k != cat::kThat && k != cat::kTo) continue;
      Account(s);
      c.subjectText = GenerateNode(d);
      if (k == cat::kThat) c.subjectText += cn::kComma;
      c.done.set(static_cast<std::size_t>(d));
      return;
    }
  }
  // "It's a long story": "it" that a noun after "be" names points at what is
  // at hand, 这 (这是一个长故事).
  if (IsWordText(s, "it") && Node(pos).category == cat::kBe && !InQuestion()) {
    const int obj = FindDepWithRelation(*tree_, pos, robj1);
    if (obj != 0 && obj > pos && Node(obj).category == cat::kN) {
      Account(s);
      c.subjectText = cn::kZhe;
      return;
    }
  }
  c.subjectText = GenerateNode(s);
}

// Adverbs, auxiliaries, negation, prepositional phrases and time words.
void Generator::ClauseModifiers(int pos, Clause& c) {
  const WordFlags form = VerbFormFlags(pos);
  const bool verbIng = (form & wf::ING) != 0 && (form & wf::S) == 0;
  const bool verbEn = (form & wf::EN) != 0;
  for (int d : c.deps) {
    if (c.done[static_cast<std::size_t>(d)]) continue;
    const DepNode& n = Node(d);
    if (n.relation != rmod && !(n.category == cat::kWh && n.relation != rclause)) {
      if (IsTimeNoun(d) && d != c.subject) {
        c.time += GenerateNode(d);
        c.done.set(static_cast<std::size_t>(d));
      }
      continue;
    }
    c.done.set(static_cast<std::size_t>(d));
    switch (n.category) {
      case cat::kAdv:
        if (IsWordText(d, "not")) {
          Account(d);
          c.negation = true;
          if (!c.preVerb.empty() && c.preVerb.back().kind == PieceKind::kModal)
            c.preVerb.insert(c.preVerb.end() - 1, Piece{PieceKind::kNegation, {}});
          else
            c.preVerb.push_back(Piece{PieceKind::kNegation, {}});
        } else if (IsWordText(d, "too") && d > pos && Node(d).depCount == 0 &&
                   (d == state_.sentenceLen ||
                    (Node(d + 1).category != cat::kAdj && Node(d + 1).category != cat::kAdv))) {
          // "I like it too": "too" on a verb is 也 before it (我也喜欢它);
          // only on an adjective is it 太 (太大).
          Account(d);
          c.preVerb.push_back(Piece{PieceKind::kAdverb, "\xD2\xB2"});  // 也
        } else if (IsTimeAdverb(d) && Node(d).depCount == 0) {
          // "now", "tomorrow": the time stands after the subject, before
          // any modal (我明天会来, 你现在必须走).
          c.time += GenerateNode(d);
        } else {
          std::string t = AdverbText(pos, d, c);
          if (!t.empty()) c.preVerb.push_back(Piece{PieceKind::kAdverb, t});
        }
        break;
      case cat::kAux: {
        const std::uint8_t flags = SenseFlagByte(state_, d, cat::kAux);
        Account(d);
        if (IsWordText(d, "be")) {
          if (verbIng) c.progressive = true;
          else if (verbEn) c.passive = true;
          // "is closed", "is lost", "are made": the present of "be" with a
          // participle mostly tells a state, which Chinese gives without 被
          // (商店关了, 我迷路了); the past, a modal or "been" tells the event
          // (被选中, 被偷了).
          if (verbEn && (Flags(d) & wf::S) != 0 && (Flags(d) & (wf::ED | wf::EN | wf::ING)) == 0)
            c.statePassive = true;
          if (verbEn && c.subject != 0 && (Flags(d) & wf::ING) != 0) c.progressive = true;
          if ((Flags(d) & wf::ED) != 0) c.past = true;
        } else if (IsWordText(d, "have")) {
          c.perfect = true;
        } else if ((flags & aux_flag::kNegative) != 0) {
          c.negation = true;
          std::string t = GenerateNode(d);
          c.preVerb.push_back(Piece{PieceKind::kNegation, {}});
          if (!t.empty()) c.preVerb.push_back(Piece{PieceKind::kModal, t});
        } else {
          if (IsWordText(d, "do") && (Flags(d) & wf::ED) != 0) c.past = true;
          std::string t = GenerateNode(d);
          // "must be", "must be joking", "must have left" judge what is
          // likely: 一定, not the 必须 of duty.
          if (IsWordText(d, "must") && MustJudges(pos)) t = "\xD2\xBB\xB6\xA8";  // 一定
          if (!t.empty()) {
            c.modal = true;
            c.preVerb.push_back(Piece{PieceKind::kModal, t});
          }
        }
        break;
      }
      case cat::kPrep: {
        bool before = (SenseFlagByte(state_, d, cat::kPrep) & prep_flag::kBeforeVerb) != 0;
        // The verb's own renderings may place the phrase (and front the
        // object with 把: "put it on the table" 把它放在桌子上).
        const int kind = RenderingFor(pos, d);
        if (kind == rendering::kMod) before = true;
        if (kind == rendering::kStype || kind == rendering::kPos) before = false;
        if (kind == rendering::kPos) c.baFront = true;
        // "was described as a trap", "is known as X": what the subject is
        // taken for follows the verb with 为 (被描述为一个陷阱, 被称为X).
        if (IsWordText(d, "as") && c.passive && d > pos && Node(d).depCount == 1 &&
            Node(Node(d).deps[0]).category == cat::kN) {
          Node(d).genCode = 2;
          c.done.reset(static_cast<std::size_t>(d));
          break;
        }
        // "rose by 5 percent", "lived here for ten years": an amount or a
        // stretch of time follows the verb as it is (上升了5%, 住了十年).
        if (AmountAfterVerb(d, c) || LocatedAt(pos, d)) {
          Node(d).genCode = 2;
          c.done.reset(static_cast<std::size_t>(d));
          break;
        }
        Node(d).genCode = before ? 1 : 2;
        if (IsWordText(d, "by") && ByWhen(d)) {
          c.place += PrepPhrase(d, false, "\xB5\xBD\\C");  // 到\C: "by 2020", "by the end of the year"
          break;
        }
        if (IsWordText(d, "by")) {
          // "by" names the agent of a passive (被他); elsewhere the means:
          // 乘 a vehicle, else 通过.
          const bool agent = c.passive || (verbEn && !c.perfect && d > pos);
          if (agent) {
            c.agent = d > pos;
            c.place += PrepPhrase(d, false);
          } else {
            c.place += PrepPhrase(d, false, MeansFrame(d));
          }
          break;
        }
        // "important to us", "kind to her": the one the quality holds for
        // comes first with 对 (对我们很重要); what a thing is "similar to",
        // "close to" or "equal to" comes first with 和 (和橙子相似).
        if (const int pred = FindDepWithRelation(*tree_, pos, rpred);
            IsWordText(d, "to") && Node(pos).category == cat::kBe && d > pos && pred != 0 &&
            Node(pred).category == cat::kAdj) {
          const bool likeness = IsWordText(pred, "similar") || IsWordText(pred, "close") ||
                                IsWordText(pred, "equal") || IsWordText(pred, "identical");
          c.place += PrepPhrase(d, false, likeness ? "\xBA\xCD\\C" : "\xB6\xD4\\C");  // 和\C, 对\C
          break;
        }
        if (!before && d > pos) {
          c.done.reset(static_cast<std::size_t>(d));  // placed after the verb, once its text is known
          break;
        }
        std::string t = PrepPhrase(d, false);
        if (before) {
          c.placeIsZai = c.placeIsZai || StartsWith(t, cn::kZai);
          c.place += t;
        } else {
          c.rest += t;
        }
        break;
      }
      case cat::kWh:
        QuestionWord(pos, d, c);
        break;
      default:
        if (IsTimeNoun(d)) c.time += GenerateNode(d);
        else if (d < pos) c.preVerb.push_back(Piece{PieceKind::kOther, GenerateNode(d)});
        else c.rest += GenerateNode(d);
        break;
    }
  }
}

// A wh-word on the verb or "be", where Chinese asks (the word stays where
// its answer would stand):
//  - "what", "who", "whom", "which" (alone or with a noun, "how many ...")
//    before the verb are its object and follow it (你想要什么, 你有多少书);
//    on "be" they follow 是 (你的名字是什么). After the verb, a wh-word opens
//    an object clause, which follows the verb too (知道怎么做这).
//  - "where" is 在哪里 before the verb (你在哪里买的); a verb of motion takes
//    哪里 as its object (你去哪里); on "be" it stands for 是 (银行在哪里).
//  - "how" alone on "be" asks how something is: 怎么样 for 是 (你怎么样);
//    "how old", "how long" likewise stand for 是 (你几岁). "how" with an
//    adjective or adverb asks the degree, 多 with the word: on "be" after
//    有 (你的手提箱有多重), on a verb after it with 得 (跑得多快).
//  - "when" on "be" follows 是 (你的生日是什么时候); "when", "why" and "how"
//    otherwise stand before the verb.
void Generator::QuestionWord(int pos, int wh, Clause& c) {
  const bool be = Node(pos).category == cat::kBe;
  const std::string_view w = sentence_.WordText(wh);
  const bool objectWord = w == "what" || w == "who" || w == "whom" || w == "which" || w == "whose" ||
                          w == "how many" || w == "how much" || w == "whatever" || w == "whoever";
  int degree = 0;  // the adjective or adverb of "how"
  if (w == "how")
    for (int d : DepsOf(wh))
      if (d == wh + 1 && (Node(d).category == cat::kAdj || Node(d).category == cat::kAdv)) degree = d;
  const bool hasObject = FindDepWithRelation(*tree_, pos, robj1) != 0;
  const bool hasPredicate = FindDepWithRelation(*tree_, pos, rpred) != 0;
  if (wh > pos) {
    c.objects += GenerateNode(wh);
    return;
  }
  if (degree != 0) {
    Account(wh);
    for (int d : DepsOf(wh))
      if (d != degree) GenerateNode(d);
    const std::string t = std::string(cn::kDuo) + GenerateNode(degree);
    if (be && !hasObject && !hasPredicate) {
      c.copula = false;
      c.predicate = std::string(cn::kYou) + t;
    } else if (!be) {
      c.complement += std::string(cn::kDe2) + t;
    } else {
      c.preVerb.push_back(Piece{PieceKind::kOther, t});
    }
    return;
  }
  if (FreeRelative(pos, wh)) {
    // "Nobody believed what I said": the thing that, 我说的.
    Account(wh);
    c.freeRelative = true;
    return;
  }
  std::string t = GenerateNode(wh);
  if (objectWord && !hasObject && !(be && hasPredicate)) {
    c.objects += t;
    return;
  }
  if (w == "where") {
    if (be && !hasObject && !hasPredicate) {
      c.copula = false;
      c.predicate = std::string(cn::kZai) + t;
    } else if (!be) {
      c.wherePlace = t;
    } else {
      c.preVerb.push_back(Piece{PieceKind::kOther, std::string(cn::kZai) + t});
    }
    return;
  }
  if (be && !hasObject && !hasPredicate && StartsWith(w, "how")) {
    c.copula = false;
    c.predicate = w == "how" ? std::string(cn::kZenMeYang) : t;
    return;
  }
  if (be && !hasObject && !hasPredicate && w == "when") {
    c.objects += t;
    return;
  }
  c.preVerb.push_back(Piece{PieceKind::kOther, t});
}

// Verbs that take a clause asking a question: "know what", "ask where".
bool IsAskingVerb(std::string_view w) {
  static constexpr std::string_view kAsking[] = {
      "know",   "ask",    "wonder", "tell",    "see",    "understand", "remember", "forget", "explain",
      "decide", "show",   "learn",  "find",    "figure", "guess",      "check",    "discover", "imagine",
      "notice", "realize", "realise", "care",  "matter", "doubt",      "inquire",  "question", "say",
      "predict", "determine", "investigate", "study", "consider", "depend", "choose", "describe", "teach",
  };
  for (std::string_view s : kAsking)
    if (w == s) return true;
  return false;
}

// "what" opening a clause that is no question but names a thing: the
// clause is the subject or object of a verb that asks nothing ("believed
// what I said", "What you're saying isn't logical"). Chinese writes the
// clause with 的 (我说的).
bool Generator::FreeRelative(int clause, int wh) const {
  if (InQuestion() || !IsWordText(wh, "what") || Node(wh).depCount != 0) return false;
  const int head = Node(clause).head;
  if (head == 0) return false;
  const Category hc = Node(head).category;
  if (hc == cat::kPrep) return true;
  if (hc != cat::kV && hc != cat::kBe) return false;
  // A phrasal verb asks as its verb does ("figure out", "find out").
  const std::string_view verb = sentence_.WordText(head);
  return !IsAskingVerb(verb.substr(0, verb.find(' ')));
}

// An adverb's place: before the verb as in Chinese generally (也, 已经,
// 经常); a place adverb after the verb stays there as its complement (回来,
// 住这里); a manner adverb after a verb without object follows it with 得
// (跑得很快).
std::string Generator::AdverbText(int verb, int adv, Clause& c) {
  std::string t = GenerateNode(adv);
  if (adv < verb) return t;
  const std::uint16_t flags = FirstAdvFlags(state_, adv);
  if ((flags & adv_flag::kPredicative) != 0) {
    if ((IsWordText(adv, "here") || IsWordText(adv, "there")) && Node(verb).category == cat::kV &&
        Node(adv).depCount == 0)
      c.hereThere += t;
    else
      c.complement += t;
    return {};
  }
  const bool hasObject = FindDepWithRelation(*tree_, verb, robj1) != 0;
  // Only a one-character adjective makes the 得很 complement (跑得很快); a
  // comparison takes 得 alone (跑得更快); a longer word stands before the
  // verb with 地 (高声地哭, 努力地学习).
  const bool comparing = StartsWith(t, "\xB8\xFC");  // 更
  if (!hasObject && Node(adv).depCount == 0 && IsMannerAdverb(sentence_.WordText(adv)) &&
      (CharCount(t) == 1 || (comparing && CharCount(t) == 2))) {
    c.complement += std::string(cn::kDe2) + (comparing ? std::string() : std::string(cn::kHen)) + t;
    return {};
  }
  if (Node(adv).depCount == 0 && IsMannerAdverb(sentence_.WordText(adv)) && CharCount(t) >= 2 &&
      !EndsWithChar(t, "\xB5\xD8") && !EndsWithChar(t, cn::kDe))  // 地; 真的 takes none
    t += "\xB5\xD8";
  return t;
}

// "ago", "later", "earlier" after a time ("three weeks ago", "250 years
// later") count from it: 前 or 后 after the time (三周前, 250年后). Empty for
// any other word.
std::string_view Generator::TimeSuffix(int dep) const {
  if (Node(dep).depCount != 0) return {};
  if (IsWordText(dep, "ago") || IsWordText(dep, "earlier")) return "\xC7\xB0";  // 前
  if (IsWordText(dep, "later")) return "\xBA\xF3";                             // 后
  return {};
}

// An adverb that tells when, which Chinese puts before the verb and its
// modal wherever English has it.
bool Generator::IsTimeAdverb(int pos) const {
  static constexpr std::string_view kWhen[] = {
      "now",        "today",     "tomorrow",  "yesterday", "tonight",   "later",      "recently",
      "currently",  "nowadays",  "lately",    "last night", "last week", "last year", "last month",
      "next week",  "next year", "next month", "next time", "this morning", "this year", "this week"};
  for (std::string_view w : kWhen)
    if (IsWordText(pos, w)) return true;
  return false;
}

// A noun that tells when: a time word that may also be an adverb
// ("yesterday", "tonight"), or a time noun with "this", "last", "next",
// "every" (this morning, every day). Chinese puts it before the verb.
bool Generator::IsTimeNoun(int pos) const {
  if (Node(pos).category != cat::kN || !Known(pos)) return false;
  const NounFields* n = KnownNoun(pos);
  if (n == nullptr) return false;
  bool time = false;
  for (std::uint8_t k : n->classes) time = time || k == 2;
  if (!time) return false;
  const DepNode& node = Node(pos);
  if (node.depCount == 0) return FirstSenseOf(pos, cat::kAdv) != nullptr;
  for (int k = 0; k < node.depCount; ++k) {
    const int d = node.deps[static_cast<std::size_t>(k)];
    if (d > pos) {
      if (!TimeSuffix(d).empty()) return true;  // three weeks ago
      return false;
    }
    const std::string_view w = sentence_.WordText(d);
    if (w == "this" || w == "last" || w == "next" || w == "every" || w == "each" || w == "that" || w == "all")
      return true;
  }
  return false;
}

// The verb's own text: its sense by the complement pattern; for "be", 有
// after "there", nothing before an adjective or adverb that is the
// predicate (他很高, 他在这里), or before a prepositional phrase alone.
void Generator::ClauseVerb(int pos, Clause& c) {
  if (Node(pos).category == cat::kBe) {
    if (c.subject != 0 && Node(c.subject).category == cat::kThere) {
      c.existential = true;
      c.verb = cn::kYou;
      ExistentialPlace(pos, c);
      return;
    }
    if (!c.copula) return;  // a question word stands for 是 (银行在哪里)
    const int pred = FindDepWithRelation(*tree_, pos, rpred);
    if (pred != 0 && !c.done[static_cast<std::size_t>(pred)]) {
      const Category pc = Node(pred).category;
      if (pc == cat::kAdj || pc == cat::kAdv) {
        c.copula = false;
        c.done.set(static_cast<std::size_t>(pred));
        c.predicate = GenerateNode(pred);
        const bool graded = (Flags(pred) & (wf::ER | wf::EST)) != 0;
        bool degree = graded || HasDepOfCategory(*tree_, pred, cat::kAdv);
        if (pc == cat::kAdj && !degree && !IsAbsoluteAdjective(sentence_.WordText(pred)) && !c.negation &&
            !InQuestion() && AllChinese(c.predicate) && CharCount(c.predicate) <= 2)
          c.predicate = std::string(cn::kHen) + c.predicate;
        if (pc == cat::kAdv && !StartsWith(c.predicate, cn::kZai) &&
            (IsWordText(pred, "here") || IsWordText(pred, "there")))
          c.predicate = std::string(cn::kZai) + c.predicate;
        return;
      }
    }
    const bool object = FindDepWithRelation(*tree_, pos, robj1) != 0 || pred != 0 ||
                        HasLaterDepOfCategory(*tree_, pos, cat::kTo) || HasLaterDepOfCategory(*tree_, pos, cat::kThat) ||
                        HasLaterDepOfCategory(*tree_, pos, cat::kV) || HasLaterDepOfCategory(*tree_, pos, cat::kBe);
    if (!object && c.placeIsZai) {
      c.copula = false;  // 他在房间里
      return;
    }
    c.verb = ChooseEquivalent(pos, cat::kBe, 0);
    return;
  }
  VerbCodeChoice codes = VerbComplementPattern(state_, *tree_, pos);
  // A passive verb is a transitive one whose object became the subject: its
  // sense is the one with an object (the pilot was identified 被确认, not
  // the 一致 of "identify with").
  if (c.passive && codes.First() == vc::i0) codes.codes = {vc::t1, vc::i0, -1, -1};
  c.verb = VerbEquivalent(pos, codes);
  // "is located in the centre": 位于 and the place after it (位于市中心).
  for (int d : c.deps)
    if (LocatedAt(pos, d)) c.verb = "\xCE\xBB\xD3\xDA";  // 位于
  // "Officials said the bridge was safe": a named speaker reporting what
  // was found or decided states it, 表示 (官员表示，…); people talking say it (他说).
  if (IsWordText(pos, "say") && c.subject != 0 && Node(c.subject).category == cat::kN && ReportsClause(pos))
    c.verb = "\xB1\xED\xCA\xBE";  // 表示
  // "called" as a participle with a name after it names rather than
  // phones: 称为 (太阳的表面被称为光球层, 称为动脉的管子).
  const bool onNoun = Node(pos).head != 0 && Node(Node(pos).head).category == cat::kN;
  if (IsWordText(pos, "call") && (Flags(pos) & wf::EN) != 0 && (c.passive || onNoun) &&
      FindDepWithRelation(*tree_, pos, robj1) != 0)
    c.verb = "\xB3\xC6\xCE\xAA";  // 称为
}

// Whether "must" on pos says what is likely rather than what is needed: on
// "be" itself, or with "be" or "have" as a further auxiliary.
bool Generator::MustJudges(int pos) const {
  if (Node(pos).category == cat::kBe) return true;
  for (int d : DepsOf(pos))
    if (Node(d).category == cat::kAux && (IsWordText(d, "be") || IsWordText(d, "have"))) return true;
  return false;
}

// Whether the subject at pos stands for all of a group: "everybody",
// "everyone", "everything", "all", "both", or a noun with "every", "each",
// "all" or "both".
bool Generator::TakesInAll(int pos) const {
  static constexpr std::string_view kAll[] = {"everybody", "everyone", "everything", "all", "both", "every", "each"};
  auto isAll = [&](int p) {
    for (std::string_view w : kAll)
      if (IsWordText(p, w)) return true;
    return false;
  };
  if (isAll(pos)) return true;
  if (Node(pos).category != cat::kN) return false;
  for (int d : DepsOf(pos))
    if (d < pos && isAll(d)) return true;
  return false;
}

// Whether "how" asks on the clause at pos ("How can I reach you?").
bool Generator::AsksHow(int pos) const {
  for (int d : DepsOf(pos))
    if (Node(d).category == cat::kWh && IsWordText(d, "how")) return true;
  return false;
}

// "There is a cat in the garden": the place the parse hung on the thing
// that is there belongs before 有 in Chinese, without 在 (花园里有一只猫).
void Generator::ExistentialPlace(int pos, Clause& c) {
  const int obj = FindDepWithRelation(*tree_, pos, robj1);
  if (obj == 0 || Node(obj).category != cat::kN) return;
  int place = 0;
  for (int d : DepsOf(obj))
    if (d > obj && Node(d).category == cat::kPrep) place = d;
  if (place == 0 || Node(place).depCount != 1) return;
  static constexpr std::string_view kPlaces[] = {"in",     "on",    "at",    "under", "near",   "behind", "inside",
                                                 "outside", "above", "below", "beside", "among", "between"};
  bool isPlace = false;
  for (std::string_view w : kPlaces) isPlace = isPlace || IsWordText(place, w);
  if (!isPlace) return;
  Detach(*tree_, place, obj);
  c.place = PrepPhrase(place, true) + c.place;
}

// The objects after the verb, in English order (给他一本书); a verb whose
// equivalent has a slot takes them there.
void Generator::ClauseObjects(int pos, Clause& c) {
  std::string objects;
  for (int d : c.deps) {
    if (c.done[static_cast<std::size_t>(d)]) continue;
    const Relation r = Node(d).relation;
    const bool clauseObject = r == rcmod && d > pos && Node(d).category != cat::kTo &&
                              (Node(d).category == cat::kThat || HasDepWithRelation(*tree_, d, rsub));
    if (r != robj1 && r != robj2 && !clauseObject && r != rfuzzy) continue;
    c.done.set(static_cast<std::size_t>(d));
    NegatingDeterminer(d, c);
    if (c.baFront && r == robj1 && !c.passive && c.fronted.empty()) {
      c.fronted = GenerateNode(d);
      continue;
    }
    // What was said, when it is a long clause, stands after a comma
    // (研究人员表示，这可能……); a short one follows the verb directly.
    if (clauseObject && SubtreeSize(d) >= 8 && IsReportingVerb(pos)) objects += cn::kComma;
    objects += GenerateNode(d);
    c.noun = true;
  }
  c.objects = objects + c.objects;
}

// "I have no money", "there is no water": the determiner "no" on an object
// negates the verb (没有钱) and writes nothing itself.
void Generator::NegatingDeterminer(int object, Clause& c) {
  // "said nothing", "saw nobody", "don't know anything": Chinese asks
  // "what" or "who" before the negated verb (他什么都没说, 我谁都没看见,
  // 我什么都不知道).
  const std::string_view w = sentence_.WordText(object);
  const bool none = w == "nothing" || w == "nobody" || w == "no one";
  const bool any = c.negation && (w == "anything" || w == "anybody" || w == "anyone");
  if ((none || any) && Node(object).depCount == 0) {
    silenced_.set(static_cast<std::size_t>(object));
    const bool person = w == "nobody" || w == "no one" || w == "anybody" || w == "anyone";
    const std::string what = std::string(person ? cn::kShui : cn::kShenMe) + std::string(cn::kDou);
    if (!c.negation) c.preVerb.insert(c.preVerb.begin(), Piece{PieceKind::kNegation, {}});
    c.negation = true;
    c.preVerb.insert(c.preVerb.begin(), Piece{PieceKind::kOther, what});
    return;
  }
  if (Node(object).category != cat::kN) return;
  for (int d : DepsOf(object)) {
    if (d > object || Node(d).category != cat::kDet || !IsWordText(d, "no")) continue;
    silenced_.set(static_cast<std::size_t>(d));
    if (!c.negation) c.preVerb.push_back(Piece{PieceKind::kNegation, {}});
    c.negation = true;
    return;
  }
}

// "put the book on the table": the parse may hang the place on the object;
// when the verb's rendering names that preposition (pos= 在), the place
// belongs to the verb (把书放在桌子上).
void Generator::RenderedPlaceToVerb(int verb) {
  const int object = FindDepWithRelation(*tree_, verb, robj1);
  if (object == 0 || object < verb || Node(object).category != cat::kN) return;
  for (int d : DepsOf(object)) {
    if (d < object || Node(d).category != cat::kPrep || RenderingFor(verb, d) != rendering::kPos) continue;
    const Relation r = Node(d).relation;
    Detach(*tree_, d, object);
    if (!Attach(*tree_, d, verb, rmod, sink_)) Attach(*tree_, d, object, r, sink_);
    return;
  }
}

// The kind of the verb's rendering that names this preposition (by its
// English word or the start of its Chinese), 0 for none.
int Generator::RenderingFor(int verb, int prep) const {
  const std::string_view word = sentence_.WordText(prep);
  const Sense* ps = FirstSenseOf(prep, cat::kPrep);
  const std::string_view chinese = ps ? std::string_view(ps->text) : std::string_view{};
  const WordRecord& w = Word(verb);
  for (int k = 0; k < w.senseCount; ++k) {
    const std::size_t at = static_cast<std::size_t>(w.firstSense) + static_cast<std::size_t>(k);
    if (at >= state_.senseTable.size() || state_.senseTable[at] == nullptr) break;
    const VerbFields* v = state_.senseTable[at]->Verb();
    if (v == nullptr) continue;
    for (const std::string& r : v->renderings) {
      if (r.size() < 2) continue;
      const std::uint8_t kind = static_cast<std::uint8_t>(r[0]);
      if (kind != rendering::kMod && kind != rendering::kStype && kind != rendering::kPos) continue;
      const std::string_view value = std::string_view(r).substr(1);
      if (value == word || StartsWith(chinese, value)) return kind;
    }
  }
  return 0;
}

// The frame of "by" as a means: 乘 a vehicle, 通过 anything else.
// Whether "by" names a time something is done by ("by 2020", "by the end
// of the year", "by Monday"): a year or a noun of time.
bool Generator::ByWhen(int by) const {
  const int obj = Node(by).depCount == 1 ? Node(by).deps[0] : 0;
  if (obj == 0) return false;
  const std::string_view text = sentence_.WordText(obj);
  if (Node(obj).category == cat::kNum)
    return text.size() == 4 && (text[0] == '1' || text[0] == '2') &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
  if (Node(obj).category != cat::kN || !Known(obj)) return false;
  const NounFields* n = KnownNoun(obj);
  return n != nullptr && n->classes[0] == 2;  // time
}

// "by" an amount on an active verb ("rose by 5 percent", "grew by
// 20,000") and "for" a counted stretch of time ("for ten years"): the
// amount follows the verb with no word of its own.
bool Generator::AmountAfterVerb(int prep, const Clause& c) const {
  const bool by = IsWordText(prep, "by") && !c.passive;
  const bool forTime = IsWordText(prep, "for");
  if ((!by && !forTime) || Node(prep).depCount != 1 || prep < c.subject) return false;
  const int obj = Node(prep).deps[0];
  if (Node(obj).category == cat::kNum) return by && !ByWhen(prep);
  if (Node(obj).category != cat::kN) return false;
  bool counted = false;
  for (int d : DepsOf(obj)) counted = counted || (d < obj && Node(d).category == cat::kNum);
  if (!counted) return false;
  if (by) return true;
  const NounFields* n = KnownNoun(obj);
  return n != nullptr && n->classes[0] == 2;  // time
}

std::string Generator::MeansFrame(int by) const {
  const int obj = Node(by).depCount == 1 ? Node(by).deps[0] : 0;
  if (obj != 0 && Node(obj).category == cat::kN)
    if (const NounFields* n = KnownNoun(obj))
      for (std::uint8_t k : n->classes)
        if (k == 27) return "\xB3\xCB\\C";  // 乘
  return std::string(cn::kTongGuo) + "\\C";
}

// Whatever else hangs on the verb, in order: infinitives, clauses,
// predicatives of verbs (变得快乐), prepositional phrases after the verb.
void Generator::ClauseRest(int pos, Clause& c) {
  std::string front;
  for (int d : c.deps) {
    if (c.done[static_cast<std::size_t>(d)]) continue;
    c.done.set(static_cast<std::size_t>(d));
    if (Node(d).relation == rv2n) {
      front += GenerateNode(d);
      continue;
    }
    if (Node(d).category == cat::kPrep && (AmountAfterVerb(d, c) || LocatedAt(pos, d))) {
      Account(d);
      c.amount += GenerateNode(Node(d).deps[0]);
      continue;
    }
    if (Node(d).category == cat::kPrep) {
      // "go to school": a verb of motion (去, 来, 回, 到) takes the place
      // as its object (去学校), without 到.
      if (IsWordText(d, "to") && Node(d).depCount == 1 && IsMotionVerbText(c.verb)) {
        Account(d);
        c.rest += GenerateNode(Node(d).deps[0]);
        continue;
      }
      c.rest += PrepPhrase(d, false, IsWordText(d, "as") && c.passive ? "\xCE\xAA\\C" : "");  // 为\C
      continue;
    }
    c.rest += GenerateNode(d);
  }
  (void)pos;
  c.front = front + c.front;
}

// Whether a negated verb takes 没 (did not go: 没去; has not come: 没来)
// rather than 不: a past or perfect of a verb of action.
bool Generator::IsPastNegation(int pos, const Clause& c) const {
  if (StartsWith(c.verb, cn::kYou) && c.copula) return true;
  if (Node(pos).category == cat::kBe || c.modal) return false;
  if (!(c.past || c.perfect)) return false;
  return !IsStateVerb(sentence_.WordText(pos));
}

std::string Generator::AssembleClause(int pos, Clause& c) {
  Account(pos);
  // "He lives there", "I work here": where it happens stands before the
  // verb with 在 (他在那里住); a verb of motion takes it as its goal (来这里).
  // "go home", "come home": 回家 says the going itself (我们回家了).
  if (StartsWith(c.complement, "\xBB\xD8\xBC\xD2") &&  // 回家
      (c.verb == "\xC8\xA5" || c.verb == "\xC0\xB4" || c.verb == "\xBB\xD8"))  // 去 来 回
    c.verb.clear();
  if (!c.hereThere.empty()) {
    if (IsMotionVerbText(c.verb)) c.complement = c.hereThere + c.complement;
    else if (IsPlacingVerbText(c.verb)) c.complement = std::string(cn::kZai) + c.hereThere + c.complement;
    else c.place = std::string(cn::kZai) + c.hereThere + c.place;
  }
  std::string negation;
  if (c.negation) {
    negation = IsPastNegation(pos, c) ? cn::kMei : cn::kBu;
    // A command: 不要 (Don't go).
    if (c.subject == 0 && Node(pos).head == 0 && !InQuestion() && Node(pos).category == cat::kV && !c.past &&
        (VerbFormFlags(pos) & (wf::ING | wf::EN)) == 0)
      negation += "\xD2\xAA";  // 要
  }
  // An opening clause ("because ...", "if ...") is set off by a comma.
  std::string front = c.front;
  if (!front.empty() && !c.frontIsMark && !EndsWithChar(front, cn::kComma) && !c.subjectText.empty())
    front += cn::kComma;
  std::string out = front + c.preSubject + c.subjectText + c.time;
  // A subject that takes in every one ("everybody", "all the students",
  // "both") has 都 before the verb (每个人都知道).
  if (c.subject != 0 && TakesInAll(c.subject) && !c.subjectText.empty()) out += cn::kDou;
  bool negated = false;
  for (const Piece& p : c.preVerb) {
    if (p.kind == PieceKind::kNegation) {
      if (!negated) out += negation;
      negated = true;
    } else if ((c.negation || AsksHow(pos)) && p.kind == PieceKind::kModal && p.text == "\xBF\xC9\xD2\xD4") {
      // "can" is 可以, but "cannot" says what one is unable to do, and "how
      // can" asks for a way: 能 (不能, 怎么能); 怎么可以 would reproach.
      out += "\xC4\xDC";  // 能
    } else if (c.negation && p.kind == PieceKind::kModal && p.text == "\xBF\xC9\xC4\xDC\xBB\xE1") {
      // "may" is 可能会; "may not" says 不可能, without 会.
      out += "\xBF\xC9\xC4\xDC";  // 可能
    } else {
      out += p.text;
    }
  }
  if (c.negation && !negated) out += negation;
  if (!c.copula && c.verb.empty()) {
    // "be" without 是: the place, the predicate adjective or adverb.
    out += c.place;
    out += c.predicate;
    out += c.complement;
    out += c.objects;
    out += c.rest;
    return out;
  }
  // The course of an action is marked with 在 before the verb (我在读书),
  // the everyday form of 正在; it stands before the verb's place.
  if (c.progressive && !c.negation) {
    bool act = false;
    if (c.subject != 0) {
      const Sense* s = FirstSenseOf(c.subject, cat::kN);
      if (const NounFields* n = s ? s->Noun() : nullptr)
        for (std::uint8_t k : n->classes) act = act || k == 36;
    }
    // Before a place with 在 the mark is 正 (正在天空里闪烁). "is
    // going", "are coming" tell a plan as often as a course (我去学校): a
    // verb of motion takes no mark.
    if (act) out += cn::kShi;
    else if (StartsWith(c.place, cn::kZai)) out += "\xD5\xFD";  // 正
    else if (!IsMotionVerbText(c.verb)) out += cn::kZai;
  }
  // "be" keeps its place after 是 unless it is a place of 在 or the "be"
  // says that something is there (在桌子上有一本书): 最快的方法是乘飞机.
  const bool placeAfter = Node(pos).category == cat::kBe && !c.existential && !c.placeIsZai;
  if (!placeAfter) out += c.place;
  if (!c.fronted.empty()) out += std::string(cn::kBa) + c.fronted;
  // (A verb whose text frames its object, 以\o为基础, says the passive by itself.)
  if (c.passive && !c.agent && !c.statePassive && Node(pos).category == cat::kV &&
      FindSlotMarker(c.verb) == std::string::npos && c.verb != "\xCE\xBB\xD3\xDA")  // 位于 is no passive
    out += cn::kBei;
  // The verb's complement (回, 得很好) and 了 follow the verb; a verb whose
  // text frames its object (把\o装罐) takes them after the frame.
  std::string tail = c.complement;
  // 了 after a finished action of the main clause (他买了一本书), after the
  // verb's complement (收起来了); not where a clause or an infinitive
  // follows (他说他会来), nor after 得.
  const bool clauseAfter = HasLaterDepOfCategory(*tree_, pos, cat::kThat) ||
                           HasLaterDepOfCategory(*tree_, pos, cat::kTo) || HasLaterDepOfCategory(*tree_, pos, cat::kV) ||
                           HasLaterDepOfCategory(*tree_, pos, cat::kBe) || HasLaterDepOfCategory(*tree_, pos, cat::kWh);
  bool le = false;
  const bool completed = (c.past || c.perfect) && !c.passive;
  const bool reachedState =
      c.statePassive && c.objects.empty() && c.rest.empty() && c.place.empty() && c.amount.empty();
  if (kMarkCompletedActions && (completed || reachedState) && !c.negation && !c.progressive && !c.modal &&
      Node(pos).category == cat::kV && (reachedState || !IsStateVerb(sentence_.WordText(pos))) &&
      !IsWordText(pos, "say") &&  // what was said follows or went before: 他说，“……”
      (Node(pos).head == 0 || Node(pos).relation == rcon) && !clauseAfter &&
      c.complement.find(std::string(cn::kDe2)) == std::string::npos)
    le = true;
  // With a place or a complement after the verb, 了 closes the clause
  // (把书放在桌子上了, 这使她生气了).
  // A question that asks yes or no closes with 了吗 (你完成工作了吗).
  std::string rest = c.rest;
  const bool resultAfter = !rest.empty() && (c.objects.empty() || HasDepWithRelation(*tree_, pos, rpred));
  if (le && (resultAfter || (InQuestion() && !HasQuestionWord()))) rest += cn::kLe;
  else if (le) tail += cn::kLe;
  if (placeAfter) tail += c.place;
  if (FindSlotMarker(c.verb) != std::string::npos) out += InsertComplement(c.verb, c.objects) + tail;
  else out += c.verb + tail + c.objects;
  out += c.amount + rest;
  if (c.freeRelative && !EndsWithChar(out, cn::kDe)) out += cn::kDe;
  return out;
}

// "located in", "situated on": the participle of a verb of lying somewhere
// with the place it names after it.
bool Generator::LocatedAt(int verb, int prep) const {
  if (prep < verb || Node(prep).category != cat::kPrep || Node(prep).depCount != 1) return false;
  if ((VerbFormFlags(verb) & wf::EN) == 0 || !(IsWordText(verb, "locate") || IsWordText(verb, "situate")))
    return false;
  return IsWordText(prep, "in") || IsWordText(prep, "at") || IsWordText(prep, "on");
}

// Whether the verb at pos has a clause after it for its object ("said that
// it would close", "said the bridge was safe").
bool Generator::ReportsClause(int pos) const {
  for (int d : DepsOf(pos)) {
    if (d < pos) continue;
    const Category k = Node(d).category;
    if (k == cat::kThat || ((k == cat::kV || k == cat::kBe) && HasDepWithRelation(*tree_, d, rsub))) return true;
  }
  return false;
}

// The verbs that report what someone said or made known.
bool Generator::IsReportingVerb(int pos) const {
  static constexpr std::string_view kVerbs[] = {"say",   "announce", "state",   "report", "suggest", "claim",
                                                "add",   "explain",  "show",    "find",   "note",    "warn",
                                                "argue", "reveal",   "confirm", "indicate"};
  for (std::string_view v : kVerbs)
    if (IsWordText(pos, v)) return true;
  return false;
}

// "in the Brisbane Open", "in the United States": a capitalised noun inside
// the sentence with nothing but "the" and other capitalised words before it
// names a place, which takes the bare 在 like a single name (在伦敦).
bool Generator::NamesAPlace(int obj) const {
  const std::string_view surface = state_.textPool.Get(Word(obj).text);
  if (obj <= 1 || surface.empty() || surface[0] < 'A' || surface[0] > 'Z') return false;
  for (int d : DepsOf(obj)) {
    if (IsWordText(d, "the")) continue;
    const std::string_view ds = state_.textPool.Get(Word(d).text);
    if (d < obj && Node(d).depCount == 0 && !ds.empty() && ds[0] >= 'A' && ds[0] <= 'Z') continue;
    return false;
  }
  return true;
}

// Whether a noun names an event, an act, a state, a group or something
// thought or said rather than a place or a thing: "in" it is 在…中
// (在比赛中, 在报告中), not the 在…里 of a room.
bool Generator::IsAbstractNoun(int obj) const {
  if (Node(obj).category != cat::kN || !Known(obj)) return false;
  const NounFields* n = KnownNoun(obj);
  if (n == nullptr) return false;
  static constexpr std::uint8_t kAbstract[] = {10, 11, 12, 13, 14, 19, 20, 36};  // group ... act
  for (std::uint8_t k : kAbstract)
    if (n->classes[0] == k) return true;
  return false;
}

// The world, the earth and the internet are places one is on in Chinese
// (世界上, 地球上, 网上), whatever English says.
bool Generator::IsSurfaceNoun(int obj) const {
  static constexpr std::string_view kSurfaces[] = {"world", "earth", "Earth", "internet", "Internet", "web"};
  for (std::string_view w : kSurfaces)
    if (IsWordText(obj, w)) return true;
  return false;
}

// A prepositional phrase: the preposition's frame around its object. On a
// noun the place frame loses its 在 (桌子上的书), "from" becomes 来自 and
// "with" 有. A year after "in", "since" and the like is written with 年,
// and a time or a number takes no 里/上 of place (在1990年, 在早上).
std::string Generator::PrepPhrase(int prep, bool modifiesNoun, std::string_view frame) {
  static const std::string kZaiLi = std::string(cn::kZai) + "\\C\xC0\xEF";       // 在\C里
  static const std::string kZaiZhong = std::string(cn::kZai) + "\\C\xD6\xD0";    // 在\C中
  Account(prep);
  const DepNode& p = Node(prep);
  std::string own = frame.empty() ? ChooseEquivalent(prep, cat::kPrep, 0) : std::string(frame);
  if (p.depCount != 1) {
    if (p.depCount == 0) {
      sink_.Diagnose("prep/conj should and can have only 1 dependent!");
      return InsertComplement(own, "");
    }
    sink_.Diagnose("prep/conj should and can have only 1 dependent!");
  }
  const int obj = p.deps[0];
  // A wh-object with its clause: "for what he did" 为他所做的.
  if (Node(obj).category == cat::kWh && HasDepWithRelation(*tree_, obj, rclause)) {
    std::string clause;
    const std::vector<int> whDeps = DepsOf(obj);
    Account(obj);
    for (int d : whDeps) clause += GenerateNode(d);
    if (IsWordText(obj, "what")) clause += cn::kDe;
    else if (IsWordText(obj, "whoever")) clause += cn::kRenHeRen;
    for (std::size_t k = 1; k < static_cast<std::size_t>(p.depCount); ++k) clause += GenerateNode(p.deps[k]);
    return InsertComplement(own, clause);
  }
  std::string object = GenerateNode(obj);
  for (std::size_t k = 1; k < static_cast<std::size_t>(p.depCount); ++k) object += GenerateNode(p.deps[k]);

  const bool number = Node(obj).category == cat::kNum;
  const std::string_view objText = state_.textPool.Get(Word(obj).text);
  const bool year = number && objText.size() == 4 && objText[0] >= '1' && objText[0] <= '2' &&
                    objText.find_first_not_of("0123456789") == std::string_view::npos;
  bool timeObject = false;
  if (Node(obj).category == cat::kN)
    if (const NounFields* n = KnownNoun(obj))
      for (std::uint8_t k : n->classes) timeObject = timeObject || k == 2;
  if (year) object += cn::kNian;
  // A number or a clock time "around" or "about" is approximate (11:00左右,
  // 20人左右); "over" a number is more than it (超过20年).
  bool counted = number;
  if (Node(obj).category == cat::kN)
    for (int d : DepsOf(obj)) counted = counted || (d < obj && Node(d).category == cat::kNum);
  if ((counted || timeObject) && !modifiesNoun) {
    if (IsWordText(prep, "around")) return object + "\xD7\xF3\xD3\xD2";  // 左右
    if (IsWordText(prep, "over") && counted) return "\xB3\xAC\xB9\xFD" + object;  // 超过
  }
  // The place frame 在\C里 (in), 在\C上 (on): a time or a number takes the
  // bare 在.
  const std::size_t slot = FindSlotMarker(own);
  // A place that is a name (东京), a place word (那里) or already ends in the
  // frame's 里/上 takes the bare 在 too (在东京, 在那里).
  bool bare = year || number || timeObject;
  if (StartsWith(own, cn::kZai) && slot == 2 && own.size() == 6) {
    const std::string_view suffix = std::string_view(own).substr(4);
    const Category oc = Node(obj).category;
    if (oc == cat::kAdv || EndsWithChar(object, suffix) || EndsWithChar(object, "\xC0\xEF")) bare = true;  // 里
    if (oc == cat::kN && Node(obj).depCount == 0) {
      const NounFields* n = KnownNoun(obj);
      if (n != nullptr ? HasNounCode(n->codes, nc::PN) : (Flags(obj) & wf::WF_NOTFOUND) != 0) bare = true;
    }
    if (oc == cat::kN && NamesAPlace(obj)) bare = true;
  }
  if (bare && StartsWith(own, cn::kZai) && slot == 2 && own.size() == 6) own = std::string(cn::kZai) + "\\C";
  else if (IsWordText(prep, "in") && own == kZaiLi && IsAbstractNoun(obj)) own = kZaiZhong;
  else if (IsWordText(prep, "in") && own == kZaiLi && IsSurfaceNoun(obj)) own = std::string(cn::kZai) + "\\C\xC9\xCF";  // 在\C上
  if (modifiesNoun) {
    if (IsWordText(prep, "from")) own = "\xC0\xB4\xD7\xD4\\C";  // 来自
    else if (IsWordText(prep, "with")) own = std::string(cn::kYou) + "\\C";
    else if (StartsWith(own, cn::kZai) && FindSlotMarker(own) == 2 && own.size() > 4) own = own.substr(2);
    else if (StartsWith(own, cn::kZai) && own == std::string(cn::kZai) + "\\C") own = "\\C";
  }
  return InsertComplement(own, object);
}

}  // namespace wb
