#include "engine/engine.h"

#include <gtest/gtest.h>

#include <string>

namespace wb {
namespace {

const std::string kStop = "\xA1\xA3";

struct Entry : ::testing::Test {
  std::string Translate(std::string_view s) {
    Str255 buf(s);
    engine.TranslateSentence(buf);
    return buf.str();
  }
  Engine engine;
};

TEST_F(Entry, EndPunctuation) {
  // Chinese text takes the full-width question mark (？); two unknown nouns
  // are no yes-no question, so no 吗.
  EXPECT_EQ(Translate("Is it?"), "Is it \xA3\xBF");
  EXPECT_EQ(engine.State().endPunct, '?');
  EXPECT_EQ(Translate("It is."), "It is " + kStop);
  EXPECT_EQ(engine.State().endPunct, '.');
  // Two or three full stops are one mark, and all of them go.
  EXPECT_EQ(Translate("Well..."), "Well ......");
  EXPECT_EQ(engine.State().endPunct, kEndPunctDots);
  EXPECT_EQ(Translate("Well.."), "Well ......");
  // An exclamation mark and a full stop: only the full stop goes.
  Translate("Stop!.");
  EXPECT_EQ(engine.State().endPunct, '.');
  EXPECT_EQ(Translate("No mark"), "No mark  ");
  EXPECT_EQ(engine.State().endPunct, ' ');
}

TEST_F(Entry, TrailingBlanksButNotTabs) {
  EXPECT_EQ(Translate("Done.   "), "Done " + kStop);
  Translate("Done.\t");
  EXPECT_EQ(engine.State().endPunct, ' ');
}

TEST_F(Entry, ClosingQuoteIsLookedPastOnlyAtTheEnd) {
  // Full stop inside the quotes: both go, the opening quote stays.
  EXPECT_EQ(Translate("He said \"go.\""), "He said \"go " + kStop + "\"");
  EXPECT_TRUE(engine.State().quoteClosed);
  EXPECT_EQ(engine.State().endPunct, '.');
  // Full stop after the quote: both quotes stay.
  Translate("He said \"go\".");
  EXPECT_FALSE(engine.State().quoteClosed);
  EXPECT_EQ(engine.State().endPunct, '.');
  EXPECT_EQ(engine.State().sentenceLen, 5);  // He said " go "
  // Blanks before a closing quote go with it.
  EXPECT_EQ(Translate("\"Yes .  \"  "), "\"Yes " + kStop + "\"");
}

TEST_F(Entry, SentencesWithoutWords) {
  EXPECT_EQ(Translate(""), "");
  EXPECT_EQ(Translate("    "), " ");
  EXPECT_EQ(Translate("?"), "?");
  EXPECT_EQ(Translate("..."), std::string(1, kEndPunctDots));
  EXPECT_EQ(Translate("\""), " ");
}

TEST_F(Entry, WordTableLimits) {
  std::string many;
  for (int i = 0; i < 60; ++i) many += "w ";
  Translate(many);
  EXPECT_EQ(engine.State().sentenceLen, 49);
  // The text pool holds 1024 bytes of word text.
  std::string big;
  for (int i = 0; i < 6; ++i) big += std::string(200, 'a') + " ";
  Str255 buf(big);
  engine.TranslateWords(buf, 255, 255);
  EXPECT_EQ(engine.State().sentenceLen, 2);  // the input itself stops at 255 bytes
  EXPECT_LE(engine.State().textPool.Used(), kTextPoolSize);
}

TEST_F(Entry, OutputIsCutToItsMaximum) {
  Str255 buf("alpha beta gamma.");
  engine.TranslateWords(buf, 255, 7);
  EXPECT_EQ(buf.str(), "alpha b");
}

TEST_F(Entry, MessagesAbandonTheSentence) {
  std::string seen;
  engine.SetDiagnostics([&](std::string_view m) { seen = m; });
  EXPECT_THROW(engine.ReportError("bad word"), SentenceAbandoned);
  EXPECT_EQ(seen, "ERROR: bad word");
  EXPECT_THROW(engine.InternalError("lost node"), SentenceAbandoned);
  EXPECT_EQ(seen, "Internal error: lost node");
}

// Sets word 1's candidate categories directly.
void SetCats(Engine& e, std::initializer_list<Category> cats) {
  SentenceState& s = e.State();
  s.sentenceLen = 1;
  WordRecord& w = s.words[1];
  w.catCount = 0;
  for (Category c : cats) w.cats[++w.catCount] = c;
}

TEST(Categories, KeepDoesNotReexamineTheMovedCategory) {
  Engine e;
  // v then conj, keeping neither: conj moves into place 1 and stays.
  SetCats(e, {cat::kV, cat::kConj});
  e.KeepCategories(1, MakeCategorySet(cat::kN));
  ASSERT_EQ(e.State().words[1].catCount, 1);
  EXPECT_EQ(e.State().words[1].cats[1], cat::kConj);
  // A word left with none keeps the category that stands first.
  SetCats(e, {cat::kV});
  e.KeepCategories(1, MakeCategorySet(cat::kN));
  ASSERT_EQ(e.State().words[1].catCount, 1);
  EXPECT_EQ(e.State().words[1].cats[1], cat::kV);
  // Categories of 32 and above are never kept.
  SetCats(e, {cat::kRef, cat::kN, cat::kAdj});
  e.KeepCategories(1, MakeCategorySet(cat::kN, cat::kAdj));
  EXPECT_EQ(e.State().words[1].catCount, 2);
}

TEST(Categories, DropAndMayBeVerb) {
  Engine e;
  SetCats(e, {cat::kN, cat::kV, cat::kN});
  EXPECT_TRUE(e.MayBeVerb(1));
  e.DropCategory(1, cat::kV);
  EXPECT_FALSE(e.MayBeVerb(1));
  // The same walk as keeping: the n moved into place 1 is not looked at again.
  e.DropCategory(1, cat::kN);
  EXPECT_EQ(e.State().words[1].catCount, 1);
  e.DropCategory(1, cat::kN);
  EXPECT_EQ(e.State().words[1].catCount, 0);
  // Positions outside the sentence are no word.
  EXPECT_FALSE(e.MayBeVerb(0));
  EXPECT_FALSE(e.MayBeVerb(2));
  e.KeepCategories(7, 0);
}

TEST(ShortString, TruncatesInsteadOfOverrunning) {
  ShortString<4> s("abcdef");
  EXPECT_EQ(s.view(), "abcd");
  EXPECT_FALSE(s.append("x"));
  Str255 t(std::string(300, 'x'));
  EXPECT_EQ(t.size(), 255u);
  TextPool pool;
  for (int i = 0; i < 10; ++i) pool.Add(std::string(100, 'y'));
  EXPECT_EQ(pool.Add(std::string(100, 'y')), kNoText);
  EXPECT_EQ(pool.Get(kNoText), "");
}

}  // namespace
}  // namespace wb
