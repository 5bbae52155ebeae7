// The hand-written core of the shipped lexicon (data/lexicon/00-tables.lex
// and data/lexicon/50-core/): the closed word classes, the words the
// disambiguation rules name, the irregular forms, the contractions and the
// phrases. The core is compiled on its own, so that these checks hold
// whatever the imported vocabulary holds, and then compared with the built
// LEXICON.MTX, where the core must win over the import.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/lexical_stage.h"
#include "engine/analysis/lexicon.h"
#include "engine/analysis/morphology.h"
#include "engine/grammar/sense_bits.h"
#include "tools/lexc/lex_source.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const fs::path kLexiconDir = fs::path(WB_TEST_DATA_DIR) / ".." / "data" / "lexicon";

// The core compiled alone, loaded into a lexicon, with its source kept.
struct Core {
  LexSource source;
  std::vector<std::string> errors;
  std::string bytes;
  Lexicon lexicon;
  bool ok = false;

  Core() {
    std::vector<fs::path> files = {kLexiconDir / "00-tables.lex"};
    for (const auto& e : fs::directory_iterator(kLexiconDir / "50-core"))
      if (e.path().extension() == ".lex") files.push_back(e.path());
    std::sort(files.begin() + 1, files.end());
    LexSourceParser parser;
    for (const fs::path& f : files) parser.AddFile(ReadWhole(f), f.filename().string());
    ok = parser.Finish(source);
    errors = parser.Errors();
    std::string error;
    ok = ok && CompileLexicon(source, bytes, &error) && lexicon.Load(bytes, "core", &error);
    if (!error.empty()) errors.push_back(error);
  }
};

const Core& TheCore() {
  static const Core core;
  return core;
}

// The latest entry for a headword in the core, or null.
const LexEntry* Entry(std::string_view h) { return TheCore().lexicon.LookupEntry(h); }

// The categories an entry offers, references followed (as the lexical stage
// does for a word looked up without form flags).
std::set<Category> CategoriesOf(const LexEntry* e, int depth = 0) {
  std::set<Category> cats;
  if (e == nullptr || depth > 3) return cats;
  for (const Sense& s : e->senses) {
    if (s.category == cat::kRef) {
      auto more = CategoriesOf(Entry(s.text), depth + 1);
      cats.insert(more.begin(), more.end());
    } else {
      cats.insert(s.category);
    }
  }
  return cats;
}

bool Offers(std::string_view headword, Category c) { return CategoriesOf(Entry(headword)).count(c) > 0; }

const Sense* SenseOf(const LexEntry* e, Category c) {
  if (e == nullptr) return nullptr;
  for (const Sense& s : e->senses)
    if (s.category == c) return &s;
  return nullptr;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> out;
  std::size_t p = 0;
  while (p < text.size()) {
    std::size_t end = text.find(' ', p);
    if (end == std::string_view::npos) end = text.size();
    if (end > p) out.emplace_back(text.substr(p, end - p));
    p = end + 1;
  }
  return out;
}

bool IsMultiWord(const LexEntry& e) { return e.headword.find(' ') != std::string::npos; }

// ---------------------------------------------------------------------------

TEST(LexiconCore, CompilesAloneAndNoHeadwordIsWrittenTwice) {
  const Core& core = TheCore();
  for (const std::string& e : core.errors) ADD_FAILURE() << e;
  ASSERT_TRUE(core.ok);
  // A second entry with the same headword would silently hide the first.
  std::map<std::string, std::string> seen;
  for (std::size_t i = 0; i < core.source.entries.size(); ++i) {
    const SourceLocation& at = core.source.entryLocations.at(i);
    const std::string where = at.file + ":" + std::to_string(at.line);
    auto [it, fresh] = seen.emplace(core.source.entries[i].headword, where);
    EXPECT_TRUE(fresh) << core.source.entries[i].headword << " at " << where << " and " << it->second;
  }
}

TEST(LexiconCore, TablesHoldTheClassesAndClassifiersTheEngineNames) {
  const Lexicon& lex = TheCore().lexicon;
  // The numbers the parser and the generator test.
  EXPECT_EQ(lex.SemanticClassName(0), "none");
  EXPECT_EQ(lex.SemanticClassName(2), "time");   // "when" asks for it
  EXPECT_EQ(lex.SemanticClassName(5), "human");  // pronouns count as it; the "present" rule names it
  EXPECT_EQ(lex.SemanticClassName(36), "act");   // progressive rendered with 是
  for (int c = 0; c < lex.SemanticClassCount(); ++c) EXPECT_NE(lex.SemanticClassName(c), "???") << c;
  // Classifiers: slot 0 is none, slot 51 ("-") marks a noun that measures
  // itself (三天), every other slot one Chinese character.
  ASSERT_GE(lex.AuxNameCount(), 52);
  EXPECT_EQ(lex.AuxName(51), "-");
  EXPECT_EQ(lex.AuxName(0), "");
  EXPECT_EQ(lex.AuxName(1), "\xB8\xF6");  // 个
  EXPECT_EQ(lex.AuxName(2), "\xB1\xBE");  // 本
  for (int c = 1; c < lex.AuxNameCount(); ++c) {
    if (c == 51) continue;
    EXPECT_EQ(lex.AuxName(c).size(), 2u) << c;
  }

  // Every noun sense points inside both tables, and every class it names has
  // a name.
  for (const LexEntry& e : lex.Entries())
    for (const Sense& s : e.senses)
      if (const NounFields* n = s.Noun()) {
        EXPECT_LT(n->classifier, lex.AuxNameCount()) << e.headword;
        for (std::uint8_t c : n->classes) EXPECT_LT(c, lex.SemanticClassCount()) << e.headword;
      }
  // A counted thing in the everyday vocabulary takes its own classifier.
  EXPECT_EQ(SenseOf(Entry("book"), cat::kN)->Noun()->classifier, 2);
  EXPECT_EQ(lex.AuxName(SenseOf(Entry("car"), cat::kN)->Noun()->classifier), "\xC1\xBE");  // 辆
}

TEST(LexiconCore, PreferenceTableWordsOfferTheirPreferredCategory) {
  const std::vector<std::pair<std::string, Category>> table = {
      {"all", cat::kDet},   {"any", cat::kN},      {"be", cat::kAux},    {"can", cat::kN},     {"do", cat::kV},
      {"father", cat::kV},  {"for", cat::kConj},   {"her", cat::kPron},  {"his", cat::kPron},  {"just", cat::kAdj},
      {"like", cat::kConj}, {"more", cat::kN},     {"no", cat::kAdv},    {"other", cat::kDet}, {"own", cat::kDet},
      {"shop", cat::kV},    {"still", cat::kAdj},  {"that", cat::kPron}, {"this", cat::kPron}, {"time", cat::kN},
      {"well", cat::kN},    {"will", cat::kN}};
  for (const auto& [word, c] : table) {
    EXPECT_TRUE(Offers(word, c)) << word << " " << CategoryName(c);
    // A preference only matters for a word that has a choice.
    EXPECT_GE(CategoriesOf(Entry(word)).size(), 2u) << word;
  }
}

TEST(LexiconCore, RuleWordsOfferEveryCategoryTheirRulesChoose) {
  // do: aux + adv ("not") + v, or v alone.
  EXPECT_TRUE(Offers("do", cat::kAux) && Offers("do", cat::kV) && Offers("not", cat::kAdv));
  EXPECT_TRUE(Offers("that", cat::kThat) && Offers("that", cat::kPron) && Offers("that", cat::kDet));
  EXPECT_TRUE(Offers("one", cat::kN) && Offers("one", cat::kNum) && Offers("of", cat::kPrep));
  EXPECT_TRUE(Offers("need", cat::kV) && Offers("need", cat::kAux));
  EXPECT_TRUE(Offers("about", cat::kAdv) && Offers("about", cat::kPrep));
  // there + be; "there is no denying" puts can't in place of "no".
  EXPECT_TRUE(Offers("there", cat::kThere) && Offers("is", cat::kBe) && Offers("are", cat::kBe));
  const Sense* cant = SenseOf(Entry("can't"), cat::kAux);
  ASSERT_NE(cant, nullptr);
  EXPECT_EQ(cant->FlagByte(), aux_class::kModal | aux_flag::kNegative);
  EXPECT_TRUE(Offers("this", cat::kPron) && Offers("his", cat::kPron));
  // present after a human: adjective; a pronoun counts as human, and so do
  // people.
  EXPECT_TRUE(Offers("present", cat::kAdj) && Offers("present", cat::kN));
  EXPECT_EQ(SenseOf(Entry("people"), cat::kN)->Noun()->classes[0], 5);
  EXPECT_TRUE(Offers("all", cat::kAdv) && Offers("all", cat::kN) && Offers("all", cat::kDet));
  EXPECT_TRUE(Offers("as", cat::kAs) && Offers("like", cat::kPrep) && Offers("like", cat::kConj));
  EXPECT_TRUE(Offers("so", cat::kAdv) && Offers("quite", cat::kAdv) && Offers("the most", cat::kAdv));
  // The built-in auxiliary procedure.
  for (const char* w : {"have", "be", "will", "can"}) EXPECT_TRUE(Offers(w, cat::kAux)) << w;
  // "the most" is a fixed phrase that "most" lists.
  EXPECT_TRUE(Entry("the most")->FirstFlags() & ef1::kFixedPhrase);
  // Words with a category of their own.
  EXPECT_TRUE(Offers("to", cat::kTo) && Offers("if", cat::kIf) && Offers("both", cat::kBoth) &&
              Offers("and", cat::kAnd) && Offers("$s", cat::kPoss));
  EXPECT_TRUE(Entry("to")->FirstFlags() & ef1::kToAfterNoun);
}

TEST(LexiconCore, FunctionWordsCarryTheBitsTheParserTests) {
  for (const LexEntry& e : TheCore().lexicon.Entries())
    for (const Sense& s : e.senses) {
      if (s.category == cat::kPron) {
        EXPECT_NE(s.FlagByte() & (pron_flag::kSubject | pron_flag::kObject), 0) << e.headword;
      }
      if (s.category == cat::kAux) {
        EXPECT_LE(s.FlagByte() & aux_class::kMask, aux_class::kProgressive) << e.headword;
        // A modal that admits no second modal says so on its entry.
        if ((s.FlagByte() & aux_class::kMask) == aux_class::kModal && !IsMultiWord(e) &&
            (e.FirstFlags() & ef1::kContraction) == 0 && e.headword != "do") {
          EXPECT_TRUE(e.FirstFlags() & ef1::kSingleModal) << e.headword;
        }
      }
    }
  // Subject and object forms are told apart.
  EXPECT_EQ(SenseOf(Entry("I"), cat::kPron)->FlagByte(), pron_flag::kSubject);
  EXPECT_EQ(SenseOf(Entry("me"), cat::kPron)->FlagByte(), pron_flag::kObject);
  EXPECT_EQ(SenseOf(Entry("have"), cat::kAux)->FlagByte(), aux_class::kPerfect);
  EXPECT_EQ(SenseOf(Entry("be"), cat::kAux)->FlagByte(), aux_class::kProgressive);
  // A number modifier ("about ten") and the determiners that take the noun's
  // classifier.
  EXPECT_TRUE(SenseOf(Entry("about"), cat::kAdv)->Value() & adv_flag::kNumberModifier);
  for (const char* w : {"a", "an", "this", "that", "every", "each"}) {
    const Sense* d = SenseOf(Entry(w), cat::kDet);
    ASSERT_NE(d, nullptr) << w;
    EXPECT_EQ(d->FlagByte(), det_class::kWithClassifier) << w;
  }
  EXPECT_EQ(SenseOf(Entry("which"), cat::kWh)->FlagByte(), wh_class::kDeterminer);
  EXPECT_EQ(SenseOf(Entry("whose"), cat::kWh)->FlagByte(), wh_class::kPossessive);
  EXPECT_NE(SenseOf(Entry("because"), cat::kConj)->FlagByte(), 0);
}

TEST(LexiconCore, SlotMarkersAreWellFormed) {
  // \C takes the object of a preposition, the clause of a conjunction or the
  // noun phrase of a determiner; \o the object of a verb. One marker at most,
  // never inside a Chinese character, and of the letter its category uses.
  int frames = 0;
  for (const LexEntry& e : TheCore().lexicon.Entries())
    for (const Sense& s : e.senses) {
      if (s.category == cat::kRef || (e.FirstFlags() & ef1::kContraction)) continue;
      const std::string& t = s.text;
      const std::size_t at = FindSlot(t);
      const std::size_t bytes = static_cast<std::size_t>(std::count(t.begin(), t.end(), '\\'));
      if (at == std::string::npos) {
        // A backslash that is no marker would be the second byte of a
        // character; the core has none.
        EXPECT_EQ(bytes, 0u) << e.headword;
        continue;
      }
      ASSERT_LT(at + 1, t.size()) << e.headword;
      EXPECT_EQ(FindSlot(std::string_view(t).substr(at + 2)), std::string_view::npos) << e.headword;
      const char letter = t[at + 1];
      const bool verb = s.category == cat::kV;
      EXPECT_EQ(letter, verb ? 'o' : 'C') << e.headword << ": " << t;
      if (s.category == cat::kPrep || s.category == cat::kConj || s.category == cat::kDet) ++frames;
      // Something stands around the slot: a bare marker is no frame.
      EXPECT_GT(WithoutSlots(t).size(), 0u) << e.headword;
    }
  EXPECT_GT(frames, 20);
  EXPECT_EQ(SenseOf(Entry("on"), cat::kPrep)->text, "\xD4\xDA\\C\xC9\xCF");  // 在\C上
}

TEST(LexiconCore, IrregularFormsReachTheirBaseWithTheirForm) {
  const Lexicon& lex = TheCore().lexicon;
  int refs = 0;
  for (const LexEntry& e : lex.Entries())
    for (const Sense& s : e.senses) {
      if (s.category != cat::kRef) continue;
      ++refs;
      // The form is found as it stands, not through the spelling rules.
      const Lexicon::WordLookup w = lex.LookupWord(e.headword);
      ASSERT_TRUE(w.found) << e.headword;
      EXPECT_EQ(w.flags, 0) << e.headword;
      EXPECT_EQ(w.entry->headword, e.headword);
      // The base exists as it stands, and one of its own senses takes the form.
      const LexEntry* base = lex.LookupEntry(s.text);
      ASSERT_NE(base, nullptr) << e.headword << " -> " << s.text;
      bool takes = false;
      for (const Sense& b : base->senses)
        if (b.category != cat::kRef && CheckForm(s.Value(), b.category).accepted) takes = true;
      EXPECT_TRUE(takes) << e.headword << " -> " << s.text << " form " << s.Value();
    }
  EXPECT_GT(refs, 350);

  // Past tense and participle are told apart where English tells them apart.
  auto form = [&](std::string_view w, std::string_view base) -> std::uint16_t {
    for (const Sense& s : lex.LookupEntry(w)->senses)
      if (s.category == cat::kRef && s.text == base) return s.Value();
    return 0xFFFF;
  };
  EXPECT_EQ(form("went", "go"), wf::ED);
  EXPECT_EQ(form("gone", "go"), wf::EN);
  EXPECT_EQ(form("bought", "buy"), wf::PAST);
  EXPECT_EQ(form("children", "child"), wf::PLURAL);
  EXPECT_EQ(form("better", "good"), wf::ER);
  EXPECT_EQ(form("worst", "bad"), wf::EST);
  // A form that is a word of its own keeps both readings.
  EXPECT_EQ(form("saw", "see"), wf::ED);
  EXPECT_TRUE(Offers("saw", cat::kN));
  EXPECT_EQ(form("lives", "life"), wf::PLURAL);
  EXPECT_EQ(form("lives", "live"), wf::S);
  // Bases that serve as their own past forms say so.
  EXPECT_EQ(Entry("put")->SecondFlags() & (ef2::kBaseIsPast | ef2::kBaseIsParticiple),
            ef2::kBaseIsPast | ef2::kBaseIsParticiple);
  EXPECT_EQ(Entry("come")->SecondFlags() & (ef2::kBaseIsPast | ef2::kBaseIsParticiple), ef2::kBaseIsParticiple);
  EXPECT_EQ(Entry("go")->SecondFlags(), 0);
  // -ing forms the spelling rules cannot undo.
  EXPECT_EQ(form("lying", "lie"), wf::ING);
  EXPECT_EQ(form("dying", "die"), wf::ING);
  // A sentence-initial "Is" is "be", not "I" with an -s ending.
  const Lexicon::WordLookup is = lex.LookupWord("Is");
  ASSERT_TRUE(is.found);
  EXPECT_EQ(form(is.entry->headword, "be"), wf::S);
  // A regular form still goes through the spelling rules to a core word.
  const Lexicon::WordLookup walked = lex.LookupWord("walked");
  ASSERT_TRUE(walked.found);
  EXPECT_EQ(walked.entry->headword, "walk");
  EXPECT_EQ(walked.flags, wf::PAST);
}

TEST(LexiconCore, ContractionsExpandIntoWordsOfTheCore) {
  const Lexicon& lex = TheCore().lexicon;
  int count = 0;
  for (const LexEntry& e : lex.Entries()) {
    if (IsMultiWord(e) || (e.FirstFlags() & ef1::kContraction) == 0) continue;
    ++count;
    ASSERT_FALSE(e.senses.empty()) << e.headword;
    const std::vector<std::string> words = Words(e.senses[0].text);
    EXPECT_GE(words.size(), 1u) << e.headword;
    for (const std::string& w : words) {
      const Lexicon::WordLookup found = lex.LookupWord(w);
      EXPECT_TRUE(found.found) << e.headword << ": " << w;
      if (found.found) {
        EXPECT_EQ(found.entry->FirstFlags() & ef1::kContraction, 0) << e.headword << ": " << w;
      }
    }
  }
  EXPECT_GT(count, 60);
  for (const char* w : {"n't", "'ll", "'re", "'ve", "'m", "'d", "can't", "won't", "shan't", "let's", "I'm", "it's"})
    EXPECT_TRUE(Entry(w) && (Entry(w)->FirstFlags() & ef1::kContraction)) << w;
  EXPECT_EQ(Entry("won't")->senses[0].text, "will not");
}

TEST(LexiconCore, EveryPhraseIsListedAndEveryListedPhraseExists) {
  const Lexicon& lex = TheCore().lexicon;
  std::set<std::string> listed;
  for (const LexEntry& e : lex.Entries())
    for (const LexPhrase& p : e.phrases) {
      listed.insert(p.text);
      // Listed on a word of the phrase, so the lexical stage finds it there.
      const std::vector<std::string> words = Words(p.text);
      EXPECT_NE(std::find(words.begin(), words.end(), e.headword), words.end()) << e.headword << ": " << p.text;
      const Lexicon::WordLookup w = lex.LookupWord(p.text);
      ASSERT_TRUE(w.found) << p.text;
      EXPECT_EQ(w.flags, 0) << p.text;  // "PhraseMFlags <> 0" otherwise
    }
  for (const LexEntry& e : lex.Entries()) {
    if (!IsMultiWord(e)) continue;
    EXPECT_TRUE(listed.count(e.headword)) << e.headword << " is listed by none of its words";
    // A phrase is either one word of the sentence or a verb with its particle.
    EXPECT_NE(e.FirstFlags() & (ef1::kFixedPhrase | ef1::kPhrasalVerb), 0) << e.headword;
    if ((e.FirstFlags() & ef1::kFixedPhrase) == 0) {
      EXPECT_EQ(e.senses.at(0).category, cat::kV) << e.headword;
    }
  }
  EXPECT_TRUE(listed.count("give up") && listed.count("a lot of") && listed.count("in order to"));
}

TEST(LexiconCore, MonthsCallTheDateHandler) {
  const char* months[] = {"January", "February", "March",     "April",   "May",      "June",
                          "July",    "August",   "September", "October", "November", "December"};
  for (const char* m : months) {
    const LexEntry* e = Entry(m);
    ASSERT_NE(e, nullptr) << m;
    EXPECT_TRUE(e->FirstFlags() & ef1::kHandler) << m;
    EXPECT_EQ(e->handler, 1) << m;
    EXPECT_EQ(SenseOf(e, cat::kN)->Noun()->classes[0], 2) << m;
  }
  // The month and the modal differ by their capital; the capital form keeps
  // the modal for a sentence that starts with it.
  EXPECT_TRUE(Offers("May", cat::kAux) && Offers("may", cat::kAux) && !Offers("may", cat::kN));
  // "people" is plural by its handler.
  EXPECT_TRUE(Entry("people")->FirstFlags() & ef1::kHandler);
  EXPECT_EQ(Entry("people")->handler, 0);
}

TEST(LexiconCore, PunctuationHasTheCategoriesTheParserKnows) {
  for (const char* p : {",", ";", ":", "(", ")", "--", "...", "-"}) EXPECT_TRUE(Offers(p, cat::kComma)) << p;
  for (const char* p : {"\"", "'", "`", "``", "''"}) EXPECT_TRUE(Offers(p, cat::kQuote)) << p;
  EXPECT_TRUE(Offers("!", cat::kBang));
  EXPECT_TRUE(Offers("?", cat::kQuery));
  EXPECT_TRUE(Offers("$s", cat::kPoss));
}

TEST(LexiconCore, TheBuiltLexiconKeepsEveryCoreEntry) {
  const fs::path built = fs::path(WB_BIN_DIR) / "LEXICON.MTX";
  ASSERT_TRUE(fs::exists(built));
  Lexicon shipped;
  std::string error;
  ASSERT_TRUE(shipped.Load(ReadWhole(built), "LEXICON.MTX", &error)) << error;
  // Imported entries sort before the core, so the core entry is the one
  // found; the tables are the core's.
  for (const LexEntry& e : TheCore().source.entries) {
    const LexEntry* found = shipped.LookupEntry(e.headword);
    ASSERT_NE(found, nullptr) << e.headword;
    EXPECT_EQ(*found, e) << e.headword;
  }
  EXPECT_EQ(shipped.SemanticClassName(5), "human");
  EXPECT_EQ(shipped.AuxNameCount(), TheCore().lexicon.AuxNameCount());
}

}  // namespace
}  // namespace wb
