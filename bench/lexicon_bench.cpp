// Lexicon and lexical-stage speed over a lexicon of realistic size.
//
// The lexicon file image is generated here, the same bytes on every run: the
// words of the evaluation texts (reduced to their base forms where the
// morphology finds them) and generated words make some 30,000 headwords;
// nouns carry one to three senses with codes, semantic classes, classifiers
// and context words, verbs their codes, constraints and renderings; about
// 2,000 irregular forms refer to their base words, about 1,000 multi-word
// phrases are attached to their first words; every Chinese rendering is GBK
// of the lengths real entries have.
//
// Measured: loading the image from memory and from a file; the lexical stage
// alone over the FLORES text (words per second, a word being a token the
// scanner read); and whole-sentence translation over the same text.
//
// WB_BENCH_LEXICON names a compiled lexicon file to measure instead of the
// generated one. The texts are looked for at WB_BENCH_TEXT (the running
// text) and WB_BENCH_WORDS (more words for the lexicon, optional), or else
// in ../shared/eval beside the source tree; without them a generated text of
// similar shape is used.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/engine.h"
#include "engine/analysis/lex_stream.h"
#include "engine/analysis/lexical_stage.h"
#include "engine/analysis/lexicon.h"
#include "engine/analysis/scanner.h"
#include "engine/analysis/short_string.h"
#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"
#include "engine/grammar/sense.h"

namespace {

using wb::Category;
using wb::LexEntry;
using wb::LexPhrase;
using wb::Sense;
namespace cat = wb::cat;
namespace st = wb::sense_type;

// ---------------------------------------------------------------------------
// Input texts

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::string EvalDir() {
  std::string here = __FILE__;
  return here.substr(0, here.rfind("/bench/")) + "/../shared/eval/";
}

// A small deterministic generator (SplitMix64): the same lexicon on every
// platform and library.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : s_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1
  std::size_t Below(std::size_t n) { return n == 0 ? 0 : static_cast<std::size_t>(Next() % n); }
  int Range(int lo, int hi) { return lo + static_cast<int>(Below(static_cast<std::size_t>(hi - lo + 1))); }
  bool Chance(int percent) { return Below(100) < static_cast<std::size_t>(percent); }

 private:
  std::uint64_t s_;
};

std::vector<std::string> GeneratedLines() {
  static const char* const kWords[] = {
      "the",  "of",       "and",     "to",     "a",       "in",     "is",      "that",   "for",   "it",
      "was",  "on",       "with",    "he",     "as",      "they",   "at",      "be",     "this",  "from",
      "have", "research", "country", "people", "however", "U.S.",   "it's",    "John's", "1,000", "2020,",
      "(a)",  "--",       "well-known", "said", "\"news\"", "e.g.", "made",    "cells",  "using", "about"};
  Rng rng(97);
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    std::string line;
    for (int n = rng.Range(8, 30); n > 0; --n) {
      line += kWords[rng.Below(std::size(kWords))];
      line += n % 7 == 0 ? ", " : " ";
    }
    line += '.';
    lines.push_back(line);
  }
  return lines;
}

// The running text of the stage and translation figures.
const std::vector<std::string>& Corpus() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> found;
    if (const char* env = std::getenv("WB_BENCH_TEXT")) found = ReadLines(env);
    if (found.empty()) found = ReadLines(EvalDir() + "flores-dev.en.txt");
    return found.empty() ? GeneratedLines() : found;
  }();
  return lines;
}

// Every text the lexicon's words are drawn from.
std::vector<std::string> WordSources() {
  std::vector<std::string> lines = Corpus();
  std::vector<std::string> more;
  if (const char* env = std::getenv("WB_BENCH_WORDS")) more = ReadLines(env);
  if (more.empty()) more = ReadLines(EvalDir() + "tatoeba-dev.en.txt");
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

// ---------------------------------------------------------------------------
// Lexicon generation

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char ToLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
std::string Lowered(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = ToLower(c);
  return out;
}

// One GBK character of the first level (lead 0xB0..0xD7, trail 0xA1..0xFE).
void AddHanzi(Rng& rng, std::string& out) {
  out.push_back(static_cast<char>(0xB0 + rng.Below(0xD7 - 0xB0 + 1)));
  out.push_back(static_cast<char>(0xA1 + rng.Below(0xFE - 0xA1 + 1)));
}
std::string Hanzi(Rng& rng, int chars) {
  std::string s;
  for (int i = 0; i < chars; ++i) AddHanzi(rng, s);
  return s;
}
// A rendering of the usual length: mostly two characters, sometimes one,
// three or four.
std::string Rendering(Rng& rng) {
  static const int kLengths[] = {1, 2, 2, 2, 2, 2, 3, 3, 4};
  return Hanzi(rng, kLengths[rng.Below(std::size(kLengths))]);
}

Sense Make(std::uint16_t type, Category c, std::string text) {
  Sense s = Sense::OfType(type);
  s.category = c;
  s.text = std::move(text);
  s.label = wb::SenseLabel(s);
  return s;
}

// Classifiers are auxiliary names; the class and classifier numbers index
// the header's tables.
constexpr int kClassNames = 120;
constexpr int kAuxNames = 40;

class LexiconBuilder {
 public:
  LexiconBuilder() : rng_(20261207) {}

  std::string Build() {
    CollectTextWords();
    AddFunctionWords();
    AddIrregularForms();
    AddContentWords();
    AddGeneratedWords(30000);
    AddGeneratedReferences(2000);
    AddPhrases(1000);
    return Write();
  }

  int EntryCount() const { return static_cast<int>(entries_.size()); }
  int ReferenceCount() const { return refs_; }
  int PhraseCount() const { return phrases_; }

 private:
  // The words of the texts in order of first appearance, each with whether
  // it was ever seen in lower case.
  void CollectTextWords() {
    std::unordered_map<std::string, bool> lowerSeen;
    for (const std::string& line : WordSources()) {
      std::size_t i = 0;
      bool first = true;
      while (i < line.size()) {
        if (!IsLetter(line[i])) {
          ++i;
          continue;
        }
        std::size_t j = i;
        while (j < line.size() && IsLetter(line[j])) ++j;
        // Words with an apostrophe are the contractions' business.
        const bool apostrophe = j < line.size() && line[j] == '\'';
        std::string w = line.substr(i, j - i);
        i = j;
        if (apostrophe) {
          first = false;
          continue;
        }
        std::string low = Lowered(w);
        const bool lower = w == low || (first && w.size() > 1 && Lowered(w.substr(1)) == w.substr(1));
        first = false;
        auto [it, fresh] = lowerSeen.emplace(low, lower);
        if (fresh) {
          textOrder_.push_back(low);
          surface_[low] = w;
        } else if (lower) {
          it->second = true;
        }
      }
    }
    for (const std::string& w : textOrder_)
      if (!lowerSeen[w]) proper_.insert(w);
    textWords_.insert(textOrder_.begin(), textOrder_.end());
  }

  // The base form the lexicon's morphology would find for w among the text's
  // words, or w itself.
  std::string BaseOf(const std::string& w) const {
    auto has = [this](const std::string& b) { return textWords_.count(b) != 0 && b.size() >= 2; };
    const std::size_t L = w.size();
    if (L > 3 && w.back() == 's') {
      if (has(w.substr(0, L - 1))) return w.substr(0, L - 1);
      if (L > 4 && w.compare(L - 3, 3, "ies") == 0 && has(w.substr(0, L - 3) + "y")) return w.substr(0, L - 3) + "y";
      if (L > 4 && w.compare(L - 2, 2, "es") == 0 && has(w.substr(0, L - 2))) return w.substr(0, L - 2);
    }
    if (L > 5 && w.compare(L - 3, 3, "ing") == 0) {
      if (has(w.substr(0, L - 3))) return w.substr(0, L - 3);
      if (has(w.substr(0, L - 3) + "e")) return w.substr(0, L - 3) + "e";
    }
    if (L > 4 && w.compare(L - 2, 2, "ed") == 0) {
      if (has(w.substr(0, L - 1))) return w.substr(0, L - 1);
      if (has(w.substr(0, L - 2))) return w.substr(0, L - 2);
    }
    return w;
  }

  bool Taken(const std::string& h) const { return index_.count(h) != 0; }

  LexEntry& Add(std::string headword, std::vector<Sense> senses, std::uint16_t flags = 0) {
    LexEntry e;
    e.headword = std::move(headword);
    e.senses = std::move(senses);
    e.entryFlags = flags;
    index_.emplace(e.headword, entries_.size());
    entries_.push_back(std::move(e));
    return entries_.back();
  }

  Sense NounSense(const std::string& word, bool proper) {
    Sense s = Make(st::kNoun, cat::kN, Rendering(rng_));
    wb::NounFields& f = *s.Noun();
    if (proper) {
      f.codes = wb::NounCodeBit(wb::nc::PN);
    } else {
      f.codes = wb::NounCodeBit(rng_.Chance(75) ? wb::nc::C : wb::nc::U);
      if (rng_.Chance(8)) f.codes |= wb::NounCodeBit(wb::nc::IN);
      if (rng_.Chance(5)) f.codes |= wb::NounCodeBit(wb::nc::OF);
    }
    const int classes = rng_.Range(1, 3);
    for (int k = 0; k < classes; ++k)
      f.classes[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(rng_.Range(1, kClassNames));
    if (rng_.Chance(10)) f.strings.push_back(Rendering(rng_));
    f.domain = rng_.Chance(20) ? static_cast<std::uint8_t>(rng_.Range(1, 30)) : 0;
    f.classifier = static_cast<std::uint8_t>(rng_.Range(1, kAuxNames));
    // English words that favour this sense, on nearly half the senses.
    if (!proper && !textOrder_.empty() && rng_.Chance(45)) {
      const int n = rng_.Range(1, 4);
      for (int k = 0; k < n; ++k) {
        const std::string& c = textOrder_[rng_.Below(textOrder_.size())];
        if (c == word) continue;
        if (!f.context.empty()) f.context += ' ';
        f.context += c;
      }
    }
    return s;
  }

  Sense VerbSense() {
    Sense s = Make(st::kVerb, cat::kV, Rendering(rng_));
    wb::VerbFields& f = *s.Verb();
    static const int kCodes[] = {wb::vc::i0, wb::vc::t1, wb::vc::t1, wb::vc::t1, wb::vc::i2, wb::vc::t5,
                                 wb::vc::d1, wb::vc::l1, wb::vc::x1, wb::vc::v2, wb::vc::t3, wb::vc::i4};
    const int n = rng_.Range(1, 3);
    for (int k = 0; k < n; ++k) f.codes |= wb::VerbCodeBit(kCodes[rng_.Below(std::size(kCodes))]);
    f.constraintCount = static_cast<std::uint8_t>(rng_.Chance(30) ? rng_.Range(1, 2) : 0);
    for (int k = 0; k < f.constraintCount; ++k)
      f.constraints[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(rng_.Range(1, kClassNames));
    if (rng_.Chance(25)) {
      std::string r(1, static_cast<char>(rng_.Range(wb::rendering::kMod, wb::rendering::kVmot)));
      r += Rendering(rng_);
      f.renderings.push_back(r);
    }
    return s;
  }

  // Senses for a content word, chosen by its shape and by chance.
  std::vector<Sense> ContentSenses(const std::string& w, bool proper) {
    std::vector<Sense> senses;
    if (proper) {
      senses.push_back(NounSense(w, true));
      return senses;
    }
    auto ends = [&w](std::string_view t) { return w.size() > t.size() + 2 && w.ends_with(t); };
    if (ends("ly")) {
      senses.push_back(Make(st::kPlain, cat::kAdv, Rendering(rng_)));
      if (rng_.Chance(20)) senses.push_back(Make(st::kMod, cat::kAdv, Rendering(rng_)));
      return senses;
    }
    if (ends("ous") || ends("ful") || ends("ive") || ends("able") || ends("ible") || ends("al") || ends("ic") ||
        ends("less")) {
      senses.push_back(Make(st::kPlain, cat::kAdj, Rendering(rng_)));
      if (rng_.Chance(15)) senses.push_back(NounSense(w, false));
      return senses;
    }
    if (ends("tion") || ends("ment") || ends("ness") || ends("ity") || ends("ism") || ends("ist")) {
      const int n = rng_.Range(1, 3);
      for (int k = 0; k < n; ++k) senses.push_back(NounSense(w, false));
      return senses;
    }
    const std::size_t roll = rng_.Below(100);
    if (roll < 45) {
      const int n = rng_.Range(1, 3);
      for (int k = 0; k < n; ++k) senses.push_back(NounSense(w, false));
    } else if (roll < 65) {
      senses.push_back(VerbSense());
      if (rng_.Chance(30)) senses.push_back(VerbSense());
    } else if (roll < 80) {
      senses.push_back(NounSense(w, false));
      senses.push_back(VerbSense());
    } else if (roll < 95) {
      senses.push_back(Make(st::kPlain, cat::kAdj, Rendering(rng_)));
      if (rng_.Chance(20)) senses.push_back(Make(st::kPlain, cat::kAdv, Rendering(rng_)));
    } else {
      senses.push_back(Make(st::kPlain, cat::kAdv, Rendering(rng_)));
    }
    return senses;
  }

  void Function(const std::string& w, Category c, std::string text, std::uint16_t type = st::kPlain) {
    if (Taken(w)) {
      entries_[index_[w]].senses.push_back(Make(type, c, std::move(text)));
      return;
    }
    Add(w, {Make(type, c, std::move(text))});
  }

  void AddFunctionWords() {
    for (const char* w : {"the"}) Function(w, cat::kDet, "");
    for (const char* w : {"a", "an", "this", "that", "these", "those", "some", "any", "each", "every", "no",
                          "all", "many", "much", "few", "several", "such", "another", "other", "both"})
      Function(w, cat::kDet, Hanzi(rng_, 2));
    for (const char* w : {"of", "in", "on", "at", "for", "with", "by", "from", "about", "into", "over", "after",
                          "before", "under", "between", "through", "during", "without", "against", "among",
                          "around", "since", "until", "within", "across", "behind", "beyond", "near", "per",
                          "than", "towards", "upon", "via", "despite", "along", "onto", "off", "out", "up", "down"}) {
      std::string t = Hanzi(rng_, 1);
      if (rng_.Chance(40)) t += "\\1" + Hanzi(rng_, 1);
      Function(w, cat::kPrep, t);
    }
    for (const char* w : {"and", "or", "but", "nor", "so", "yet", "because", "while", "although", "though",
                          "unless", "whereas", "whether", "once"})
      Function(w, cat::kConj, Hanzi(rng_, 2));
    for (const char* w : {"I", "you", "he", "she", "it", "we", "they", "me", "him", "her", "us", "them", "my",
                          "your", "his", "its", "our", "their", "myself", "itself", "themselves", "himself",
                          "herself", "one", "someone", "something", "everyone", "everything", "nothing",
                          "anyone", "anything", "mine", "yours"})
      Function(w, cat::kPron, Hanzi(rng_, rng_.Range(1, 2)));
    for (const char* w : {"is", "am", "are", "be"}) Function(w, cat::kBe, Hanzi(rng_, 1));
    for (const char* w : {"will", "would", "can", "could", "may", "might", "must", "shall", "should", "do",
                          "does", "did", "have", "has", "had"})
      Function(w, cat::kAux, Hanzi(rng_, rng_.Range(0, 2)));
    Function("that", cat::kThat, "");
    Function("there", cat::kThere, Hanzi(rng_, 2));
    for (const char* w : {"who", "what", "which", "where", "when", "why", "how", "whom", "whose"})
      Function(w, cat::kWh, Hanzi(rng_, 2));
    Function("if", cat::kIf, Hanzi(rng_, 2));
    Function("as", cat::kAs, Hanzi(rng_, 2));
    Function("to", cat::kTo, "");
    Function("both", cat::kBoth, Hanzi(rng_, 2));
    for (const char* w : {"not", "very", "also", "too", "only", "just", "even", "still", "never", "always",
                          "often", "already", "again", "here", "now", "then", "however", "more", "most", "less",
                          "least", "well", "ago", "soon", "almost", "quite", "rather"})
      Function(w, cat::kAdv, Hanzi(rng_, rng_.Range(1, 3)));
    for (const char* w : {"one", "two", "three", "four", "five", "six", "seven", "eight", "nine", "ten", "eleven",
                          "twelve", "twenty", "thirty", "forty", "fifty", "hundred", "thousand", "million",
                          "billion", "first", "second", "third", "fourth", "fifth", "last"})
      Function(w, cat::kNum, Hanzi(rng_, rng_.Range(1, 3)));
    for (const char* w : {"oh", "yes", "hello", "please", "thanks", "wow"}) Function(w, cat::kIntj, Hanzi(rng_, 2));

    // Punctuation the token handlers rely on.
    Function(",", cat::kComma, "\xA3\xAC");
    Function("$s", cat::kPoss, "\xB5\xC4");
    Function("\"", cat::kQuote, "\"");
    Function("--", cat::kComma, "\xA1\xAA\xA1\xAA");
    Function("...", cat::kComma, "\xA1\xAD\xA1\xAD");
    Function(":", cat::kComma, "\xA3\xBA");
    Function(";", cat::kComma, "\xA3\xBB");

    // Months run the date recogniser; a few words are plural whatever their
    // shape.
    for (const char* m : {"January", "February", "March", "April", "May", "June", "July", "August", "September",
                          "October", "November", "December"}) {
      LexEntry& e = Add(m, {NounSense(Lowered(m), true)}, wb::ef1::kHandler);
      e.handler = 1;
    }
    for (const char* w : {"police", "cattle", "people", "staff", "clergy", "livestock"}) {
      if (Taken(w)) continue;
      LexEntry& e = Add(w, {NounSense(w, false)}, wb::ef1::kHandler);
      e.handler = 0;
    }

    // Contractions list the words they stand for.
    static const std::pair<const char*, const char*> kContractions[] = {
        {"don't", "do not"},     {"doesn't", "does not"}, {"didn't", "did not"},   {"can't", "can not"},
        {"won't", "will not"},   {"isn't", "is not"},     {"aren't", "are not"},   {"wasn't", "was not"},
        {"weren't", "were not"}, {"haven't", "have not"}, {"hasn't", "has not"},   {"couldn't", "could not"},
        {"wouldn't", "would not"}, {"shouldn't", "should not"}, {"it's", "it is"}, {"I'm", "I am"},
        {"I've", "I have"},      {"I'll", "I will"},      {"I'd", "I would"},      {"you're", "you are"},
        {"we're", "we are"},     {"they're", "they are"}, {"he's", "he is"},       {"she's", "she is"},
        {"that's", "that is"},   {"there's", "there is"}, {"let's", "let us"},     {"you'll", "you will"},
        {"we'll", "we will"},    {"they've", "they have"}, {"what's", "what is"},  {"who's", "who is"}};
    for (const auto& [c, list] : kContractions) Add(c, {Make(st::kPlain, cat::kAux, list)}, wb::ef1::kContraction);
  }

  void Reference(const std::string& form, const std::string& target, std::uint16_t flags) {
    if (Taken(form)) return;
    Add(form, {[&] {
          Sense s = Make(st::kValue, cat::kRef, target);
          std::get<wb::WordField>(s.fields).value = flags;
          return s;
        }()});
    ++refs_;
  }

  void EnsureVerb(const std::string& w) {
    if (!Taken(w)) Add(w, {VerbSense()});
  }

  void AddIrregularForms() {
    static const char* const kVerbs[][3] = {
        {"go", "went", "gone"},        {"make", "made", "made"},       {"take", "took", "taken"},
        {"come", "came", "come"},      {"see", "saw", "seen"},         {"know", "knew", "known"},
        {"get", "got", "gotten"},      {"give", "gave", "given"},      {"find", "found", "found"},
        {"think", "thought", "thought"}, {"tell", "told", "told"},     {"become", "became", "become"},
        {"show", "showed", "shown"},   {"leave", "left", "left"},      {"feel", "felt", "felt"},
        {"bring", "brought", "brought"}, {"begin", "began", "begun"},  {"keep", "kept", "kept"},
        {"hold", "held", "held"},      {"write", "wrote", "written"},  {"stand", "stood", "stood"},
        {"hear", "heard", "heard"},    {"mean", "meant", "meant"},     {"meet", "met", "met"},
        {"run", "ran", "run"},         {"pay", "paid", "paid"},        {"sit", "sat", "sat"},
        {"speak", "spoke", "spoken"},  {"lie", "lay", "lain"},         {"lead", "led", "led"},
        {"read", "read", "read"},      {"grow", "grew", "grown"},      {"lose", "lost", "lost"},
        {"fall", "fell", "fallen"},    {"send", "sent", "sent"},       {"build", "built", "built"},
        {"understand", "understood", "understood"}, {"draw", "drew", "drawn"}, {"break", "broke", "broken"},
        {"spend", "spent", "spent"},   {"rise", "rose", "risen"},      {"drive", "drove", "driven"},
        {"buy", "bought", "bought"},   {"wear", "wore", "worn"},       {"choose", "chose", "chosen"},
        {"seek", "sought", "sought"},  {"throw", "threw", "thrown"},   {"catch", "caught", "caught"},
        {"deal", "dealt", "dealt"},    {"win", "won", "won"},          {"forget", "forgot", "forgotten"},
        {"sell", "sold", "sold"},      {"fight", "fought", "fought"},  {"teach", "taught", "taught"},
        {"eat", "ate", "eaten"},       {"fly", "flew", "flown"},       {"sing", "sang", "sung"},
        {"swim", "swam", "swum"},      {"drink", "drank", "drunk"},    {"sleep", "slept", "slept"},
        {"hide", "hid", "hidden"},     {"shake", "shook", "shaken"},   {"steal", "stole", "stolen"},
        {"strike", "struck", "struck"}, {"ride", "rode", "ridden"},    {"freeze", "froze", "frozen"},
        {"bear", "bore", "born"},      {"beat", "beat", "beaten"},     {"bite", "bit", "bitten"},
        {"blow", "blew", "blown"},     {"feed", "fed", "fed"},         {"flee", "fled", "fled"},
        {"forgive", "forgave", "forgiven"}, {"hang", "hung", "hung"},  {"shoot", "shot", "shot"},
        {"shine", "shone", "shone"},   {"sink", "sank", "sunk"},       {"slide", "slid", "slid"},
        {"spin", "spun", "spun"},      {"spread", "spread", "spread"}, {"stick", "stuck", "stuck"},
        {"sting", "stung", "stung"},   {"swear", "swore", "sworn"},    {"sweep", "swept", "swept"},
        {"swing", "swung", "swung"},   {"tear", "tore", "torn"},       {"wake", "woke", "woken"},
        {"weep", "wept", "wept"},      {"wind", "wound", "wound"},     {"withdraw", "withdrew", "withdrawn"},
        {"be", "was", "been"},         {"have", "had", "had"},         {"do", "did", "done"},
        {"say", "said", "said"},       {"lay", "laid", "laid"},        {"light", "lit", "lit"},
        {"arise", "arose", "arisen"},  {"dig", "dug", "dug"},          {"bend", "bent", "bent"},
        {"bind", "bound", "bound"},    {"breed", "bred", "bred"},      {"cling", "clung", "clung"},
        {"creep", "crept", "crept"},   {"grind", "ground", "ground"},  {"kneel", "knelt", "knelt"},
        {"lend", "lent", "lent"},      {"overcome", "overcame", "overcome"}, {"undertake", "undertook", "undertaken"}};
    for (const auto& v : kVerbs) {
      EnsureVerb(v[0]);
      Reference(v[1], v[0], wb::wf::PAST);
      if (std::string_view(v[2]) != v[1]) Reference(v[2], v[0], wb::wf::EN);
    }
    Reference("were", "be", wb::wf::PAST);
    Reference("being", "be", wb::wf::ING);
    static const char* const kNouns[][2] = {
        {"man", "men"},        {"woman", "women"},   {"child", "children"}, {"foot", "feet"},
        {"tooth", "teeth"},    {"mouse", "mice"},    {"person", "persons"}, {"goose", "geese"},
        {"criterion", "criteria"}, {"phenomenon", "phenomena"}, {"analysis", "analyses"},
        {"crisis", "crises"},  {"thesis", "theses"}, {"datum", "data"},     {"medium", "media"},
        {"life", "lives"},     {"wife", "wives"},    {"knife", "knives"},   {"leaf", "leaves"},
        {"wolf", "wolves"},    {"half", "halves"},   {"shelf", "shelves"},  {"thief", "thieves"},
        {"nucleus", "nuclei"}, {"fungus", "fungi"},  {"cactus", "cacti"},
        {"ox", "oxen"},        {"louse", "lice"},    {"index", "indices"},  {"matrix", "matrices"}};
    for (const auto& n : kNouns) {
      if (!Taken(n[0])) Add(n[0], {NounSense(n[0], false)});
      Reference(n[1], n[0], wb::wf::PLURAL);
    }
    static const char* const kGrades[][3] = {{"good", "better", "best"}, {"bad", "worse", "worst"},
                                             {"far", "farther", "farthest"}, {"little", "less", "least"}};
    for (const auto& g : kGrades) {
      if (!Taken(g[0])) Add(g[0], {Make(st::kPlain, cat::kAdj, Rendering(rng_))});
      Reference(g[1], g[0], wb::wf::ER);
      Reference(g[2], g[0], wb::wf::EST);
    }
  }

  void AddContentWords() {
    for (const std::string& w : textOrder_) {
      const bool proper = proper_.count(w) != 0;
      const std::string head = proper ? surface_[w] : w;
      if (Taken(head) || Taken(w)) continue;
      if (!proper && BaseOf(w) != w) continue;  // the morphology finds it
      if (w.size() == 1 && w != "a" && w != "i") continue;
      content_.push_back(head);
      Add(head, ContentSenses(w, proper));
    }
  }

  std::string MadeUpWord() {
    static const char* const kOnsets[] = {"b", "c", "d", "f", "g", "h", "k", "l", "m", "n", "p", "r", "s",
                                          "t", "v", "w", "br", "cr", "dr", "gr", "pr", "tr", "st", "sp",
                                          "pl", "cl", "bl", "fl", "sh", "ch", "th", "qu", "sc", "str"};
    static const char* const kVowels[] = {"a", "e", "i", "o", "u", "ea", "ai", "ou", "io", "ee", "oo", "y"};
    static const char* const kCodas[] = {"", "", "", "n", "r", "l", "s", "t", "m", "nd", "nt", "st", "ck", "ng"};
    static const char* const kSuffixes[] = {"", "", "", "", "", "tion", "ment", "ness", "ity", "al", "ous",
                                            "ive", "able", "ly", "er", "ism", "ic", "ure", "ance", "ent"};
    std::string w;
    const int syllables = rng_.Range(1, 3);
    for (int k = 0; k < syllables; ++k) {
      w += kOnsets[rng_.Below(std::size(kOnsets))];
      w += kVowels[rng_.Below(std::size(kVowels))];
      w += kCodas[rng_.Below(std::size(kCodas))];
    }
    w += kSuffixes[rng_.Below(std::size(kSuffixes))];
    return w;
  }

  void AddGeneratedWords(int headwordTarget) {
    while (static_cast<int>(entries_.size()) < headwordTarget) {
      std::string w = MadeUpWord();
      if (Taken(w) || w.size() < 3) continue;
      // A made-up word must not look like an inflection of a word there is.
      if (w.back() == 's' || w.ends_with("ed") || w.ends_with("ing")) continue;
      generated_.push_back(w);
      Add(w, ContentSenses(w, false));
    }
  }

  // Irregular forms of made-up verbs and nouns: a vowel changed ("strint",
  // "strant", "strunt"), or an old plural ending.
  void AddGeneratedReferences(int target) {
    std::size_t k = 0;
    while (refs_ < target && k < generated_.size() * 4) {
      const std::string& base = generated_[rng_.Below(generated_.size())];
      ++k;
      const LexEntry& e = entries_[index_.at(base)];
      if (e.senses.empty()) continue;
      const Category c = e.senses.front().category;
      if (c == cat::kV) {
        std::string past = base;
        const std::size_t v = past.find_last_of("aeiou");
        if (v == std::string::npos) continue;
        past[v] = past[v] == 'o' ? 'a' : 'o';
        Reference(past, base, wb::wf::PAST);
        if (rng_.Chance(50)) Reference(past + "en", base, wb::wf::EN);
      } else if (c == cat::kN) {
        Reference(base + (rng_.Chance(50) ? "en" : "i"), base, wb::wf::PLURAL);
      }
    }
  }

  // A phrase entry and its place in the phrase list of its first word.
  bool Phrase(const std::string& text, std::uint8_t flags, std::vector<Sense> senses) {
    const std::string first = text.substr(0, text.find(' '));
    auto it = index_.find(first);
    if (it == index_.end() || Taken(text)) return false;
    LexEntry& head = entries_[it->second];
    if (head.phrases.size() >= 12) return false;
    head.phrases.push_back(LexPhrase{static_cast<std::uint16_t>(phrases_ + 1), text});
    Add(text, std::move(senses), flags);
    ++phrases_;
    return true;
  }

  void AddPhrases(int target) {
    // Phrases of everyday English, kept whole.
    static const char* const kFixed[][2] = {
        {"in front of", "p"},  {"such as", "p"},     {"according to", "p"}, {"as well as", "c"},
        {"at least", "a"},     {"in order to", "p"}, {"because of", "p"},   {"more than", "a"},
        {"a lot of", "d"},     {"at all .", "a"},    {"of course", "a"},    {"so far", "a"},
        {"in addition", "a"},  {"for example", "a"}, {"as well n~", "a"},   {"instead of", "p"},
        {"due to", "p"},       {"in fact", "a"},     {"at the same time", "a"}, {"up to", "p"},
        {"each other", "r"},   {"in the `US", "p"},  {"all over", "p"},     {"as soon as", "c"},
        {"even though", "c"},  {"rather than", "p"}, {"at first", "a"},     {"on behalf of", "p"},
        {"in spite of", "p"},  {"prior to", "p"},    {"so that", "c"},      {"no longer", "a"},
        {"more or less", "a"}, {"by the way", "a"},  {"at last", "a"},      {"in general", "a"}};
    for (const auto& [text, kind] : kFixed) {
      const Category c = kind[0] == 'p'   ? cat::kPrep
                         : kind[0] == 'c' ? cat::kConj
                         : kind[0] == 'd' ? cat::kDet
                         : kind[0] == 'r' ? cat::kPron
                                          : cat::kAdv;
      Phrase(text, wb::ef1::kFixedPhrase, {Make(st::kPlain, c, Hanzi(rng_, rng_.Range(2, 4)))});
    }
    // Verbs with particles, some of them with a place for their object.
    static const char* const kParticles[] = {"up", "out", "off", "down", "over", "in", "on", "after", "away"};
    for (const char* v : {"look", "take", "make", "get", "give", "put", "set", "turn", "come", "go", "bring",
                          "carry", "break", "call", "find", "pick", "hold", "keep", "run", "work"}) {
      EnsureVerb(v);
      for (int k = 0; k < 3; ++k) {
        std::string text = std::string(v) + " " + kParticles[rng_.Below(std::size(kParticles))];
        std::vector<Sense> senses{VerbSense()};
        std::uint8_t flags = static_cast<std::uint8_t>(rng_.Chance(50) ? wb::ef1::kFixedPhrase : 0);
        if (k == 2) {
          text = std::string(v) + " * " + kParticles[rng_.Below(std::size(kParticles))];
          senses.front().text = Hanzi(rng_, 1) + "*" + Hanzi(rng_, 2);
          flags = wb::ef1::kFixedPhrase | wb::ef1::kKeepStartForm;
        }
        Phrase(text, flags, std::move(senses));
      }
    }
    // The rest: two or three words of the lexicon, the first mostly one of
    // the texts' own words (a common word has phrases to check).
    while (phrases_ < target) {
      const bool fromText = rng_.Chance(70) && !content_.empty();
      const std::string& first = fromText ? content_[rng_.Below(std::min<std::size_t>(content_.size(), 4000))]
                                          : generated_[rng_.Below(generated_.size())];
      std::string text = first;
      const int more = rng_.Range(1, 2);
      for (int k = 0; k < more; ++k) {
        const std::string& w = rng_.Chance(60) ? content_[rng_.Below(content_.size())]
                                               : generated_[rng_.Below(generated_.size())];
        text += ' ';
        text += w;
      }
      const bool noun = rng_.Chance(60);
      std::vector<Sense> senses{noun ? NounSense(text, false) : VerbSense()};
      senses.front().text = Hanzi(rng_, rng_.Range(2, 6));
      Phrase(text, static_cast<std::uint8_t>(rng_.Chance(60) ? wb::ef1::kFixedPhrase : 0), std::move(senses));
    }
  }

  std::string Write() {
    // Real lexicon files are in headword order.
    std::vector<const LexEntry*> order;
    order.reserve(entries_.size());
    for (const LexEntry& e : entries_) order.push_back(&e);
    std::sort(order.begin(), order.end(),
              [](const LexEntry* a, const LexEntry* b) { return a->headword < b->headword; });

    wb::LexiconHeader h;
    h.objectCount = static_cast<std::uint16_t>(order.size());
    static const char* const kCodes[] = {"C",  "U",  "CY", "*",  "PN", "LN", "NE", "IN", "OF", "NG", "i0",
                                         "i2", "i3", "i4", "t1", "t2", "t3", "t4", "t5", "d1", "d5", "v2",
                                         "v3", "v4", "x1", "x7", "x9", "l1", "l3", "l4", "l5"};
    h.codes.assign(std::begin(kCodes), std::end(kCodes));
    for (int i = 0; i < kClassNames; ++i) h.classNames.push_back("class" + std::to_string(i));
    for (int i = 0; i < kAuxNames; ++i) h.auxNames.push_back(Hanzi(rng_, 1));
    wb::LexWriter out;
    if (!wb::WriteLexiconHeader(h, out)) return {};
    for (const LexEntry* e : order)
      if (!wb::WriteEntry(*e, out)) return {};
    return out.Bytes();
  }

  Rng rng_;
  std::vector<LexEntry> entries_;
  std::unordered_map<std::string, std::size_t> index_;
  std::vector<std::string> textOrder_;
  std::unordered_set<std::string> textWords_;
  std::unordered_set<std::string> proper_;
  std::unordered_map<std::string, std::string> surface_;
  std::vector<std::string> content_;
  std::vector<std::string> generated_;
  int refs_ = 0;
  int phrases_ = 0;
};

struct LexiconImage {
  std::string bytes;
  int entries = 0;
  int references = 0;
  int phrases = 0;
};

const LexiconImage& Image() {
  static const LexiconImage image = [] {
    LexiconImage img;
    if (const char* path = std::getenv("WB_BENCH_LEXICON")) {
      // A compiled lexicon instead of the generated one.
      std::ifstream in(path, std::ios::binary);
      img.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
      wb::Lexicon lex;
      if (!img.bytes.empty() && lex.Load(img.bytes, path, nullptr)) img.entries = lex.EntryCount();
      else img.bytes.clear();
      return img;
    }
    LexiconBuilder b;
    img.bytes = b.Build();
    img.entries = b.EntryCount();
    img.references = b.ReferenceCount();
    img.phrases = b.PhraseCount();
    return img;
  }();
  return image;
}

// The image loaded once, for the stage and translation figures.
const wb::Lexicon* SharedLexicon(std::string* error) {
  static wb::Lexicon lex;
  static std::string loadError;
  static const bool ok = lex.Load(Image().bytes, "generated", &loadError);
  if (!ok) {
    *error = loadError;
    return nullptr;
  }
  return &lex;
}

void ImageCounters(benchmark::State& state) {
  const LexiconImage& img = Image();
  state.counters["entries"] = img.entries;
  state.counters["refs"] = img.references;
  state.counters["phrases"] = img.phrases;
  state.counters["MB"] = static_cast<double>(img.bytes.size()) / 1e6;
}

// ---------------------------------------------------------------------------
// Benchmarks

void BM_LoadFromMemory(benchmark::State& state) {
  const LexiconImage& img = Image();
  if (img.bytes.empty()) return state.SkipWithError("no lexicon image: not generated, or WB_BENCH_LEXICON unreadable");
  wb::Lexicon lex;
  std::string error;
  for (auto _ : state) {
    if (!lex.Load(img.bytes, "generated", &error)) return state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(lex.EntryCount());
  }
  if (lex.EntryCount() != img.entries) return state.SkipWithError("entry count differs from what was written");
  ImageCounters(state);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(img.bytes.size()));
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMillisecond);

void BM_LoadFromFile(benchmark::State& state) {
  const LexiconImage& img = Image();
  if (img.bytes.empty()) return state.SkipWithError("no lexicon image: not generated, or WB_BENCH_LEXICON unreadable");
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "wb_lexicon_bench.mtx";
  {
    std::ofstream out(path, std::ios::binary);
    out.write(img.bytes.data(), static_cast<std::streamsize>(img.bytes.size()));
    if (!out) return state.SkipWithError("cannot write the lexicon file");
  }
  wb::Lexicon lex;
  std::string error;
  for (auto _ : state) {
    if (!lex.LoadFile(path.string(), &error)) {
      std::filesystem::remove(path);
      return state.SkipWithError(error.c_str());
    }
    benchmark::DoNotOptimize(lex.EntryCount());
  }
  std::filesystem::remove(path);
  ImageCounters(state);
}
BENCHMARK(BM_LoadFromFile)->Unit(benchmark::kMillisecond);

// The lexical stage alone, sentence after sentence, as the engine runs it:
// a stage object per sentence over the engine's tables.
void BM_LexicalStage(benchmark::State& state) {
  std::string error;
  const wb::Lexicon* lex = SharedLexicon(&error);
  if (!lex) return state.SkipWithError(error.c_str());
  const auto& lines = Corpus();
  wb::Engine engine(lex);
  wb::Scanner scanner;
  std::int64_t abandoned = 0, sentences = 0;
  // One untimed pass for the shape of the result: how many of the words the
  // lexicon did not know, and how many the lexicon's phrases took in.
  double known = 0, unknown = 0, senses = 0;
  for (const std::string& line : lines) {
    engine.State().outsideQuotes = true;
    wb::LexicalStage stage(engine, *lex, scanner);
    try {
      stage.AnalyseSentence(line, 255);
    } catch (const wb::SentenceAbandoned&) {
      continue;
    }
    const wb::SentenceState& s = engine.State();
    for (int i = 1; i <= s.sentenceLen; ++i)
      ((s.words[static_cast<std::size_t>(i)].flags & wb::wf::WF_NOTFOUND) != 0 ? unknown : known) += 1;
    senses += s.senseCount;
  }
  state.counters["unknown%"] = known + unknown > 0 ? 100.0 * unknown / (known + unknown) : 0.0;
  state.counters["senses/word"] = known + unknown > 0 ? senses / (known + unknown) : 0.0;
  engine.Counters() = {};
  for (auto _ : state) {
    for (const std::string& line : lines) {
      engine.State().outsideQuotes = true;
      wb::LexicalStage stage(engine, *lex, scanner);
      try {
        stage.AnalyseSentence(line, 255);
      } catch (const wb::SentenceAbandoned&) {
        ++abandoned;
      }
      benchmark::DoNotOptimize(engine.State().sentenceLen);
    }
    sentences += static_cast<std::int64_t>(lines.size());
  }
  const double words = static_cast<double>(engine.Counters().wordCount);
  state.counters["words/s"] = benchmark::Counter(words, benchmark::Counter::kIsRate);
  state.counters["words/sent"] = sentences ? words / static_cast<double>(sentences) : 0.0;
  state.counters["abandoned"] = static_cast<double>(abandoned);
  state.SetItemsProcessed(sentences);
}
BENCHMARK(BM_LexicalStage)->Unit(benchmark::kMillisecond);

// Whole sentences through the engine: the lexical stage and the generation
// that follows it.
void BM_TranslateSentence(benchmark::State& state) {
  std::string error;
  const wb::Lexicon* lex = SharedLexicon(&error);
  if (!lex) return state.SkipWithError(error.c_str());
  const auto& lines = Corpus();
  wb::Engine engine(lex);
  std::int64_t abandoned = 0, sentences = 0, outBytes = 0;
  engine.Counters() = {};
  wb::Str255 s;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      s.assign(line);
      try {
        engine.TranslateSentence(s);
      } catch (const wb::SentenceAbandoned&) {
        ++abandoned;
      }
      outBytes += static_cast<std::int64_t>(s.size());
      benchmark::DoNotOptimize(s);
    }
    sentences += static_cast<std::int64_t>(lines.size());
  }
  const double words = static_cast<double>(engine.Counters().wordCount);
  state.counters["words/s"] = benchmark::Counter(words, benchmark::Counter::kIsRate);
  state.counters["abandoned"] = static_cast<double>(abandoned);
  state.SetItemsProcessed(sentences);
  benchmark::DoNotOptimize(outBytes);
}
BENCHMARK(BM_TranslateSentence)->Unit(benchmark::kMillisecond);

// Lookups alone: every word of the text through LookupWord.
void BM_LookupWord(benchmark::State& state) {
  std::string error;
  const wb::Lexicon* lex = SharedLexicon(&error);
  if (!lex) return state.SkipWithError(error.c_str());
  std::vector<std::string> words;
  for (const std::string& line : Corpus()) {
    std::size_t i = 0;
    while (i < line.size()) {
      std::size_t j = line.find(' ', i);
      if (j == std::string::npos) j = line.size();
      if (j > i) words.push_back(line.substr(i, j - i));
      i = j + 1;
    }
  }
  std::int64_t found = 0;
  for (auto _ : state)
    for (const std::string& w : words) found += lex->LookupWord(w).found;
  state.counters["lookups/s"] = benchmark::Counter(
      static_cast<double>(state.iterations()) * static_cast<double>(words.size()), benchmark::Counter::kIsRate);
  state.counters["found%"] = words.empty() ? 0.0
                                           : 100.0 * static_cast<double>(found) /
                                                 (static_cast<double>(state.iterations()) *
                                                  static_cast<double>(words.size()));
}
BENCHMARK(BM_LookupWord)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
