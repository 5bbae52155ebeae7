#include "engine/analysis/lexical_stage.h"

#include <string>

#include "engine/analysis/morphology.h"

namespace wb {

namespace {

// References lead from one entry to another; a lexicon that refers in a
// circle would otherwise expand one word for ever.
constexpr int kMaxReferenceDepth = 8;

constexpr bool IsVerbCategory(Category c) { return c == cat::kBe || c == cat::kV; }

// One word of a phrase text.
enum class PhraseWordKind {
  kWord,     // compared with a sentence word
  kEnd,      // ends in ".": the end of the sentence or a comma stands here
  kNotNoun,  // "n~": whatever stands here, if anything, is no noun
  kNotPron,  // "r~": whatever stands here, if anything, is no pronoun
  kAnyGap,   // another "~" form: no condition, no word taken
};

PhraseWordKind KindOf(std::string_view w) {
  if (w.back() == '.') return PhraseWordKind::kEnd;
  if (w.back() == '~') {
    if (w.size() >= 2 && w[w.size() - 2] == 'n') return PhraseWordKind::kNotNoun;
    if (w.size() >= 2 && w[w.size() - 2] == 'r') return PhraseWordKind::kNotPron;
    return PhraseWordKind::kAnyGap;
  }
  return PhraseWordKind::kWord;
}

bool HasCat(const WordRecord& w, Category c) {
  for (int k = 1; k <= w.catCount && k <= kMaxCats; ++k)
    if (w.cats[static_cast<std::size_t>(k)] == c) return true;
  return false;
}

// A raw word has no categories yet unless it was guessed: its entry's senses
// say what it may become.
bool RawMayBe(const WordRecord& w, Category c) {
  if ((w.flags & wf::WF_NOTFOUND) != 0 || w.entry == nullptr) return HasCat(w, c);
  for (const Sense& s : w.entry->senses)
    if (s.category == c) return true;
  return false;
}

}  // namespace

const std::array<LexicalStage::SpecialWordHandler, kSpecialWordHandlerCount> LexicalStage::kSpecialWordHandlers = {
    &LexicalStage::PluralHandler, &LexicalStage::DateHandler, &LexicalStage::NoHandler,
    &LexicalStage::NoHandler,     &LexicalStage::NoHandler,   &LexicalStage::NoHandler,
    &LexicalStage::NoHandler,     &LexicalStage::NoHandler,   &LexicalStage::NoHandler,
    &LexicalStage::NoHandler,     &LexicalStage::NoHandler,   &LexicalStage::NoHandler,
    &LexicalStage::NoHandler,     &LexicalStage::NoHandler,
};

FormCheck CheckForm(WordFlags flags, Category c) {
  const bool verbal = c == cat::kAux || c == cat::kBe || c == cat::kV;
  if ((flags & wf::S) != 0) {
    if (c == cat::kN || c == cat::kNum) return {true, wf::PLURAL};
    if (verbal) return {true, wf::SINGULAR};  // third person singular
    return {false, flags};
  }
  if ((flags & wf::ING) != 0) return {verbal, wf::ING};
  if ((flags & wf::PAST) != 0) return {verbal, flags};
  if ((flags & wf::ER) != 0) return {c == cat::kAdj || c == cat::kAdv, flags};
  return {true, flags};
}

LexicalStage::LexicalStage(SentenceContext& engine, const Lexicon& lexicon, Scanner& scanner)
    : engine_(engine), lexicon_(lexicon), scanner_(scanner), state_(engine.State()) {}

void LexicalStage::AnalyseSentence(std::string_view text, std::size_t maxLength, int maxTokens) {
  if (text.size() > maxLength) text = text.substr(0, maxLength);
  state_.sentenceLen = 0;
  state_.senseCount = 0;
  state_.textPool.Clear();
  rawCount_ = 0;
  extent_ = LexicalExtent{};

  static const SeparatorSet kSeparators = LexicalSeparators();
  scanner_.Init(text, kSeparators);
  Str255 token;
  while (extent_.tokens < maxTokens && scanner_.NextToken(token))
    if (!ReadToken(token)) break;

  state_.sentenceLen = 0;
  state_.senseCount = 0;
  for (int i = 1; i <= rawCount_; ++i) ExpandRawWord(i);
}

bool IsPauseToken(std::string_view token) { return token == "," || token == ";" || token == ":"; }

// One token of the first pass; false when a limit ends the sentence here.
// A token that does not fit whole (a contraction or compound whose words
// fill the table) is taken back: it begins the next piece of the sentence.
bool LexicalStage::ReadToken(const Str255& token) {
  const std::string_view t = token.view();
  const int before = rawCount_;
  cut_ = false;
  if (!TakeToken(t) || cut_) {
    rawCount_ = before;
    extent_.complete = false;
    return false;
  }
  ++engine_.Counters().wordCount;
  if (engine_.IsBadWord(t)) ++engine_.Counters().badWordCount;
  const WordRecord& first = raw_[static_cast<std::size_t>(before + 1)];
  bool conjunction = false;
  if ((first.flags & wf::WF_NOTFOUND) == 0 && first.entry != nullptr && !first.entry->senses.empty()) {
    const Category c = first.entry->senses.front().category;
    conjunction = c == cat::kAnd || c == cat::kConj;
  }
  extent_.Add(scanner_.Pos() - 1, IsPauseToken(t), conjunction);
  return true;
}

bool LexicalStage::TakeToken(std::string_view t) {
  if (rawCount_ >= kMaxSentenceWords) return false;
  if (t.size() + state_.textPool.Used() + 1 > kTextPoolSize) return false;

  ++rawCount_;
  WordRecord& w = Current();
  w = WordRecord{};
  w.text = Store(t);

  Lexicon::WordLookup found = lexicon_.LookupWord(t);
  if (found.found) {
    SetFound(found);
    if ((found.entry->FirstFlags() & ef1::kContraction) != 0)
      ExpandContraction();
    else if (t == "\"")
      QuoteStep();
    return true;
  }
  // Capitals: a word in capitals is tried as a name ("NASA" as "Nasa"), and
  // then without its first hyphen ("E-Mail" as "Email").
  if (!t.empty() && IsUpper(t[0])) {
    std::string c = Capitalised(t);
    if (LookupInto(c)) return true;
    std::size_t hyphen = c.find('-');
    if (hyphen != std::string::npos) {
      c.erase(hyphen, 1);
      if (LookupInto(c)) return true;
    }
  }
  HandleUnknown(t);
  return true;
}

// The second pass for raw word i: the next word of the sentence.
void LexicalStage::ExpandRawWord(int& i) {
  const int n = ++state_.sentenceLen;
  WordRecord& w = state_.words[static_cast<std::size_t>(n)];
  const WordRecord& raw = raw_[static_cast<std::size_t>(i)];
  if ((raw.flags & wf::WF_NOTFOUND) != 0 || raw.entry == nullptr) {
    w = raw;
    formAt_[static_cast<std::size_t>(n)] = raw.flags;
  } else {
    w = WordRecord{};
    w.text = raw.text;
    w.phraseLen = raw.phraseLen;
    w.phraseEntry = raw.phraseEntry;
    const LexEntry& entry = *raw.entry;
    const WordFlags flags = raw.flags;
    ExpandEntry(i, entry, flags);
  }
  // The sentence may have grown shorter (a phrase or a date took earlier
  // words in): the word this raw word ended in is the last one.
  WordRecord& last = state_.words[static_cast<std::size_t>(state_.sentenceLen)];
  if (last.catCount == 0) {
    // Every sense was refused for this form: an unknown noun.
    last.flags = wf::WF_NOTFOUND;
    last.catCount = 1;
    last.cats[1] = cat::kN;
    last.senseCount = 0;
    last.baseText = last.text;
  }
  if (last.phraseLen >= state_.sentenceLen) last.phraseLen = static_cast<std::uint8_t>(state_.sentenceLen - 1);
}

void LexicalStage::ExpandEntry(int& rawIndex, const LexEntry& entry, WordFlags flags) {
  if (state_.sentenceLen < 1) return;  // there is no word to fill
  ExpandEntryAt(rawIndex, entry, flags, 0);
}

void LexicalStage::ExpandEntryAt(int& rawIndex, const LexEntry& entry, WordFlags flags, int depth) {
  const LexEntry* e = &entry;
  bool marked = false;
  if (const LexEntry* phrase = FindPhrase(rawIndex, entry, flags, marked)) e = phrase;

  auto word = [this]() -> WordRecord& { return state_.words[static_cast<std::size_t>(state_.sentenceLen)]; };
  word().entry = e;
  word().flags = static_cast<WordFlags>(flags | (marked ? wf::WF_MARKED : 0));
  formAt_[static_cast<std::size_t>(state_.sentenceLen)] = flags;

  for (const Sense& s : e->senses) {
    if (s.category == cat::kRef) {
      Lexicon::WordLookup target = lexicon_.LookupWord(s.text);
      if (!target.found) continue;
      const WordFlags value = s.Value();
      // An inflected form does not pass through a reference that inflects.
      if (flags != 0 && value != 0) continue;
      if (target.flags != 0) engine_.Diagnostic("New flags = " + std::to_string(target.flags));
      if (depth >= kMaxReferenceDepth) {
        engine_.Diagnostic("references too deep at \"" + e->headword + "\"");
        continue;
      }
      ExpandEntryAt(rawIndex, *target.entry, value != 0 ? value : flags, depth + 1);
      continue;
    }
    const Category c = s.category;
    const FormCheck form = CheckForm(flags, c);
    if (!form.accepted) continue;
    WordRecord& w = word();
    engine_.AddSense(w, s, c);
    if (form.flags == 0 && IsVerbCategory(c)) {
      w.flags |= wf::WF_VERB;
      if ((e->SecondFlags() & ef2::kBaseIsPast) != 0) w.flags |= wf::ED;
      if ((e->SecondFlags() & ef2::kBaseIsParticiple) != 0) w.flags |= wf::EN;
    }
  }

  if ((e->FirstFlags() & ef1::kHandler) != 0 && e->handler < kSpecialWordHandlerCount) {
    const int delta = (this->*kSpecialWordHandlers[e->handler])(rawIndex, state_.sentenceLen);
    state_.sentenceLen += delta;
  }
}

std::string_view LexicalStage::LexicalText(const WordRecord& w) const {
  if ((w.flags & wf::WF_NOTFOUND) != 0 || w.entry == nullptr) return Text(w.baseText);
  return w.entry->headword;
}

std::string LexicalStage::WordChinese(const WordRecord& w) const {
  if ((w.flags & (wf::WF_NOTFOUND | wf::WF_MARKED)) != 0 || w.entry == nullptr)
    return std::string(Text(w.baseText));
  std::string zh = WithoutSlots(EntryChinese(lexicon_, *w.entry));
  if (zh.empty()) zh = Text(w.text);
  return zh;
}

PhraseMatch LexicalStage::MatchPhrase(std::string_view phraseText, int rawIndex, const LexEntry& entry) const {
  PhraseMatch m;
  if (rawIndex < 1 || rawIndex > rawCount_ || state_.sentenceLen < 1) return m;

  // The phrase's words; a phrase text is at most 255 bytes.
  std::array<std::string_view, 128> words;
  int count = 0;
  for (std::size_t p = 0; p < phraseText.size() && count < static_cast<int>(words.size());) {
    std::size_t end = phraseText.find(' ', p);
    if (end == std::string_view::npos) end = phraseText.size();
    if (end > p) words[static_cast<std::size_t>(count++)] = phraseText.substr(p, end - p);
    p = end + 1;
  }

  // Where the current word stands in the phrase: by its lexical text, or else
  // by its surface text (also in the grave-accent form that asks for it).
  const std::string_view surface = Text(raw_[static_cast<std::size_t>(rawIndex)].text);
  int k = -1;
  for (int j = 0; j < count && k < 0; ++j)
    if (words[static_cast<std::size_t>(j)] == entry.headword) k = j;
  for (int j = 0; j < count && k < 0; ++j) {
    std::string_view pw = words[static_cast<std::size_t>(j)];
    if (pw == surface || (pw.size() > 1 && pw[0] == '`' && pw.substr(1) == surface)) k = j;
  }
  if (k < 0) return m;

  // A phrase word matches the word's lexical text ("gave up" for "give
  // up") or its own form in any case: "According to" has "according" read
  // as "accord" with -ing.
  auto matches = [this](std::string_view pw, const WordRecord& w) {
    if (pw == "*") return true;
    if (pw[0] == '`') return pw.substr(1) == Text(w.text);
    if (pw == LexicalText(w)) return true;
    const std::string_view surface = Text(w.text);
    if (surface.size() != pw.size()) return false;
    for (std::size_t i = 0; i < pw.size(); ++i) {
      char c = surface[i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != pw[i]) return false;
    }
    return true;
  };
  auto isComma = [this](const WordRecord& w) { return Text(w.text) == "," || LexicalText(w) == ","; };
  // The "." and "~" phrase words take no word of the sentence; they only
  // refuse the word standing at their place (if any) when it does not fit.
  enum class GapResult { kWord, kPassed, kRefused };
  auto gap = [&isComma](std::string_view pw, const WordRecord* w, auto mayBe) {
    switch (KindOf(pw)) {
      case PhraseWordKind::kEnd:
        return w && !isComma(*w) ? GapResult::kRefused : GapResult::kPassed;
      case PhraseWordKind::kNotNoun:
        return w && mayBe(*w, cat::kN) ? GapResult::kRefused : GapResult::kPassed;
      case PhraseWordKind::kNotPron:
        return w && mayBe(*w, cat::kPron) ? GapResult::kRefused : GapResult::kPassed;
      case PhraseWordKind::kAnyGap:
        return GapResult::kPassed;
      case PhraseWordKind::kWord:
        break;
    }
    return GapResult::kWord;
  };

  // Before the current word: the sentence words already expanded, nearest
  // first.
  int pos = state_.sentenceLen - 1;
  for (int j = k - 1; j >= 0; --j) {
    std::string_view pw = words[static_cast<std::size_t>(j)];
    const WordRecord* w = pos >= 1 ? &state_.words[static_cast<std::size_t>(pos)] : nullptr;
    if (const GapResult g = gap(pw, w, [](const WordRecord& x, Category c) { return HasCat(x, c); });
        g != GapResult::kWord) {
      if (g == GapResult::kRefused) return m;
      continue;
    }
    if (!w || !matches(pw, *w)) return m;
    if (pw == "*" && m.starWord == 0) {
      m.starWord = pos;
      m.starBefore = true;
    }
    --pos;
    ++m.before;
  }

  // After it: the raw words still to come.
  int r = rawIndex + 1;
  for (int j = k + 1; j < count; ++j) {
    std::string_view pw = words[static_cast<std::size_t>(j)];
    const WordRecord* w = r <= rawCount_ ? &raw_[static_cast<std::size_t>(r)] : nullptr;
    if (const GapResult g = gap(pw, w, [](const WordRecord& x, Category c) { return RawMayBe(x, c); });
        g != GapResult::kWord) {
      if (g == GapResult::kRefused) return m;
      continue;
    }
    if (!w || !matches(pw, *w)) return m;
    if (pw == "*" && m.starWord == 0) {
      m.starWord = r;
      m.starBefore = false;
    }
    ++r;
    ++m.after;
  }
  m.fits = true;
  return m;
}

std::string LexicalStage::ApplyWildcard(const LexEntry& phraseEntry, const PhraseMatch& match) const {
  std::string_view text = phraseEntry.senses.empty() ? std::string_view() : phraseEntry.senses[0].text;
  std::string fill;
  if (match.starWord > 0)
    fill = WordChinese(match.starBefore ? state_.words[static_cast<std::size_t>(match.starWord)]
                                        : raw_[static_cast<std::size_t>(match.starWord)]);
  // "*" is below every byte of a two-byte character, so a plain search is
  // safe in GBK text.
  std::string out;
  for (char c : text) {
    if (c == '*')
      out += fill;
    else
      out += c;
  }
  return out;
}

const LexEntry* LexicalStage::FindPhrase(int& rawIndex, const LexEntry& entry, WordFlags& flags, bool& marked) {
  for (const LexPhrase& p : entry.phrases) {
    const PhraseMatch m = MatchPhrase(p.text, rawIndex, entry);
    if (!m.fits) continue;
    const Lexicon::WordLookup found = lexicon_.LookupWord(p.text);
    if (!found.found) continue;  // a phrase the lexicon lists but does not hold
    if (found.flags != 0) engine_.InternalError("PhraseMFlags <> 0");
    const LexEntry& phrase = *found.entry;
    const int n = state_.sentenceLen;

    if ((phrase.FirstFlags() & ef1::kFixedPhrase) == 0) {
      // The phrase stays a group of words: the word that holds its last word
      // knows how far back it reaches.
      WordRecord& last = m.after > 0 ? raw_[static_cast<std::size_t>(rawIndex + m.after)]
                                     : state_.words[static_cast<std::size_t>(n)];
      if (last.phraseEntry == nullptr) {
        last.phraseLen = static_cast<std::uint8_t>(m.before + m.after);
        last.phraseEntry = &phrase;
      } else {
        engine_.Diagnostic("phrase \"" + phrase.headword + "\" overlaps \"" + last.phraseEntry->headword + "\"");
      }
      return nullptr;
    }

    // A fixed phrase: its words become one word, at the place of its first.
    // Everything read from the words it covers is taken before they go.
    const bool wildcard =
        !phrase.senses.empty() && phrase.senses[0].text.find('*') != std::string::npos;
    std::string filled;
    if (wildcard) filled = ApplyWildcard(phrase, m);
    const int first = n - m.before;
    WordFlags form = 0;
    if ((phrase.FirstFlags() & ef1::kKeepStartForm) != 0)
      form = m.before > 0 ? formAt_[static_cast<std::size_t>(first)] : flags;
    else if ((phrase.SecondFlags() & ef2::kHeadwordForm) != 0)
      form = flags;
    std::string surface;
    for (int q = first; q < n; ++q) {
      surface += Text(state_.words[static_cast<std::size_t>(q)].text);
      surface += ' ';
    }
    surface += Text(raw_[static_cast<std::size_t>(rawIndex)].text);
    for (int q = 1; q <= m.after; ++q) {
      surface += ' ';
      surface += Text(raw_[static_cast<std::size_t>(rawIndex + q)].text);
    }
    const PoolRef headText = raw_[static_cast<std::size_t>(rawIndex)].text;

    state_.sentenceLen = first;
    WordRecord& w = state_.words[static_cast<std::size_t>(first)];
    w = WordRecord{};
    w.text = Store(surface);
    if (w.text == kNoText) w.text = headText;
    if (wildcard) {
      w.baseText = Store(filled);
      marked = true;
    }
    rawIndex += m.after;
    flags = form;
    return &phrase;
  }
  return nullptr;
}

}  // namespace wb
