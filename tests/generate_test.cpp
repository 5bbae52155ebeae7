// Chinese generation over a small lexicon of its own (generation-words.lex):
// sentence marks, negation, passive, noun phrases with classifiers and 的,
// idioms, unknown words, coordination, sense choice by topic and context,
// slot markers and the 255-byte limit. Most cases go through the whole
// pipeline; a few build their tree by hand so that they test generation
// and not the parse.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "engine/generate/chinese_text.h"
#include "engine/generate/complement.h"
#include "engine/generate/generator.h"
#include "engine/generate/idiom.h"
#include "engine/parse/tree.h"
#include "tests/test_lexicon.h"

namespace wb {
namespace {

const Lexicon& GenerationLexicon() {
  struct Holder {
    Lexicon lex;
    Holder() { CompileTestLexicon(lex, "generation-words"); }
  };
  static const Holder holder;
  return holder.lex;
}

// GBK texts of the expectations.
const std::string kStop = "\xA1\xA3";      // 。
const std::string kQuery = "\xA3\xBF";     // ？
const std::string kMa = "\xC2\xF0";        // 吗
const std::string kDe = "\xB5\xC4";        // 的
const std::string kI = "\xCE\xD2";         // 我
const std::string kHe = "\xCB\xFB";        // 他
const std::string kSee = "\xBF\xB4\xBC\xFB";  // 看见
const std::string kLe = "\xC1\xCB";        // 了
const std::string kBook = "\xCA\xE9";      // 书
const std::string kCat = "\xC3\xA8";       // 猫
const std::string kDog = "\xB9\xB7";       // 狗
const std::string kBu = "\xB2\xBB";        // 不
const std::string kMei = "\xC3\xBB";       // 没

struct Generation : ::testing::Test {
  Generation() : engine(&GenerationLexicon()) {}
  std::string Translate(std::string_view s) {
    Str255 buf(s);
    engine.TranslateSentence(buf);
    for (int i = 1; i <= engine.State().sentenceLen; ++i)
      EXPECT_TRUE(engine.LastGeneration().Accounted(i)) << s << ": word " << i;
    return buf.str();
  }
  Engine engine;
};

TEST_F(Generation, SentenceMarks) {
  // A yes-no question: 吗 before the full-width question mark; a finished
  // action asks with 了吗 after its object.
  EXPECT_EQ(Translate("Did he see the cat?"), kHe + kSee + kCat + kLe + kMa + kQuery);
  EXPECT_EQ(Translate("Does he see the cat?"), kHe + kSee + kCat + kMa + kQuery);
  // A wh-question needs no 吗.
  EXPECT_EQ(Translate("Who saw the cat?").find(kMa), std::string::npos);
  // A run of dots, and a closing quote.
  EXPECT_EQ(Translate("I saw the cat..."), kI + kSee + kLe + kCat + "......");
  // The closing quote of a quotation begun in an earlier sentence: ”.
  EXPECT_EQ(Translate("I saw the cat.\""), kI + kSee + kLe + kCat + kStop + "\xA1\xB1");
  // A noun alone asks nothing yes or no.
  EXPECT_EQ(Translate("Cat?"), kCat + kQuery);
}

TEST_F(Generation, NegationIsBuOrMei) {
  // Past of an action: 没, and no 了.
  EXPECT_EQ(Translate("I did not see the cat."), kI + kMei + kSee + kCat + kStop);
  // Present: 不; before a modal the negation comes first (不能).
  EXPECT_EQ(Translate("I do not see the cat."), kI + kBu + kSee + kCat + kStop);
  EXPECT_EQ(Translate("I can not see the cat."), kI + kBu + "\xC4\xDC" + kSee + kCat + kStop);
  // A verb whose equivalent begins with 有 takes 没; "no" on its object
  // negates it.
  EXPECT_EQ(Translate("I have no book."), kI + kMei + "\xD3\xD0" + kBook + kStop);
}

TEST_F(Generation, QuestionWordsStandWhereTheAnswerWould) {
  const std::string bank = "\xD2\xF8\xD0\xD0", you = "\xC4\xE3", zai = "\xD4\xDA", nali = "\xC4\xC4\xC0\xEF";
  // "where" on "be" stands for 是: 银行在哪里.
  EXPECT_EQ(Translate("Where is the bank?"), bank + zai + nali + kQuery);
  // "how" alone on "be" asks how something is; with an adjective, how much
  // of it (有多重).
  EXPECT_EQ(Translate("How are you?"), you + "\xD4\xF5\xC3\xB4\xD1\xF9" + kQuery);  // 你怎么样
  EXPECT_EQ(Translate("How heavy is the book?"), kBook + "\xD3\xD0\xB6\xE0\xD6\xD8" + kQuery);  // 书有多重
  // "what" before the verb is its object and follows it; "where" on a verb
  // is 在哪里 before it.
  EXPECT_EQ(Translate("What did you see?"), you + kSee + kLe + "\xCA\xB2\xC3\xB4" + kQuery);  // 你看见了什么
  EXPECT_EQ(Translate("Where did you see the cat?").find(you + zai + nali + kSee), 0u);
}

TEST_F(Generation, ClausesThatAskAndClausesThatName) {
  const std::string know = "\xD6\xAA\xB5\xC0", say = "\xCB\xB5", zai = "\xD4\xDA", nali = "\xC4\xC4\xC0\xEF";
  // An asking clause keeps the question word where the answer would stand.
  EXPECT_EQ(Translate("I know where he is."), kI + know + kHe + zai + nali + kStop);
  EXPECT_EQ(Translate("I know what he said."), kI + know + kHe + say + "\xCA\xB2\xC3\xB4" + kStop);
  // "what" after a verb that asks nothing names a thing: 他说的.
  EXPECT_EQ(Translate("I believed what he said."), kI + "\xCF\xE0\xD0\xC5" + kHe + say + kDe + kStop);
}

TEST_F(Generation, NothingAsObjectNegatesTheVerb) {
  // 我什么都没说: "what" and 都 before the negated verb.
  EXPECT_EQ(Translate("I said nothing."), kI + "\xCA\xB2\xC3\xB4\xB6\xBC" + kMei + "\xCB\xB5" + kStop);
}

TEST_F(Generation, PassiveWithAndWithoutAgent) {
  const std::string eat = "\xB3\xD4";  // 吃
  const std::string bei = "\xB1\xBB";  // 被
  EXPECT_EQ(Translate("The cat was eaten."), kCat + bei + eat + kStop);
  // The "by" phrase carries 被 itself: no second one before the verb.
  EXPECT_EQ(Translate("The cat was eaten by the dog."), kCat + bei + kDog + eat + kStop);
  // The present of "be" with a participle tells a state, without 被: the
  // book is closed (书关了), where the past tells that someone closed it.
  const std::string close = "\xB9\xD8";  // 关
  EXPECT_EQ(Translate("The book is closed."), kBook + close + kLe + kStop);
  EXPECT_EQ(Translate("The book was closed."), kBook + bei + close + kStop);
}

// The words of a two-word phrase, the first a modifier of category c of
// the second, a noun, generated as a tree built by hand.
std::string TwoWordPhrase(Engine& engine, std::string_view text, Category c) {
  Str255 buf(text);
  engine.TranslateSentence(buf);
  ParseBuffer tree;
  ParseDiagnostics sink;
  tree[1].category = c;
  tree[2].category = cat::kN;
  Attach(tree, 1, 2, rmod, sink);
  GenerationMemory memory;
  Generator g(engine, memory);
  return g.GenerateSentence(tree, 255);
}

TEST_F(Generation, ClassifiersWithNumbersAndDemonstratives) {
  EXPECT_EQ(TwoWordPhrase(engine, "this book", cat::kDet), "\xD5\xE2\xB1\xBE" + kBook + " ");   // 这本书
  EXPECT_EQ(TwoWordPhrase(engine, "three cats", cat::kNum), "\xC8\xFD\xD6\xBB" + kCat + " ");  // 三只猫
  // A noun without a classifier of its own takes 个; one that measures
  // itself takes none (三天, not 三个天); a number in digits takes the
  // classifier without a blank.
  EXPECT_EQ(TwoWordPhrase(engine, "a table", cat::kDet), "\xD2\xBB\xB8\xF6\xD7\xC0\xD7\xD3 ");  // 一个桌子
  EXPECT_EQ(TwoWordPhrase(engine, "three days", cat::kNum), "\xC8\xFD\xCC\xEC ");               // 三天
  EXPECT_EQ(TwoWordPhrase(engine, "20 books", cat::kNum), "20\xB1\xBE" + kBook + " ");            // 20本书
  // The whole pipeline: a demonstrative and its classifier.
  EXPECT_EQ(Translate("I see this book."), kI + kSee + "\xD5\xE2\xB1\xBE" + kBook + kStop);
}

TEST_F(Generation, ModifiersAndDe) {
  const std::string red = "\xBA\xEC", big = "\xB4\xF3", beautiful = "\xC3\xC0\xC0\xF6";
  // A one-character adjective binds to its noun; a longer one takes 的.
  EXPECT_EQ(Translate("I see the red book."), kI + kSee + red + kBook + kStop);
  EXPECT_EQ(Translate("I see the beautiful cat."), kI + kSee + beautiful + kDe + kCat + kStop);
  // An adjective that tells the kind of thing ("local", "national") binds
  // to its noun as a noun would (当地房间).
  EXPECT_EQ(Translate("I see the local room."), kI + kSee + "\xB5\xB1\xB5\xD8\xB7\xBF\xBC\xE4" + kStop);
  // Two adjectives in a row are parted by 的 after the longer first one.
  EXPECT_EQ(Translate("I see the beautiful red book."), kI + kSee + beautiful + kDe + red + kBook + kStop);
  (void)big;
  // A modifier after the noun comes before it with 的; a place frame on a
  // noun loses its 在. (After a verb's object the same phrase goes with the
  // verb: 我在桌子上看见书.)
  EXPECT_EQ(Translate("The book on the table is red.").substr(0, 10),
            "\xD7\xC0\xD7\xD3\xC9\xCF" + kDe + kBook);  // 桌子上的书
}

TEST_F(Generation, TwoPostModifiersEachTakeDeLaterFirst) {
  // Built by hand: "book" with two prepositional phrases after it.
  Translate("the book on the table in the room");
  ParseBuffer tree;
  ParseDiagnostics sink;
  const Category cats[] = {0, cat::kDet, cat::kN, cat::kPrep, cat::kDet, cat::kN, cat::kPrep, cat::kDet, cat::kN};
  for (int i = 1; i <= 8; ++i) tree[i].category = cats[i];
  Attach(tree, 1, 2, rmod, sink);
  Attach(tree, 3, 2, rmod, sink);
  Attach(tree, 4, 5, rmod, sink);
  Attach(tree, 5, 3, rmod, sink);
  Attach(tree, 6, 2, rmod, sink);
  Attach(tree, 7, 8, rmod, sink);
  Attach(tree, 8, 6, rmod, sink);
  GenerationMemory memory;
  Generator g(engine, memory);
  // 房间里的桌子上的书
  EXPECT_EQ(g.GenerateSentence(tree, 255),
            "\xB7\xBF\xBC\xE4\xC0\xEF" + kDe + "\xD7\xC0\xD7\xD3\xC9\xCF" + kDe + kBook + " ");
  for (int i = 1; i <= 8; ++i) EXPECT_TRUE(g.Accounted(i)) << i;
}

TEST_F(Generation, AgeAndTimeIdioms) {
  Translate("the age of twenty");
  ParseBuffer tree;
  ParseDiagnostics sink;
  tree[1].category = cat::kDet;
  tree[2].category = cat::kN;
  tree[3].category = cat::kPrep;
  tree[4].category = cat::kNum;
  Attach(tree, 1, 2, rmod, sink);
  Attach(tree, 3, 2, rmod, sink);
  Attach(tree, 4, 3, rmod, sink);
  GenerationMemory memory;
  Generator g(engine, memory);
  EXPECT_EQ(g.GenerateSentence(tree, 255), "\xB6\xFE\xCA\xAE\xCB\xEA ");  // 二十岁
  for (int i = 1; i <= 4; ++i) EXPECT_TRUE(g.Accounted(i)) << i;
  // "three times": 三次.
  EXPECT_EQ(TwoWordPhrase(engine, "three times", cat::kNum), "\xC8\xFD\xB4\xCE ");
}

TEST_F(Generation, UnknownWordKeepsItsEnglishWithABlank) {
  EXPECT_EQ(Translate("I saw Zork."), kI + kSee + kLe + "Zork " + kStop);
}

TEST_F(Generation, AndBetweenNounsAndBetweenClauses) {
  const std::string he = "\xBA\xCD", bing = "\xB2\xA2", dun = "\xA1\xA2", comma = "\xA3\xAC";
  EXPECT_NE(Translate("I see the cat and the dog.").find(kCat + he + kDog), std::string::npos);
  // A clause with a subject of its own follows after a comma (我看见猫，他看见狗).
  EXPECT_NE(Translate("I see the cat and he sees the dog.").find(kCat + comma + kHe), std::string::npos);
  // Two verbs of one subject: 并.
  const std::string verbs = Translate("He sees the cat and sees the dog.");
  EXPECT_NE(verbs.find(bing), std::string::npos) << verbs;
  // A list of things: 、 between them, 和 before the last.
  const std::string list = Translate("I see the cat, the dog and the cat.");
  EXPECT_NE(list.find(kCat + dun + kDog + he + kCat), std::string::npos) << list;
}

TEST_F(Generation, TopicAndContextChooseTheSense) {
  const std::string yinhang = "\xD2\xF8\xD0\xD0", an = "\xB0\xB6";
  // Money talk makes the bank a bank; river talk makes it a shore, and the
  // topic carries over to the next sentence.
  Translate("I see the money.");
  EXPECT_NE(Translate("I see the bank.").find(yinhang), std::string::npos);
  Translate("I see the river.");
  Translate("I see the river.");
  EXPECT_NE(Translate("I see the bank.").find(an), std::string::npos);
  // Without a topic, the context words of the recent sentences decide.
  engine.Memory().Clear();
  engine.Memory().history.Push(GenerationLexicon().LookupEntry("river"));
  EXPECT_NE(Translate("I see the bank.").find(an), std::string::npos);
}

TEST_F(Generation, SlotMarkersTakeTheComplement) {
  EXPECT_EQ(InsertComplement("\xD4\xDA\\C\xC9\xCF", kBook), "\xD4\xDA" + kBook + "\xC9\xCF");  // 在书上
  EXPECT_EQ(InsertComplement(kSee, kBook), kSee + kBook);
  EXPECT_EQ(InsertComplement("\xB7\xC5\\o", ""), "\xB7\xC5");  // an unused marker goes
  // A second byte that happens to be a backslash is no marker (GBK 0x5C),
  // nor is a backslash before anything but a letter or digit: it never
  // takes half of a Chinese character with it (found by the fuzzer).
  EXPECT_EQ(InsertComplement("\x81\x5C", "x"), "\x81\x5Cx");
  EXPECT_EQ(InsertComplement("a\\\xB2\xBB", "x"), "a\\\xB2\xBBx");
  EXPECT_EQ(InsertComplement("a\\ b", "x"), "a\\ bx");
  // "put" renders its object fronted with 把 and its place after the verb.
  EXPECT_EQ(Translate("I put the book on the table."),
            kI + "\xB0\xD1" + kBook + "\xB7\xC5\xD4\xDA\xD7\xC0\xD7\xD3\xC9\xCF" + kLe + kStop);  // 我把书放在桌子上了
}

TEST_F(Generation, IdiomPatternsThatCannotBeReadAreDiagnosed) {
  Translate("the age of twenty");
  ParseBuffer tree;
  ParseDiagnostics sink;
  EXPECT_FALSE(MatchIdiom(engine, tree, 2, "(\"the\"/det/-1)", "+1x", sink).matched);
  EXPECT_FALSE(MatchIdiom(engine, tree, 2, "~(\"the\"/nocat/-1)", "+1x", sink).matched);
  EXPECT_FALSE(MatchIdiom(engine, tree, 2, "~(\"\"/num/+2)", "x", sink).matched);
  EXPECT_EQ(sink.Totals().other, 3);
}

TEST(ChineseText, CutsNeverSplitACharacter) {
  std::string s = "ab" + std::string("\xD6\xD0\xD6\xD0");
  CutAtCharacter(s, 5);
  EXPECT_EQ(s, "ab\xD6\xD0");
  std::string t = "\xD6\xD0\x81\x5C";
  EXPECT_TRUE(EndsWithChar(t, "\x81\x5C"));
  EXPECT_FALSE(EndsWithChar(t, "\x5C"));
  EXPECT_EQ(CharCount(t), 2u);
}

TEST_F(Generation, LongOutputIsCutBetweenCharacters) {
  // Forty-odd Chinese words (and one unknown word to make the length odd)
  // come to more than 255 bytes: the result ends on a whole character.
  std::string english = "I see Q";
  for (int i = 0; i < 40; ++i) english += " beautiful";
  english += " cats.";
  const std::string out = Translate(english);
  EXPECT_LE(out.size(), 255u);
  std::size_t i = 0;
  while (i < out.size()) i += IsGbkLead(static_cast<unsigned char>(out[i])) ? 2 : 1;
  EXPECT_EQ(i, out.size());
}

}  // namespace
}  // namespace wb
