// The node generator: the text of one node and everything that depends on
// it, by the category the parse gave the word. Nouns and clauses have files
// of their own; the small categories are here.

#include <algorithm>
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

constexpr int kLongWhenClause = 9;  // words, "when" included

namespace {

inline constexpr std::string_view kDiagOneDependent = "prep/conj should and can have only 1 dependent!";
inline constexpr std::string_view kDiagWhDependents = "wh has too much dependents!";
inline constexpr std::string_view kDiagWeirdAnd = "\"and\" has weird dependents!";

// Deeper than any tree of 50 words can be: a node met again at this depth
// belongs to a damaged tree and is left out.
constexpr int kMaxDepth = 2 * kMaxWords + 2;

}  // namespace

Generator::Generator(SentenceContext& sentence, GenerationMemory& memory)
    : sentence_(sentence), state_(sentence.State()), memory_(memory) {}

WordFlags Generator::Flags(int pos) const { return FlagsOf(state_, pos); }

bool Generator::IsWordText(int pos, std::string_view text) const {
  return pos >= 1 && pos <= state_.sentenceLen && sentence_.WordText(pos) == text;
}

bool Generator::Known(int pos) const { return IsKnownWord(state_, pos); }

// The fields of a known word's first noun sense, or nullptr.
const NounFields* Generator::KnownNoun(int pos) const {
  if (!Known(pos)) return nullptr;
  const Sense* s = FirstSenseOf(pos, cat::kN);
  return s ? s->Noun() : nullptr;
}

const Sense* Generator::FirstSenseOf(int pos, Category c) const { return FindSense(state_, pos, c); }

std::vector<int> Generator::DepsOf(int pos) const {
  const DepNode& n = Node(pos);
  std::vector<int> deps;
  deps.reserve(n.depCount);
  for (int k = 0; k < n.depCount && k < MAXDNO; ++k) deps.push_back(n.deps[static_cast<std::size_t>(k)]);
  // The parse lists dependents in the order it attached them; generation
  // places them by where they stand in the sentence.
  std::sort(deps.begin(), deps.end());
  return deps;
}

std::string Generator::GenerateNode(int pos) {
  if (pos < 1 || pos > state_.sentenceLen || depth_ > kMaxDepth) return {};
  if (silenced_[static_cast<std::size_t>(pos)]) {
    Account(pos);
    return {};
  }
  ++depth_;
  std::string text;
  if (const std::string_view fixed = fixedText_[static_cast<std::size_t>(pos)]; !fixed.empty()) {
    text = GenerateDepsThen(pos, fixed);
  } else if (Node(pos).depCount == 0) {
    text = GenerateLeaf(pos);
  } else {
    text = GenerateWithDeps(pos);
  }
  Account(pos);
  // A coordination partner follows (猫和狗).
  if (const int partner = Node(pos).partner; partner != 0 && partner != pos && Node(partner).head == pos)
    text += GenerateNode(partner);
  text = WithMarks(pos, std::move(text));
  --depth_;
  return text;
}

// A node in quotes or brackets is written within Chinese ones; the marks
// and the words of a multi-word phrase hang on the node without being its
// dependents, and are accounted for with it.
std::string Generator::WithMarks(int pos, std::string text) {
  for (int i = 1; i <= state_.sentenceLen; ++i) {
    if (i == pos || Node(i).head != pos || Node(pos).partner == i) continue;
    bool listed = false;
    for (int k = 0; k < Node(pos).depCount; ++k) listed = listed || Node(pos).deps[static_cast<std::size_t>(k)] == i;
    if (!listed && !Accounted(i) && Node(i).depCount == 0) Account(i);
  }
  const int marks = Node(pos).marks & 7;
  if (marks == 1) return std::string(cn::kOpenQuote) + text + std::string(cn::kCloseQuote);
  if (marks == 2) return std::string(cn::kOpenParen) + text + std::string(cn::kCloseParen);
  return text;
}

std::string Generator::GenerateLeaf(int pos) {
  const DepNode& n = Node(pos);
  switch (n.category) {
    case cat::kComma:
      if (n.head == 0 && LoneListComma(pos)) {
        Account(pos);
        return std::string(cn::kEnumComma);
      }
      return InsertComplement(ChooseEquivalent(pos, n.category, 0), "");
    case cat::kN: {
      // A plural asks for a countable sense, a bare singular outside a noun
      // compound for an uncountable one.
      int required = kAnyNounCode;
      if ((Flags(pos) & wf::PLURAL) != 0 && (Flags(pos) & wf::SINGULAR) == 0) required = nc::C;
      else if (Flags(pos) == 0 && !HeadCategoryIs(*tree_, pos, cat::kN)) required = nc::U;
      return ChooseEquivalent(pos, cat::kN, required);
    }
    case cat::kV:
      return GenerateVerbLeaf(pos);
    case cat::kBe:
      return GenerateClause(pos);
    case cat::kWh:
      return GenerateWhLeaf(pos);
    case cat::kConj:
    case cat::kPrep:
      sink_.Diagnose(kDiagOneDependent);
      return InsertComplement(ChooseEquivalent(pos, n.category, 0), "");
    case cat::kAnd:
      return InsertComplement(ChooseEquivalent(pos, n.category, 0), "");
    case cat::kPron:
    case cat::kDet:
      // "they", "them", "their" for things are 它们 (它们的).
      if ((IsWordText(pos, "they") || IsWordText(pos, "them")) && StandsForThings(pos)) {
        Account(pos);
        return "\xCB\xFC\xC3\xC7";  // 它们
      }
      if (IsWordText(pos, "their") && StandsForThings(pos)) {
        Account(pos);
        return "\xCB\xFC\xC3\xC7\xB5\xC4";  // 它们的
      }
      return InsertComplement(ChooseEquivalent(pos, n.category, 0), "");
    default:
      return InsertComplement(ChooseEquivalent(pos, n.category, 0), "");
  }
}

// Whether a plural pronoun stands for things: the nearest plural noun
// before it names no person, people or animal ("The plants are poisonous,
// so no dinosaur ate them").
bool Generator::StandsForThings(int pos) const {
  for (int d = pos - 1; d >= 1; --d) {
    if (Node(d).category != cat::kN) continue;
    if ((Flags(d) & wf::PLURAL) == 0 || !Known(d)) continue;
    const NounFields* n = KnownNoun(d);
    if (n == nullptr || HasNounCode(n->codes, nc::PN)) return false;
    if (n->classes[0] == 2 || n->classes[0] == 16) continue;  // "after two years", "millions": no antecedent
    for (std::uint8_t k : n->classes)
      if (k == 4 || k == 5 || k == 10) return false;  // animal, human, group
    return true;
  }
  return false;
}

// A verb alone: intransitive when it can be; after "to" on a noun, or as a
// participle by its head, transitive; after "and", the code of the verb
// the coordination hangs on.
std::string Generator::GenerateVerbLeaf(int pos) {
  const DepNode& n = Node(pos);
  const WordFlags f = Flags(pos);
  if (n.head != 0 && (f & wf::ING) != 0 && (f & wf::S) == 0 && (n.head == pos + 1 || n.head == pos - 1)) {
    bool found = false;
    std::string p = Participle(pos, found);
    if (found) return p;
  }
  // A verb without dependents is a clause of its own when it is a root or
  // a conjunct: its marks (了, 没) come from the clause assembly.
  if (n.head == 0) return GenerateClause(pos);
  VerbCodeChoice codes;
  if (n.relation == renmod) codes.codes = {vc::t1, -1, -1, -1};
  else if (HasVerbCode(state_, pos, vc::i0)) codes.codes = {vc::i0, vc::t1, -1, -1};
  else codes.codes = {vc::t1, -1, -1, -1};
  const DepNode& h = Node(n.head);
  if (h.category == cat::kTo && h.head != 0 && Node(h.head).category == cat::kN && HasVerbCode(state_, pos, vc::t1)) {
    codes.codes = {vc::t1, -1, -1, -1};
  } else if (h.category == cat::kAnd && !HasVerbCode(state_, pos, vc::i0)) {
    const int over = h.head;
    if (over != 0 && Node(over).category == cat::kV) {
      codes = VerbComplementPattern(state_, *tree_, over);
    } else {
      codes.codes = {vc::t1, -1, -1, -1};
    }
  } else if ((n.head == pos + 1 || n.head == pos - 1) && (f & wf::EN) != 0) {
    codes.codes = {vc::t1, vc::i0, -1, -1};
  }
  Account(pos);
  return InsertComplement(VerbEquivalent(pos, codes), "");
}

// The -ing form by its head takes the rendering stored for it with one of
// the verb's senses, when there is one.
std::string Generator::Participle(int pos, bool& found) {
  found = false;
  const WordRecord& w = Word(pos);
  for (int k = 0; k < w.senseCount; ++k) {
    const std::size_t at = static_cast<std::size_t>(w.firstSense) + static_cast<std::size_t>(k);
    if (at >= state_.senseTable.size() || state_.senseTable[at] == nullptr) break;
    const VerbFields* v = state_.senseTable[at]->Verb();
    if (v == nullptr) continue;
    for (const std::string& r : v->renderings)
      if (!r.empty() && static_cast<std::uint8_t>(r[0]) == rendering::kVmot) {
        found = true;
        return r.substr(1);
      }
  }
  return {};
}

// A wh-word without dependents. In a relative clause (the head it had in
// the parse is a noun) "who", "which", "that", "where" and "when" only join
// the clause to its noun and are not written, "whose" is 其; everywhere
// else it is the question word, in a question or in a clause that asks
// ("I know who did it": 我知道谁做了它).
std::string Generator::GenerateWhLeaf(int pos) {
  const DepNode& n = Node(pos);
  const Category saved = n.genCode != 0 ? Node(n.genCode).category : cat::kNone;
  const bool relative = saved == cat::kN || saved == cat::kPron || saved == cat::kNum;
  if (!relative) {
    if (!InQuestion() && n.head == 0) {
      if (IsWordText(pos, "which")) return std::string(cn::kQi);
      if (IsWordText(pos, "who")) return {};
    }
    // ", which made her angry": "which" after a comma speaks of what was
    // just said (，这使她生气).
    if (!InQuestion() && IsWordText(pos, "which") && pos > 1 && sentence_.WordText(pos - 1) == ",")
      return std::string(cn::kZhe);
    std::string own = ChooseEquivalent(pos, cat::kWh, 0);
    if (own == cn::kNa && n.depCount == 0) own += cn::kGe;  // "Which is better?" 哪个
    return own;
  }
  if (IsWordText(pos, "whose")) return std::string(cn::kQi);
  if (IsWordText(pos, "what") || IsWordText(pos, "whatever") || IsWordText(pos, "whoever") ||
      IsWordText(pos, "how") || IsWordText(pos, "why"))
    return ChooseEquivalent(pos, cat::kWh, 0);
  return {};
}

std::string Generator::GenerateWithDeps(int pos) {
  const Category c = Node(pos).category;
  switch (c) {
    case cat::kN:
      return GenerateNoun(pos);
    case cat::kV:
    case cat::kBe:
      return GenerateClause(pos);
    case cat::kComma: {
      std::string own = ChooseEquivalent(pos, c, 0);
      // A comma in a list of things is Chinese's enumeration mark (猫、狗和鸟).
      if (sentence_.WordText(pos) == "," && ListsThings(pos)) own = cn::kEnumComma;
      std::string text;
      for (int d : DepsOf(pos)) {
        if (Node(d).relation == rcon && !text.empty()) text += own;
        text += GenerateNode(d);
      }
      if (Node(pos).depCount == 1 && Node(Node(pos).deps[0]).relation == rcon) text = own + text;
      return text;
    }
    case cat::kConj: {
      if (Node(pos).depCount != 1) sink_.Diagnose(kDiagOneDependent);
      std::string dep;
      for (int d : DepsOf(pos)) dep += GenerateNode(d);
      std::string own = ChooseEquivalent(pos, c, 0);
      if (IsContrastingWhile(pos))
        own = std::string(sentence_.WordText(pos - 1) == "," ? "" : cn::kComma) + "\xB6\xF8\\C";  // ，而
      // A long "when" clause closes with the written 时 rather than the
      // spoken 的时候 (在响应警报并封锁道路时).
      constexpr std::string_view kDeShiHou = "\xB5\xC4\xCA\xB1\xBA\xF2";  // 的时候
      if (IsWordText(pos, "when") && SubtreeSize(pos) > kLongWhenClause && own.size() >= kDeShiHou.size() &&
          std::string_view(own).substr(own.size() - kDeShiHou.size()) == kDeShiHou)
        own.replace(own.size() - kDeShiHou.size(), kDeShiHou.size(), "\xCA\xB1");  // 时
      std::string text = InsertComplement(own, dep);
      // An opening clause is set off from the main clause, and so is a
      // clause that turns against the one before it (……，但她没来).
      if (Node(pos).head != 0 && pos < Node(pos).head) text += cn::kComma;
      if (Node(pos).head != 0 && pos > Node(pos).head && TurnsOrConcludes(pos) && sentence_.WordText(pos - 1) != ",")
        text.insert(0, cn::kComma);
      return text;
    }
    case cat::kNum:
      return GenerateNum(pos);
    case cat::kPrep:
      return PrepPhrase(pos, false);
    case cat::kTo:
      return GenerateDepsThen(pos, {}).insert(0, ChooseEquivalent(pos, c, 0));
    case cat::kThat:
      // "That's my opinion": a "that" opening the sentence with the clause
      // hung on it is the clause's subject, 那 (那是我的意见).
      if (pos == 1 && Node(pos).head == 0 && !HasDepWithRelation(*tree_, Node(pos).deps[0], rsub))
        return GenerateDepsThen(pos, {}).insert(0, "\xC4\xC7");  // 那
      return GenerateDepsThen(pos, ChooseEquivalent(pos, c, 0));
    case cat::kWh:
      return GenerateWh(pos);
    case cat::kAnd:
      return GenerateAnd(pos);
    default:
      return GenerateDepsThen(pos, ChooseEquivalent(pos, c, 0));
  }
}

// The dependents in order, then the node's own text; a text with a slot
// takes them in it.
std::string Generator::GenerateDepsThen(int pos, std::string_view own) {
  std::string deps;
  for (int d : DepsOf(pos)) deps += GenerateNode(d);
  Account(pos);
  if (FindSlotMarker(own) != std::string_view::npos) return InsertComplement(own, deps);
  return deps + std::string(own);
}

// A numeral: with one adverb or noun dependent, that dependent first (大约
// 十); otherwise its later dependents from the last to the first (十个中的),
// then the earlier ones, then the number.
std::string Generator::GenerateNum(int pos) {
  const std::vector<int> deps = DepsOf(pos);
  std::string own = ChooseEquivalent(pos, cat::kNum, 0);
  Account(pos);
  if (deps.size() == 1 && (Node(deps[0]).category == cat::kAdv || Node(deps[0]).category == cat::kN))
    return GenerateNode(deps[0]) + own;
  std::string text;
  for (auto it = deps.rbegin(); it != deps.rend(); ++it)
    if (*it > pos) {
      std::string t = Node(*it).category == cat::kPrep ? PrepPhrase(*it, true) : GenerateNode(*it);
      text += t;
      if (!t.empty() && !EndsWithChar(text, cn::kDe)) text += cn::kDe;
    }
  for (int d : deps)
    if (d < pos) text += GenerateNode(d);
  return text + own;
}

// A wh-word with dependents: a question word with its clause, or a relative
// word with the clause that describes its noun.
std::string Generator::GenerateWh(int pos) {
  const std::vector<int> deps = DepsOf(pos);
  if (timeWhen_[static_cast<std::size_t>(pos)]) {
    Account(pos);
    std::string clause;
    for (int d : deps) clause += GenerateNode(d);
    return clause + "\xCA\xB1";  // 时
  }
  if (deps.size() > 2) sink_.Diagnose(kDiagWhDependents);
  std::string own = GenerateWhLeaf(pos);
  Account(pos);
  std::string text;
  const bool determiner = SenseFlagByte(state_, pos, cat::kWh) == wh_class::kDeterminer ||
                          SenseFlagByte(state_, pos, cat::kWh) == wh_class::kPossessive;
  // "which book", "what time": the word before its noun; 哪 counts with the
  // noun's classifier (哪本书).
  for (int d : deps)
    if (Node(d).category == cat::kN && determiner) {
      const std::string noun = GenerateNode(d);
      if (own == cn::kNa) own += ClassifierText(d);
      own += noun;
    }
  bool infinitive = false;
  for (int d : deps) {
    if (Node(d).category == cat::kN && determiner) continue;
    infinitive = infinitive || (Node(d).category == cat::kTo && d > pos);
    text += GenerateNode(d);
  }
  // "which" with no noun of its own asks for one of them: 哪个.
  if (own == cn::kNa) own += cn::kGe;
  // "what to do", "where to go": the thing or place asked for is the
  // infinitive's object (做什么, 去哪里); "how to", "when to", "why to" ask
  // before the verb (怎么做).
  const std::string_view w = sentence_.WordText(pos);
  if (infinitive && (w == "what" || w == "where" || w == "which" || w == "who" || w == "whom"))
    return text + own;
  // A relative clause: the clause then nothing (the noun adds 的); a
  // question word standing first: the word and its clause.
  return own + text;
}

// Whether the comma at pos joins a list of things: its conjuncts are nouns,
// pronouns or numbers (a list inside the list counts by its own first).
bool Generator::ListsThings(int pos) const {
  int first = pos;
  for (int guard = 0; guard < 8 && Node(first).category == cat::kComma; ++guard) {
    int next = 0;
    for (int k = 0; k < Node(first).depCount && next == 0; ++k) {
      const int d = Node(first).deps[static_cast<std::size_t>(k)];
      if (Node(d).relation == rcon) next = d;
    }
    if (next == 0) return false;
    first = next;
  }
  const Category c = Node(first).category;
  return c == cat::kN || c == cat::kPron || c == cat::kNum;
}

// A comma the parse left on its own between two nouns, where the noun after
// it goes on with "and" or another comma ("cats, dogs and birds"): it parts
// the things of a list, 、 in Chinese (猫、狗和鸟).
bool Generator::LoneListComma(int pos) const {
  if (sentence_.WordText(pos) != "," || pos <= 1 || pos >= state_.sentenceLen) return false;
  const Category before = Node(pos - 1).category;
  if (before != cat::kN && before != cat::kPron) return false;
  const int next = RootOf(*tree_, pos + 1);
  if (Node(next).category != cat::kN) return false;
  if (const int partner = Node(next).partner; partner > next && Node(partner).category == cat::kAnd) return true;
  for (int d : DepsOf(next))
    if (d > next && Node(d).category == cat::kAnd) return true;
  int after = pos + 1;
  while (after <= state_.sentenceLen && RootOf(*tree_, after) == next) ++after;
  return after <= state_.sentenceLen && sentence_.WordText(after) == ",";
}

// Whether the last conjunct of a list is an action without a subject of its
// own ("sang, danced, and laughed"), which keeps its 并且.
bool Generator::ListsActions(int last) const {
  const Category c = Node(last).category;
  return (c == cat::kV || c == cat::kBe) && !HasDepWithRelation(*tree_, last, rsub);
}

// The conjunctions whose clause answers the one before it, set off by a
// comma in Chinese: "but", "yet", "so", "whereas", "so that".
bool Generator::TurnsOrConcludes(int pos) const {
  static constexpr std::string_view kWords[] = {"but", "yet", "so", "whereas", "so that"};
  for (std::string_view w : kWords)
    if (IsWordText(pos, w)) return true;
  return false;
}

// "Tom likes tea, while Mary likes coffee": a "while" clause after the
// clause it answers sets one against the other (，而玛丽喜欢咖啡); before
// it, "while" is the time of the main clause (他在伦敦时).
bool Generator::IsContrastingWhile(int pos) const {
  if (!IsWordText(pos, "while") || Node(pos).depCount != 1) return false;
  const int clause = Node(pos).deps[0];
  if (!HasDepWithRelation(*tree_, clause, rsub)) return false;
  const int head = Node(pos).head;
  return head != 0 ? pos > head : pos > 1 && sentence_.WordText(pos - 1) == ",";
}

// "and": 和 between nouns, pronouns and numbers, 并 between verbs, a comma
// before a clause with a subject of its own (他来了，她走了), 并且 elsewhere.
std::string Generator::GenerateAnd(int pos) {
  std::vector<int> deps = DepsOf(pos);
  Account(pos);
  // ", and" closing a list of things ("the cat, the dog, and the bird"): the
  // comma before "and" says nothing of its own in Chinese (猫、狗和鸟).
  const int head = Node(pos).head;
  const bool afterThing = head != 0 && head < pos && Node(pos).relation == rcon &&
                          (Node(head).category == cat::kN || Node(head).category == cat::kPron);
  if (afterThing && deps.size() > 1 && deps[0] == pos - 1 && Node(deps[0]).category == cat::kComma &&
      Node(deps[0]).depCount == 0) {
    Account(deps[0]);
    deps.erase(deps.begin());
  }
  std::string own;
  if (IsWordText(pos, "and") || IsWordText(pos, "&")) {
    const Category first = Node(deps[0]).category;
    if (first == cat::kNum || first == cat::kN || first == cat::kPron || (first == cat::kComma && ListsThings(deps[0])))
      own = cn::kHe;
    else if (first == cat::kV || first == cat::kBe)
      // A second action with words of its own after it is set off by a
      // comma too (她打开了门，并向外看); a bare verb joins with 并 alone.
      own = HasDepWithRelation(*tree_, deps.back(), rsub) ? std::string(cn::kComma)
            : SubtreeSize(deps.back()) >= 3 ? std::string(cn::kComma) + std::string(cn::kBing)
                                            : std::string(cn::kBing);
    else if (first == cat::kComma && !ListsActions(deps.back()))
      own.clear();  // ", and" before a clause or a description: the comma alone (……，唯一的……)
    else
      own = cn::kBingQie;
  } else {
    own = InsertComplement(ChooseEquivalent(pos, cat::kAnd, 0), "");
    // "but" between two clauses turns on a comma in Chinese (他来了，但她没来).
    const Category first = Node(deps[0]).category;
    if (IsWordText(pos, "but") && (first == cat::kV || first == cat::kBe)) own = std::string(cn::kComma) + own;
  }
  if (deps.size() == 1) return own + GenerateNode(deps[0]);
  // An "and" with dependents of no known shape: a list the parse built oddly
  // is still worth its words, so the texts are joined in order (the
  // diagnostic says so) rather than the sentence being given up.
  if (Node(deps[0]).category != cat::kComma) sink_.Diagnose(kDiagWeirdAnd);
  std::string text = GenerateNode(deps[0]) + own;
  for (std::size_t k = 1; k < deps.size(); ++k) text += GenerateNode(deps[k]);
  return text;
}


}  // namespace wb
