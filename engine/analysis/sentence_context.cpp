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

bool SentenceContext::MayBeVerb(int pos) const {
  if (pos < 1 || pos > state_.sentenceLen) return false;
  const WordRecord& w = state_.words[pos];
  for (int k = 1; k <= w.catCount; ++k)
    if (w.cats[k] == cat::kBe || w.cats[k] == cat::kV) return true;
  return false;
}

}  // namespace wb
