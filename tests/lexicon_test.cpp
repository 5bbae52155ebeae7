#include "engine/analysis/lexicon.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace wb {
namespace {

Sense MakeSense(std::uint16_t type, Category c, std::string text, std::uint16_t value = 0) {
  Sense s = Sense::OfType(type);
  s.category = c;
  s.text = std::move(text);
  if (auto* w = std::get_if<WordField>(&s.fields)) w->value = value;
  s.label = SenseLabel(s);
  return s;
}

LexEntry Entry(std::string headword, std::vector<Sense> senses = {}, std::uint16_t flags = 0) {
  LexEntry e;
  e.headword = std::move(headword);
  e.senses = std::move(senses);
  e.entryFlags = flags;
  return e;
}

// A lexicon file image; ends[i] is the offset just past object i.
struct Image {
  std::string bytes;
  std::vector<std::size_t> ends;
};

Image Build(const std::vector<LexEntry>& entries, std::uint16_t version = lex_version::kCurrent,
            int extraCount = 0) {
  LexiconHeader h;
  h.formatVersion = version;
  h.objectCount = static_cast<std::uint16_t>(entries.size() + static_cast<std::size_t>(extraCount));
  h.codes = {"a", "bb", "", "xy", "z"};
  h.classNames = {"human", "animal", std::string(16, 'q')};
  h.auxNames = {"aux0"};
  LexWriter w;
  EXPECT_TRUE(WriteLexiconHeader(h, w));
  Image img;
  for (const LexEntry& e : entries) {
    EXPECT_TRUE(WriteEntry(e, w)) << e.headword;
    img.ends.push_back(w.Bytes().size());
  }
  img.bytes = w.Bytes();
  return img;
}

std::vector<LexEntry> SampleEntries() {
  Sense noun = MakeSense(sense_type::kNoun, cat::kN, "\xCA\xE9");
  noun.Noun()->codes = NounCodeBit(nc::C) | NounCodeBit(nc::IN);
  noun.Noun()->context = "read";
  Sense verb = MakeSense(sense_type::kVerb, cat::kV, "\xD4\xA4\xB6\xA9");
  verb.Verb()->codes = VerbCodeBit(vc::t1);
  verb.Verb()->renderings = {"\x04x"};
  LexEntry book = Entry("book", {noun, verb, MakeSense(sense_type::kSub, cat::kN, "s")});
  book.phrases = {{7, "book * table"}, {8, "`Book"}};
  book.handler = 3;
  LexEntry went = Entry("went", {MakeSense(sense_type::kValue, cat::kRef, "go", 0x30)});
  LexEntry go = Entry("go", {MakeSense(sense_type::kPlain, cat::kV, "\xC8\xA5")}, 0x0300);
  return {book, went, go};
}

TEST(Lexicon, HashNameByHand) {
  EXPECT_EQ(HashName(""), 0);
  EXPECT_EQ(HashName("a"), 97);
  EXPECT_EQ(HashName("ab"), 292);     // 97*2 + 98
  EXPECT_EQ(HashName("abc"), 1266);   // (97*3 + 98)*3 + 99
  EXPECT_EQ(HashName("\xB0\xA1"), 513);  // bytes are unsigned: 176*2 + 161
  // Wraps at 16 bits: 189710 becomes 58638 at the fifth letter.
  EXPECT_EQ(HashName("zzzzzz"), 291);
}

TEST(Lexicon, LoadsTablesAndEntries) {
  std::vector<LexEntry> entries = SampleEntries();
  Image img = Build(entries);
  Lexicon lex;
  std::string error = "stale";
  ASSERT_TRUE(lex.Load(img.bytes, kLexiconFileName, &error)) << error;
  EXPECT_TRUE(error.empty());
  EXPECT_EQ(lex.FormatVersion(), lex_version::kCurrent);
  EXPECT_EQ(lex.EntryCount(), 3);

  EXPECT_EQ(lex.CodeCount(), 5);
  EXPECT_EQ(lex.Code(0), "a");
  EXPECT_EQ(lex.Code(1), "bb");
  EXPECT_EQ(lex.Code(3), "*");  // whatever the file holds there
  EXPECT_EQ(lex.Code(4), "z");
  EXPECT_EQ(lex.Code(90), "");
  EXPECT_EQ(lex.Code(91), "");
  EXPECT_EQ(lex.SemanticClassCount(), 3);
  EXPECT_EQ(lex.SemanticClassName(1), "animal");
  EXPECT_EQ(lex.SemanticClassName(2), std::string(16, 'q'));
  EXPECT_EQ(lex.SemanticClassName(3), "???");
  EXPECT_EQ(lex.SemanticClassName(-1), "???");
  EXPECT_EQ(lex.AuxName(0), "aux0");
  EXPECT_EQ(lex.AuxName(255), "???");

  for (const LexEntry& e : entries) {
    const LexEntry* found = lex.LookupEntry(e.headword);
    ASSERT_NE(found, nullptr) << e.headword;
    EXPECT_EQ(*found, e);
  }
  const LexEntry* go = lex.LookupEntry("go");
  EXPECT_EQ(go->SecondFlags(), ef2::kBaseIsPast | ef2::kBaseIsParticiple);
  EXPECT_EQ(lex.LookupEntry("went")->senses[0].Value(), wf::PAST);
  EXPECT_EQ(lex.LookupEntry("Book"), nullptr);  // case matters
  EXPECT_EQ(lex.LookupEntry("boo"), nullptr);
  EXPECT_EQ(lex.LookupEntry(""), nullptr);

  // Loading again starts over.
  ASSERT_TRUE(lex.Load(Build({Entry("x")}).bytes, kLexiconFileName, nullptr));
  EXPECT_EQ(lex.EntryCount(), 1);
  EXPECT_EQ(lex.LookupEntry("book"), nullptr);
}

TEST(Lexicon, OlderVersionsLoad) {
  // Version 85 entries: no noun context, old renderings, legacy verb texts.
  Sense verb = MakeSense(sense_type::kVerb, cat::kV, "v");
  verb.Verb()->codes = VerbCodeBit(vc::wv5);
  verb.Verb()->legacy5 = "legacy";
  verb.Verb()->renderings = {"\x02s", "\x04\xD7\xF6"};
  std::vector<LexEntry> entries = {Entry("run", {verb, MakeSense(sense_type::kNoun, cat::kN, "n")})};
  Image img = Build(entries, 85);
  Lexicon lex;
  std::string error;
  ASSERT_TRUE(lex.Load(img.bytes, kLexiconFileName, &error)) << error;
  EXPECT_EQ(lex.FormatVersion(), 85);
  ASSERT_NE(lex.LookupEntry("run"), nullptr);
  EXPECT_EQ(*lex.LookupEntry("run"), entries[0]);
}

TEST(Lexicon, LaterEntryHidesEarlierWithSameHeadword) {
  LexEntry first = Entry("bank", {MakeSense(sense_type::kPlain, cat::kN, "first")});
  LexEntry second = Entry("bank", {MakeSense(sense_type::kPlain, cat::kN, "second")});
  Lexicon lex;
  ASSERT_TRUE(lex.Load(Build({first, Entry("knab"), second, Entry("bnak")}).bytes, kLexiconFileName, nullptr));
  EXPECT_EQ(lex.EntryCount(), 4);
  ASSERT_NE(lex.LookupEntry("bank"), nullptr);
  EXPECT_EQ(lex.LookupEntry("bank")->senses[0].text, "second");
  EXPECT_NE(lex.LookupEntry("knab"), nullptr);
  EXPECT_NE(lex.LookupEntry("bnak"), nullptr);

  // 676 headwords in 7993 buckets: chains form, and every lookup still finds
  // its own word by its full text.
  Lexicon chain;
  std::vector<std::string> words;
  for (char c = 'a'; c <= 'z'; ++c)
    for (char d = 'a'; d <= 'z'; ++d) words.push_back(std::string{c, d, 'x'});
  for (const std::string& w : words) chain.Insert(Entry(w));
  for (const std::string& w : words) {
    ASSERT_NE(chain.LookupEntry(w), nullptr);
    EXPECT_EQ(chain.LookupEntry(w)->headword, w);
  }
}

TEST(Lexicon, TruncatedFileKeepsCompleteEntries) {
  std::vector<LexEntry> entries = SampleEntries();
  Image img = Build(entries);
  for (std::size_t cut = 0; cut < img.bytes.size(); ++cut) {
    Lexicon lex;
    std::vector<std::string> messages;
    lex.SetDiagnostics([&](std::string_view m) { messages.emplace_back(m); });
    std::string error;
    ASSERT_FALSE(lex.Load(std::string_view(img.bytes).substr(0, cut), kLexiconFileName, &error)) << cut;
    EXPECT_EQ(error.rfind("LEXICON.MTX: ", 0), 0u) << error;
    EXPECT_NE(error.find("end of file"), std::string::npos) << error;
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], error);
    std::size_t complete = 0;
    while (complete < img.ends.size() && img.ends[complete] <= cut) ++complete;
    EXPECT_EQ(lex.EntryCount(), complete) << cut;
    for (std::size_t i = 0; i < entries.size(); ++i)
      EXPECT_EQ(lex.LookupEntry(entries[i].headword) != nullptr, i < complete) << cut;
    // The offset named is inside the file as given.
    std::size_t at = error.find("at byte offset ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_LE(std::stoul(error.substr(at + 15)), cut);
  }
}

TEST(Lexicon, CorruptFilesEndTheLoadWithTheOffset) {
  std::vector<LexEntry> entries = SampleEntries();
  auto load = [](const std::string& bytes, Lexicon& lex) {
    std::string error;
    EXPECT_FALSE(lex.Load(bytes, kLexiconFileName, &error));
    return error;
  };

  // An object count larger than what follows.
  Image more = Build(entries, lex_version::kCurrent, 1000);
  Lexicon lex;
  EXPECT_EQ(load(more.bytes, lex),
            "LEXICON.MTX: the lexicon file is damaged: unexpected end of file (2 bytes needed, 0 left) at byte offset " +
                std::to_string(more.ends.back()));
  EXPECT_EQ(lex.EntryCount(), 3);

  // An unknown object type, at the top and among the senses.
  Image img = Build(entries, lex_version::kCurrent, 1);
  std::string bad = img.bytes + std::string("\xE7\x03", 2);  // 999
  std::string error = load(bad, lex);
  EXPECT_NE(error.find("Unregister object!"), std::string::npos) << error;
  EXPECT_NE(error.find("at byte offset " + std::to_string(img.ends.back())), std::string::npos) << error;
  EXPECT_EQ(lex.EntryCount(), 3);

  std::string s = img.bytes;
  std::size_t wentAt = img.ends[0];  // "went" starts here
  std::size_t senseType = wentAt + 2 + 2 + 1 + 4 + 1;  // went: type, flags, headword, count
  ASSERT_EQ(static_cast<unsigned char>(s[senseType]), 0xEB);  // 1003
  s[senseType] = '\xF5';  // 1013
  error = load(s, lex);
  EXPECT_NE(error.find("Unregister object! (type 1013) at byte offset " + std::to_string(senseType)),
            std::string::npos)
      << error;
  EXPECT_EQ(lex.EntryCount(), 1);

  // An entry nested where a sense belongs, and a sense where an entry belongs.
  s[senseType] = '\xE8';  // 1000
  error = load(s, lex);
  EXPECT_NE(error.find("entry where a sense record belongs"), std::string::npos) << error;
  s = img.bytes;
  s[wentAt] = '\xEB';  // the second object becomes type 1003
  error = load(s, lex);
  EXPECT_NE(error.find("sense record where an entry belongs at byte offset " + std::to_string(wentAt)),
            std::string::npos)
      << error;

  // Tables: too many codes, a code or a name longer than its slot.
  s = img.bytes;
  s[4] = static_cast<char>(92);
  EXPECT_NE(load(s, lex).find("code table of 92 codes (at most 91) at byte offset 4"), std::string::npos);
  EXPECT_EQ(lex.EntryCount(), 0);
  s = img.bytes;
  s[5] = 3;
  EXPECT_NE(load(s, lex).find("code longer than 2 bytes at byte offset 5"), std::string::npos);
  s = img.bytes;
  s[5 + 4 * 3] = 3;  // the fifth code, after slot 3
  EXPECT_NE(load(s, lex).find("at byte offset 17"), std::string::npos);
  EXPECT_EQ(lex.Code(0), "a");
  EXPECT_EQ(lex.Code(3), "*");
  s = img.bytes;
  std::size_t firstName = 5 + 5 * 3 + 1;
  s[firstName] = 17;
  EXPECT_NE(load(s, lex).find("name longer than 16 bytes at byte offset " + std::to_string(firstName)),
            std::string::npos);

  // A sense count that cannot fit in what is left.
  s = img.bytes.substr(0, img.ends[0]);
  s[2] = 1;
  s[3] = 0;  // only "book"
  s += std::string("\xE8\x03\x00\x00\x01x\xFF", 7);
  s[2] = 2;
  error = load(s, lex);
  EXPECT_NE(error.find("sense count 255 runs past the end of file at byte offset " +
                       std::to_string(img.ends[0] + 6)),
            std::string::npos)
      << error;
  EXPECT_EQ(lex.EntryCount(), 1);

  EXPECT_NE(load("", lex).find("at byte offset 0"), std::string::npos);
}

TEST(Lexicon, LoadFile) {
  Lexicon lex;
  std::string error;
  std::string missing = (std::filesystem::temp_directory_path() / "wb_no_such_lexicon.mtx").string();
  EXPECT_FALSE(lex.LoadFile(missing, &error));
  EXPECT_EQ(error, missing + ": cannot be opened: No such file or directory");
  EXPECT_EQ(lex.EntryCount(), 0);
  const std::string dir = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(lex.LoadFile(dir, &error));
  EXPECT_EQ(error, dir + ": is a directory");
  // An endless file is not read into memory whole.
  EXPECT_FALSE(lex.LoadFile("/dev/zero", &error));
  EXPECT_EQ(error, "/dev/zero: is larger than 256 MiB; no lexicon is that large");

  std::string path = (std::filesystem::temp_directory_path() / "wb_lexicon_test.mtx").string();
  {
    std::ofstream out(path, std::ios::binary);
    std::string bytes = Build(SampleEntries()).bytes;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  EXPECT_TRUE(lex.LoadFile(path, &error)) << error;
  EXPECT_EQ(lex.EntryCount(), 3);
  std::remove(path.c_str());
}

TEST(Lexicon, LookupWordThroughForms) {
  Lexicon lex;
  for (const char* w : {"book", "fly", "box", "church", "go", "make", "stop", "try", "big", "happy", "fast",
                        "Smith", "free", "agree"})
    lex.Insert(Entry(w));
  struct Case {
    const char* word;
    const char* base;
    WordFlags flags;
  };
  const Case cases[] = {
      {"book", "book", 0},         {"books", "book", wf::S},      {"flies", "fly", wf::S},
      {"boxes", "box", wf::S},     {"churches", "church", wf::S}, {"going", "go", wf::ING},
      {"making", "make", wf::ING}, {"stopping", "stop", wf::ING}, {"stopped", "stop", wf::PAST},
      {"tried", "try", wf::PAST},  {"bigger", "big", wf::ER},     {"happier", "happy", wf::ER},
      {"faster", "fast", wf::ER},  {"biggest", "big", wf::EST},   {"happiest", "happy", wf::EST},
      {"fastest", "fast", wf::EST}, {"freed", "free", wf::PAST},  {"agreed", "agree", wf::PAST},
      {"Books", "book", wf::S},    {"Smith", "Smith", 0},         {"Going", "go", wf::ING},
  };
  for (const Case& c : cases) {
    Lexicon::WordLookup r = lex.LookupWord(c.word);
    ASSERT_TRUE(r.found) << c.word;
    EXPECT_EQ(r.entry->headword, c.base) << c.word;
    EXPECT_EQ(r.flags, c.flags) << c.word;
  }
  // Forms the rules do not derive.
  for (const char* w : {"flie", "smith", "BOOKS", "booke", "s", "", "ing", "ed", "est", "flyes"})
    EXPECT_FALSE(lex.LookupWord(w).found) << w;
}

}  // namespace
}  // namespace wb
