#include "engine/analysis/morphology.h"

#include <string>

#include "engine/analysis/lexical_stage.h"

namespace wb {

namespace {

constexpr int kMaxReferenceSteps = 8;

char Lower(char c) { return IsUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!IsDigit(c)) return false;
  return true;
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c != 0xFF; }

// At most 255 bytes, never ending in the first half of a two-byte character.
std::string_view CutToString(std::string_view s) {
  if (s.size() <= 255) return s;
  std::size_t end = 0;
  for (std::size_t i = 0; i < 255;) {
    std::size_t step = IsLeadByte(static_cast<unsigned char>(s[i])) ? 2 : 1;
    if (i + step > 255) break;
    i += step;
    end = i;
  }
  return s.substr(0, end);
}

}  // namespace

bool IsVowel(char c) {
  switch (c) {
    case 'a': case 'e': case 'i': case 'o': case 'u': case 'y':
    case 'A': case 'E': case 'I': case 'O': case 'U': case 'Y':
      return true;
    default:
      return false;
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

std::string Capitalised(std::string_view t) {
  std::string s(t);
  for (char& c : s) c = Lower(c);
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}

WordGuess GuessShape(std::string_view t) {
  WordGuess g;
  g.baseText = t;
  const std::size_t L = t.size();
  if (L == 0) return g;
  if (!IsDigit(t[0])) {
    if (L > 3 && EndsWith(t, "ly")) g.category = cat::kAdv;
    return g;
  }
  if (IsDigit(t[L - 1])) {
    g.category = cat::kNum;
    return g;
  }
  if (L == 5 && t[4] == 's' && AllDigits(t.substr(0, 4))) {
    // The 1990s are the nineties of the twentieth century: the century is
    // one more than the hundreds written.
    int century = (t[0] - '0') * 10 + (t[1] - '0') + 1;
    g.baseText = std::to_string(century);
    g.baseText += zh::kCentury;
    g.baseText += t.substr(2, 2);
    g.baseText += zh::kDecade;
  } else if (EndsWith(t, "th") ||
             (L >= 3 && AllDigits(t.substr(0, L - 2)) &&
              (EndsWith(t, "st") || EndsWith(t, "nd") || EndsWith(t, "rd")))) {
    g.baseText = std::string(zh::kOrdinal);
    g.baseText += t.substr(0, L - 2);
  }
  return g;
}

std::size_t FindSlot(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(c)) {
      i += 2;
    } else {
      if (c == '\\' && i + 1 < text.size()) return i;
      ++i;
    }
  }
  return std::string_view::npos;
}

std::string WithoutSlots(std::string_view text) {
  std::string out;
  for (std::size_t s; (s = FindSlot(text)) != std::string_view::npos;) {
    out += text.substr(0, s);
    text.remove_prefix(s + 2);
  }
  out += text;
  return out;
}

std::string_view EntryChinese(const Lexicon& lexicon, const LexEntry& entry) {
  const LexEntry* e = &entry;
  for (int step = 0; step < kMaxReferenceSteps; ++step) {
    if (e->senses.empty()) return {};
    const Sense& s = e->senses.front();
    if (s.category != cat::kRef) return s.text;
    const Lexicon::WordLookup r = lexicon.LookupWord(s.text);
    if (!r.found) return {};
    e = r.entry;
  }
  return {};
}

HalfWord LookupHalf(const Lexicon& lexicon, std::string_view word) {
  HalfWord h;
  if (word.empty()) return h;
  Lexicon::WordLookup r = lexicon.LookupWord(word);
  if (!r.found) return h;
  const LexEntry* e = r.entry;
  WordFlags flags = r.flags;
  for (int step = 0; step < kMaxReferenceSteps; ++step) {
    if (e->senses.empty()) return h;
    const Sense& s = e->senses.front();
    if (s.category != cat::kRef) {
      h.found = true;
      h.category = s.category;
      h.text = s.text;
      h.flags = flags;
      return h;
    }
    const Lexicon::WordLookup target = lexicon.LookupWord(s.text);
    if (!target.found) return h;
    if (flags == 0) flags = s.Value();
    e = target.entry;
  }
  return h;
}

Compound HyphenCompound(const HalfWord& left, const HalfWord& right) {
  const std::string lt = WithoutSlots(left.text);
  const std::string rt = WithoutSlots(right.text);
  Compound c;
  c.text = lt + rt;

  // Numbers: "twenty-one" adds up, "twenty-first" is one ordinal, and a
  // number before any other ordinal is a fraction ("two-thirds": three parts,
  // two of them).
  if (left.category == cat::kNum) {
    if (rt.compare(0, zh::kOrdinal.size(), zh::kOrdinal) == 0) {
      const std::string rest = rt.substr(zh::kOrdinal.size());
      if ((right.flags & wf::S) == 0 && EndsWith(lt, zh::kTen)) {
        c.category = cat::kN;
        c.text = std::string(zh::kOrdinal) + lt + rest;
      } else {
        c.category = cat::kNum;
        c.text = rest + std::string(zh::kFraction) + lt;
      }
      return c;
    }
    if (right.category == cat::kNum) {
      c.category = cat::kNum;
      return c;
    }
  }

  // A participle after a word of manner says how the action went: "well-made"
  // is made well, with the verb first and the manner after "得".
  if (right.category == cat::kV) {
    if ((right.flags & (wf::EN | wf::ING)) != 0 && (left.category == cat::kAdv || left.category == cat::kAdj)) {
      c.category = cat::kAdj;
      c.text = rt + std::string(zh::kDe) + lt;
      return c;
    }
    if ((right.flags & wf::EN) != 0) {
      c.category = cat::kAdj;
      return c;
    }
  }

  // Otherwise the first half decides.
  switch (left.category) {
    case cat::kAdj:
    case cat::kAdv:
    case cat::kN:
      c.category = left.category;
      break;
    case cat::kV:
      if ((left.flags & wf::EN) != 0) {
        // "worn-out": a state reached by the action.
        c.category = cat::kAdj;
        c.text = lt + std::string(zh::kDe) + rt;
      } else {
        c.category = cat::kN;  // "check-in"
      }
      break;
    default:  // prepositions, "to" and all else make a noun
      c.category = cat::kN;
      break;
  }
  return c;
}

std::string SlashText(std::string_view left, std::string_view right) {
  std::size_t s = FindSlot(left);
  if (s != std::string_view::npos) return std::string(left.substr(0, s)) + std::string(right) + std::string(left.substr(s + 2));
  s = FindSlot(right);
  if (s != std::string_view::npos) return std::string(right.substr(0, s)) + std::string(left) + std::string(right.substr(s + 2));
  return std::string(left) + "/" + std::string(right);
}

std::string DayDigits(std::string_view t) {
  if (t.size() > 2) {
    std::string_view tail = t.substr(t.size() - 2);
    if (EqualsNoCase(tail, "st") || EqualsNoCase(tail, "nd") || EqualsNoCase(tail, "rd") ||
        EqualsNoCase(tail, "th"))
      t.remove_suffix(2);
  }
  if (t.empty() || t.size() > 2 || !AllDigits(t)) return {};
  const int day = t.size() == 1 ? t[0] - '0' : (t[0] - '0') * 10 + (t[1] - '0');
  if (day < 1 || day > 31) return {};
  return std::to_string(day);
}

bool IsYear(std::string_view t) { return (t.size() == 3 || t.size() == 4) && AllDigits(t) && t[0] != '0'; }

std::string DateText(std::string_view year, std::string_view month, std::string_view day) {
  std::string s;
  if (!year.empty()) {
    s += year;
    s += zh::kYear;
  }
  s += month;
  if (!day.empty()) {
    s += day;
    s += zh::kDay;
  }
  return s;
}

// ---------------------------------------------------------------------------
// The raw words of the lexical stage and the token handlers.

PoolRef LexicalStage::Store(std::string_view s) { return state_.textPool.Add(CutToString(s)); }

void LexicalStage::SetFound(const Lexicon::WordLookup& r) {
  WordRecord& w = Current();
  w.entry = r.entry;
  w.flags = r.flags;
  w.catCount = 0;
  w.baseText = kNoText;
}

bool LexicalStage::LookupInto(std::string_view t) {
  const Lexicon::WordLookup r = lexicon_.LookupWord(t);
  if (!r.found) return false;
  SetFound(r);
  if ((r.entry->FirstFlags() & ef1::kContraction) != 0) ExpandContraction();
  return true;
}

void LexicalStage::LookupOrGuess(std::string_view t) {
  if (!LookupInto(t)) GuessWord(t);
}

void LexicalStage::GuessWord(std::string_view t) {
  WordRecord& w = Current();
  const WordGuess g = GuessShape(t);
  w.entry = nullptr;
  w.flags = wf::WF_NOTFOUND;
  w.catCount = 1;
  w.cats[1] = g.category;
  w.senseCount = 0;
  w.baseText = g.baseText == Text(w.text) ? w.text : Store(g.baseText);
  if (w.baseText == kNoText) w.baseText = w.text;
}

bool LexicalStage::AddRawWord(std::string_view text) {
  const PoolRef ref = rawCount_ < kMaxSentenceWords ? Store(text) : kNoText;
  if (ref == kNoText) {
    cut_ = true;
    return false;
  }
  ++rawCount_;
  WordRecord& w = Current();
  w = WordRecord{};
  w.text = ref;
  const Lexicon::WordLookup r = lexicon_.LookupWord(text);
  if (r.found)
    SetFound(r);
  else
    GuessWord(text);
  return true;
}

// A contraction stands for the words its first sense lists ("don't" for "do
// not"); each takes the contraction's surface text.
void LexicalStage::ExpandContraction() {
  const LexEntry& contraction = *Current().entry;
  const PoolRef surface = Current().text;
  const std::string list = contraction.senses.empty() ? std::string() : contraction.senses.front().text;
  --rawCount_;
  int added = 0;
  for (std::size_t p = 0; p < list.size();) {
    std::size_t end = list.find(' ', p);
    if (end == std::string::npos) end = list.size();
    const std::string_view word = std::string_view(list).substr(p, end - p);
    p = end + 1;
    if (word.empty()) continue;
    if (rawCount_ >= kMaxSentenceWords) {
      cut_ = true;  // the token goes on in the next piece
      break;
    }
    const Lexicon::WordLookup r = lexicon_.LookupWord(word);
    if (!r.found) engine_.InternalError("bad contraction: <" + std::string(word) + "> not exist");
    ++rawCount_;
    WordRecord& w = Current();
    w = WordRecord{};
    w.text = surface;
    w.entry = r.entry;
    w.flags = r.flags;
    ++added;
  }
  if (added == 0) {
    // A contraction that lists nothing keeps its token as an unknown word.
    ++rawCount_;
    Current().text = surface;
    GuessWord(Text(surface));
  }
}

// Double quotes open and close passages; a comma before a closing quote is
// moved after it, where Chinese puts it.
void LexicalStage::QuoteStep() {
  state_.outsideQuotes = !state_.outsideQuotes;
  if (state_.outsideQuotes && rawCount_ >= 2 && Text(raw_[static_cast<std::size_t>(rawCount_ - 1)].text) == ",")
    std::swap(raw_[static_cast<std::size_t>(rawCount_ - 1)], raw_[static_cast<std::size_t>(rawCount_)]);
}

void LexicalStage::HandleUnknown(std::string_view t) {
  if (t.empty()) {
    GuessWord(t);
    return;
  }
  if (t.find(',') != std::string_view::npos) return CommaToken(t);
  if (t.find('-') != std::string_view::npos) return HyphenToken(t);
  if (t.find('/') != std::string_view::npos) return SlashToken(t);
  if (t.find('\'') != std::string_view::npos) return ApostropheToken(t);
  if (IsDigit(t[0])) return GuessWord(t);
  if (t.back() == ':' || t.back() == ';') return ColonToken(t);
  if (t.back() == '.') return FullStopToken(t);
  const std::size_t typographic = t.find('\x92');
  if (typographic != std::string_view::npos) {
    // The typographic apostrophe of the Windows Latin code page.
    std::string plain(t);
    plain[typographic] = '\'';
    if (!LookupInto(plain)) ApostropheToken(plain);
    return;
  }
  GuessWord(t);
}

void LexicalStage::CommaToken(std::string_view t) {
  if (t.back() == ',') {
    const std::string_view rest = t.substr(0, t.size() - 1);
    if (rest.empty()) return GuessWord(t);
    const PoolRef text = Store(rest);
    if (text != kNoText) Current().text = text;
    LookupOrGuess(rest);
    AddRawWord(",");
    return;
  }
  if (IsDigit(t[0]) && IsDigit(t.back())) return GuessWord(t);  // 1,000,000
  if (t[0] == '$') return GuessWord(t);                           // $5,000
  const std::size_t p = t.find(',');
  const std::string_view left = t.substr(0, p);
  const std::string_view right = t.substr(p + 1);
  if (left.empty()) return GuessWord(t);
  if (!lexicon_.LookupWord(",").found) engine_.ReportError("bad lexicon!");
  const PoolRef text = Store(left);
  if (text != kNoText) Current().text = text;
  LookupOrGuess(left);
  AddRawWord(",");
  AddRawWord(right);
}

void LexicalStage::HyphenToken(std::string_view t) {
  if (t[0] == '-') return GuessWord(t);
  const std::size_t p = t.find('-');
  const std::string_view left = t.substr(0, p);
  const std::string_view right = t.substr(p + 1);
  std::string joined(left);
  joined += right;
  if (LookupInto(joined)) return;  // "e-mail" as "email"

  const HalfWord l = LookupHalf(lexicon_, left);
  if (!l.found) {
    if (!right.empty() && right[0] == '-') {
      // A dash between two parts ("1990--2000"): three words.
      std::string_view after = right;
      while (!after.empty() && after[0] == '-') after.remove_prefix(1);
      const PoolRef text = Store(left);
      if (text != kNoText) Current().text = text;
      LookupOrGuess(left);
      AddRawWord("--");
      if (!after.empty()) AddRawWord(after);
      return;
    }
    return GuessWord(t);
  }
  const HalfWord r = LookupHalf(lexicon_, right);
  if (!r.found) return GuessWord(t);

  const Compound c = HyphenCompound(l, r);
  GuessWord(t);
  WordRecord& w = Current();
  w.cats[1] = c.category;
  const PoolRef text = Store(c.text);
  if (text != kNoText) w.baseText = text;
}

void LexicalStage::SlashToken(std::string_view t) {
  if (t[0] == '/') return GuessWord(t);
  const std::size_t p = t.find('/');
  const HalfWord l = LookupHalf(lexicon_, t.substr(0, p));
  const HalfWord r = LookupHalf(lexicon_, t.substr(p + 1));
  if (!l.found || !r.found) return GuessWord(t);
  GuessWord(t);
  WordRecord& w = Current();
  w.cats[1] = cat::kN;
  const PoolRef text = Store(SlashText(l.text, r.text));
  if (text != kNoText) w.baseText = text;
}

void LexicalStage::ApostropheToken(std::string_view t) {
  if (t == "'s") {
    const Lexicon::WordLookup r = lexicon_.LookupWord("$s");
    if (!r.found) engine_.InternalError("bad lexicon");
    SetFound(r);
    const PoolRef text = Store("$s");
    if (text != kNoText) Current().text = text;
    return;
  }
  const std::size_t L = t.size();
  if (t[0] == '\'') {
    // A word in single quotes: the quotes go, and what is left is read again.
    std::string_view inner = t;
    while (!inner.empty() && inner.front() == '\'') inner.remove_prefix(1);
    while (!inner.empty() && inner.back() == '\'') inner.remove_suffix(1);
    if (inner.empty()) return GuessWord(t);
    if (inner.find('\'') != std::string_view::npos) return ApostropheToken(inner);
    return LookupOrGuess(inner);
  }
  if (t.back() == '\'' && L >= 3 && Lower(t[L - 3]) == 'i' && Lower(t[L - 2]) == 'n') {
    // "goin'" is "going".
    std::string g(t);
    if (t[L - 2] == 'N')
      for (char& c : g) c = Lower(c);
    g.back() = 'g';
    if (!LookupInto(g)) GuessWord(t);
    return;
  }
  const bool possessive = t.back() == '\'' || (L >= 2 && t[L - 2] == '\'' && (t.back() == 's' || t.back() == 'S'));
  if (!possessive) return GuessWord(t);

  const std::string_view owner = t.substr(0, t.back() == '\'' ? L - 1 : L - 2);
  if (!lexicon_.LookupWord("$s").found) engine_.InternalError("bad lexicon");
  const PoolRef text = Store(owner);
  if (text != kNoText) Current().text = text;
  if (owner.size() == 1 || IsDigit(owner[0]))
    GuessWord(owner);
  else if (!LookupInto(owner) && !LookupInto(Capitalised(owner)))
    GuessWord(owner);
  AddRawWord("$s");
}

void LexicalStage::ColonToken(std::string_view t) {
  if (t[0] == '&' && t.back() == ';') {
    // An entity the scanner left alone is shown as it stands.
    std::string shown(t);
    shown += ' ';
    return GuessWord(shown);
  }
  const std::string_view rest = t.substr(0, t.size() - 1);
  if (rest.empty()) return GuessWord(t);
  const PoolRef text = Store(rest);
  if (text != kNoText) Current().text = text;
  LookupOrGuess(rest);
  AddRawWord(t.substr(t.size() - 1));
}

void LexicalStage::FullStopToken(std::string_view t) {
  std::size_t stops = 0;
  while (stops < t.size() && t[t.size() - 1 - stops] == '.') ++stops;
  const std::string_view rest = t.substr(0, t.size() - stops);
  if (rest.empty()) return GuessWord(t);
  if (stops == 1) return LookupOrGuess(rest);  // an abbreviation keeps its text
  const PoolRef text = Store(rest);
  if (text != kNoText) Current().text = text;
  LookupOrGuess(rest);
  AddRawWord("...");
}

// ---------------------------------------------------------------------------
// Special-word handlers.

int LexicalStage::NoHandler(int&, int) { return 0; }

// Words that are plural whatever their shape ("police", "cattle").
int LexicalStage::PluralHandler(int&, int wordPos) {
  state_.words[static_cast<std::size_t>(wordPos)].flags = wf::PLURAL;
  return 0;
}

// Month names: "May 5, 1998", "May 5th", "5 May 1998", "the 5th of May" and
// "May 1998" become one noun with the Chinese date.
int LexicalStage::DateHandler(int& rawIndex, int wordPos) {
  if (wordPos < 1 || wordPos > state_.sentenceLen) return 0;
  const WordRecord& month = state_.words[static_cast<std::size_t>(wordPos)];
  auto rawText = [this](int k) { return Text(raw_[static_cast<std::size_t>(k)].text); };
  auto wordText = [this](int k) { return Text(state_.words[static_cast<std::size_t>(k)].text); };

  std::string day, year;
  int before = 0, after = 0;
  // A year after the month (or after its day), perhaps after a comma.
  auto yearAfter = [&](int from) {
    int r = from;
    if (r <= rawCount_ && rawText(r) == ",") ++r;
    if (r <= rawCount_ && IsYear(rawText(r))) {
      year = rawText(r);
      after = r - rawIndex;
    }
  };
  const int next = rawIndex + 1;
  if (next <= rawCount_) day = DayDigits(rawText(next));
  if (!day.empty()) {
    after = 1;
    yearAfter(next + 1);
  } else {
    if (wordPos > 1) day = DayDigits(wordText(wordPos - 1));
    if (!day.empty()) {
      before = 1;
    } else if (wordPos > 3 && EqualsNoCase(wordText(wordPos - 3), "the") &&
               EqualsNoCase(wordText(wordPos - 1), "of")) {
      day = DayDigits(wordText(wordPos - 2));
      if (!day.empty()) before = 3;
    }
    // "5 May 1998", or a month and its year alone.
    if (next <= rawCount_ && (!day.empty() || rawText(next) != ",")) yearAfter(next);
  }
  if (day.empty() && year.empty()) return 0;

  std::string monthText;
  if (month.entry) monthText = WithoutSlots(EntryChinese(lexicon_, *month.entry));
  if (monthText.empty()) monthText = Text(month.text);
  const LexEntry* entry = month.entry;
  const PoolRef monthSurface = month.text;
  const int first = wordPos - before;
  std::string surface;
  for (int q = first; q < wordPos; ++q) {
    surface += wordText(q);
    surface += ' ';
  }
  surface += Text(monthSurface);
  for (int q = 1; q <= after; ++q) {
    surface += ' ';
    surface += rawText(rawIndex + q);
  }
  const std::string chinese = DateText(year, monthText, day);

  WordRecord& w = state_.words[static_cast<std::size_t>(first)];
  w = WordRecord{};
  w.entry = entry;
  w.flags = wf::WF_NOTFOUND;
  w.catCount = 1;
  w.cats[1] = cat::kN;
  w.text = Store(surface);
  if (w.text == kNoText) w.text = monthSurface;
  w.baseText = Store(chinese);
  if (w.baseText == kNoText) w.baseText = w.text;
  formAt_[static_cast<std::size_t>(first)] = 0;
  rawIndex += after;
  return -before;
}

}  // namespace wb
