#include "engine/analysis/rule_hooks.h"

#include "engine/analysis/lexical_stage.h"
#include "engine/analysis/lexicon.h"

namespace wb {

bool SentenceRuleHooks::HasCategory(int pos, Category c) const { return sentence_.HasCategory(pos, c); }

bool SentenceRuleHooks::HasForm(int pos, WordFlags mask) const {
  return InSentence(pos) && (Word(pos).flags & mask) != 0;
}

bool SentenceRuleHooks::IsWord(int pos, std::string_view word) const {
  return InSentence(pos) && sentence_.WordText(pos) == word;
}

bool SentenceRuleHooks::ReplaceWord(int pos, std::string_view word) {
  if (!InSentence(pos) || lexicon_ == nullptr) return false;
  const Lexicon::WordLookup found = lexicon_->LookupWord(word);
  if (!found.found) return false;
  WordRecord& w = Word(pos);
  w.entry = found.entry;
  w.flags = found.flags;
  w.catCount = 0;
  w.senseCount = 0;
  for (const Sense& s : found.entry->senses) {
    if (s.category == cat::kRef) continue;
    const FormCheck form = CheckForm(found.flags, s.category);
    if (!form.accepted) continue;
    sentence_.AddSense(w, s, s.category);
    if (form.flags == 0 && (s.category == cat::kBe || s.category == cat::kV)) {
      w.flags = wf::WF_VERB;
      if ((found.entry->SecondFlags() & ef2::kBaseIsPast) != 0) w.flags |= wf::ED;
      if ((found.entry->SecondFlags() & ef2::kBaseIsParticiple) != 0) w.flags |= wf::EN;
    }
  }
  // Every sense refused for the form: an unknown noun, as the lexical stage
  // makes of such a word.
  if (w.catCount == 0) {
    w.flags = wf::WF_NOTFOUND;
    w.catCount = 1;
    w.cats[1] = cat::kN;
    w.baseText = w.text;
  }
  return true;
}

bool SentenceRuleHooks::HasClass(int pos, int semanticClass) const {
  return sentence_.WordHasClass(pos, semanticClass);
}

void SentenceRuleHooks::SetCategory(int pos, Category c) {
  if (!InSentence(pos)) return;
  Word(pos).catCount = 1;
  Word(pos).cats[1] = c;
}

void SentenceRuleHooks::DeleteWords(int pos, int count) {
  if (count < 0) sentence_.InternalError("rshift not implemented");
  SentenceState& s = sentence_.State();
  if (!InSentence(pos) || count == 0) return;
  if (count > s.sentenceLen - pos + 1) count = s.sentenceLen - pos + 1;
  for (int i = pos; i + count <= s.sentenceLen; ++i) {
    WordRecord& w = s.words[static_cast<std::size_t>(i)];
    w = s.words[static_cast<std::size_t>(i + count)];
    // A phrase that reached back into the deleted words is a phrase no more.
    if (w.phraseLen > 0 && i + count - w.phraseLen < pos + count) {
      w.phraseLen = 0;
      w.phraseEntry = nullptr;
    }
  }
  for (int i = s.sentenceLen - count + 1; i <= s.sentenceLen; ++i) s.words[static_cast<std::size_t>(i)] = WordRecord{};
  s.sentenceLen -= count;
}

int SentenceRuleHooks::SemanticClassCode(std::string_view name) const {
  if (lexicon_ == nullptr) return 0;
  for (int i = 0; i < lexicon_->SemanticClassCount(); ++i)
    if (lexicon_->SemanticClassName(i) == name) return i;
  return 0;
}

void SentenceRuleHooks::ReportError(std::string_view message) { sentence_.ReportError(message); }

}  // namespace wb
