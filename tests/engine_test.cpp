#include "engine/engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

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
  // Full stop inside the quotes: both go, the opening quote stays; the
  // Chinese quotation marks pair up around the quotation.
  const std::string open = "\xA1\xB0", close = "\xA1\xB1";  // “ ”
  EXPECT_EQ(Translate("He said \"go.\""), "He said " + open + "go " + kStop + close);
  EXPECT_TRUE(engine.State().quoteClosed);
  EXPECT_EQ(engine.State().endPunct, '.');
  // Full stop after the quote: both quotes stay.
  Translate("He said \"go\".");
  EXPECT_FALSE(engine.State().quoteClosed);
  EXPECT_EQ(engine.State().endPunct, '.');
  EXPECT_EQ(engine.State().sentenceLen, 5);  // He said " go "
  // Blanks before a closing quote go with it.
  EXPECT_EQ(Translate("\"Yes .  \"  "), open + "Yes " + kStop + close);
}

TEST_F(Entry, SentencesWithoutWords) {
  EXPECT_EQ(Translate(""), "");
  EXPECT_EQ(Translate("    "), " ");
  EXPECT_EQ(Translate("?"), "\xA3\xBF");  // the full-width question mark
  // A run of full stops alone is the dots mark, written as text: the mark
  // that stands for it inside the engine is a control byte.
  EXPECT_EQ(Translate("..."), "......");
  EXPECT_EQ(engine.TranslateText(std::string(300, '.')).text, "......");
  EXPECT_EQ(Translate("\""), " ");
}

// The words w0, w1, ... wN-1 separated by blanks.
std::string Numbered(int n, std::string_view sep = " ") {
  std::string s;
  for (int i = 0; i < n; ++i) s += (i ? std::string(sep) : std::string()) + "w" + std::to_string(i);
  return s;
}

// Every word of the input is in the output, in order (an unknown word is
// followed by its blank, or by the closing mark that its last digit meets).
void ExpectEveryWord(const std::string& out, int n) {
  std::size_t at = 0;
  for (int i = 0; i < n; ++i) {
    const std::string w = "w" + std::to_string(i);
    std::size_t found = out.find(w, at);
    while (found != std::string::npos && found + w.size() < out.size() &&
           std::isdigit(static_cast<unsigned char>(out[found + w.size()])))
      found = out.find(w, found + 1);
    ASSERT_NE(found, std::string::npos) << w << " lost in: " << out;
    at = found + w.size();
  }
}

TEST_F(Entry, LongSentencesLoseNoWord) {
  // More words than the table holds: translated in pieces, every word kept,
  // the closing mark once at the end.
  for (int n : {49, 50, 60, 100, 200}) {
    const Engine::Translation t = engine.TranslateText(Numbered(n) + ".");
    ExpectEveryWord(t.text, n);
    EXPECT_EQ(t.text.find(kStop), t.text.size() - 2) << n;
    EXPECT_EQ(t.failedPieces, 0);
  }
  // The sentence entry keeps 255 bytes in and out.
  EXPECT_EQ(Translate(Numbered(60) + ".").size(), Numbered(60).size() + 2);
  // The text pool holds 1024 bytes of word text; a piece reads 255 bytes.
  std::string big;
  for (int i = 0; i < 6; ++i) big += std::string(200, 'a') + " ";
  const Engine::Translation t = engine.TranslateText(big);
  EXPECT_EQ(t.text, big + " ");  // six words, each with its blank, and the blank mark
  EXPECT_LE(engine.State().textPool.Used(), kTextPoolSize);
}

TEST_F(Entry, PiecesEndAtClauseBoundaries) {
  std::vector<std::string> lastWords;
  engine.SetPieceObserver([&](const Engine& e) {
    lastWords.emplace_back(e.State().textPool.Get(e.State().words[e.State().sentenceLen].text));
  });
  // A comma within the limit: the first piece ends with it.
  engine.TranslateText(Numbered(30) + " , " + Numbered(40) + ".");
  EXPECT_EQ(lastWords, (std::vector<std::string>{",", "w39"}));
  // Without a boundary the piece ends at the limit, 49 words.
  lastWords.clear();
  engine.TranslateText(Numbered(70));
  EXPECT_EQ(lastWords, (std::vector<std::string>{"w48", "w69"}));
  // A long token that no blank divides is cut between characters.
  lastWords.clear();
  const Engine::Translation t = engine.TranslateText(std::string(600, 'x'));
  EXPECT_EQ(lastWords.size(), 3u);
  EXPECT_EQ(std::count(t.text.begin(), t.text.end(), 'x'), 600);
}

TEST_F(Entry, OutputHoldsNoControlBytes) {
  for (std::string_view s : {std::string_view("a\x01b c\x1F."), std::string_view("\x01"), std::string_view("x \x7F y")}) {
    const std::string out = engine.TranslateText(s).text;
    for (char c : out) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << "in the translation of " << s;
  }
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
