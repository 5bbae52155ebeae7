#include "tools/lexc/lex_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/grammar/sense_bits.h"

namespace wb {
namespace {

namespace fs = std::filesystem;

// A source in canonical form that uses every kind of line and field.
// "\xB7\xC5" is 放, "\xCA\xE9" is 书; "\x95\x5C" is a character whose second
// byte is a backslash.
const std::string kCanonical =
    "version 91\n"
    "\n"
    "code 0 \"C\"\n"
    "code 1 \"\"\n"
    "code 2 \"*\"\n"
    "\n"
    "class-name 0 none\n"
    "class-name 1 person\n"
    "class-name 2 place\n"
    "class-name 3 \"two words\"\n"
    "class-name 4 person\n"
    "\n"
    "aux-name 0 modal\n"
    "\n"
    "entry book\n"
    "  flags base-is-past headword-form 0x0008\n"
    "  n \"\xCA\xE9\" codes=C,IN,12 classes=place,0,3 strings=\"a\",\"b\" domain=4 classifier=2 context=\"read shelf\"\n"
    "  v \"\xB7\xC5\\o\" codes=t1,d1,54 constraints=1,0 pos=\"x\" vmot=\"\x95\x5C\" rendering=\"\\x09raw\" last=3\n"
    "  phrase \"book * table\" number=7\n"
    "  phrase \"`Book\"\n"
    "  handler date\n"
    "\n"
    "entry \"give up\"\n"
    "  flags phrasal-verb\n"
    "  v \"\" codes=t1\n"
    "\n"
    "entry can't\n"
    "  flags single-modal contraction\n"
    "  aux \"can not\" flags=modal|negative\n"
    "  aux \"\" flags=perfect\n"
    "  idle-handler 9\n"
    "\n"
    "entry to\n"
    "  flags to-after-noun\n"
    "  to \"\"\n"
    "\n"
    "entry went\n"
    "  REF \"go\" form=PAST\n"
    "  REF \"go\" form=S|WF_VERB|0x8000\n"
    "\n"
    "entry \",\"\n"
    "  \",\" \"\\\"\\\\\\x01\"\n"
    "  \"\\\"\" \"q\"\n"
    "  Sentence \"x\"\n"
    "  77 \"y\"\n"
    "\n"
    "entry misc\n"
    "  adv \"a\" flags=num-modifier|mid-position|after-prep|verb-bound|predicative|not-before-adj|0x4000\n"
    "  prep \"b\" flags=before-verb|not-noun-modifier\n"
    "  det \"c\" flags=with-classifier second=exclusive\n"
    "  det \"d\" flags=0x03 second=0x06\n"
    "  wh \"e\" flags=determiner\n"
    "  wh \"f\" flags=possessive\n"
    "  conj \"g\" flags=clause-front\n"
    "  pron \"h\" flags=subject|object\n"
    "  adj \"i\" flags=0x40\n"
    "  intj \"j\" record=1005 flags=0x0102 second=300 strings=\"s\"\n"
    "  intj \"k\" record=1006 flags=0x05 strings=\"t\",\"u\" last=6\n"
    "  adv \"l\" record=1007 flags=predicative byte=8\n"
    "  adv \"m\" record=1009 flags=num-modifier\n"
    "  intj \"n\" record=1011 flags=0x0001\n"
    "  n \"o\" record=1004\n"
    "  num \"p\"\n";

LexSource MustParse(const std::string& text, const std::string& file = "test.lex") {
  LexSource src;
  std::vector<std::string> errors;
  bool ok = ParseLexiconSource(text, file, src, errors);
  EXPECT_TRUE(ok);
  for (const std::string& e : errors) ADD_FAILURE() << e;
  return src;
}

// The errors of a text; empty when it parses.
std::vector<std::string> ErrorsOf(const std::string& text, const std::string& file = "bad.lex") {
  LexSource src;
  std::vector<std::string> errors;
  bool ok = ParseLexiconSource(text, file, src, errors);
  EXPECT_EQ(ok, errors.empty());
  return errors;
}

const Sense& OnlySense(const std::string& senseLine, LexSource& keep) {
  keep = MustParse("class-name 0 none\nclass-name 1 person\nentry w\n  " + senseLine + "\n");
  EXPECT_EQ(keep.entries.size(), 1u);
  EXPECT_EQ(keep.entries.at(0).senses.size(), 1u);
  return keep.entries.at(0).senses.at(0);
}

std::string ReadWhole(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// ---------------------------------------------------------------------------

TEST(LexiconSourceRoundTrip, CanonicalTextPrintsBackUnchanged) {
  LexSource src = MustParse(kCanonical);
  EXPECT_EQ(PrintLexiconSource(src), kCanonical);
}

TEST(LexiconSourceRoundTrip, TextToBinaryToTextAndBinaryToTextToBinary) {
  LexSource src = MustParse(kCanonical);
  std::string bytes, error;
  ASSERT_TRUE(CompileLexicon(src, bytes, &error)) << error;

  LexSource back;
  std::vector<std::string> notes;
  ASSERT_TRUE(DecompileLexicon(bytes, "LEXICON.MTX", back, &error, &notes)) << error;
  EXPECT_TRUE(notes.empty());
  EXPECT_EQ(PrintLexiconSource(back), kCanonical);
  EXPECT_EQ(back.entries, src.entries);

  std::string again;
  ASSERT_TRUE(CompileLexicon(back, again, &error)) << error;
  EXPECT_EQ(again, bytes);
}

TEST(LexiconSourceRoundTrip, OlderFormatVersionsKeepTheirFields) {
  // Before 86 verb senses carry legacy strings with wv4/wv5; before 88 the
  // second byte of record 1008 does not exist; before 91 no noun context.
  const std::string text =
      "version 85\n"
      "\n"
      "entry go\n"
      "  v \"x\" codes=i0,wv4,wv5 legacy4=\"old four\" mod=\"m\" vmot=\"q\"\n"
      "  n \"y\" codes=U\n"
      "  det \"z\" flags=with-classifier\n";
  LexSource src = MustParse(text);
  EXPECT_EQ(PrintLexiconSource(src), text);
  std::string bytes, error;
  ASSERT_TRUE(CompileLexicon(src, bytes, &error)) << error;
  LexSource back;
  ASSERT_TRUE(DecompileLexicon(bytes, "old.mtx", back, &error)) << error;
  EXPECT_EQ(back.formatVersion, 85);
  EXPECT_EQ(PrintLexiconSource(back), text);
  std::string again;
  ASSERT_TRUE(CompileLexicon(back, again, &error));
  EXPECT_EQ(again, bytes);
}

TEST(LexiconSourceRoundTrip, TextEscapes) {
  LexSource keep;
  // A slot marker stays a single backslash; quote, backslash before "x", raw
  // bytes and a GBK pair with a backslash second byte all come back.
  const Sense& s = OnlySense("n \"a\\o\\\"\\\\x\\x7F\\x80\x95\x5C\\\\\"", keep);
  EXPECT_EQ(s.text, std::string("a\\o\"\\x\x7F\x80\x95\x5C\\"));
  std::string printed = PrintLexiconSource(keep);
  EXPECT_NE(printed.find("n \"a\\o\\\"\\\\x\\x7F\\x80\x95\x5C\\\\\""), std::string::npos) << printed;
}

// ---------------------------------------------------------------------------

TEST(LexiconSourceFields, FlagNamesMeanTheBitsTheEngineTests) {
  LexSource keep;
  EXPECT_EQ(OnlySense("adv \"\" flags=num-modifier", keep).Value(), adv_flag::kNumberModifier);
  EXPECT_EQ(OnlySense("adv \"\" flags=mid-position|after-prep", keep).Value(),
            adv_flag::kMidPosition | adv_flag::kAfterPreposition);
  EXPECT_EQ(OnlySense("adv \"\" flags=verb-bound|predicative|not-before-adj", keep).Value(),
            adv_flag::kVerbBound | adv_flag::kPredicative | adv_flag::kNotBeforeAdjective);
  EXPECT_EQ(OnlySense("adv \"\"", keep).type, sense_type::kValue2);

  EXPECT_EQ(OnlySense("prep \"\" flags=before-verb", keep).FlagByte(), 0x01);
  EXPECT_EQ(OnlySense("prep \"\" flags=not-noun-modifier", keep).FlagByte(), 0x08);
  EXPECT_EQ(OnlySense("pron \"\" flags=subject", keep).FlagByte(), 0x01);
  EXPECT_EQ(OnlySense("pron \"\" flags=object", keep).FlagByte(), 0x02);
  EXPECT_EQ(OnlySense("wh \"\" flags=determiner", keep).FlagByte(), 1);
  EXPECT_EQ(OnlySense("wh \"\" flags=possessive", keep).FlagByte(), 3);
  EXPECT_EQ(OnlySense("conj \"\" flags=clause-front", keep).FlagByte(), 1);

  const Sense& aux = OnlySense("aux \"\" flags=negative|progressive", keep);
  EXPECT_EQ(aux.FlagByte() & aux_class::kMask, aux_class::kProgressive);
  EXPECT_EQ(aux.FlagByte() & aux_flag::kNegative, aux_flag::kNegative);
  EXPECT_EQ(OnlySense("aux \"\" flags=modal", keep).FlagByte(), aux_class::kModal);

  const Sense& det = OnlySense("det \"\" flags=with-classifier second=exclusive", keep);
  ASSERT_EQ(det.type, sense_type::kSub);
  EXPECT_EQ(det.FlagByte(), det_class::kWithClassifier);
  EXPECT_EQ(std::get<ByteFields>(det.fields).second, det_pairing::kExclusive);

  EXPECT_EQ(OnlySense("REF \"go\" form=PAST", keep).Value(), wf::PAST);
  EXPECT_EQ(OnlySense("REF \"go\" form=PLURAL|WF_VERB", keep).Value(), wf::PLURAL | wf::WF_VERB);
}

TEST(LexiconSourceFields, NounAndVerbFieldsByName) {
  LexSource keep;
  const Sense& n = OnlySense(
      "n \"x\" codes=C,NE,IN,* classes=person,0,1 strings=\"s\" domain=12 classifier=3 context=\"river water\"", keep);
  const NounFields* nf = n.Noun();
  ASSERT_NE(nf, nullptr);
  EXPECT_EQ(nf->codes, NounCodeBit(nc::C) | NounCodeBit(nc::NE) | NounCodeBit(nc::IN) | NounCodeBit(nc::kStar));
  EXPECT_EQ(nf->classes, (std::array<std::uint8_t, 4>{1, 0, 1, 0}));
  EXPECT_EQ(nf->strings, std::vector<std::string>{"s"});
  EXPECT_EQ(nf->domain, 12);
  EXPECT_EQ(nf->classifier, 3);
  EXPECT_EQ(nf->context, "river water");

  const Sense& v =
      OnlySense("v \"x\" codes=t1,i0,t5,d1,61 constraints=4,5 stype=\"s\" mod=\"m\" pos=\"p\" vmot=\"v\" last=2", keep);
  const VerbFields* vf = v.Verb();
  ASSERT_NE(vf, nullptr);
  EXPECT_EQ(vf->codes, VerbCodeBit(vc::t1) | VerbCodeBit(vc::i0) | VerbCodeBit(vc::t5) | VerbCodeBit(vc::d1) |
                           VerbCodeBit(vc::wv5));
  EXPECT_EQ(vf->constraintCount, 2);
  EXPECT_EQ(vf->constraints[1], 5);
  // Renderings keep the order written, each with its kind byte.
  EXPECT_EQ(vf->renderings, (std::vector<std::string>{"\x02s", "\x01m", "\x03p", "\x04v"}));
  EXPECT_EQ(vf->last, 2);
}

TEST(LexiconSourceFields, EntryFlagsHandlersPhrasesAndRecords) {
  LexSource src = MustParse(
      "entry x\n"
      "  flags fixed-phrase keep-start-form|base-is-participle\n"
      "  handler plural\n"
      "  phrase \"x y\" number=3\n"
      "  intj \"\" record=1007 byte=4\n"
      "entry y\n"
      "  flags single-modal to-after-noun contraction base-is-past headword-form\n"
      "  handler 13\n");
  ASSERT_EQ(src.entries.size(), 2u);
  const LexEntry& x = src.entries[0];
  EXPECT_EQ(x.FirstFlags(), ef1::kFixedPhrase | ef1::kKeepStartForm | ef1::kHandler);
  EXPECT_EQ(x.SecondFlags(), ef2::kBaseIsParticiple);
  EXPECT_EQ(x.handler, 0);
  EXPECT_EQ(x.phrases, (std::vector<LexPhrase>{{3, "x y"}}));
  EXPECT_EQ(x.senses.at(0).type, sense_type::kValueByte);
  const LexEntry& y = src.entries[1];
  EXPECT_EQ(y.FirstFlags(), ef1::kSingleModal | ef1::kContraction | ef1::kHandler);
  EXPECT_EQ(y.SecondFlags(), ef2::kBaseIsPast | ef2::kHeadwordForm);
  EXPECT_EQ(y.handler, 13);
}

TEST(LexiconSourceFields, TablesAcrossFilesInOrder) {
  LexSourceParser p;
  p.AddFile("code 1 \"U\"\nclass-name 0 none\nclass-name 1 place\n", "a.lex");
  p.AddFile("code 0 \"C\"\naux-name 0 be\nentry bank\n  n \"\" classes=place\n", "b.lex");
  LexSource src;
  ASSERT_TRUE(p.Finish(src));
  EXPECT_EQ(src.codes, (std::vector<std::string>{"C", "U"}));
  EXPECT_EQ(src.classNames, (std::vector<std::string>{"none", "place"}));
  EXPECT_EQ(src.auxNames, std::vector<std::string>{"be"});
  EXPECT_EQ(src.entries.at(0).senses.at(0).Noun()->classes[0], 1);
  EXPECT_EQ(src.entryLocations.at(0).file, "b.lex");
  EXPECT_EQ(src.entryLocations.at(0).line, 3);
}

// ---------------------------------------------------------------------------

TEST(LexiconSourceErrors, NameTheFileAndLine) {
  struct Case {
    std::string text;
    std::string expected;  // the start of the first message
  };
  const std::vector<Case> cases = {
      {"entry x\n  n \"unclosed\n", "bad.lex:2: quoted text is not closed"},
      {"n \"x\"\n", "bad.lex:1: a sense outside an entry"},
      {"entry x\n\n  nonsense \"\"\n", "bad.lex:3: unknown category or keyword \"nonsense\""},
      {"entry x\n  adv \"\" flags=quick\n", "bad.lex:2: unknown name \"quick\" in flags="},
      {"entry x\n  adj \"\" flags=before-verb\n", "bad.lex:2: unknown name \"before-verb\" in flags= (only numbers"},
      {"entry x\n  aux \"\" flags=modal|perfect\n", "bad.lex:2: \"perfect\" is a second class"},
      {"entry x\n  n \"\" classes=animal\n", "bad.lex:2: unknown class \"animal\""},
      {"entry x\n  n \"\" codes=C,QQ\n", "bad.lex:2: unknown code \"QQ\""},
      {"entry x\n  n \"\" codes=?\n", "bad.lex:2: code name \"?\" is shared"},
      {"entry x\n  v \"\" codes=64\n", "bad.lex:2: code number 64 is out of range"},
      {"entry x\n  v \"\" constraints=1,2,3,4,5\n", "bad.lex:2: a verb sense has at most 4 constraints"},
      {"entry x\n  n \"\" domain=256\n", "bad.lex:2: domain must be a number from 0 to 255"},
      {"entry x\n  n \"\" domain=1 domain=2\n", "bad.lex:2: domain= is given twice"},
      {"entry x\n  n \"\" mod=\"a\"\n", "bad.lex:2: \"mod=\" does not belong to a noun sense"},
      {"entry x\n  det \"\" record=999\n", "bad.lex:2: record must be a sense record type"},
      {"entry x\n  prep \"\" flags=0x100\n", "bad.lex:2: flags= value 0x100 is not a number from 0 to 255"},
      {"entry x\n  flags fast\n", "bad.lex:2: unknown entry flag \"fast\""},
      {"entry x\n  handler tomorrow\n", "bad.lex:2: unknown handler \"tomorrow\""},
      {"entry x\n  n \xB7\xC5\n", "bad.lex:2: text with bytes outside plain ASCII must be in quotes"},
      {"entry x\n  n \"\" context=\"\\xZZ\"\n", "bad.lex:2: \\x must be followed"},
      {"entry x y\n", "bad.lex:1: write \"entry HEADWORD\""},
      {"entry x\nversion 90\n", "bad.lex:2: the format version must come before"},
      {"version 91\nversion 91\n", "bad.lex:2: the format version is given twice"},
      {"code 0 \"abc\"\n", "bad.lex:1: code 0 is 3 bytes long (at most 2)"},
      {"code 91 \"a\"\n", "bad.lex:1: code number must be"},
      {"class-name 0 a\nclass-name 0 b\n", "bad.lex:2: class-name 0 is already given at bad.lex:1"},
      {"class-name 0 a\nclass-name 2 b\n", "bad.lex:2: class-name 1 is missing before class-name 2"},
      {"entry x\n  n \"" + std::string(256, 'a') + "\"\n", "bad.lex:2: the sense text is 256 bytes long"},
      // Legacy verb strings exist only before version 86: the sense is named.
      {"entry x\n  n \"\"\n  v \"\" codes=wv4 legacy4=\"a\"\n", "bad.lex:3: this sense cannot be stored in format version 91"},
      {"entry x\n  det \"\" flags=1 zz\n", "bad.lex:2: \"zz\" needs a key"},
      {"entry x\n  det \"\" =1\n", "bad.lex:2: '=' after something that is not a key name"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> errors = ErrorsOf(c.text);
    ASSERT_FALSE(errors.empty()) << c.text;
    EXPECT_EQ(errors[0].substr(0, c.expected.size()), c.expected) << errors[0];
  }
}

TEST(LexiconSourceErrors, ReadingGoesOnAfterAnErrorAndNamesTheRightFile) {
  LexSourceParser p;
  p.AddFile("entry a\n  n \"ok\"\n", "first.lex");
  p.AddFile("entry b\n  n \"\" flags=1\n  n \"ok\"\n  bogus\n", "second.lex");
  p.AddFile("  v \"\"\n", "third.lex");  // an entry never continues into the next file
  LexSource src;
  EXPECT_FALSE(p.Finish(src));
  ASSERT_EQ(p.Errors().size(), 3u);
  EXPECT_EQ(p.Errors()[0].rfind("second.lex:2: ", 0), 0u) << p.Errors()[0];
  EXPECT_EQ(p.Errors()[1].rfind("second.lex:4: ", 0), 0u) << p.Errors()[1];
  EXPECT_EQ(p.Errors()[2].rfind("third.lex:1: ", 0), 0u) << p.Errors()[2];
  EXPECT_EQ(src.entries.size(), 2u);
}

// ---------------------------------------------------------------------------

TEST(LexiconSourceBinary, CompiledFileLoadsIntoTheEngine) {
  LexSource src = MustParse(kCanonical);
  std::string bytes, error;
  ASSERT_TRUE(CompileLexicon(src, bytes, &error));
  Lexicon lex;
  ASSERT_TRUE(lex.Load(bytes, "LEXICON.MTX", &error)) << error;
  EXPECT_EQ(lex.EntryCount(), src.entries.size());
  EXPECT_EQ(lex.SemanticClassName(3), "two words");
  EXPECT_EQ(lex.AuxName(0), "modal");
  EXPECT_EQ(lex.Code(0), "C");
  for (const LexEntry& e : src.entries) {
    const LexEntry* found = lex.LookupEntry(e.headword);
    ASSERT_NE(found, nullptr) << e.headword;
    EXPECT_EQ(*found, e);
  }
}

// Compiles every .lex file below a folder, in path order, as the build does.
std::string CompileFolder(const fs::path& dir) {
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(dir))
    if (e.path().extension() == ".lex") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  EXPECT_FALSE(files.empty()) << dir;
  LexSourceParser p;
  for (const fs::path& f : files) p.AddFile(ReadWhole(f), fs::relative(f, dir).string());
  LexSource src;
  bool ok = p.Finish(src);
  for (const std::string& e : p.Errors()) ADD_FAILURE() << e;
  std::string bytes, error;
  EXPECT_TRUE(ok && CompileLexicon(src, bytes, &error)) << error;
  return bytes;
}

TEST(LexiconSourceBinary, TheTestLexiconCompilesAndReadsBack) {
  // The small lexicon kept for the tests, apart from the shipped one.
  const std::string bytes = CompileFolder(fs::path(WB_TEST_DATA_DIR) / "lexicon");
  ASSERT_FALSE(bytes.empty());
  std::string error;

  Lexicon lex;
  ASSERT_TRUE(lex.Load(bytes, "LEXICON.MTX", &error)) << error;
  EXPECT_EQ(lex.Code(kStarCodeSlot), "*");
  ASSERT_NE(lex.LookupEntry("put"), nullptr);
  EXPECT_EQ(lex.LookupEntry("put")->SecondFlags(), ef2::kBaseIsPast | ef2::kBaseIsParticiple);
  ASSERT_NE(lex.LookupEntry("ran"), nullptr);
  EXPECT_EQ(lex.LookupEntry("ran")->senses.at(0).Value(), wf::PAST);
  EXPECT_TRUE(lex.LookupEntry("can't")->FirstFlags() & ef1::kContraction);
  EXPECT_EQ(lex.LookupEntry("January")->handler, 1);
  // Every stored record type appears.
  std::vector<bool> types(13);
  for (const LexEntry& e : lex.Entries())
    for (const Sense& s : e.senses) types[s.type - 1000u] = true;
  for (int t = 1; t <= 12; ++t) EXPECT_TRUE(types[static_cast<std::size_t>(t)]) << "record " << 1000 + t;

  // Decompiled and compiled again it is the same file.
  LexSource back;
  ASSERT_TRUE(DecompileLexicon(bytes, "LEXICON.MTX", back, &error)) << error;
  std::string again;
  ASSERT_TRUE(CompileLexicon(back, again, &error));
  EXPECT_EQ(again, bytes);

}

TEST(LexiconSourceBinary, TheBuildPutsTheShippedLexiconBesideThePrograms) {
  const std::string shipped = CompileFolder(fs::path(WB_TEST_DATA_DIR) / ".." / "data" / "lexicon");
  const fs::path built = fs::path(WB_BIN_DIR) / "LEXICON.MTX";
  ASSERT_TRUE(fs::exists(built));
  EXPECT_EQ(ReadWhole(built), shipped);
}

TEST(LexiconSourceBinary, CorruptFilesGiveTheOffsetNeverACrash) {
  LexSource src = MustParse(kCanonical);
  std::string bytes, error;
  ASSERT_TRUE(CompileLexicon(src, bytes, &error));
  // Every truncation fails with the file name and an offset inside the file.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    LexSource out;
    error.clear();
    ASSERT_FALSE(DecompileLexicon(std::string_view(bytes).substr(0, n), "cut.mtx", out, &error)) << n;
    ASSERT_EQ(error.rfind("cut.mtx: ", 0), 0u) << error;
    std::size_t at = error.rfind("at byte offset ");
    ASSERT_NE(at, std::string::npos) << error;
    EXPECT_LE(std::stoull(error.substr(at + 15)), n);
  }
  // An unknown object type keeps the engine's message.
  LexiconHeader h;
  h.objectCount = 1;
  LexWriter w;
  ASSERT_TRUE(WriteLexiconHeader(h, w));
  w.U16(4242);
  LexSource out;
  EXPECT_FALSE(DecompileLexicon(w.Bytes(), "odd.mtx", out, &error));
  EXPECT_EQ(error, "odd.mtx: Unregister object! (type 4242) at byte offset 7");

  // What the text cannot carry is reported, not dropped silently.
  std::string padded = bytes + "xyz";
  padded[7] = 'Q';  // the filler byte of code slot 0 ("C")
  std::vector<std::string> notes;
  ASSERT_TRUE(DecompileLexicon(padded, "pad.mtx", out, &error, &notes));
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_NE(notes[0].find("code 0 at byte offset 5 has filler bytes"), std::string::npos) << notes[0];
  EXPECT_NE(notes[1].find("3 bytes after the last entry"), std::string::npos) << notes[1];
}

}  // namespace
}  // namespace wb
