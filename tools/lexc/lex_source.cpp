#include "tools/lexc/lex_source.h"

#include <cstdio>
#include <map>
#include <span>
#include <type_traits>
#include <utility>
#include <variant>

#include "engine/analysis/sentence.h"
#include "engine/grammar/sense_bits.h"

namespace wb {

namespace {

// ---------------------------------------------------------------------------
// Names of bits and classes

// A name for the bits `value` under `mask`. When mask and value are equal the
// name is one flag; otherwise it is one class among several sharing the mask.
struct FlagName {
  std::string_view name;
  std::uint16_t mask;
  std::uint16_t value;
  bool printZero = false;  // a class whose value is 0 and still gets printed
};
using Vocabulary = std::span<const FlagName>;

constexpr FlagName kAdverbNames[] = {
    {"num-modifier", adv_flag::kNumberModifier, adv_flag::kNumberModifier},
    {"mid-position", adv_flag::kMidPosition, adv_flag::kMidPosition},
    {"after-prep", adv_flag::kAfterPreposition, adv_flag::kAfterPreposition},
    {"verb-bound", adv_flag::kVerbBound, adv_flag::kVerbBound},
    {"predicative", adv_flag::kPredicative, adv_flag::kPredicative},
    {"not-before-adj", adv_flag::kNotBeforeAdjective, adv_flag::kNotBeforeAdjective},
    {"not-verb-modifier", adv_flag::kNotVerbModifier, adv_flag::kNotVerbModifier},
};
constexpr FlagName kPrepositionNames[] = {
    {"before-verb", prep_flag::kBeforeVerb, prep_flag::kBeforeVerb},
    {"not-noun-modifier", prep_flag::kNotNounModifier, prep_flag::kNotNounModifier},
};
constexpr FlagName kDeterminerNames[] = {{"with-classifier", 0xFF, det_class::kWithClassifier}};
constexpr FlagName kDeterminerPairingNames[] = {{"exclusive", 0xFF, det_pairing::kExclusive}};
constexpr FlagName kAuxiliaryNames[] = {
    {"perfect", aux_class::kMask, aux_class::kPerfect, true},
    {"modal", aux_class::kMask, aux_class::kModal},
    {"progressive", aux_class::kMask, aux_class::kProgressive},
    {"negative", aux_flag::kNegative, aux_flag::kNegative},
};
constexpr FlagName kWhNames[] = {
    {"determiner", 0xFF, wh_class::kDeterminer},
    {"possessive", 0xFF, wh_class::kPossessive},
};
constexpr FlagName kConjunctionNames[] = {{"clause-front", 0xFF, conj_flag::kClauseFront}};
constexpr FlagName kPronounNames[] = {
    {"subject", pron_flag::kSubject, pron_flag::kSubject},
    {"object", pron_flag::kObject, pron_flag::kObject},
};
// The form flags a reference applies, by the engine's own names.
constexpr FlagName kFormNames[] = {
    {"S", wf::S, wf::S},
    {"SINGULAR", wf::SINGULAR, wf::SINGULAR},
    {"PLURAL", wf::PLURAL, wf::PLURAL},
    {"ING", wf::ING, wf::ING},
    {"PAST", wf::PAST, wf::PAST},
    {"EN", wf::EN, wf::EN},
    {"ED", wf::ED, wf::ED},
    {"WF_VERB", wf::WF_VERB, wf::WF_VERB},
    {"ER", wf::ER, wf::ER},
    {"EST", wf::EST, wf::EST},
    {"WF_NOTFOUND", wf::WF_NOTFOUND, wf::WF_NOTFOUND},
    {"ABBR", wf::ABBR, wf::ABBR},
    {"WF_MARKED", wf::WF_MARKED, wf::WF_MARKED},
};

Vocabulary HeadVocabulary(Category c) {
  switch (c) {
    case cat::kAdv: return kAdverbNames;
    case cat::kPrep: return kPrepositionNames;
    case cat::kDet: return kDeterminerNames;
    case cat::kAux: return kAuxiliaryNames;
    case cat::kWh: return kWhNames;
    case cat::kConj: return kConjunctionNames;
    case cat::kPron: return kPronounNames;
    case cat::kRef: return kFormNames;
    default: return {};
  }
}

Vocabulary SecondVocabulary(Category c) {
  if (c == cat::kDet) return kDeterminerPairingNames;
  return {};
}

// Entry flags (first flag byte in the low half). Bit 0x40 is written as the
// `handler` line, not by name.
constexpr std::uint16_t kEntryHandlerBit = ef1::kHandler;
struct EntryFlagName {
  std::string_view name;
  std::uint16_t bit;
};
constexpr EntryFlagName kEntryFlagNames[] = {
    {"single-modal", ef1::kSingleModal},
    {"to-after-noun", ef1::kToAfterNoun},
    {"fixed-phrase", ef1::kFixedPhrase},
    {"keep-start-form", ef1::kKeepStartForm},
    {"contraction", ef1::kContraction},
    {"phrasal-verb", ef1::kPhrasalVerb},
    {"base-is-past", static_cast<std::uint16_t>(ef2::kBaseIsPast << 8)},
    {"base-is-participle", static_cast<std::uint16_t>(ef2::kBaseIsParticiple << 8)},
    {"headword-form", static_cast<std::uint16_t>(ef2::kHeadwordForm << 8)},
};

constexpr std::string_view kHandlerNames[] = {"plural", "date"};

// ---------------------------------------------------------------------------
// Text helpers

std::string Hex(unsigned v, int digits) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%0*X", digits, v);
  return buf;
}

bool IsGbkLead(unsigned char c) { return c >= 0x81 && c <= 0xFE; }
bool IsGbkTrail(unsigned char c) { return c >= 0x40 && c <= 0xFE && c != 0x7F; }

bool IsBareChar(unsigned char c) {
  if (c <= 0x20 || c >= 0x7F) return false;
  switch (c) {
    case '"': case '#': case ',': case '=': case '\\': case '|': return false;
    default: return true;
  }
}

bool AllDigits(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

// Can be written without quotes and reads back as the same text (and not as
// a number).
bool IsBare(std::string_view s) {
  if (s.empty() || AllDigits(s)) return false;
  for (char c : s)
    if (!IsBareChar(static_cast<unsigned char>(c))) return false;
  return true;
}

std::string Quote(std::string_view s) {
  std::string out = "\"";
  for (std::size_t i = 0; i < s.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (IsGbkLead(c) && i + 1 < s.size() && IsGbkTrail(static_cast<unsigned char>(s[i + 1]))) {
      out.append(s.substr(i, 2));
      ++i;
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\\') {
      // A backslash stays single (the slot marker reads naturally) unless
      // what follows would make it an escape.
      unsigned char n = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
      bool plainNext = n >= 0x20 && n < 0x7F && n != '"' && n != '\\' && n != 'x';
      out += plainNext ? "\\" : "\\\\";
    } else if (c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", c);
      out += buf;
    }
  }
  out.push_back('"');
  return out;
}

std::string BareOrQuoted(std::string_view s) { return IsBare(s) ? std::string(s) : Quote(s); }

// ---------------------------------------------------------------------------
// Lines and tokens

struct Item {
  std::string text;
  bool quoted = false;
};
struct Token {
  std::string key;  // empty for a token without "key="
  std::vector<Item> items;
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Cuts one line into tokens; false with `error` set on a malformed line.
bool SplitLine(std::string_view line, std::vector<Token>& tokens, std::string& error) {
  tokens.clear();
  std::size_t i = 0;
  const std::size_t n = line.size();
  auto blank = [&](std::size_t k) { return k < n && (line[k] == ' ' || line[k] == '\t'); };
  while (true) {
    while (blank(i)) ++i;
    if (i >= n || line[i] == '#') return true;
    Token t;
    // key=
    std::size_t k = i;
    while (k < n && ((line[k] >= 'a' && line[k] <= 'z') || (line[k] >= '0' && line[k] <= '9') || line[k] == '-')) ++k;
    if (k > i && k < n && line[k] == '=' && line[i] >= 'a' && line[i] <= 'z') {
      t.key.assign(line.substr(i, k - i));
      i = k + 1;
    }
    while (true) {
      Item item;
      if (i < n && line[i] == '"') {
        item.quoted = true;
        ++i;
        bool closed = false;
        while (i < n) {
          unsigned char c = static_cast<unsigned char>(line[i]);
          if (c == '"') {
            closed = true;
            ++i;
            break;
          }
          if (c == '\\' && i + 1 < n && (line[i + 1] == '"' || line[i + 1] == '\\')) {
            item.text.push_back(line[i + 1]);
            i += 2;
          } else if (c == '\\' && i + 1 < n && line[i + 1] == 'x') {
            int hi = i + 2 < n ? HexDigit(line[i + 2]) : -1;
            int lo = i + 3 < n ? HexDigit(line[i + 3]) : -1;
            if (hi < 0 || lo < 0) {
              error = "\\x must be followed by two hexadecimal digits";
              return false;
            }
            item.text.push_back(static_cast<char>(hi * 16 + lo));
            i += 4;
          } else if (IsGbkLead(c) && i + 1 < n && IsGbkTrail(static_cast<unsigned char>(line[i + 1]))) {
            item.text.append(line.substr(i, 2));
            i += 2;
          } else {
            item.text.push_back(static_cast<char>(c));
            ++i;
          }
        }
        if (!closed) {
          error = "quoted text is not closed on this line";
          return false;
        }
      } else {
        std::size_t start = i;
        while (i < n && (IsBareChar(static_cast<unsigned char>(line[i])) || line[i] == '|')) ++i;
        if (i == start) {
          if (i < n && line[i] == '=')
            error = "'=' after something that is not a key name";
          else if (i < n && static_cast<unsigned char>(line[i]) >= 0x7F)
            error = "text with bytes outside plain ASCII must be in quotes";
          else
            error = "a value is missing";
          return false;
        }
        item.text.assign(line.substr(start, i - start));
      }
      t.items.push_back(std::move(item));
      if (i < n && line[i] == ',') {
        ++i;
        continue;
      }
      break;
    }
    if (i < n && !blank(i) && line[i] != '#') {
      if (line[i] == '=')
        error = "'=' after something that is not a key name";
      else if (static_cast<unsigned char>(line[i]) >= 0x7F)
        error = "text with bytes outside plain ASCII must be in quotes";
      else
        error = std::string("unexpected '") + line[i] + "'";
      return false;
    }
    tokens.push_back(std::move(t));
  }
}

// ---------------------------------------------------------------------------
// Field access by stored type

// The field stored right after the common part, when it is a number.
struct HeadField {
  std::uint16_t* wide = nullptr;
  std::uint8_t* narrow = nullptr;
  bool present() const { return wide || narrow; }
  unsigned get() const { return wide ? *wide : narrow ? *narrow : 0; }
  unsigned max() const { return wide ? 0xFFFF : 0xFF; }
  void set(unsigned v) {
    if (wide) *wide = static_cast<std::uint16_t>(v);
    if (narrow) *narrow = static_cast<std::uint8_t>(v);
  }
};

HeadField HeadOf(Sense& s) {
  HeadField h;
  std::visit(
      [&](auto& f) {
        using T = std::decay_t<decltype(f)>;
        if constexpr (std::is_same_v<T, WordField> || std::is_same_v<T, WordByteFields>) h.wide = &f.value;
        else if constexpr (std::is_same_v<T, PairFields>) h.wide = &f.first;
        else if constexpr (std::is_same_v<T, ByteListFields> || std::is_same_v<T, ByteFields>) h.narrow = &f.first;
      },
      s.fields);
  return h;
}

std::string HeadKey(Category c) { return c == cat::kRef ? "form" : "flags"; }

std::string FormatFlags(unsigned v, Vocabulary names, unsigned max) {
  std::string out;
  unsigned remaining = v;
  auto add = [&](std::string_view part) {
    if (!out.empty()) out.push_back('|');
    out.append(part);
  };
  for (const FlagName& f : names) {
    if (f.value > max) continue;
    if (f.value == 0) {
      if (f.printZero && (v & f.mask) == 0) add(f.name);
    } else if ((remaining & f.mask) == f.value) {
      add(f.name);
      remaining &= ~static_cast<unsigned>(f.mask);
    }
  }
  if (remaining != 0) add(Hex(remaining, max > 0xFF ? 4 : 2));
  return out;
}

bool ParseNumber(std::string_view s, unsigned max, unsigned& v) {
  v = 0;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    for (std::size_t i = 2; i < s.size(); ++i) {
      int d = HexDigit(s[i]);
      if (d < 0) return false;
      v = v * 16 + static_cast<unsigned>(d);
      if (v > max) return false;
    }
    return true;
  }
  if (!AllDigits(s)) return false;
  for (char c : s) {
    v = v * 10 + static_cast<unsigned>(c - '0');
    if (v > max) return false;
  }
  return true;
}

std::string CodeToken(int bit, std::string_view (*nameOf)(int), int count) {
  std::string_view name = nameOf(bit);
  int same = 0;
  for (int k = 0; k < count; ++k)
    if (nameOf(k) == name) ++same;
  if (name.empty() || same != 1 || !IsBare(name)) return std::to_string(bit);
  return std::string(name);
}

std::string FormatCodes(std::uint64_t set, std::string_view (*nameOf)(int), int count) {
  std::string out;
  for (int k = 0; k < count; ++k) {
    if (!((set >> k) & 1)) continue;
    if (!out.empty()) out.push_back(',');
    out += CodeToken(k, nameOf, count);
  }
  return out;
}

std::string CategoryToken(Category c) {
  std::string_view name = CategoryName(c);
  if (name == "???" || CategoryCode(name) != c) return std::to_string(c);
  return BareOrQuoted(name);
}

std::string_view TypeName(std::uint16_t type) {
  switch (type) {
    case sense_type::kNoun: return "noun";
    case sense_type::kVerb: return "verb";
    case sense_type::kPlain: return "plain";
    default: return "flag";
  }
}

// ---------------------------------------------------------------------------
// Printing

class Printer {
 public:
  explicit Printer(const LexSource& src) : src_(src) {}

  std::string Print() {
    out_ += "version " + std::to_string(src_.formatVersion) + "\n";
    if (!src_.codes.empty()) out_ += "\n";
    for (std::size_t i = 0; i < src_.codes.size(); ++i)
      out_ += "code " + std::to_string(i) + " " + Quote(src_.codes[i]) + "\n";
    Names("class-name", src_.classNames);
    Names("aux-name", src_.auxNames);
    for (const LexEntry& e : src_.entries) Entry(e);
    return std::move(out_);
  }

 private:
  void Names(std::string_view keyword, const std::vector<std::string>& names) {
    if (!names.empty()) out_ += "\n";
    for (std::size_t i = 0; i < names.size(); ++i)
      out_ += std::string(keyword) + " " + std::to_string(i) + " " + BareOrQuoted(names[i]) + "\n";
  }

  std::string ClassToken(std::uint8_t c) {
    if (c == 0 || c >= src_.classNames.size()) return std::to_string(c);
    const std::string& name = src_.classNames[c];
    int same = 0;
    for (const std::string& n : src_.classNames)
      if (n == name) ++same;
    return same == 1 && IsBare(name) ? name : std::to_string(c);
  }

  void Entry(const LexEntry& e) {
    out_ += "\nentry " + BareOrQuoted(e.headword) + "\n";
    std::uint16_t flags = e.entryFlags;
    if (flags & ~kEntryHandlerBit) {
      bool hasTo = false;
      for (const Sense& s : e.senses) hasTo = hasTo || s.category == cat::kTo;
      bool phrase = e.headword.find(' ') != std::string::npos;
      std::string line;
      std::uint16_t left = static_cast<std::uint16_t>(flags & ~kEntryHandlerBit);
      for (const EntryFlagName& f : kEntryFlagNames) {
        if (!(left & f.bit)) continue;
        if (f.name == "single-modal" && hasTo) continue;
        if (f.name == "to-after-noun" && !hasTo) continue;
        if (f.name == "contraction" && phrase) continue;
        if (f.name == "phrasal-verb" && !phrase) continue;
        line += " " + std::string(f.name);
        left = static_cast<std::uint16_t>(left & ~f.bit);
      }
      for (int b = 0; b < 16; ++b)
        if (left & (1u << b)) line += " " + Hex(1u << b, 4);
      out_ += "  flags" + line + "\n";
    }
    for (const Sense& s : e.senses) SenseLine(s);
    for (const LexPhrase& p : e.phrases) {
      out_ += "  phrase " + Quote(p.text);
      if (p.number != 0) out_ += " number=" + std::to_string(p.number);
      out_ += "\n";
    }
    if (flags & kEntryHandlerBit) {
      out_ += "  handler " + (e.handler < std::size(kHandlerNames) ? std::string(kHandlerNames[e.handler])
                                                                   : std::to_string(e.handler)) + "\n";
    } else if (e.handler != 0) {
      out_ += "  idle-handler " + std::to_string(e.handler) + "\n";
    }
  }

  void Key(std::string_view key, std::string_view value) {
    out_ += " ";
    out_ += key;
    out_ += "=";
    out_ += value;
  }

  void Strings(const std::vector<std::string>& list) {
    if (list.empty()) return;
    std::string v;
    for (const std::string& s : list) v += (v.empty() ? "" : ",") + Quote(s);
    Key("strings", v);
  }

  void Number(std::string_view key, unsigned v) {
    if (v != 0) Key(key, std::to_string(v));
  }

  void SenseLine(const Sense& s0) {
    Sense s = s0;
    out_ += "  " + CategoryToken(s.category) + " " + Quote(s.text);
    if (s.type != DefaultSenseType(s.category)) Key("record", std::to_string(s.type));
    HeadField head = HeadOf(s);
    std::string headText;
    if (head.present()) headText = FormatFlags(head.get(), HeadVocabulary(s.category), head.max());
    std::visit(
        [&](const auto& f) {
          using T = std::decay_t<decltype(f)>;
          if constexpr (std::is_same_v<T, NounFields>) {
            if (f.codes) Key("codes", FormatCodes(f.codes, NounCodeName, kNounCodeCount));
            int last = -1;
            for (int k = 0; k < 4; ++k)
              if (f.classes[static_cast<std::size_t>(k)]) last = k;
            if (last >= 0) {
              std::string v;
              for (int k = 0; k <= last; ++k)
                v += (k ? "," : "") + ClassToken(f.classes[static_cast<std::size_t>(k)]);
              Key("classes", v);
            }
            Strings(f.strings);
            Number("domain", f.domain);
            Number("classifier", f.classifier);
            if (!f.context.empty()) Key("context", Quote(f.context));
          } else if constexpr (std::is_same_v<T, VerbFields>) {
            if (f.codes) Key("codes", FormatCodes(f.codes, VerbCodeName, kVerbCodeCount));
            if (!f.legacy4.empty()) Key("legacy4", Quote(f.legacy4));
            if (!f.legacy5.empty()) Key("legacy5", Quote(f.legacy5));
            if (f.constraintCount) {
              std::string v;
              for (int k = 0; k < f.constraintCount; ++k)
                v += (k ? "," : "") + std::to_string(f.constraints[static_cast<std::size_t>(k)]);
              Key("constraints", v);
            }
            static constexpr std::string_view kKinds[] = {"mod", "stype", "pos", "vmot"};
            for (const std::string& r : f.renderings) {
              std::uint8_t kind = r.empty() ? 0 : static_cast<std::uint8_t>(r[0]);
              if (kind >= rendering::kMod && kind <= rendering::kVmot)
                Key(kKinds[kind - 1], Quote(std::string_view(r).substr(1)));
              else
                Key("rendering", Quote(r));
            }
            Number("last", f.last);
          } else if constexpr (std::is_same_v<T, PairFields>) {
            if (!headText.empty()) Key(HeadKey(s.category), headText);
            Number("second", f.second);
            Strings(f.strings);
          } else if constexpr (std::is_same_v<T, ByteListFields>) {
            if (!headText.empty()) Key(HeadKey(s.category), headText);
            Strings(f.strings);
            Number("last", f.last);
          } else if constexpr (std::is_same_v<T, WordByteFields>) {
            if (!headText.empty()) Key(HeadKey(s.category), headText);
            Number("byte", f.byte);
          } else if constexpr (std::is_same_v<T, ByteFields>) {
            if (!headText.empty()) Key(HeadKey(s.category), headText);
            if (f.second) Key("second", FormatFlags(f.second, SecondVocabulary(s.category), 0xFF));
          } else if constexpr (std::is_same_v<T, WordField>) {
            if (!headText.empty()) Key(HeadKey(s.category), headText);
          }
        },
        s.fields);
    out_ += "\n";
  }

  const LexSource& src_;
  std::string out_;
};

std::string FileLine(const SourceLocation& at) { return at.file + ":" + std::to_string(at.line); }

}  // namespace

std::string PrintLexiconSource(const LexSource& src) { return Printer(src).Print(); }

// ---------------------------------------------------------------------------
// Parsing

struct LexSourceParser::State {
  static constexpr std::size_t kMaxErrors = 100;

  LexSource src;
  std::vector<std::string> errors;
  SourceLocation at;
  bool versionSeen = false;
  // Declared table slots with where they were declared.
  std::map<int, std::pair<std::string, SourceLocation>> codes, classes, auxes;
  int current = -1;  // index of the entry being read in this file
  // Per entry, the line of each sense (to point at the sense that does not fit).
  std::vector<std::vector<int>> senseLines;

  bool Error(std::string_view message) {
    if (errors.size() < kMaxErrors) errors.push_back(FileLine(at) + ": " + std::string(message));
    else if (errors.size() == kMaxErrors) errors.push_back(FileLine(at) + ": too many errors; the rest are not shown");
    return false;
  }

  bool One(const Token& t, std::string_view what) {
    if (t.items.size() == 1) return true;
    return Error(std::string(what) + " takes one value, not a list");
  }

  bool Number(const Token& t, std::string_view what, unsigned max, unsigned& v) {
    if (!One(t, what)) return false;
    if (ParseNumber(t.items[0].text, max, v)) return true;
    return Error(std::string(what) + " must be a number from 0 to " + std::to_string(max) + ", not \"" +
                 t.items[0].text + "\"");
  }

  bool Text(const Item& item, std::string_view what, std::size_t max, std::string& out) {
    if (item.text.size() > max)
      return Error(std::string(what) + " is " + std::to_string(item.text.size()) + " bytes long (at most " +
                   std::to_string(max) + ")");
    out = item.text;
    return true;
  }

  void Line(std::string_view line);
  void Table(const std::vector<Token>& tokens, std::map<int, std::pair<std::string, SourceLocation>>& table,
             std::string_view keyword, int slots, std::size_t width);
  void EntryLine(const std::vector<Token>& tokens);
  void FlagsLine(const std::vector<Token>& tokens);
  void HandlerLine(const std::vector<Token>& tokens, bool called);
  void PhraseLine(const std::vector<Token>& tokens);
  void SenseLine(const std::vector<Token>& tokens);
  bool SenseKey(Sense& s, const Token& t, std::map<std::string, int>& seen);
  bool Flags(const Token& t, Vocabulary names, unsigned max, unsigned& v);
  bool Codes(const Token& t, std::string_view (*nameOf)(int), int count, std::uint64_t& set);
  bool ClassNumber(const Item& item, std::uint8_t& v);
  bool StringList(const Token& t, std::vector<std::string>& list);
  LexEntry* Current(std::string_view what) {
    if (current >= 0) return &src.entries[static_cast<std::size_t>(current)];
    Error(std::string(what) + " outside an entry (begin one with \"entry WORD\")");
    return nullptr;
  }
};

LexSourceParser::LexSourceParser() : state_(std::make_unique<State>()) {}
LexSourceParser::~LexSourceParser() = default;

const std::vector<std::string>& LexSourceParser::Errors() const { return state_->errors; }

void LexSourceParser::AddFile(std::string_view text, std::string_view fileName) {
  State& st = *state_;
  st.at.file.assign(fileName);
  st.at.line = 0;
  st.current = -1;  // an entry never runs on into the next file
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++st.at.line;
    st.Line(line);
    pos = end + 1;
  }
  st.current = -1;
}

void LexSourceParser::State::Line(std::string_view line) {
  std::vector<Token> tokens;
  std::string error;
  if (!SplitLine(line, tokens, error)) {
    Error(error);
    return;
  }
  if (tokens.empty()) return;
  const Token& first = tokens[0];
  if (!first.key.empty()) {
    Error("a line begins with a keyword or a category, not \"" + first.key + "=\"");
    return;
  }
  const std::string& word = first.items[0].text;
  bool keyword = !first.items[0].quoted && first.items.size() == 1;
  if (keyword && word == "version") {
    unsigned v = 0;
    if (tokens.size() != 2 || !tokens[1].key.empty()) {
      Error("write the format version as \"version NUMBER\"");
    } else if (versionSeen) {
      Error("the format version is given twice");
    } else if (!src.entries.empty()) {
      Error("the format version must come before the first entry");
    } else if (Number(tokens[1], "the format version", 0xFFFF, v)) {
      versionSeen = true;
      src.formatVersion = static_cast<std::uint16_t>(v);
    }
  } else if (keyword && word == "code") {
    Table(tokens, codes, "code", kCodeSlots, kCodeMax);
  } else if (keyword && word == "class-name") {
    Table(tokens, classes, "class-name", 255, kNameMax);
  } else if (keyword && word == "aux-name") {
    Table(tokens, auxes, "aux-name", 255, kNameMax);
  } else if (keyword && word == "entry") {
    EntryLine(tokens);
  } else if (keyword && word == "flags") {
    FlagsLine(tokens);
  } else if (keyword && word == "handler") {
    HandlerLine(tokens, true);
  } else if (keyword && word == "idle-handler") {
    HandlerLine(tokens, false);
  } else if (keyword && word == "phrase") {
    PhraseLine(tokens);
  } else {
    SenseLine(tokens);
  }
}

void LexSourceParser::State::Table(const std::vector<Token>& tokens,
                                   std::map<int, std::pair<std::string, SourceLocation>>& table,
                                   std::string_view keyword, int slots, std::size_t width) {
  if (tokens.size() != 3 || !tokens[1].key.empty() || !tokens[2].key.empty()) {
    Error("write \"" + std::string(keyword) + " NUMBER NAME\"");
    return;
  }
  unsigned slot = 0;
  if (!Number(tokens[1], std::string(keyword) + " number", static_cast<unsigned>(slots - 1), slot)) return;
  if (!One(tokens[2], std::string(keyword))) return;
  std::string name;
  if (!Text(tokens[2].items[0], std::string(keyword) + " " + std::to_string(slot), width, name)) return;
  auto [it, added] = table.emplace(static_cast<int>(slot), std::make_pair(name, at));
  if (!added) Error(std::string(keyword) + " " + std::to_string(slot) + " is already given at " + FileLine(it->second.second));
}

void LexSourceParser::State::EntryLine(const std::vector<Token>& tokens) {
  current = -1;
  if (tokens.size() != 2 || !tokens[1].key.empty() || tokens[1].items.size() != 1) {
    Error("write \"entry HEADWORD\" (quote a headword with blanks or commas)");
    return;
  }
  LexEntry e;
  if (!Text(tokens[1].items[0], "the headword", 255, e.headword)) return;
  if (src.entries.size() >= 0xFFFF) {
    Error("more than 65535 entries");
    return;
  }
  src.entries.push_back(std::move(e));
  src.entryLocations.push_back(at);
  senseLines.emplace_back();
  current = static_cast<int>(src.entries.size() - 1);
}

void LexSourceParser::State::FlagsLine(const std::vector<Token>& tokens) {
  LexEntry* e = Current("flags");
  if (!e) return;
  if (e->entryFlags & ~kEntryHandlerBit) {
    Error("the entry's flags are already given");
    return;
  }
  std::uint16_t flags = 0;
  for (std::size_t i = 1; i < tokens.size(); ++i) {
    if (!tokens[i].key.empty()) {
      Error("\"" + tokens[i].key + "=\" does not belong on a flags line");
      return;
    }
    for (const Item& item : tokens[i].items) {
      std::size_t start = 0;
      while (start <= item.text.size()) {
        std::size_t bar = item.text.find('|', start);
        if (bar == std::string::npos) bar = item.text.size();
        std::string part = item.text.substr(start, bar - start);
        start = bar + 1;
        unsigned v = 0;
        bool known = false;
        for (const EntryFlagName& f : kEntryFlagNames)
          if (part == f.name) {
            v = f.bit;
            known = true;
          }
        if (!known && !ParseNumber(part, 0xFFFF, v)) {
          Error("unknown entry flag \"" + part + "\"");
          return;
        }
        flags = static_cast<std::uint16_t>(flags | v);
      }
    }
  }
  e->entryFlags = static_cast<std::uint16_t>(e->entryFlags | flags);
}

void LexSourceParser::State::HandlerLine(const std::vector<Token>& tokens, bool called) {
  LexEntry* e = Current(called ? "handler" : "idle-handler");
  if (!e) return;
  if (tokens.size() != 2 || !tokens[1].key.empty() || tokens[1].items.size() != 1) {
    Error(called ? "write \"handler NAME\" or \"handler NUMBER\"" : "write \"idle-handler NUMBER\"");
    return;
  }
  const std::string& v = tokens[1].items[0].text;
  unsigned number = 0;
  bool named = false;
  for (std::size_t k = 0; k < std::size(kHandlerNames); ++k)
    if (called && v == kHandlerNames[k]) {
      number = static_cast<unsigned>(k);
      named = true;
    }
  if (!named && !ParseNumber(v, 255, number)) {
    Error("unknown handler \"" + v + "\" (plural, date, or a number up to 255)");
    return;
  }
  if ((e->entryFlags & kEntryHandlerBit) || e->handler != 0) {
    Error("the entry's handler is already given");
    return;
  }
  e->handler = static_cast<std::uint8_t>(number);
  if (called) e->entryFlags = static_cast<std::uint16_t>(e->entryFlags | kEntryHandlerBit);
}

void LexSourceParser::State::PhraseLine(const std::vector<Token>& tokens) {
  LexEntry* e = Current("a phrase");
  if (!e) return;
  if (tokens.size() < 2 || !tokens[1].key.empty() || tokens[1].items.size() != 1) {
    Error("write \"phrase \\\"WORDS\\\"\" with an optional number=N");
    return;
  }
  LexPhrase p;
  if (!Text(tokens[1].items[0], "the phrase", 255, p.text)) return;
  for (std::size_t i = 2; i < tokens.size(); ++i) {
    unsigned n = 0;
    if (tokens[i].key != "number") {
      Error("a phrase line takes only number=N after its words");
      return;
    }
    if (!Number(tokens[i], "the phrase number", 0xFFFF, n)) return;
    p.number = static_cast<std::uint16_t>(n);
  }
  if (e->phrases.size() >= 255) {
    Error("more than 255 phrases in one entry");
    return;
  }
  e->phrases.push_back(std::move(p));
}

bool LexSourceParser::State::Flags(const Token& t, Vocabulary names, unsigned max, unsigned& v) {
  v = 0;
  std::uint16_t classMasks = 0;
  for (const Item& item : t.items) {
    std::size_t start = 0;
    while (start <= item.text.size()) {
      std::size_t bar = item.text.find('|', start);
      if (bar == std::string::npos) bar = item.text.size();
      std::string part = item.text.substr(start, bar - start);
      start = bar + 1;
      const FlagName* found = nullptr;
      for (const FlagName& f : names)
        if (f.name == part) found = &f;
      unsigned n = 0;
      if (found) {
        if (found->value > max) return Error("\"" + part + "\" does not fit this record's byte");
        if (found->mask != found->value) {
          if (classMasks & found->mask) return Error("\"" + part + "\" is a second class in " + t.key + "=");
          classMasks = static_cast<std::uint16_t>(classMasks | found->mask);
        }
        n = found->value;
      } else if (!part.empty() && part[0] >= '0' && part[0] <= '9') {
        if (!ParseNumber(part, max, n))
          return Error(t.key + "= value " + part + " is not a number from 0 to " + std::to_string(max));
      } else {
        std::string known;
        for (const FlagName& f : names) known += (known.empty() ? "" : ", ") + std::string(f.name);
        return Error("unknown name \"" + part + "\" in " + t.key + "=" +
                     (known.empty() ? std::string(" (only numbers here)") : " (known: " + known + ")"));
      }
      v |= n;
    }
  }
  return true;
}

bool LexSourceParser::State::Codes(const Token& t, std::string_view (*nameOf)(int), int count,
                                   std::uint64_t& set) {
  set = 0;
  for (const Item& item : t.items) {
    unsigned bit = 0;
    if (AllDigits(item.text)) {
      if (!ParseNumber(item.text, static_cast<unsigned>(count - 1), bit))
        return Error("code number " + item.text + " is out of range (0 to " + std::to_string(count - 1) + ")");
    } else {
      int found = -1, same = 0;
      for (int k = 0; k < count; ++k)
        if (nameOf(k) == item.text) {
          if (found < 0) found = k;
          ++same;
        }
      if (found < 0 || item.text.empty()) return Error("unknown code \"" + item.text + "\"");
      if (same > 1) return Error("code name \"" + item.text + "\" is shared by several codes; write the bit number");
      bit = static_cast<unsigned>(found);
    }
    set |= std::uint64_t{1} << bit;
  }
  return true;
}

bool LexSourceParser::State::ClassNumber(const Item& item, std::uint8_t& v) {
  unsigned n = 0;
  if (!item.quoted && AllDigits(item.text)) {
    if (!ParseNumber(item.text, 255, n)) return Error("class number " + item.text + " is out of range");
    v = static_cast<std::uint8_t>(n);
    return true;
  }
  int found = -1;
  for (const auto& [slot, named] : classes)
    if (named.first == item.text) {
      if (found >= 0) return Error("class name \"" + item.text + "\" is declared twice; write the number");
      found = slot;
    }
  if (found < 0) return Error("unknown class \"" + item.text + "\" (declare it with class-name before using it)");
  v = static_cast<std::uint8_t>(found);
  return true;
}

bool LexSourceParser::State::StringList(const Token& t, std::vector<std::string>& list) {
  list.clear();
  if (t.items.size() > 255) return Error("more than 255 strings");
  for (const Item& item : t.items) {
    std::string s;
    if (!Text(item, "a string", 255, s)) return false;
    list.push_back(std::move(s));
  }
  return true;
}

void LexSourceParser::State::SenseLine(const std::vector<Token>& tokens) {
  const Token& first = tokens[0];
  LexEntry* e = nullptr;
  if (first.items.size() != 1) {
    Error("a sense line begins with one category");
    return;
  }
  const std::string& catText = first.items[0].text;
  unsigned catNumber = 0;
  Category c = cat::kNone;
  if (!first.items[0].quoted && AllDigits(catText)) {
    if (!ParseNumber(catText, 255, catNumber)) {
      Error("category number " + catText + " is out of range");
      return;
    }
    c = static_cast<Category>(catNumber);
  } else {
    c = CategoryCode(catText);
    if (c == cat::kNone) {
      Error("unknown category or keyword \"" + catText + "\"");
      return;
    }
  }
  if (!(e = Current("a sense"))) return;
  if (tokens.size() < 2 || !tokens[1].key.empty() || tokens[1].items.size() != 1) {
    Error("a sense line is CATEGORY \"TEXT\" followed by key=value fields");
    return;
  }
  std::uint16_t type = DefaultSenseType(c);
  for (std::size_t i = 2; i < tokens.size(); ++i) {
    if (tokens[i].key.empty()) {
      Error("\"" + tokens[i].items[0].text + "\" needs a key (key=value)");
      return;
    }
    if (tokens[i].key == "record") {
      unsigned n = 0;
      if (!Number(tokens[i], "record", sense_type::kLast, n)) return;
      if (!IsSenseType(static_cast<std::uint16_t>(n))) {
        Error("record must be a sense record type from 1001 to 1012");
        return;
      }
      type = static_cast<std::uint16_t>(n);
    }
  }
  Sense s = Sense::OfType(type);
  s.category = c;
  if (!Text(tokens[1].items[0], "the sense text", 255, s.text)) return;
  std::map<std::string, int> seen;
  for (std::size_t i = 2; i < tokens.size(); ++i)
    if (tokens[i].key != "record" && !SenseKey(s, tokens[i], seen)) return;
  s.label = SenseLabel(s);
  if (e->senses.size() >= 255) {
    Error("more than 255 senses in one entry");
    return;
  }
  e->senses.push_back(std::move(s));
  senseLines[static_cast<std::size_t>(current)].push_back(at.line);
}

bool LexSourceParser::State::SenseKey(Sense& s, const Token& t, std::map<std::string, int>& seen) {
  static constexpr std::string_view kRenderingKeys[] = {"mod", "stype", "pos", "vmot", "rendering"};
  bool repeatable = false;
  for (std::string_view k : kRenderingKeys) repeatable = repeatable || t.key == k;
  if (!repeatable && seen[t.key]++ > 0) return Error(t.key + "= is given twice");
  auto notHere = [&]() {
    return Error("\"" + t.key + "=\" does not belong to a " + std::string(TypeName(s.type)) + " sense (record " +
                 std::to_string(s.type) + ")");
  };
  auto byte = [&](std::uint8_t& field) {
    unsigned v = 0;
    if (!Number(t, t.key, 255, v)) return false;
    field = static_cast<std::uint8_t>(v);
    return true;
  };

  HeadField head = HeadOf(s);
  if (head.present() && t.key == HeadKey(s.category)) {
    unsigned v = 0;
    if (!Flags(t, HeadVocabulary(s.category), head.max(), v)) return false;
    head.set(v);
    return true;
  }
  if (NounFields* f = s.Noun()) {
    if (t.key == "codes") {
      std::uint64_t set = 0;
      if (!Codes(t, NounCodeName, kNounCodeCount, set)) return false;
      f->codes = static_cast<NounCodeSet>(set);
      return true;
    }
    if (t.key == "classes") {
      if (t.items.size() > 4) return Error("a noun sense has at most 4 classes");
      for (std::size_t k = 0; k < t.items.size(); ++k)
        if (!ClassNumber(t.items[k], f->classes[k])) return false;
      return true;
    }
    if (t.key == "strings") return StringList(t, f->strings);
    if (t.key == "domain") return byte(f->domain);
    if (t.key == "classifier") return byte(f->classifier);
    if (t.key == "context") return One(t, "context") && Text(t.items[0], "the context", 255, f->context);
    return notHere();
  }
  if (VerbFields* f = s.Verb()) {
    if (t.key == "codes") return Codes(t, VerbCodeName, kVerbCodeCount, f->codes);
    if (t.key == "legacy4") return One(t, "legacy4") && Text(t.items[0], "legacy4", 255, f->legacy4);
    if (t.key == "legacy5") return One(t, "legacy5") && Text(t.items[0], "legacy5", 255, f->legacy5);
    if (t.key == "constraints") {
      if (t.items.size() > static_cast<std::size_t>(kMaxConstraints))
        return Error("a verb sense has at most 4 constraints");
      for (std::size_t k = 0; k < t.items.size(); ++k) {
        unsigned v = 0;
        if (!ParseNumber(t.items[k].text, 255, v)) return Error("a constraint is a number from 0 to 255");
        f->constraints[k] = static_cast<std::uint8_t>(v);
      }
      f->constraintCount = static_cast<std::uint8_t>(t.items.size());
      return true;
    }
    for (std::size_t k = 0; k < std::size(kRenderingKeys); ++k) {
      if (t.key != kRenderingKeys[k]) continue;
      if (!One(t, t.key)) return false;
      std::string r;
      if (k < 4) r.push_back(static_cast<char>(rendering::kMod + k));
      r += t.items[0].text;
      if (r.size() > 255) return Error("the rendering is longer than 255 bytes with its kind byte");
      if (f->renderings.size() >= 255) return Error("more than 255 renderings");
      f->renderings.push_back(std::move(r));
      return true;
    }
    if (t.key == "last") return byte(f->last);
    return notHere();
  }
  if (PairFields* f = std::get_if<PairFields>(&s.fields)) {
    if (t.key == "second") {
      unsigned v = 0;
      if (!Number(t, "second", 0xFFFF, v)) return false;
      f->second = static_cast<std::uint16_t>(v);
      return true;
    }
    if (t.key == "strings") return StringList(t, f->strings);
    return notHere();
  }
  if (ByteListFields* f = std::get_if<ByteListFields>(&s.fields)) {
    if (t.key == "strings") return StringList(t, f->strings);
    if (t.key == "last") return byte(f->last);
    return notHere();
  }
  if (WordByteFields* f = std::get_if<WordByteFields>(&s.fields)) {
    if (t.key == "byte") return byte(f->byte);
    return notHere();
  }
  if (ByteFields* f = std::get_if<ByteFields>(&s.fields)) {
    if (t.key == "second" && s.type == sense_type::kSub) {
      unsigned v = 0;
      if (!Flags(t, SecondVocabulary(s.category), 0xFF, v)) return false;
      f->second = static_cast<std::uint8_t>(v);
      return true;
    }
    return notHere();
  }
  return notHere();
}

bool LexSourceParser::Finish(LexSource& out) {
  State& st = *state_;
  auto takeTable = [&](std::map<int, std::pair<std::string, SourceLocation>>& table, std::string_view keyword,
                       std::vector<std::string>& names) {
    names.clear();
    int expect = 0;
    for (auto& [slot, named] : table) {
      if (slot != expect) {
        st.at = named.second;
        st.Error(std::string(keyword) + " " + std::to_string(expect) + " is missing before " +
                 std::string(keyword) + " " + std::to_string(slot) + " (slots are numbered from 0 without gaps)");
        return;
      }
      names.push_back(named.first);
      ++expect;
    }
  };
  takeTable(st.codes, "code", st.src.codes);
  takeTable(st.classes, "class-name", st.src.classNames);
  takeTable(st.auxes, "aux-name", st.src.auxNames);

  // Every entry must fit the format version; point at the sense that does not.
  for (std::size_t i = 0; i < st.src.entries.size(); ++i) {
    const LexEntry& e = st.src.entries[i];
    LexWriter w(st.src.formatVersion);
    if (WriteEntry(e, w)) continue;
    st.at = st.src.entryLocations[i];
    bool pointed = false;
    for (std::size_t k = 0; k < e.senses.size(); ++k) {
      LexWriter one(st.src.formatVersion);
      if (WriteSense(e.senses[k], one)) continue;
      st.at.line = st.senseLines[i][k];
      st.Error("this sense cannot be stored in format version " + std::to_string(st.src.formatVersion) +
               " (a field the version does not have, or legacy strings without their codes wv4/wv5)");
      pointed = true;
      break;
    }
    if (!pointed) st.Error("entry \"" + e.headword + "\" cannot be stored in format version " +
                           std::to_string(st.src.formatVersion));
  }
  out = std::move(st.src);
  st.src = LexSource{};
  return st.errors.empty();
}

bool ParseLexiconSource(std::string_view text, std::string_view fileName, LexSource& out,
                        std::vector<std::string>& errors) {
  LexSourceParser p;
  p.AddFile(text, fileName);
  bool ok = p.Finish(out);
  errors = p.Errors();
  return ok;
}

// ---------------------------------------------------------------------------
// Binary

bool CompileLexicon(const LexSource& src, std::string& bytes, std::string* error) {
  bytes.clear();
  auto fail = [&](std::string message) {
    if (error) *error = std::move(message);
    return false;
  };
  if (src.entries.size() > 0xFFFF) return fail("more than 65535 entries");
  LexiconHeader h;
  h.formatVersion = src.formatVersion;
  h.objectCount = static_cast<std::uint16_t>(src.entries.size());
  h.codes = src.codes;
  h.classNames = src.classNames;
  h.auxNames = src.auxNames;
  LexWriter out(src.formatVersion);
  if (!WriteLexiconHeader(h, out))
    return fail("the code table or a name table does not fit (at most 91 codes of 2 bytes, 255 names of 16)");
  for (std::size_t i = 0; i < src.entries.size(); ++i) {
    if (WriteEntry(src.entries[i], out)) continue;
    std::string where = i < src.entryLocations.size() && src.entryLocations[i].line > 0
                            ? FileLine(src.entryLocations[i]) + ": "
                            : std::string();
    return fail(where + "entry \"" + src.entries[i].headword + "\" cannot be stored in format version " +
                std::to_string(src.formatVersion));
  }
  bytes = std::move(out.Bytes());
  return true;
}

bool DecompileLexicon(std::string_view bytes, std::string_view fileName, LexSource& out, std::string* error,
                      std::vector<std::string>* notes) {
  out = LexSource{};
  LexReader in(bytes);
  auto fail = [&]() {
    if (error)
      *error = std::string(fileName) + ": " + in.Error() + " at byte offset " + std::to_string(in.ErrorOffset());
    return false;
  };
  auto note = [&](std::string text) {
    if (notes) notes->push_back(std::string(fileName) + ": " + std::move(text));
  };
  auto slots = [&](int count, std::size_t width, std::vector<std::string>& into, std::string_view what) {
    for (int i = 0; i < count; ++i) {
      std::size_t at = in.Offset();
      std::uint8_t len = 0;
      std::string slot;
      if (!in.U8(len) || !in.Bytes(width, slot)) return false;
      if (len > width) return in.Fail(std::string(what) + " longer than " + std::to_string(width) + " bytes", at);
      if (slot.find_first_not_of('\0', len) != std::string::npos)
        note(std::string(what) + " " + std::to_string(i) + " at byte offset " + std::to_string(at) +
             " has filler bytes that are not kept");
      into.push_back(slot.substr(0, len));
    }
    return true;
  };
  std::uint16_t objects = 0;
  std::uint8_t k = 0;
  in.U16(out.formatVersion);
  in.SetVersion(out.formatVersion);
  in.U16(objects);
  std::size_t countAt = in.Offset();
  if (!in.U8(k)) return fail();
  if (k > kCodeSlots) {
    in.Fail("code table of " + std::to_string(k) + " codes (at most 91)", countAt);
    return fail();
  }
  if (!slots(k, kCodeMax, out.codes, "code")) return fail();
  if (!in.U8(k) || !slots(k, kNameMax, out.classNames, "class name")) return fail();
  if (!in.U8(k) || !slots(k, kNameMax, out.auxNames, "aux name")) return fail();
  for (int i = 0; i < objects; ++i) {
    std::size_t typeAt = in.Offset();
    std::uint16_t type = 0;
    if (!in.U16(type)) return fail();
    if (type != kEntryObjectType) {
      if (IsSenseType(type))
        in.Fail("sense record where an entry belongs", typeAt);
      else
        in.Fail("Unregister object! (type " + std::to_string(type) + ")", typeAt);
      return fail();
    }
    LexEntry e;
    if (!ReadEntry(in, e)) return fail();
    out.entries.push_back(std::move(e));
  }
  if (!in.AtEnd())
    note(std::to_string(in.Remaining()) + " bytes after the last entry (byte offset " + std::to_string(in.Offset()) +
         ") are not kept");
  return true;
}

}  // namespace wb
