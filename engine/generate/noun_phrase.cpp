// Noun phrases: the noun with its idioms, its modifiers in Chinese order
// (everything before the noun, 的 after what needs it) and the determiner or
// numeral that takes the noun's classifier (这本书, 三天).

#include <string>
#include <vector>

#include "engine/analysis/morphology.h"
#include "engine/generate/chinese_text.h"
#include "engine/generate/generator.h"
#include "engine/generate/idiom.h"
#include "engine/generate/large_numbers.h"
#include "engine/grammar/sense.h"
#include "engine/grammar/sense_bits.h"
#include "engine/parse/tree.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

// The idioms of nouns: "the age of 20" is 20岁, "three times" 三次.
struct NounIdiom {
  std::string_view noun;
  std::string_view pattern;
  std::string_view templ;  // offset and the Chinese after the word it names
};
constexpr NounIdiom kNounIdioms[] = {
    {"age", "~(\"the\"/det/-1;\"of\"/prep/1(\"\"/num/1))", "+2\xCB\xEA"},  // +2岁
    {"time", "~(\"\"/num/-1)", "-1\xB4\xCE"},                               // -1次
    // "the first time", "the third time": the article says nothing more.
    {"time", "~(\"the\"/det/-2;\"\"/num/-1)", "-1\xB4\xCE"},
};

// Characters of a numeral that a classifier may follow: the digits, the
// Chinese numbers and the ordinal prefix 第.
bool IsNumberText(std::string_view s) {
  static constexpr std::string_view kNumberChars[] = {
      "\xC1\xE3", "\xD2\xBB", "\xB6\xFE", "\xC1\xBD", "\xC8\xFD", "\xCB\xC4", "\xCE\xE5", "\xC1\xF9", "\xC6\xDF",
      "\xB0\xCB", "\xBE\xC5", "\xCA\xAE", "\xB0\xD9", "\xC7\xA7", "\xCD\xF2", "\xD2\xDA", "\xB5\xDA", "\xBC\xB8",
      // 零 一 二 两 三 四 五 六 七 八 九 十 百 千 万 亿 第 几
  };
  if (s.empty()) return false;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if ((c >= '0' && c <= '9') || c == '.' || c == ',' || c == ' ') {
      ++i;
      continue;
    }
    if (!IsGbkLead(c) || i + 1 >= s.size()) return false;
    bool found = false;
    for (std::string_view n : kNumberChars) found = found || s.substr(i, 2) == n;
    if (!found) return false;
    i += 2;
  }
  return true;
}

// An adjective that says what kind of thing the noun is rather than how it
// is: "commercial flights", "a diagnostic tool", "local time", "Chinese
// culture". Chinese sets its equivalent before the noun without 的
// (商业航班, 诊断工具, 当地时间); English forms them with these endings.
bool IsRelationalAdjective(std::string_view w) {
  static constexpr std::string_view kEndings[] = {"al", "ic", "ary", "ese", "ian", "ern"};
  if (w.size() < 5) return false;
  for (std::string_view e : kEndings)
    if (w.substr(w.size() - e.size()) == e) return true;
  return false;
}

}  // namespace

// A title that goes with a name: Mr, Mrs, Ms, Miss, Dr (with or without
// the full stop).
bool Generator::IsPersonTitle(int pos) const {
  if (Node(pos).category != cat::kN || Node(pos).depCount != 0) return false;
  std::string_view w = state_.textPool.Get(Word(pos).text);
  if (!w.empty() && w.back() == '.') w.remove_suffix(1);
  return w == "Mr" || w == "Mrs" || w == "Ms" || w == "Miss" || w == "Dr";
}

// Whether the noun's first sense is a proper name (or the word is unknown,
// and so kept as it stands).
bool Generator::IsProperName(int pos) const {
  if (!Known(pos)) return true;
  const NounFields* n = KnownNoun(pos);
  return n != nullptr && HasNounCode(n->codes, nc::PN);
}

// Whether the noun at pos names a span of time (class 2: day, week, year).
bool Generator::IsTimeNounWord(int pos) const {
  if (!Known(pos)) return false;
  const NounFields* n = KnownNoun(pos);
  if (n == nullptr) return false;
  for (std::uint8_t k : n->classes)
    if (k == 2) return true;
  return false;
}

// "one of the largest countries", "most of the families": a part taken
// from a whole. Chinese names the whole first for "one" (最大的国家之一)
// and a pronoun whole (他们中的大多数), and puts the quantity before any
// other whole (大多数家庭).
bool Generator::PartOfWhole(int pos, std::string& out) {
  // ("all of us", "both of them" say 都 on the verb instead: not here.)
  static constexpr std::string_view kParts[] = {"one", "most", "many", "some", "several"};
  if (PercentOfWhole(pos, out)) return true;
  bool part = false;
  for (std::string_view w : kParts) part = part || IsWordText(pos, w);
  if (!part || Node(pos).depCount != 1) return false;
  const int of = Node(pos).deps[0];
  if (of < pos || !IsWordText(of, "of") || Node(of).depCount != 1) return false;
  const int whole = Node(of).deps[0];
  const Category wc = Node(whole).category;
  if (wc != cat::kN && wc != cat::kPron) return false;
  Account(pos);
  const std::string wholeText = PrepPhrase(of, true);
  if (IsWordText(pos, "one")) {
    out = wholeText + "\xD6\xAE\xD2\xBB";  // 之一
    return true;
  }
  const std::string own = ChooseEquivalent(pos, cat::kN, kAnyNounCode);
  out = wc == cat::kPron ? wholeText + "\xD6\xD0\xB5\xC4" + own : own + wholeText;  // 中的
  return true;
}

// "80 percent of the people": the share and then the whole it is taken
// from, as a description of it (80%的人); "500 grams of flour": a unit
// measures what follows it directly (500克面粉).
bool Generator::PercentOfWhole(int pos, std::string& out) {
  const bool percent = IsWordText(pos, "percent") || IsWordText(pos, "%");
  if (!(percent || MeasuresItself(pos)) || Node(pos).depCount != 2) return false;
  const int num = Node(pos).deps[0];
  const int of = Node(pos).deps[1];
  if (Node(num).category != cat::kNum || num > pos || of < pos || !IsWordText(of, "of") ||
      Node(of).depCount != 1)
    return false;
  Account(pos);
  Account(of);
  // A stretch of time describes what fills it (三天的雨).
  const bool describes = percent || IsTimeNounWord(pos);
  out = GenerateNode(num) + ChooseEquivalent(pos, cat::kN, kAnyNounCode) + std::string(describes ? cn::kDe : "") +
        GenerateNode(Node(of).deps[0]);
  return true;
}

// A unit that takes no classifier after a number (公里, 克, 美元).
bool Generator::MeasuresItself(int pos) const {
  const NounFields* n = KnownNoun(pos);
  if (n == nullptr || n->classifier == 0) return false;
  const Lexicon* lex = sentence_.LexiconInUse();
  return lex != nullptr && lex->AuxName(n->classifier) == "-";
}

bool Generator::NounIdiom(int pos, std::string& out) {
  for (const auto& idiom : kNounIdioms) {
    if (!IsWordText(pos, idiom.noun)) continue;
    const IdiomMatch m = MatchIdiom(sentence_, *tree_, pos, idiom.pattern, idiom.templ, sink_);
    if (!m.matched) continue;
    for (int w : m.words) Account(w);
    Account(pos);
    std::string number = GenerateNode(m.templateWord);
    // The words the pattern covered say nothing of their own; only the
    // named word's text is used.
    out = number + m.after;
    return true;
  }
  return false;
}

// A determiner with the classifier class, or a numeral, waits for the noun
// and its classifier. A numeral that is no plain number (一半, 一打) stands
// before the noun as it is.
bool Generator::HoldsBack(int noun, int dep) const {
  const DepNode& d = Node(dep);
  if (d.depCount != 0 && d.category == cat::kDet) return false;
  if (d.category == cat::kDet) {
    if (d.marks >= 8) {
      // A phrase determiner ("a few" 几) holds back when its sense says so.
      const WordRecord& w = Word(dep);
      if (w.phraseEntry == nullptr) return false;
      for (const Sense& x : w.phraseEntry->senses)
        if (x.category == cat::kDet) return x.FlagByte() == det_class::kWithClassifier;
      return false;
    }
    const Sense* s = FirstSenseOf(dep, cat::kDet);
    return s != nullptr && s->FlagByte() == det_class::kWithClassifier;
  }
  if (d.category == cat::kNum) {
    (void)noun;
    return true;
  }
  return false;
}

std::string Generator::GenerateNoun(int pos) {
  std::string idiom;
  if (NounIdiom(pos, idiom)) return idiom;
  if (PartOfWhole(pos, idiom)) return idiom;

  // "100 miles per hour": the rate goes first, before the number (每小时100英里).
  std::string per;
  for (int d : DepsOf(pos))
    if (IsRate(pos, d)) per += PrepPhrase(d, true);
  std::string text = NounPostModifiers(pos);
  // "three weeks ago": 前 or 后 after the whole time (三周前).
  std::string_view suffix;
  for (int d : DepsOf(pos))
    if (d > pos && IsTimeNounWord(pos) && !TimeSuffix(d).empty()) {
      suffix = TimeSuffix(d);
      Account(d);
    }

  // The modifiers before the noun, in order; one determiner or numeral may
  // wait for the classifier.
  int held = 0;
  int unit = 0;
  std::string title;
  int lastMod = 0;
  std::string lastText;
  std::string pre;
  const std::vector<int> deps = DepsOf(pos);
  std::vector<int> before;
  for (int d : deps)
    if (d < pos) before.push_back(d);
  for (std::size_t k = 0; k < before.size(); ++k) {
    const int d = before[k];
    if (held == 0 && HoldsBack(pos, d)) {
      held = d;
      continue;
    }
    // "Mr Reid": Chinese puts the title after the name (里德先生), and the
    // word after a title is a name even where it is also a common word.
    if (d + 1 == pos && IsPersonTitle(d)) {
      title = GenerateNode(d);
      continue;
    }
    // "two thousand books": the unit after the held number joins it.
    if (held != 0 && unit == 0 && d == held + 1 && Node(d).category == cat::kNum && Node(d).depCount == 0 &&
        LargeUnitValue(sentence_.WordText(d)) > 0) {
      unit = d;
      Account(d);
      continue;
    }
    std::string t = ModifierText(pos, d);
    pre += t;
    if (!t.empty()) {
      lastMod = d;
      lastText = t;
    }
    // Two adjectives in a row are parted by 的 (大的红球), unless the first
    // is a single character that binds to what follows.
    const bool nextIsAdj = k + 1 < before.size() && Node(before[k + 1]).category == cat::kAdj;
    if (Node(d).category == cat::kAdj && nextIsAdj && CharCount(t) > 1 && !EndsWithChar(pre, cn::kDe)) pre += cn::kDe;
  }
  bool rowClassifier = false;
  if (lastMod != 0) {
    const Category c = Node(lastMod).category;
    const bool binds = c == cat::kDet || c == cat::kNum || c == cat::kN || c == cat::kBoth || c == cat::kPoss ||
                       c == cat::kPron;
    // 的 after a modifier, except after a determiner, a number, a noun, a
    // possessive, and a one-character adjective (大房子, 新书), which binds
    // to its noun; and never twice.
    // A capitalised adjective inside the sentence names a people or a
    // place (Greek, French, British): it tells the kind too (希腊律师).
    const std::string_view surface = state_.textPool.Get(Word(lastMod).text);
    const bool named = lastMod > 1 && !surface.empty() && surface[0] >= 'A' && surface[0] <= 'Z';
    const bool oneCharAdj = c == cat::kAdj && Node(lastMod).depCount == 0 &&
                            (CharCount(lastText) == 1 ||
                             ((named || IsRelationalAdjective(sentence_.WordText(lastMod))) && AllChinese(lastText)));
    // "next", "last" (下一, 上一) count along a row and take the noun's
    // classifier (下一本书); before a time word they are 下 and 上 alone
    // (下周一).
    const bool row = c == cat::kAdj && (lastText == "\xCF\xC2\xD2\xBB" || lastText == "\xC9\xCF\xD2\xBB");
    if (row && IsTimeNounWord(pos) && EndsWithChar(pre, "\xD2\xBB")) pre.resize(pre.size() - 2);
    else if (row && EndsWithChar(pre, "\xD2\xBB")) rowClassifier = true;  // 下一个, 下一本
    if (!binds && !oneCharAdj && !row && !EndsWithChar(pre, cn::kDe) && !pre.empty()) pre += cn::kDe;
  }
  text += pre;
  const std::size_t preEnd = text.size();

  // A plural asks for a countable sense: an irregular plural (PLURAL) or a
  // noun with the -s ending (S).
  const bool plural = ((Flags(pos) & wf::PLURAL) != 0 && (Flags(pos) & wf::SINGULAR) == 0) || (Flags(pos) & wf::S) != 0;
  const int required = held != 0 || plural ? nc::C : kAnyNounCode;
  text += title.empty() || IsProperName(pos) ? ChooseEquivalent(pos, cat::kN, required)
                                              : std::string(state_.textPool.Get(Word(pos).text)) + " ";
  // The noun's classifier is known once its sense is chosen.
  if (rowClassifier) text.insert(preEnd, ClassifierText(pos));
  text += title;
  Account(pos);
  if (held != 0 && unit != 0) {
    std::string own = WithLargeUnit(held, unit, GenerateNode(held));
    // The classifier of the counted noun follows the whole number (两千本书).
    if (!own.empty()) return per + own + std::string(ClassifierText(pos)) + text;
  }
  // "ten million", "a million" as a noun: the number and the unit are one
  // value (一千万, 一百万) and take no classifier.
  if (held != 0 && LargeUnitValue(sentence_.WordText(pos)) > 0) {
    std::string own = WithLargeUnit(held, pos, GenerateNode(held));
    if (!own.empty()) return per + own;
  }
  // A noun that measures itself (天, 年) takes the number right before it,
  // after its description: 美好的一天, 过去的20年.
  // (Only where English has the description first: "a great day", "the
  // past 20 years"; "783,562 square kilometres" keeps its number first.)
  bool describedFirst = held != 0 && Node(held).category == cat::kDet;
  for (int d : before) describedFirst = describedFirst || (held != 0 && d < held && Node(d).category == cat::kAdj);
  if (held != 0 && !pre.empty() && ClassifierText(pos).empty() && describedFirst) {
    std::string description = text.substr(0, preEnd);
    if (Node(lastMod).category == cat::kAdj && !EndsWithChar(description, cn::kDe)) description += cn::kDe;
    text = description + CombineHeldBack(held, pos, text.substr(preEnd));
  }
  else if (held != 0)
    text = CombineHeldBack(held, pos, text);
  return per + text + std::string(suffix);
}

// The text of a number (with its own modifiers, 大约1.5) with the large
// unit at `unit` worked into it (大约150万); empty when the number's word is
// no number the unit can multiply.
std::string Generator::WithLargeUnit(int number, int unit, std::string own) {
  bool digits = false;
  const double n = EnglishNumberValue(state_.textPool.Get(Word(number).text), digits);
  const double u = LargeUnitValue(sentence_.WordText(unit));
  if (n <= 0 || u <= 0) return {};
  const std::string value = ChineseLargeNumber(n * u, digits);
  if (value.empty()) return {};
  // The number's own text ends the generated phrase: cut it off, keeping
  // what its modifiers said before it.
  while (!own.empty()) {
    const std::size_t at = LastCharStart(own);
    if (!IsNumberText(std::string_view(own).substr(at)) && own.substr(at) != "\xB8\xF6") break;  // 个
    own.resize(at);
  }
  Account(unit);
  return own + value;
}

// The held-back determiner or numeral with the noun's classifier before the
// noun phrase; its text may carry a slot for the phrase.
std::string Generator::CombineHeldBack(int held, int noun, const std::string& phrase) {
  // "both golf and rugby": "both" before a pair counts nothing of its own;
  // the clause says 都 (高尔夫球和橄榄球都…).
  if (IsWordText(held, "both")) {
    const int partner = Node(noun).partner;
    bool pair = partner > noun && Node(partner).category == cat::kAnd;
    for (int d : DepsOf(noun)) pair = pair || (d > noun && Node(d).category == cat::kAnd);
    if (pair) {
      Account(held);
      return phrase;
    }
  }
  std::string own = GenerateNode(held);
  const bool number = Node(held).category == cat::kNum;
  if (number && !IsNumberText(own)) return InsertComplement(own, phrase);
  std::string withClassifier = own;
  const std::size_t slot = FindSlotMarker(own);
  const std::string_view classifier = IsKindNamed(held, noun) ? std::string_view("\xD6\xD6") : ClassifierText(noun);  // 种
  if (slot == std::string::npos) return own + std::string(classifier) + phrase;
  withClassifier = InsertComplement(own, std::string(classifier) + "\\C");
  return InsertComplement(withClassifier, phrase);
}

// "Sanskrit is an ancient language", "light is a type of radiation": a
// thing that "is a" something without a classifier of its own is said to be
// a kind of it (梵语是一种古老的语言); a person is still 一个.
bool Generator::IsKindNamed(int held, int noun) const {
  const int head = Node(noun).head;
  const bool predicate = Node(noun).relation == rpred || (head != 0 && Node(head).category == cat::kBe &&
                                                          Node(noun).relation == robj1);
  if (!predicate || Node(noun).genCode != 0) return false;
  if (!IsWordText(held, "a") && !IsWordText(held, "an")) return false;
  const NounFields* n = KnownNoun(noun);
  if (n == nullptr || HasNounCode(n->codes, nc::PN)) return false;
  // Kinds of beings, matter, states and phenomena; not people, body parts,
  // events or acts, which are counted one by one (一个错误, 一起事故).
  static constexpr std::uint8_t kKinds[] = {4, 7, 8, 12, 15, 17, 19, 20, 21, 32, 33, 35};
  for (std::uint8_t k : kKinds)
    if (n->classes[0] == k) return true;
  return false;
}

// "per hour", "per person" on a counted noun: a rate.
bool Generator::IsRate(int noun, int dep) const {
  if (dep < noun || !IsWordText(dep, "per") || Node(dep).depCount != 1) return false;
  for (int d : DepsOf(noun))
    if (d < noun && (Node(d).category == cat::kNum || LargeUnitValue(sentence_.WordText(d)) > 0)) return true;
  return false;
}

// The words of the subtree under pos, pos included.
int Generator::SubtreeSize(int pos) const {
  int n = 1;
  for (int d : DepsOf(pos)) n += SubtreeSize(d);
  return n;
}

// The modifiers after the noun, from the last to the first, each followed
// by 的: "the book on the table in the room" is 房间里的桌子上的书.
std::string Generator::NounPostModifiers(int pos) {
  std::string text;
  const std::vector<int> deps = DepsOf(pos);
  for (auto it = deps.rbegin(); it != deps.rend(); ++it) {
    const int d = *it;
    if (d < pos || (IsTimeNounWord(pos) && !TimeSuffix(d).empty()) || IsRate(pos, d)) continue;
    std::string t = ModifierText(pos, d);
    text += t;
    // "the government of Iceland": a place or body with a name of its own
    // before a common noun makes one name with it (冰岛政府).
    if (IsWordText(d, "of") && Node(d).depCount == 1 && OwnName(Node(d).deps[0]) && !IsProperName(pos)) continue;
    if (text != " " && !text.empty() && !EndsWithChar(text, cn::kDe) && !EndsWithChar(text, "\xB5\xC8")) text += cn::kDe;  // 等
  }
  return text;
}

// A known noun whose first sense is a proper name (冰岛, 德国); an unknown
// word is kept in English and so is no part of a Chinese name.
bool Generator::OwnName(int pos) const {
  return Node(pos).category == cat::kN && Known(pos) && IsProperName(pos);
}

// One modifier of a noun. A prepositional phrase on a noun loses the 在 of
// its frame (桌子上的书, not 在桌子上的书); "from" on a noun is 来自, "with"
// is 有 (有长头发的女孩).
std::string Generator::ModifierText(int head, int dep) {
  (void)head;
  // "fruits such as apples and oranges": the examples and 等 before the
  // kind they stand for (苹果和橙子等水果).
  if (Node(dep).category == cat::kPrep && IsWordText(dep, "such as")) return PrepPhrase(dep, true, "\\C\xB5\xC8");
  if (Node(dep).category == cat::kPrep) return PrepPhrase(dep, true);
  return GenerateNode(dep);
}

}  // namespace wb
