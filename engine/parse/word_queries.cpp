#include "engine/parse/word_queries.h"

#include <string>

#include "engine/analysis/lexicon.h"

namespace wb {

namespace {

bool InSentence(const SentenceState& s, int pos) { return pos >= 1 && pos <= s.sentenceLen; }

const WordRecord& Word(const SentenceState& s, int pos) { return s.words[static_cast<std::size_t>(pos)]; }

// Calls fn on each sense of the word, in sense-table order, until it
// returns true.
template <typename Fn>
const Sense* EachSense(const SentenceState& s, int pos, Fn fn) {
  if (!InSentence(s, pos)) return nullptr;
  const WordRecord& w = Word(s, pos);
  for (int k = 0; k < w.senseCount; ++k) {
    const std::size_t at = static_cast<std::size_t>(w.firstSense) + static_cast<std::size_t>(k);
    if (at >= s.senseTable.size()) break;
    const Sense* sense = s.senseTable[at];
    if (sense != nullptr && fn(*sense)) return sense;
  }
  return nullptr;
}

}  // namespace

const Sense* FindSense(const SentenceState& s, int pos, Category c) {
  return EachSense(s, pos, [c](const Sense& x) { return x.category == c; });
}

const Sense* SenseOfCategory(SentenceContext& sentence, const ParseBuffer& tree, int pos, Category c) {
  const Sense* found = FindSense(sentence.State(), pos, c);
  if (found == nullptr && tree[pos].marks < 8)
    sentence.ReportError(std::string(sentence.WordText(pos)) + " does not have a " + std::string(CategoryName(c)));
  return found;
}

bool HasVerbCode(const SentenceState& s, int pos, int code) {
  return EachSense(s, pos, [code](const Sense& x) {
           const VerbFields* v = x.Verb();
           return x.category == cat::kV && v != nullptr && wb::HasVerbCode(v->codes, code);
         }) != nullptr;
}

bool PhraseHasVerbCode(const SentenceState& s, int pos, int code) {
  if (!InSentence(s, pos) || Word(s, pos).phraseEntry == nullptr) return false;
  for (const Sense& x : Word(s, pos).phraseEntry->senses) {
    const VerbFields* v = x.Verb();
    if (x.category == cat::kV && v != nullptr && wb::HasVerbCode(v->codes, code)) return true;
  }
  return false;
}

std::uint8_t SenseFlagByte(const SentenceState& s, int pos, Category c) {
  const Sense* x = FindSense(s, pos, c);
  return x ? x->FlagByte() : 0;
}

std::uint16_t FirstAdvFlags(const SentenceState& s, int pos) {
  const Sense* x = FindSense(s, pos, cat::kAdv);
  return x ? x->Value() : 0;
}

bool AnyAdvSenseHas(const SentenceState& s, int pos, std::uint16_t mask) {
  return EachSense(s, pos, [mask](const Sense& x) { return x.category == cat::kAdv && (x.Value() & mask) != 0; }) !=
         nullptr;
}

bool PossibleVerbAfter(const SentenceState& s, int pos) {
  for (std::size_t k = 0; k < s.verbPositions.size(); ++k)
    if (static_cast<unsigned char>(s.verbPositions[k]) > pos) return true;
  return false;
}

WordFlags FlagsOf(const SentenceState& s, int pos) { return InSentence(s, pos) ? Word(s, pos).flags : 0; }

bool IsKnownWord(const SentenceState& s, int pos) {
  return InSentence(s, pos) && (Word(s, pos).flags & wf::WF_NOTFOUND) == 0 && Word(s, pos).entry != nullptr;
}

std::uint8_t EntryFirstFlags(const SentenceState& s, int pos) {
  return IsKnownWord(s, pos) ? Word(s, pos).entry->FirstFlags() : 0;
}

}  // namespace wb
