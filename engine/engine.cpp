#include "engine/engine.h"

#include <algorithm>
#include <string>

#include "engine/analysis/lexical_stage.h"
#include "engine/analysis/lexicon.h"
#include "engine/analysis/morphology.h"
#include "engine/analysis/scanner.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

bool IsEndMark(char c) {
  switch (c) {
    case '!': case ',': case '.': case ':': case '?': case '@': case '|':
      return true;
    default:
      return false;
  }
}

}  // namespace

Engine::Engine(const Lexicon* lexicon) : SentenceContext(lexicon), rules_(*this, lexicon), parser_(*this), generator_(*this, memory_) {}

void Engine::TranslateSentence(Str255& sentence) {
  Str255 work = sentence;
  if (work.empty()) return;

  while (!work.empty() && work.back() == ' ') work.pop_back();

  state_.quoteClosed = !work.empty() && work.back() == '"';
  if (state_.quoteClosed) {
    work.pop_back();
    while (!work.empty() && work.back() == ' ') work.pop_back();
  }

  state_.endPunct = ' ';
  if (!work.empty() && IsEndMark(work.back())) {
    state_.endPunct = work.back();
    work.pop_back();
    if (!work.empty() && work.back() == '.') {
      while (!work.empty() && work.back() == '.') work.pop_back();
      state_.endPunct = kEndPunctDots;
    }
  }

  TranslateWords(work, 255, 255);
  sentence = work;
}

void Engine::TranslateWords(Str255& text, std::size_t srcMax, std::size_t dstMax) {
  for (int i = 1; i <= kMaxWords; ++i) state_.words[i] = WordRecord{};
  state_.outsideQuotes = true;

  std::string_view src = text.view();
  if (src.size() > srcMax) src = src.substr(0, srcMax);
  std::string source(src);  // text is also the destination
  AnalyseWords(source, srcMax);

  if (state_.sentenceLen == 0) {
    text.clear();
    if (dstMax > 0) text.push_back(state_.endPunct);
    return;
  }

  state_.outsideQuotes = true;
  state_.verbPositions.clear();
  PreFilterCategories();
  RunWordRules();
  state_.outsideQuotes = true;
  parser_.ParseSentence();
  Generate(text, dstMax);
}

void Engine::AnalyseWords(std::string_view text, std::size_t srcMax) {
  if (lexicon_ == nullptr) return AnalyseUnknownWords(text);
  LexicalStage stage(*this, *lexicon_, scanner_);
  stage.AnalyseSentence(text, srcMax);
}

// The lexical stage without a lexicon: every token is an unknown word. The
// scanner cuts the text into words, numbers and punctuation, and each
// becomes a noun that is not in the lexicon, rendered as it stands.
void Engine::AnalyseUnknownWords(std::string_view text) {
  state_.sentenceLen = 0;
  state_.senseCount = 0;
  state_.textPool.Clear();
  static const SeparatorSet kSeparators = LexicalSeparators();
  scanner_.Init(text, kSeparators);
  Str255 token;
  // The word table keeps one place free, as the lexical stage does: a
  // sentence keeps at most 49 words.
  while (state_.sentenceLen < kMaxWords - 1 && scanner_.NextToken(token)) {
    PoolRef ref = state_.textPool.Add(token.view());
    if (ref == kNoText) break;  // the pool is full: the rest is not translated
    ++counters_.wordCount;
    if (badWordTest_ && badWordTest_(token.view())) ++counters_.badWordCount;
    WordRecord& w = state_.words[++state_.sentenceLen];
    w.flags = wf::WF_NOTFOUND;
    w.catCount = 1;
    w.cats[1] = cat::kN;
    w.text = ref;
    w.baseText = ref;
  }
}

void Engine::PreFilterCategories() {
  for (int i = 1; i <= state_.sentenceLen; ++i) {
    const WordRecord& w = state_.words[i];
    // A noun of code IN after a word narrows that word to what may stand
    // before such a noun.
    if (w.catCount == 1 && w.cats[1] == cat::kN && w.flags != wf::WF_NOTFOUND && i > 1 && w.senseCount > 0) {
      const Sense* first = state_.senseTable[w.firstSense];
      const NounFields* noun = first ? first->Noun() : nullptr;
      if (noun && HasNounCode(noun->codes, nc::IN))
        KeepCategories(i - 1, MakeCategorySet(cat::kBe, cat::kConj, cat::kPrep, cat::kPron, cat::kThat, cat::kV));
    }
    if (w.catCount == 1 && w.cats[1] == cat::kPrep && i > 1)
      KeepCategories(i - 1, MakeCategorySet(cat::kAdj, cat::kAdv, cat::kNum, cat::kN, cat::kPrep,
                                            cat::kPron, cat::kV));
  }
  FindPossibleVerbs();
}

// The possible verbs are listed again after the word rules: a rule may make
// a word a verb or no verb ("do not go"), or delete words, which moves the
// positions after them. The parser asks the list whether a verb may follow.
void Engine::FindPossibleVerbs() {
  state_.verbPositions.clear();
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (MayBeVerb(i)) state_.verbPositions.push_back(static_cast<char>(i));
}

// The word rules run for every word of the lexicon, in order; a rule may
// delete words, so the length is read afresh at every step.
void Engine::RunWordRules() {
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if ((state_.words[static_cast<std::size_t>(i)].flags & wf::WF_NOTFOUND) == 0) rules_.RunWordRules(i);
  FindPossibleVerbs();
}

// Chinese generation over the chosen parse (a copy: generation repairs and
// annotates its tree, the parse stays as the parser chose it).
void Engine::Generate(Str255& dst, std::size_t dstMax) {
  generated_ = parser_.Chosen();
  dst = generator_.GenerateSentence(generated_, std::min<std::size_t>(dstMax, Str255::kCapacity));
}

}  // namespace wb
