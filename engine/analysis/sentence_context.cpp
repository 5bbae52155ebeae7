#include "engine/analysis/sentence_context.h"

#include "engine/analysis/lexicon.h"

namespace wb {

void SentenceContext::Diagnostic(std::string_view message) const {
  if (diagnostics_) diagnostics_(message);
}

void SentenceContext::ReportError(std::string_view message) {
  std::string line = "ERROR: ";
  line += message;
  Diagnostic(line);
  throw SentenceAbandoned(line);
}

void SentenceContext::InternalError(std::string_view message) {
  std::string line = "Internal error: ";
  line += message;
  Diagnostic(line);
  throw SentenceAbandoned(line);
}

std::string_view SentenceContext::WordText(int pos) const {
  if (pos < 1 || pos > state_.sentenceLen) return {};
  const WordRecord& w = state_.words[static_cast<std::size_t>(pos)];
  if ((w.flags & wf::WF_NOTFOUND) == 0 && w.entry != nullptr) return w.entry->headword;
  return state_.textPool.Get(w.baseText);
}

void SentenceContext::KeepCategories(int pos, CategorySet keep) {
  if (pos < 1 || pos > state_.sentenceLen) return;
  WordRecord& w = state_.words[pos];
  int k = 1;
  while (k <= w.catCount) {
    Category c = w.cats[k];
    if (c >= 32 || (keep & CatBit(c)) == 0) {
      w.cats[k] = w.cats[w.catCount];
      --w.catCount;
    }
    ++k;
  }
  if (w.catCount == 0) w.catCount = 1;
}

void SentenceContext::DropCategory(int pos, Category c) {
  if (pos < 1 || pos > state_.sentenceLen) return;
  WordRecord& w = state_.words[pos];
  int k = 1;
  while (k <= w.catCount) {
    if (w.cats[k] == c) {
      w.cats[k] = w.cats[w.catCount];
      --w.catCount;
    }
    ++k;
  }
}

bool SentenceContext::MayBeVerb(int pos) const { return HasCategory(pos, cat::kBe) || HasCategory(pos, cat::kV); }

bool SentenceContext::HasCategory(int pos, Category c) const {
  if (pos < 1 || pos > state_.sentenceLen) return false;
  const WordRecord& w = state_.words[static_cast<std::size_t>(pos)];
  for (int k = 1; k <= w.catCount && k <= kMaxCats; ++k)
    if (w.cats[static_cast<std::size_t>(k)] == c) return true;
  return false;
}

bool SentenceContext::WordHasClass(int pos, int semanticClass) const {
  if (pos < 1 || pos > state_.sentenceLen) return false;
  const WordRecord& w = state_.words[static_cast<std::size_t>(pos)];
  if ((w.flags & wf::WF_NOTFOUND) != 0 || w.entry == nullptr) return semanticClass == 0;
  for (const Sense& s : w.entry->senses) {
    if (s.category == cat::kPron) return semanticClass == kPronounClass;
    if (const NounFields* n = s.Noun(); n != nullptr && s.category == cat::kN)
      for (std::uint8_t c : n->classes)
        if (c == semanticClass) return true;
  }
  return false;
}

void SentenceContext::AddSense(WordRecord& w, const Sense& s, Category c) {
  bool listed = false;
  for (int k = 1; k <= w.catCount && k <= kMaxCats; ++k) listed = listed || w.cats[static_cast<std::size_t>(k)] == c;
  if (!listed) {
    if (w.catCount >= kMaxCats) InternalError("cats overflow");
    w.cats[++w.catCount] = c;
  }
  if (state_.senseCount >= kMaxSenses || w.senseCount == 255) InternalError("senses too small");
  if (w.senseCount == 0) w.firstSense = static_cast<std::uint8_t>(state_.senseCount);
  ++w.senseCount;
  state_.senseTable[static_cast<std::size_t>(state_.senseCount++)] = &s;
}

}  // namespace wb
