#include "engine/analysis/morphology.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/lexicon_fixture.h"

namespace wb {
namespace {

using namespace fixture::gb;

const std::string kCentury = "\xCA\xC0\xBC\xCD";  // 世纪
const std::string kDecade = "\xC4\xEA\xB4\xFA";   // 年代
const std::string kOrd = "\xB5\xDA";              // 第
const std::string kYear = "\xC4\xEA";             // 年
const std::string kDay = "\xC8\xD5";              // 日

TEST(Morphology, BaseFormsAndTheirFlags) {
  const Lexicon& lex = fixture::FixtureLexicon();
  struct Case {
    const char* word;
    const char* base;
    WordFlags flags;
  };
  const Case cases[] = {
      {"flies", "fly", wf::S},      {"churches", "church", wf::S}, {"boxes", "box", wf::S},
      {"goes", "go", wf::S},        {"cats", "cat", wf::S},        {"making", "make", wf::ING},
      {"running", "run", wf::ING},  {"going", "go", wf::ING},      {"baked", "bake", wf::PAST},
      {"walked", "walk", wf::PAST}, {"stopped", "stop", wf::PAST}, {"tried", "try", wf::PAST},
      {"played", "play", wf::PAST}, {"freed", "free", wf::PAST},   {"happier", "happy", wf::ER},
      {"bigger", "big", wf::ER},    {"larger", "large", wf::ER},   {"happiest", "happy", wf::EST},
      {"biggest", "big", wf::EST},  {"largest", "large", wf::EST}, {"fastest", "fast", wf::EST},
  };
  for (const Case& c : cases) {
    const Lexicon::WordLookup r = lex.LookupWord(c.word);
    ASSERT_TRUE(r.found) << c.word;
    EXPECT_EQ(r.entry->headword, c.base) << c.word;
    EXPECT_EQ(r.flags, c.flags) << c.word;
  }
  // An e followed by a letter other than d or r stops the rules; an -ie-
  // plural that is no -y word is not tried further.
  for (const char* w : {"baket", "booken", "cakies"}) EXPECT_FALSE(lex.LookupWord(w).found) << w;
}

TEST(Morphology, GuessFromTheShape) {
  EXPECT_EQ(GuessShape("quickly").category, cat::kAdv);
  EXPECT_EQ(GuessShape("fly").category, cat::kN);  // too short for -ly
  EXPECT_EQ(GuessShape("42").category, cat::kNum);
  const WordGuess decade = GuessShape("1990s");
  EXPECT_EQ(decade.category, cat::kN);
  EXPECT_EQ(decade.baseText, "20" + kCentury + "90" + kDecade);
  EXPECT_EQ(GuessShape("20th").baseText, kOrd + "20");
  EXPECT_EQ(GuessShape("21st").baseText, kOrd + "21");
  EXPECT_EQ(GuessShape("3rd").baseText, kOrd + "3");
  EXPECT_EQ(GuessShape("4u").baseText, "4u");
  EXPECT_EQ(GuessShape("19x0s").baseText, "19x0s");
  EXPECT_EQ(GuessShape("").category, cat::kN);
}

TEST(Morphology, SlotMarkersStepOverTwoByteCharacters) {
  EXPECT_EQ(FindSlot(kOnSlot), 2u);
  // 0x5C as the second byte of a two-byte character is no marker.
  const std::string trail = "\x81\x5C" "ab";
  EXPECT_EQ(FindSlot(trail), std::string::npos);
  EXPECT_EQ(FindSlot("ab\\"), std::string::npos);  // nothing after the backslash
  EXPECT_EQ(WithoutSlots(kOnSlot), kIn + "\xC9\xCF");
  EXPECT_EQ(SlashText(kOnSlot, kTable), kIn + kTable + "\xC9\xCF");
  EXPECT_EQ(SlashText(kTable, kOnSlot), kIn + kTable + "\xC9\xCF");
  EXPECT_EQ(SlashText(kAnd, kOr), kAnd + "/" + kOr);
}

TEST(Morphology, DayNumbersAndYears) {
  EXPECT_EQ(DayDigits("5"), "5");
  EXPECT_EQ(DayDigits("05"), "5");
  EXPECT_EQ(DayDigits("21st"), "21");
  EXPECT_EQ(DayDigits("3RD"), "3");
  EXPECT_EQ(DayDigits("32"), "");
  EXPECT_EQ(DayDigits("0"), "");
  EXPECT_EQ(DayDigits("th"), "");
  EXPECT_EQ(DayDigits("123"), "");
  EXPECT_TRUE(IsYear("1998"));
  EXPECT_FALSE(IsYear("19980"));
  EXPECT_FALSE(IsYear("0998"));
}

// Words of a sentence through the engine and the fixture lexicon.
struct Tokens : ::testing::Test {
  Tokens() : engine(&fixture::FixtureLexicon()) {}
  void Run(std::string_view s) {
    Str255 buf(s);
    engine.TranslateWords(buf, 255, 255);
  }
  int Len() const { return engine.State().sentenceLen; }
  const WordRecord& W(int i) const { return engine.State().words[static_cast<std::size_t>(i)]; }
  std::string Lex(int i) const { return std::string(engine.WordText(i)); }
  std::string Surface(int i) const { return std::string(engine.State().textPool.Get(W(i).text)); }
  std::string Base(int i) const { return std::string(engine.State().textPool.Get(W(i).baseText)); }
  Category Cat(int i) const { return W(i).cats[1]; }
  std::vector<std::string> Lexes() const {
    std::vector<std::string> v;
    for (int i = 1; i <= Len(); ++i) v.push_back(Lex(i));
    return v;
  }
  using V = std::vector<std::string>;
  Engine engine;
};

TEST_F(Tokens, UnknownWordsAreGuessed) {
  Run("quickly 42 1990s 20th");
  ASSERT_EQ(Len(), 4);
  EXPECT_EQ(W(1).flags, wf::WF_NOTFOUND);
  EXPECT_EQ(Cat(1), cat::kAdv);
  EXPECT_EQ(Cat(2), cat::kNum);
  EXPECT_EQ(Cat(3), cat::kN);
  EXPECT_EQ(Lex(3), "20" + kCentury + "90" + kDecade);
  EXPECT_EQ(Surface(3), "1990s");
  EXPECT_EQ(Lex(4), kOrd + "20");
}

TEST_F(Tokens, Contractions) {
  Run("don't go");
  EXPECT_EQ(Lexes(), (V{"do", "not", "go"}));
  EXPECT_EQ(Surface(1), "don't");
  EXPECT_EQ(Surface(2), "don't");
  // The typographic apostrophe reads as a plain one.
  Run("it\x92s a cat");
  EXPECT_EQ(Lexes(), (V{"it", "is", "a", "cat"}));
}

TEST_F(Tokens, Possessives) {
  Run("Mary's book");
  EXPECT_EQ(Lexes(), (V{"Mary", "$s", "book"}));
  EXPECT_EQ(Surface(1), "Mary");
  EXPECT_EQ(Cat(2), cat::kPoss);
  // A name the lexicon lacks, and the apostrophe alone after an s.
  Run("James' cat");
  EXPECT_EQ(Lexes(), (V{"James", "$s", "cat"}));
  EXPECT_EQ(W(1).flags, wf::WF_NOTFOUND);
  // A possessive written apart.
  Run("Mary 's cat");
  EXPECT_EQ(Lexes(), (V{"Mary", "$s", "cat"}));
  // Dropped g, and other apostrophes.
  Run("goin'");
  EXPECT_EQ(Lexes(), (V{"go"}));
  EXPECT_EQ(W(1).flags & wf::ING, wf::ING);
  Run("rock'n");
  EXPECT_EQ(Lexes(), (V{"rock'n"}));
}

TEST_F(Tokens, Numbers) {
  Run("1,000,000 cats");
  ASSERT_EQ(Len(), 2);
  EXPECT_EQ(Cat(1), cat::kNum);
  Run("$5,000");
  EXPECT_EQ(Lexes(), (V{"$5,000"}));
  // A number token that runs into letters splits at its comma.
  Run("1,cat");
  EXPECT_EQ(Lexes(), (V{"1", ",", "cat"}));
  EXPECT_EQ(Cat(2), cat::kComma);
}

TEST_F(Tokens, HyphenatedWords) {
  Run("e-mail");
  EXPECT_EQ(Lexes(), (V{"email"}));
  Run("twenty-one twenty-first two-thirds one-third");
  ASSERT_EQ(Len(), 4);
  EXPECT_EQ(Lex(1), kTwenty + kOne);
  EXPECT_EQ(Cat(1), cat::kNum);
  EXPECT_EQ(Lex(2), kOrd + kTwenty + kOne);
  EXPECT_EQ(Lex(3), "\xC8\xFD\xB7\xD6\xD6\xAE" + kTwo);  // 三分之二
  EXPECT_EQ(Cat(3), cat::kNum);
  EXPECT_EQ(Lex(4), "\xC8\xFD\xB7\xD6\xD6\xAE" + kOne);  // 三分之一
  // A participle after a word of manner: the verb, "得", the manner.
  Run("well-made high-level");
  EXPECT_EQ(Lex(1), kMake + "\xB5\xC3" + kWell);  // 做得好
  EXPECT_EQ(Cat(1), cat::kAdj);
  EXPECT_EQ(Lex(2), kHigh + kLevel);
  EXPECT_EQ(Cat(2), cat::kAdj);
  // A dash inside a number, a leading hyphen, an unknown half.
  Run("1990--2000");
  EXPECT_EQ(Lexes(), (V{"1990", "--", "2000"}));
  Run("zork-cat cat-zork");
  EXPECT_EQ(Lexes(), (V{"zork-cat", "cat-zork"}));
  EXPECT_EQ(W(2).flags, wf::WF_NOTFOUND);
}

TEST_F(Tokens, Slashes) {
  Run("and/or on/table zork/cat");
  ASSERT_EQ(Len(), 3);
  EXPECT_EQ(Lex(1), kAnd + "/" + kOr);
  EXPECT_EQ(Cat(1), cat::kN);
  EXPECT_EQ(Lex(2), kIn + kTable + "\xC9\xCF");
  EXPECT_EQ(Lex(3), "zork/cat");
}

TEST_F(Tokens, ColonsAndFullStops) {
  Run("note: cat; U.S. cat... go");
  EXPECT_EQ(Lexes(), (V{"note", ":", "cat", ";", "U.S", "cat", "...", "go"}));
  EXPECT_EQ(Surface(1), "note");
  EXPECT_EQ(Surface(5), "U.S.");
}

TEST_F(Tokens, DatesAfterTheMonth) {
  Run("May 5, 1998");
  ASSERT_EQ(Len(), 1);
  EXPECT_EQ(Lex(1), "1998" + kYear + kMay + "5" + kDay);
  EXPECT_EQ(Surface(1), "May 5 , 1998");
  EXPECT_EQ(W(1).flags, wf::WF_NOTFOUND);
  EXPECT_EQ(Cat(1), cat::kN);
  Run("on May 5 1998 I go");
  EXPECT_EQ(Lexes(), (V{"on", "1998" + kYear + kMay + "5" + kDay, "I", "go"}));
  Run("January 1st");
  EXPECT_EQ(Lexes(), (V{kJanuary + "1" + kDay}));
  Run("January 1998");
  EXPECT_EQ(Lexes(), (V{"1998" + kYear + kJanuary}));
}

TEST_F(Tokens, DatesBeforeTheMonth) {
  Run("on 5 May 1998");
  EXPECT_EQ(Lexes(), (V{"on", "1998" + kYear + kMay + "5" + kDay}));
  Run("the 21st of January");
  EXPECT_EQ(Lexes(), (V{kJanuary + "21" + kDay}));
  EXPECT_EQ(Surface(1), "the 21st of January");
}

TEST_F(Tokens, MonthWithoutADayStaysAWord) {
  Run("May I go");
  EXPECT_EQ(Lexes(), (V{"May", "I", "go"}));
  EXPECT_EQ(W(1).flags & wf::WF_NOTFOUND, 0);
  Run("May 40");
  EXPECT_EQ(Lexes(), (V{"May", "40"}));
}

}  // namespace
}  // namespace wb
