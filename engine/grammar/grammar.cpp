#include "engine/grammar/grammar.h"

namespace wb {

namespace {

constexpr std::array<std::string_view, kPartOfSpeechCount> kPartOfSpeechNames = {
    "$",   "?",   "adj",  "adv", "as",  "aux", "be",   ",",     "conj",  // 0..8
    "det", "num", "if",   "n",   "prep", "pron", "that", "there", "^",   // 9..17
    "to",  "v",   "both", "wh",  "'s",  "and", "!",    "\"",    "intj",  // 18..26
};

constexpr std::array<std::string_view, kPhraseCategoryCount> kPhraseNames = {
    "AClause",  "Adjp",     "Advp",     "Adjunct",    "Adjuncts", "Ap",       "Clause",   "Command",
    "Dets",     "N0",       "Np",       "Npostmod",   "Ns",       "NToinf",   "Vsing",    "ObjComp",
    "NClause",  "PP",       "VBEing",   "PredAdjp",   "Preping",  "PPs",      "SA_Command", "SA_SimpD",
    "Sentence", "SimpQ",    "SimpD",    "Vsbase",     "Start",    "Subj",     "ThClause", "Toinf",
    "Toinf_Np", "VBE",      "Vs",       "Ven",        "Verb",     "Ving",     "Inf",      "Vp",
    "WhQ",      "WHX",      "WhClause", "WhPhrase",   "Vpostmod", "Adjp1",    "Adjunct1", "Vstense",
    "PredAp",   "Det1",
};

constexpr std::string_view kRefName = "REF";
constexpr std::string_view kUnknownName = "???";

constexpr std::array<std::string_view, kVerbCodeCount> kVerbCodeNames = {
    "i0",  "i2",  "i3", "i4", "i5a", "i6a", "i8",  "",    "",   "",    // 0..9
    "l1",  "l3",  "l4", "l5", "l6",  "l6a", "l7",  "l8",  "l9", "",    // 10..19
    "t1",  "t2",  "t3", "t4", "t5",  "t5a", "t6",  "t6a", "",   "",    // 20..29
    "d1",  "d5",  "d5a", "d6", "d6a", "",   "",    "",    "",   "",    // 30..39
    "v2",  "v3",  "v4", "v8", "",    "",    "",    "",    "",   "",    // 40..49
    "x1",  "x7",  "x9", "",   "?",   "?",   "?",   "?",   "?",  "?",   // 50..59
    "wv4", "wv5", "-",  "*",                                           // 60..63
};

constexpr std::array<std::string_view, kNounCodeCount> kNounCodeNames = {
    "C", "U", "CY", "PN", "LN", "NE", "IN", "-", "$", "+", "OF", "NG", "?", "?", "*", "?",
};

constexpr std::array<std::string_view, kRelationCount> kRelationNames = {
    "rmod", "rsub",  "robj1", "robj2",  "rpred",  "rclause", "rcmod",
    "rv2n", "rtomod", "rcon", "rfuzzy", "renmod", "rqmod",
};

// std::array fills missing initialisers with empty names; a name dropped from
// the middle of a table would shift all the codes after it.
template <std::size_t N>
constexpr bool NoneEmpty(const std::array<std::string_view, N>& names) {
  for (std::string_view n : names) {
    if (n.empty()) return false;
  }
  return true;
}
static_assert(NoneEmpty(kPartOfSpeechNames) && kPartOfSpeechNames[cat::kIntj] == "intj");
static_assert(NoneEmpty(kPhraseNames) && kPhraseNames[24] == "Sentence");
static_assert(NoneEmpty(kRelationNames) && kRelationNames[rqmod] == "rqmod");
static_assert(NoneEmpty(kNounCodeNames) && kNounCodeNames[nc::IN] == "IN");
static_assert(kVerbCodeNames[vc::l1] == "l1" && kVerbCodeNames[vc::t1] == "t1" && kVerbCodeNames[vc::d1] == "d1" &&
              kVerbCodeNames[vc::v2] == "v2" && kVerbCodeNames[vc::x1] == "x1" && kVerbCodeNames[vc::wv4] == "wv4" &&
              kVerbCodeNames[63] == "*");

// The grammar. Rules are grouped by dependent category, and within a group
// the order matters: the parser applies the first rule whose head category
// matches.
constexpr std::array<LinkRule, kLinkRuleCount> kLinkRules = {{
    {cat::kAdj, cat::kN, kEitherSide, rmod, 21},  // 1
    {cat::kAdj, cat::kBe, kAfterHead, rpred, 7},  // 2
    {cat::kAdj, cat::kV, kEitherSide, rpred, 7},  // 3
    {cat::kAdj, cat::kAnd, kAfterHead, rcon, 24},  // 4
    {cat::kAdj, cat::kWh, kAfterHead, rmod, 36},  // 5
    {cat::kAdv, cat::kAdj, kBeforeHead, rmod, 37},  // 6
    {cat::kAdv, cat::kV, kEitherSide, rmod, 28},  // 7
    {cat::kAdv, cat::kBe, kEitherSide, rmod, 16},  // 8
    {cat::kAdv, cat::kWh, kAfterHead, rmod, 40},  // 9
    {cat::kAdv, cat::kPrep, kAfterHead, rmod, 26},  // 10
    {cat::kAdv, cat::kNum, kBeforeHead, rmod, 30},  // 11
    {cat::kAux, cat::kV, kBeforeHead, rmod, 27},  // 12
    {cat::kAux, cat::kBe, kBeforeHead, rmod, 27},  // 13
    {cat::kBe, cat::kThat, kAfterHead, rclause, 2},  // 14
    {cat::kBe, cat::kWh, kAfterHead, rclause, 10},  // 15
    {cat::kBe, cat::kConj, kAfterHead, rclause, 20},  // 16
    {cat::kBe, cat::kTo, kAfterHead, rmod, 18},  // 17
    {cat::kBe, cat::kV, kAfterHead, rcmod, 4},  // 18
    {cat::kBe, cat::kAnd, kAfterHead, rcon, 24},  // 19
    {cat::kBe, cat::kPrep, kAfterHead, rcon, 13},  // 20
    {cat::kConj, cat::kV, kEitherSide, rmod, 9},  // 21
    {cat::kConj, cat::kBe, kEitherSide, rmod, 9},  // 22
    {cat::kConj, cat::kAnd, kEitherSide, rcon, 3},  // 23
    {cat::kDet, cat::kN, kBeforeHead, rmod, 34},  // 24
    {cat::kDet, cat::kV, kBeforeHead, rv2n, 5},  // 25
    {cat::kDet, cat::kBe, kBeforeHead, rmod, 5},  // 26
    {cat::kN, cat::kV, kEitherSide, rfuzzy, 1},  // 27
    {cat::kN, cat::kBe, kEitherSide, rfuzzy, 1},  // 28
    {cat::kN, cat::kPrep, kAfterHead, rmod, 13},  // 29
    {cat::kN, cat::kN, kBeforeHead, rmod, 23},  // 30
    {cat::kN, cat::kWh, kAfterHead, rmod, 12},  // 31
    {cat::kN, cat::kPoss, kBeforeHead, rmod, 3},  // 32
    {cat::kN, cat::kAnd, kAfterHead, rcon, 24},  // 33
    {cat::kN, cat::kNum, kBeforeHead, rmod, 29},  // 34
    {cat::kNum, cat::kN, kBeforeHead, rmod, 33},  // 35
    {cat::kNum, cat::kPrep, kAfterHead, rmod, 13},  // 36
    {cat::kNum, cat::kAnd, kEitherSide, rcon, 3},  // 37
    {cat::kNum, cat::kV, kEitherSide, rfuzzy, 1},  // 38
    {cat::kNum, cat::kBe, kEitherSide, rfuzzy, 1},  // 39
    {cat::kPoss, cat::kN, kBeforeHead, rmod, 11},  // 40
    {cat::kPrep, cat::kV, kEitherSide, rmod, 6},  // 41
    {cat::kPrep, cat::kN, kAfterHead, rmod, 32},  // 42
    {cat::kPrep, cat::kBe, kEitherSide, rmod, 6},  // 43
    {cat::kPrep, cat::kAnd, kAfterHead, rcon, 3},  // 44
    {cat::kPrep, cat::kNum, kAfterHead, rmod, 3},  // 45
    {cat::kPrep, cat::kWh, kAfterHead, rmod, 35},  // 46
    {cat::kPrep, cat::kPrep, kAfterHead, rmod, 38},  // 47
    {cat::kPron, cat::kV, kEitherSide, rfuzzy, 1},  // 48
    {cat::kPron, cat::kBe, kEitherSide, rfuzzy, 1},  // 49
    {cat::kPron, cat::kPrep, kAfterHead, rmod, 13},  // 50
    {cat::kPron, cat::kAnd, kAfterHead, rcon, 22},  // 51
    {cat::kThat, cat::kN, kAfterHead, rcmod, 41},  // 52
    {cat::kThat, cat::kV, kAfterHead, rcmod, 17},  // 53
    {cat::kThat, cat::kBe, kAfterHead, rcmod, 17},  // 54
    {cat::kThere, cat::kBe, kEitherSide, rsub, 25},  // 55
    {cat::kTo, cat::kV, kAfterHead, rtomod, 8},  // 56
    {cat::kTo, cat::kN, kAfterHead, rtomod, 31},  // 57
    {cat::kTo, cat::kBe, kAfterHead, rtomod, 8},  // 58
    {cat::kTo, cat::kWh, kAfterHead, rtomod, 3},  // 59
    {cat::kV, cat::kThat, kAfterHead, rclause, 20},  // 60
    {cat::kV, cat::kConj, kAfterHead, rclause, 20},  // 61
    {cat::kV, cat::kWh, kAfterHead, rclause, 10},  // 62
    {cat::kV, cat::kTo, kAfterHead, rmod, 18},  // 63
    {cat::kV, cat::kN, kEitherSide, rcmod, 15},  // 64
    {cat::kV, cat::kV, kEitherSide, rcmod, 4},  // 65
    {cat::kV, cat::kPrep, kAfterHead, rcmod, 13},  // 66
    {cat::kV, cat::kBe, kEitherSide, rcmod, 14},  // 67
    {cat::kV, cat::kAnd, kAfterHead, rcon, 24},  // 68
    {cat::kWh, cat::kV, kEitherSide, rcmod, 17},  // 69
    {cat::kWh, cat::kBe, kEitherSide, rcmod, 17},  // 70
    {cat::kWh, cat::kN, kAfterHead, rcmod, 19},  // 71
    {cat::kWh, cat::kPrep, kAfterHead, rcmod, 13},  // 72
    {cat::kWh, cat::kAnd, kAfterHead, rcon, 3},  // 73
}};

constexpr RuleIndex MakeRuleIndex() {
  RuleIndex index;
  for (int i = 0; i < kLinkRuleCount; ++i) {
    const Category dep = kLinkRules[i].dependent;
    if (dep >= kPartOfSpeechCount) continue;
    RuleRange& r = index.byDependent[dep];
    if (r.count == 0) r.first = i + 1;
    ++r.count;
  }
  return index;
}

// True when the rules of every dependent category stand together, which the
// index (a first rule and a count) relies on.
constexpr bool RulesAreGrouped() {
  for (int i = 1; i < kLinkRuleCount; ++i) {
    if (kLinkRules[i].dependent == kLinkRules[i - 1].dependent) continue;
    for (int j = 0; j < i - 1; ++j) {
      if (kLinkRules[j].dependent == kLinkRules[i].dependent) return false;
    }
  }
  return true;
}

constexpr bool RulesAreWellFormed() {
  for (const LinkRule& r : kLinkRules) {
    if (r.dependent >= kPartOfSpeechCount || r.head >= kPartOfSpeechCount) return false;
    if (r.direction > kEitherSide || r.relation >= kRelationCount || r.check > 41) return false;
  }
  return true;
}

static_assert(RulesAreGrouped(), "link rules must be grouped by dependent category");
static_assert(RulesAreWellFormed(), "a link rule has a field out of range");

constexpr RuleIndex kRuleIndex = MakeRuleIndex();

template <std::size_t N>
std::string CodesText(std::uint64_t codes, const std::array<std::string_view, N>& names) {
  std::string text;
  for (std::size_t k = 0; k < N; ++k) {
    if ((codes >> k) & 1u) {
      text += names[k];
      text += ',';
    }
  }
  if (!text.empty()) text.pop_back();
  return text;
}

}  // namespace

std::string_view CategoryName(Category c) {
  if (c < kPartOfSpeechCount) return kPartOfSpeechNames[c];
  if (c >= kFirstPhraseCategory && c < kFirstPhraseCategory + kPhraseCategoryCount) {
    return kPhraseNames[c - kFirstPhraseCategory];
  }
  if (c == cat::kRef) return kRefName;
  return kUnknownName;
}

Category CategoryCode(std::string_view name) {
  if (name.empty()) return cat::kNone;
  if (name == kRefName) return cat::kRef;
  if (name[0] >= 'A' && name[0] <= 'Z') {
    for (int i = 0; i < kPhraseCategoryCount; ++i) {
      if (kPhraseNames[i] == name) return static_cast<Category>(kFirstPhraseCategory + i);
    }
    return cat::kNone;
  }
  for (int i = 0; i < kPartOfSpeechCount; ++i) {
    if (kPartOfSpeechNames[i] == name) return static_cast<Category>(i);
  }
  return cat::kNone;
}

std::string_view VerbCodeName(int code) {
  return code >= 0 && code < kVerbCodeCount ? kVerbCodeNames[code] : std::string_view();
}

std::string_view NounCodeName(int code) {
  return code >= 0 && code < kNounCodeCount ? kNounCodeNames[code] : std::string_view();
}

std::string VerbCodesText(VerbCodeSet codes) { return CodesText(codes, kVerbCodeNames); }

std::string NounCodesText(NounCodeSet codes) { return CodesText(codes, kNounCodeNames); }

std::string_view RelationName(Relation r) {
  return r < kRelationCount ? kRelationNames[r] : kUnknownName;
}

const LinkRule* LinkRuleNumber(int n) {
  return n >= 1 && n <= kLinkRuleCount ? &kLinkRules[n - 1] : nullptr;
}

RuleIndex BuildRuleIndex() { return MakeRuleIndex(); }

RuleRange RulesFor(Category dependent) {
  return dependent < kPartOfSpeechCount ? kRuleIndex.byDependent[dependent] : RuleRange{};
}

int FindLinkRule(Category dependent, Category head) {
  const RuleRange r = RulesFor(dependent);
  for (int n = r.first; n < r.first + r.count; ++n) {
    if (kLinkRules[n - 1].head == head) return n;
  }
  return 0;
}

}  // namespace wb
