#include "engine/grammar/sense.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb {
namespace {

constexpr std::uint16_t kVersions[] = {85, 86, 87, 88, 89, 90, 91};

// One record of every type, with every field the given version stores filled
// with something distinct and every field it does not store left empty.
std::vector<Sense> Samples(std::uint16_t version) {
  std::vector<Sense> out;
  for (std::uint16_t t = sense_type::kFirst; t <= sense_type::kLast; ++t) {
    Sense s = Sense::OfType(t);
    s.category = static_cast<Category>(t - 1000);
    s.text = "\xB3\xD4\\o" + std::to_string(t);  // GBK with a slot marker
    if (NounFields* n = s.Noun()) {
      n->codes = 0x4041;
      n->classes = {5, 0, 17, 255};
      n->strings = {"food", "", std::string(255, 'x')};
      n->domain = 3;
      n->classifier = 9;
      if (version >= lex_version::kNounContext) n->context = "eat drink";
    } else if (VerbFields* v = s.Verb()) {
      v->codes = VerbCodeBit(vc::t1) | VerbCodeBit(vc::wv4) | VerbCodeBit(vc::wv5) | (VerbCodeSet{1} << 63);
      if (version < lex_version::kNoLegacyVerbTexts) {
        v->legacy4 = "old4";
        v->legacy5 = "old5";
      }
      v->constraintCount = 4;
      v->constraints = {1, 2, 3, 4};
      v->renderings = {std::string("\x01") + "up", std::string("\x02") + "q", std::string("\x03") + "",
                       std::string("\x04") + "\xD7\xF6"};
      v->last = 0xEE;
    } else if (auto* w = std::get_if<WordField>(&s.fields)) {
      w->value = static_cast<std::uint16_t>(0xA500 + t);
    } else if (auto* p = std::get_if<PairFields>(&s.fields)) {
      p->first = 0x1234;
      p->second = 0xFFFF;
      if (version >= lex_version::kPairStrings) p->strings = {"a", "bc"};
    } else if (auto* b = std::get_if<ByteListFields>(&s.fields)) {
      b->first = 7;
      b->strings = {"one"};
      b->last = 8;
    } else if (auto* wb = std::get_if<WordByteFields>(&s.fields)) {
      wb->value = 0x0102;
      wb->byte = 0x80;
    } else if (auto* f = std::get_if<ByteFields>(&s.fields)) {
      f->first = 0x41;
      if (t == sense_type::kSub && version >= lex_version::kSubSecondByte) f->second = 0x42;
    }
    s.label = SenseLabel(s);
    out.push_back(std::move(s));
  }
  return out;
}

std::string Write(const Sense& s, std::uint16_t version) {
  LexWriter w(version);
  EXPECT_TRUE(WriteSense(s, w)) << "type " << s.type << " version " << version;
  return w.Bytes();
}

TEST(SenseRecords, EveryTypeRoundTripsInEveryVersion) {
  for (std::uint16_t version : kVersions) {
    for (const Sense& s : Samples(version)) {
      std::string bytes = Write(s, version);
      LexReader in(bytes, version);
      Sense back;
      ASSERT_TRUE(ReadSense(s.type, in, back)) << in.Error() << " type " << s.type << " version " << version;
      EXPECT_TRUE(in.AtEnd()) << "type " << s.type << " version " << version;
      EXPECT_EQ(back, s) << "type " << s.type << " version " << version;
    }
  }
}

TEST(SenseRecords, VersionDecidesTheStoredFields) {
  // The same record is shorter where a later field does not exist yet.
  auto size = [](std::uint16_t type, std::uint16_t version) {
    Sense s = Samples(version)[type - sense_type::kFirst];
    return Write(s, version).size();
  };
  std::size_t common = 1 + 1 + Samples(91)[0].text.size();
  EXPECT_EQ(size(sense_type::kNoun, 90), common + 2 + 4 + (1 + 5 + 1 + 256) + 1 + 1);
  EXPECT_EQ(size(sense_type::kNoun, 91), size(sense_type::kNoun, 90) + 1 + 9);
  EXPECT_EQ(size(sense_type::kPair, 88), common + 4);
  EXPECT_EQ(size(sense_type::kPair, 89), common + 4 + 1 + 2 + 3);
  EXPECT_EQ(size(sense_type::kSub, 87), common + 1);
  EXPECT_EQ(size(sense_type::kSub, 88), common + 2);
  // Version 85: the two legacy strings, each with its length byte.
  EXPECT_EQ(size(sense_type::kVerb, 85), size(sense_type::kVerb, 86) + 5 + 5);
  // Before 87 the renderings are texts: "mod=", "stype=", "pos=" and quotes
  // instead of one kind byte each.
  EXPECT_EQ(size(sense_type::kVerb, 86), size(sense_type::kVerb, 87) + 3 + 5 + 3 + 1);

  // A field the version cannot hold is refused rather than silently lost.
  Sense noun = Samples(91)[0];
  LexWriter w90(90);
  EXPECT_FALSE(WriteSense(noun, w90));
  EXPECT_TRUE(w90.Failed());
  Sense sub = Samples(88)[sense_type::kSub - sense_type::kFirst];
  LexWriter w87(87);
  EXPECT_FALSE(WriteSense(sub, w87));
  Sense verb = Samples(85)[1];
  LexWriter w86(86);
  EXPECT_FALSE(WriteSense(verb, w86));
}

TEST(SenseRecords, HandBuiltBytes) {
  // A version-91 noun sense, laid out byte by byte.
  std::string bytes = std::string("\x0C\x02\xB3\xD4", 4) + "\x41\x40" + std::string("\x05\x00\x00\x00", 4) +
                      std::string("\x01\x03" "cat", 5) + "\x02\x07" + std::string("\x03" "pet", 4);
  LexReader in(bytes, 91);
  Sense s;
  ASSERT_TRUE(ReadSense(sense_type::kNoun, in, s)) << in.Error();
  EXPECT_EQ(SenseCategory(s), cat::kN);
  EXPECT_EQ(SenseText(s), "\xB3\xD4");
  ASSERT_NE(s.Noun(), nullptr);
  EXPECT_EQ(s.Noun()->codes, 0x4041);
  EXPECT_TRUE(HasNounCode(s.Noun()->codes, nc::kStar));
  EXPECT_EQ(s.Noun()->classes[0], 5);
  EXPECT_EQ(s.Noun()->strings, std::vector<std::string>{"cat"});
  EXPECT_EQ(s.Noun()->domain, 2);
  EXPECT_EQ(s.Noun()->classifier, 7);
  EXPECT_EQ(s.Noun()->context, "pet");
  EXPECT_EQ(s.FlagByte(), 0x41);

  // The same bytes as version 90 have no context: the last string is left over.
  LexReader old(bytes, 90);
  ASSERT_TRUE(ReadSense(sense_type::kNoun, old, s));
  EXPECT_TRUE(s.Noun()->context.empty());
  EXPECT_EQ(old.Remaining(), 4u);

  // A reference sense keeps the form flags it applies in its 16-bit value.
  std::string ref = std::string("\xC8\x02go\x30\x00", 6);
  LexReader r(ref, 91);
  ASSERT_TRUE(ReadSense(sense_type::kValue, r, s));
  EXPECT_EQ(s.category, cat::kRef);
  EXPECT_EQ(s.text, "go");
  EXPECT_EQ(s.Value(), 0x30);
}

TEST(SenseRecords, OldVerbRenderingsBecomeCoded) {
  EXPECT_EQ(ConvertOldRendering("\"\xD7\xF6\""), "\x04\xD7\xF6");
  EXPECT_EQ(ConvertOldRendering("\"\""), std::string(1, '\x04'));
  EXPECT_EQ(ConvertOldRendering("vmot=go"), "\x04go");
  EXPECT_EQ(ConvertOldRendering("mod=x"), "\x01x");
  EXPECT_EQ(ConvertOldRendering("stype=q"), "\x02q");
  EXPECT_EQ(ConvertOldRendering("pos=1"), "\x03" "1");
  EXPECT_EQ(ConvertOldRendering("\""), "\"");  // a lone quote is no quoted form
  EXPECT_EQ(ConvertOldRendering("other"), "other");
  EXPECT_EQ(ConvertOldRendering(""), "");

  // Read from a version-86 file: wv4 set but no legacy string any more.
  VerbCodeSet codes = VerbCodeBit(vc::t1) | VerbCodeBit(vc::wv4);
  LexWriter w(86);
  w.U8(cat::kV);
  w.String("\xB3\xD4");
  w.U64(codes);
  w.U8(0);
  w.U8(3);
  w.String("\"\xD7\xF6\"");
  w.String("pos=2");
  w.String("plain");
  w.U8(9);
  LexReader in(w.Bytes(), 86);
  Sense s;
  ASSERT_TRUE(ReadSense(sense_type::kVerb, in, s)) << in.Error();
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(s.Verb()->renderings, (std::vector<std::string>{"\x04\xD7\xF6", "\x03" "2", "plain"}));
  EXPECT_EQ(s.Verb()->last, 9);

  // A version-87 file stores renderings coded and reads them unchanged.
  LexReader coded(w.Bytes(), 87);
  ASSERT_TRUE(ReadSense(sense_type::kVerb, coded, s));
  EXPECT_EQ(s.Verb()->renderings[0], "\"\xD7\xF6\"");

  // A coded rendering that an old file could not tell apart is refused there.
  std::string old;
  EXPECT_FALSE(OldRendering("vmot=x", old));  // would read back as kind 4
  EXPECT_TRUE(OldRendering("\x04" "a", old));
  EXPECT_EQ(old, "\"a\"");
  EXPECT_FALSE(OldRendering("\x01" + std::string(252, 'y'), old));  // too long with "mod="
}

TEST(SenseRecords, Labels) {
  Sense s = Sense::OfType(sense_type::kAt);
  EXPECT_EQ(SenseLabel(s), "a");
  std::get<WordField>(s.fields).value = 2;
  EXPECT_EQ(SenseLabel(s), "t");
  EXPECT_EQ(SenseLabel(Sense::OfType(sense_type::kSub)), "sub");
  EXPECT_EQ(SenseLabel(Sense::OfType(sense_type::kHow)), "how");
  EXPECT_EQ(SenseLabel(Sense::OfType(sense_type::kMod)), "mod");
  EXPECT_TRUE(SenseLabel(Sense::OfType(sense_type::kNoun)).empty());
  // The reader builds the label.
  std::string bytes = std::string("\x05\x00\x01\x00", 4);
  LexReader in(bytes, 91);
  ASSERT_TRUE(ReadSense(sense_type::kAt, in, s));
  EXPECT_EQ(s.label, "t");
}

TEST(SenseRecords, ShortAndCorruptInputFailsCleanly) {
  // Every cut of every record fails, at an offset inside what was given.
  for (std::uint16_t version : {85, 91}) {
    for (const Sense& s : Samples(static_cast<std::uint16_t>(version))) {
      std::string bytes = Write(s, static_cast<std::uint16_t>(version));
      for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        LexReader in(std::string_view(bytes).substr(0, cut), static_cast<std::uint16_t>(version));
        Sense back;
        EXPECT_FALSE(ReadSense(s.type, in, back)) << "type " << s.type << " cut " << cut;
        EXPECT_TRUE(in.Failed());
        EXPECT_LE(in.ErrorOffset(), cut);
        EXPECT_NE(in.Error().find("end of file"), std::string::npos) << in.Error();
      }
    }
  }

  // Five constraint bytes: refused at the count.
  LexWriter w(91);
  w.U8(cat::kV);
  w.String("");
  w.U64(0);
  w.U8(5);
  w.Raw("\1\2\3\4\5");
  w.U8(0);
  w.U8(0);
  LexReader in(w.Bytes(), 91);
  Sense s;
  EXPECT_FALSE(ReadSense(sense_type::kVerb, in, s));
  EXPECT_EQ(in.ErrorOffset(), 1u + 1u + 8u);
  EXPECT_NE(in.Error().find("constraints"), std::string::npos);

  // A list count far beyond the bytes left fails without reading further.
  std::string list = std::string("\x06\x00\x01\xFF\x00", 5);
  LexReader l(list, 91);
  EXPECT_FALSE(ReadSense(sense_type::kByteList, l, s));
  EXPECT_EQ(l.ErrorOffset(), 3u);

  LexReader none("", 91);
  EXPECT_FALSE(ReadSense(1000, none, s));
  EXPECT_FALSE(ReadSense(1013, none, s));
}

TEST(LexStream, ReaderIsStickyAndLittleEndian) {
  std::string bytes = std::string("\x34\x12\x01\x02\x03\x04\x05\x06\x07\x08\x02hi\x09", 14);
  LexReader in(bytes);
  std::uint16_t v16 = 0;
  std::uint64_t v64 = 0;
  std::string s;
  EXPECT_TRUE(in.U16(v16));
  EXPECT_EQ(v16, 0x1234);
  EXPECT_TRUE(in.U64(v64));
  EXPECT_EQ(v64, 0x0807060504030201u);
  EXPECT_TRUE(in.String(s));
  EXPECT_EQ(s, "hi");
  EXPECT_FALSE(in.U16(v16));  // one byte left
  EXPECT_EQ(in.ErrorOffset(), 13u);
  std::uint8_t b = 0;
  EXPECT_FALSE(in.U8(b));  // the byte is there, but the reader has failed
  EXPECT_EQ(in.ErrorOffset(), 13u);

  // A string whose length byte promises more than is left is not consumed.
  LexReader str(std::string_view("\x05" "abc", 4));
  EXPECT_FALSE(str.String(s));
  EXPECT_TRUE(s.empty());
  EXPECT_EQ(str.ErrorOffset(), 0u);

  LexWriter w;
  EXPECT_FALSE(w.String(std::string(256, 'a')));
  EXPECT_TRUE(w.Failed());
}

}  // namespace
}  // namespace wb
