#include "engine/engine.h"

#include <algorithm>
#include <string>

#include "engine/analysis/lexical_stage.h"
#include "engine/analysis/lexicon.h"
#include "engine/analysis/morphology.h"
#include "engine/analysis/scanner.h"
#include "engine/generate/chinese_text.h"
#include "engine/parse/word_queries.h"
#include "engine/sentence_pieces.h"

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

std::string EmptySentenceText(char endPunct) { return ChineseEndMark(endPunct); }

// Steps 2 to 4 of the entry: trailing blanks, a closing quote and the
// closing mark come off the sentence and into its flags.
void Engine::StripEnd(std::string& work) {
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
}

void Engine::TranslateSentence(Str255& sentence) {
  if (sentence.empty()) return;
  std::string work = sentence.str();
  StripEnd(work);
  Str255 text(work);
  TranslateWords(text, 255, 255);
  sentence = text;
}

void Engine::TranslateWords(Str255& text, std::size_t srcMax, std::size_t dstMax) {
  std::string_view src = text.view();
  if (src.size() > srcMax) src = src.substr(0, srcMax);
  std::string out;
  TranslatePieces(std::string(src), out, false);
  CutAtCharacter(out, dstMax);
  text = out;
}

Engine::Translation Engine::TranslateText(std::string_view sentence) {
  Translation t;
  if (sentence.empty()) return t;
  std::string work(sentence);
  StripEnd(work);
  t.failedPieces = TranslatePieces(work, t.text, true);
  return t;
}

// Every piece of the text in turn. A piece a stage gives up on ends the
// sentence (the exception goes on), or with keepGoing keeps its English.
int Engine::TranslatePieces(std::string_view text, std::string& out, bool keepGoing) {
  int failures = 0;
  std::size_t pos = 0;
  do {
    const std::string_view rest = text.substr(pos);
    piece_ = PieceSpan{pos, pos + WindowEnd(rest), true};
    try {
      TranslatePiece(rest, out);
    } catch (const SentenceAbandoned&) {
      if (!keepGoing) throw;
      ++failures;
      out += text.substr(piece_.begin, piece_.end - piece_.begin);
    }
    pos = piece_.end > pos ? piece_.end : text.size();
  } while (pos < text.size() && !OnlySeparators(text.substr(pos)));
  return failures;
}

// One piece: the words that fit the tables, through every stage. Returns
// the bytes of text it covers.
std::size_t Engine::TranslatePiece(std::string_view text, std::string& out) {
  const std::size_t end = AnalysePiece(text);
  state_.pieceContinues = !OnlySeparators(text.substr(end));
  if (state_.sentenceLen == 0) {
    if (!state_.pieceContinues) out += EmptySentenceText(state_.endPunct);
  } else {
    state_.outsideQuotes = true;
    state_.verbPositions.clear();
    PreFilterCategories();
    RunWordRules();
    state_.outsideQuotes = true;
    parser_.ParseSentence();
    std::string piece;
    Generate(piece);
    DropControlBytes(piece);
    out += piece;
  }
  if (observer_) observer_(*this);
  return end;
}

// The lexical stage over as much of text as one piece takes. When the text
// holds more than the tables or a window, the piece ends at the last clause
// boundary among the words taken, and the window is read again up to that
// token (the page counters count its words once).
std::size_t Engine::AnalysePiece(std::string_view text) {
  std::size_t window = WindowEnd(text);
  const PageCounters counted = counters_;
  AnalyseWords(text.substr(0, window));
  while (!extent_.complete || window < text.size()) {
    const int tokens = PieceTokens(extent_);
    if (tokens == 0) {
      // Not even one token fits (a single token of more words than the
      // table holds): the window is halved until one does.
      if (window < 2) break;
      window /= 2;
      counters_ = counted;
      AnalyseWords(text.substr(0, window));
      continue;
    }
    if (tokens < extent_.tokens) {
      counters_ = counted;
      AnalyseWords(text.substr(0, window), tokens);
    }
    // Every token up to the piece's end was taken whole.
    piece_.end = piece_.begin + extent_.end[static_cast<std::size_t>(extent_.tokens)];
    piece_.whole = true;
    return piece_.end - piece_.begin;
  }
  piece_.end = piece_.begin + window;
  piece_.whole = extent_.complete;
  return window;
}

void Engine::AnalyseWords(std::string_view text, int maxTokens) {
  for (int i = 1; i <= kMaxWords; ++i) state_.words[static_cast<std::size_t>(i)] = WordRecord{};
  state_.outsideQuotes = true;
  if (lexicon_ == nullptr) return AnalyseUnknownWords(text, maxTokens);
  LexicalStage stage(*this, *lexicon_, scanner_);
  stage.AnalyseSentence(text, text.size(), maxTokens);
  extent_ = stage.Extent();
}

// The lexical stage without a lexicon: every token is an unknown word. The
// scanner cuts the text into words, numbers and punctuation, and each
// becomes a noun that is not in the lexicon, rendered as it stands.
void Engine::AnalyseUnknownWords(std::string_view text, int maxTokens) {
  state_.sentenceLen = 0;
  state_.senseCount = 0;
  state_.textPool.Clear();
  extent_ = LexicalExtent{};
  static const SeparatorSet kSeparators = LexicalSeparators();
  scanner_.Init(text, kSeparators);
  Str255 token;
  while (extent_.tokens < maxTokens && scanner_.NextToken(token)) {
    // The word table keeps one place free, as the lexical stage does: a
    // piece keeps at most 49 words.
    const PoolRef ref = state_.sentenceLen < kMaxSentenceWords ? state_.textPool.Add(token.view()) : kNoText;
    if (ref == kNoText) {
      extent_.complete = false;
      break;
    }
    ++counters_.wordCount;
    if (badWordTest_ && badWordTest_(token.view())) ++counters_.badWordCount;
    WordRecord& w = state_.words[static_cast<std::size_t>(++state_.sentenceLen)];
    w.flags = wf::WF_NOTFOUND;
    w.catCount = 1;
    w.cats[1] = cat::kN;
    w.text = ref;
    w.baseText = ref;
    extent_.Add(scanner_.Pos() - 1, IsPauseToken(token.view()), false);
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
// annotates its tree, the parse stays as the parser chose it). A piece that
// the sentence goes on after has no closing mark yet.
void Engine::Generate(std::string& out) {
  generated_ = parser_.Chosen();
  out += generator_.GenerateSentence(generated_, Str255::kCapacity, !state_.pieceContinues);
}

}  // namespace wb
