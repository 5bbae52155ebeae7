#include "engine/analysis/word_rules.h"

#include <algorithm>
#include <array>
#include <string>

namespace wb {

namespace {

constexpr std::array<CategoryPreference, 22> kPreferences = {{
    {"all", cat::kDet, 2},     {"any", cat::kN, -2},     {"be", cat::kAux, 0},     {"can", cat::kN, -2},
    {"do", cat::kV, -2},       {"father", cat::kV, -2},  {"for", cat::kConj, -2},  {"her", cat::kPron, -2},
    {"his", cat::kPron, -2},   {"just", cat::kAdj, -2},  {"like", cat::kConj, -2}, {"more", cat::kN, -2},
    {"no", cat::kAdv, -2},     {"other", cat::kDet, 2},  {"own", cat::kDet, 1},    {"shop", cat::kV, -2},
    {"still", cat::kAdj, -2},  {"that", cat::kPron, -2}, {"this", cat::kPron, -2}, {"time", cat::kN, 2},
    {"well", cat::kN, -3},     {"will", cat::kN, -2},
}};

constexpr bool Sorted() {
  for (std::size_t i = 1; i < kPreferences.size(); ++i)
    if (!(kPreferences[i - 1].headword < kPreferences[i].headword)) return false;
  return true;
}
static_assert(Sorted(), "the preference table is searched in byte order");

constexpr std::array<WordRule, 14> kRules = {{
    {"do",
     "if pattern( ~(&ING) ) then ^(~(v)) else if pattern ( ~(&EN) ) then ^(~(v)) else if pattern( ~ not X(+v) ) "
     "then ^ (~(aux), 1(adv), 2(v))"},
    {"that", "if pattern ( ~ the ) then ^ (~(that)) else if pattern( ~ his) then ^(~(that))"},
    {"one", "if pattern( ~ of) then ^(~(n))"},
    {"need", "if pattern( ~(&PAST) ) then ^(~(v) )"},
    {"about", "if pattern( ~ X(+num) ) then ^(~(adv))"},
    {"there",
     "if pattern( ~ X(+be) ) then if pattern ( 2(=no) 3(&ING) )      then ^ ( 2(=can't), ~(<2) )      else ^ "
     "(~(there), 1(be))"},
    {"this", "if pattern ( ~ the ) then ^ (~(pron))"},
    {"his", "if pattern ( ~ the ) then ^ (~(pron))"},
    {"present", "if pattern( X(*human) ~ ) then ^ (~(adj))"},
    {"all",
     "if pattern( X(+be) ~) then ^ ( ~(adv) ) else if pattern ( ~ of ) then ^ ( ~(n), 1(prep)) else if pattern ( ~ "
     "about ) then ^ ( ~(n), 1(prep)) else if pattern( ~ X(+adj) Y(+n) ) then ^ (~(det))"},
    {"as",
     "if pattern( ~ X(+adj) as )then if pattern( 4(+aux) )then ^(2(=like), 2(conj), ~(<1))else ^(2(=like), "
     "~(<1))"},
    {"so", "if pattern ( ~ 2(=that) ) then ^(~(adv), 2(that))"},
    {"quite", "if pattern( ~ X(+adj) ) then ^(~(adv))"},
    {"the most", "if pattern( ~ X(+adj) ) then ^(~(adv))"},
}};

}  // namespace

std::span<const CategoryPreference> PreferenceTable() { return kPreferences; }

const CategoryPreference* FindPreference(std::string_view headword) {
  // The table is walked from the top while the headword sorts after the
  // row's; the row where the walk stops either is the headword or is none.
  const auto it = std::lower_bound(kPreferences.begin(), kPreferences.end(), headword,
                                   [](const CategoryPreference& p, std::string_view h) { return p.headword < h; });
  return it != kPreferences.end() && it->headword == headword ? &*it : nullptr;
}

std::span<const WordRule> WordRuleTable() { return kRules; }

std::string_view WordRuleFor(std::string_view headword) {
  for (const WordRule& r : kRules)
    if (r.headword == headword) return r.text;
  return {};
}

WordRules::WordRules(SentenceContext& sentence, const Lexicon* lexicon)
    : sentence_(sentence), hooks_(sentence, lexicon) {}

void WordRules::RunWordRules(int pos) {
  SentenceState& s = sentence_.State();
  if (pos < 1 || pos > s.sentenceLen) return;
  const std::string_view headword = sentence_.WordText(pos);
  WordRecord& w = s.words[static_cast<std::size_t>(pos)];
  if (const CategoryPreference* p = FindPreference(headword)) {
    w.prefCat = p->category;
    w.prefScore = p->score;
  } else {
    w.prefCat = 0;
  }
  int result = 0;
  if (const std::string_view rule = WordRuleFor(headword); !rule.empty())
    result = RunRule(pos, rule);
  else if (sentence_.HasCategory(pos, cat::kAux))
    AuxRule(pos);
  if (result != 0) sentence_.InternalError("usage format error " + std::to_string(result));
}

WordFlags WordRules::Flags(int pos) const {
  const SentenceState& s = sentence_.State();
  return pos >= 1 && pos <= s.sentenceLen ? s.words[static_cast<std::size_t>(pos)].flags : 0;
}

bool WordRules::Has(int pos, WordFlags mask) const { return (Flags(pos) & mask) != 0; }

void WordRules::AuxRule(int i) {
  SentenceState& s = sentence_.State();
  const std::string_view h = sentence_.WordText(i);
  const bool hasNext = i < s.sentenceLen;
  const int next = i + 1;
  if (h == "have") {
    if (hasNext && Has(next, wf::EN)) {
      if (sentence_.WordText(next) == "be") {
        if (next < s.sentenceLen && (Has(i + 2, wf::ED | wf::EN) || Flags(i + 2) == wf::ING)) {
          Make(i, cat::kAux);
          Make(next, cat::kAux);
        }
      } else {
        Make(i, cat::kAux);
        Make(next, cat::kV);
      }
    } else if (next < s.sentenceLen && sentence_.HasCategory(next, cat::kAdv) && Has(i + 2, wf::EN) &&
               sentence_.HasCategory(i + 2, cat::kV)) {
      Make(i, cat::kAux);
      Make(i + 2, cat::kV);
    }
  } else if (h == "be") {
    if (!hasNext) return;
    if (!Has(next, wf::ING | wf::ED | wf::EN) && s.words[static_cast<std::size_t>(next)].catCount > 1) {
      sentence_.DropCategory(next, cat::kV);
    } else if (Has(next, wf::ING)) {
      Make(i, cat::kAux);
      Make(next, sentence_.WordText(next) == "be" ? cat::kAux : cat::kV);
    } else if (Has(next, wf::EN)) {
      s.words[static_cast<std::size_t>(i)].prefScore = 3;
    }
  } else if (h == "will") {
    if (i == 1 && s.endPunct == '?') Make(i, cat::kAux);
  } else if (h == "can") {
    if (!hasNext) return;
    if (Flags(next) == wf::SINGULAR)
      Make(i, cat::kN);
    else if (Flags(next) == wf::WF_VERB)
      Make(i, cat::kAux);
  }
}

}  // namespace wb
