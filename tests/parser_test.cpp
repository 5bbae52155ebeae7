// The parser over the small grammar lexicon: the start, the special steps
// (coordination, lists, quotes, brackets, phrases), the fixed pools running
// dry, a dead end that goes on as a further fragment, and selection.

#include "engine/parse/parser.h"

#include <gtest/gtest.h>

#include "engine/parse/parse_format.h"
#include "engine/parse/selection.h"
#include "tests/parse_fixture.h"

namespace wb {
namespace {

struct ParserTest : parse_fixture::GrammarEngine {
  const Parser& P() const { return engine.Parse(); }
  const ParseBuffer& T() const { return P().Chosen(); }
  int Head(int p) const { return T()[p].head; }
  Category Cat(int p) const { return T()[p].category; }
  Relation Rel(int p) const { return T()[p].relation; }
  std::string Tree() const { return FormatParseTree(engine, T(), ParseSpan{1, S().sentenceLen}); }
  int Roots() const { return CountRoots(T(), ParseSpan{1, S().sentenceLen}); }
};

TEST_F(ParserTest, SubjectVerbObject) {
  Translate("I like green eggs and ham.");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(1), 2);
  EXPECT_EQ(Rel(1), rsub);
  EXPECT_EQ(Head(4), 2);
  EXPECT_EQ(Rel(4), robj1);
  EXPECT_EQ(Head(3), 4);  // green eggs
  EXPECT_EQ(Head(5), 4);  // "and" hangs from its first conjunct
  EXPECT_EQ(Rel(5), rcon);
  EXPECT_EQ(T()[4].partner, 5);
  EXPECT_EQ(Head(6), 5);
  EXPECT_EQ(Rel(6), rcon);
}

TEST_F(ParserTest, OneWordSentenceKeepsEveryCategory) {
  Translate("all");
  ASSERT_EQ(P().Fragments().size(), 1u);
  const ParseFragment& f = P().Fragments()[0];
  EXPECT_EQ(f.count, 4);  // det, adv, n, pron
  // An adverb alone costs a point in selection; the others stay at 0.
  EXPECT_NE(Cat(1), cat::kAdv);
  for (int k = 0; k < f.count; ++k)
    EXPECT_EQ(f.parses[static_cast<std::size_t>(k)].score,
              f.parses[static_cast<std::size_t>(k)].tree[1].category == cat::kAdv ? -1 : 0);
}

TEST_F(ParserTest, QuestionOpeningWithAnAuxiliaryStartsAhead) {
  Translate("can?");
  const ParseFragment& f = P().Fragments()[0];
  ASSERT_EQ(f.count, 3);
  EXPECT_EQ(Cat(1), cat::kAux);
  EXPECT_EQ(f.parses[0].score, 2);
  Translate("can.");
  EXPECT_EQ(P().Fragments()[0].parses[0].score, 0);
}

TEST_F(ParserTest, TwoAdjacentNounsAndDeterminers) {
  Translate("the bank manager saw John");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(2), 3);  // bank manager: the first noun on the second
  EXPECT_EQ(Head(1), 3);  // the determiner went on with the compound
  EXPECT_EQ(Head(3), 4);
  EXPECT_EQ(Rel(3), rsub);
  // A determiner never depends on a noun before it.
  Translate("John the");
  EXPECT_EQ(Head(2), 0);
}

TEST_F(ParserTest, BothAndCoordination) {
  Translate("both John and Mary swim");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(1), 2);
  EXPECT_EQ(Rel(1), rmod);
  EXPECT_EQ(Head(3), 2);
  EXPECT_EQ(Head(4), 3);
  EXPECT_EQ(Head(2), 5);
  EXPECT_EQ(Rel(2), rsub);
}

TEST_F(ParserTest, ListClosedByAnd) {
  Translate("ham , eggs , and fish");
  // Items and commas: each item's partner is the comma after it, each later
  // item hangs from the comma before it, and "and" closes the list.
  EXPECT_EQ(T()[1].partner, 2);
  EXPECT_EQ(Head(2), 1);
  EXPECT_EQ(Head(3), 2);
  EXPECT_EQ(Rel(3), rcon);
  EXPECT_EQ(T()[3].partner, 5);
  EXPECT_EQ(Head(4), 5);  // the last comma hangs from "and"
  EXPECT_EQ(Rel(4), rmod);
  EXPECT_EQ(Head(5), 3);
  EXPECT_EQ(Head(6), 5);
  EXPECT_EQ(Roots(), 1) << Tree();
}

TEST_F(ParserTest, BracketsAroundOnePhrase) {
  Translate("I saw John ( the manager )");
  EXPECT_EQ(T()[6].marks, 2) << Tree();
  EXPECT_EQ(Head(4), 6);
  EXPECT_EQ(Head(7), 6);
  EXPECT_EQ(Head(5), 6);
  // A closing bracket without its pair stays a root.
  Translate("I saw John )");
  EXPECT_EQ(Head(4), 0);
}

TEST_F(ParserTest, QuotationMarksAroundOneRoot) {
  Translate("I like \"ham\".");
  EXPECT_EQ(T()[4].marks, 1) << Tree();
  EXPECT_EQ(Head(3), 4);
  EXPECT_EQ(Head(5), 4);
  EXPECT_EQ(Head(4), 2);  // the quoted phrase then finds its head
  EXPECT_EQ(Rel(4), robj1);
}

TEST_F(ParserTest, ADeadEndGoesOnAsAFurtherFragment) {
  // "go" may only be a plain verb, which never follows a determiner: no
  // alternative survives it. The words before are one fragment, and the
  // parse starts again at "go"; no word is lost.
  const std::string out = Translate("I saw the go");
  ASSERT_EQ(P().Fragments().size(), 2u) << Tree();
  EXPECT_EQ(P().Fragments()[0].span.last, 3);
  EXPECT_EQ(P().Fragments()[1].span.first, 4);
  EXPECT_EQ(S().sentenceLen, 4);
  EXPECT_EQ(Cat(4), cat::kV);
  EXPECT_NE(out.find("qu"), std::string::npos) << out;
  EXPECT_EQ(P().Stats().cutSentences, 1);
}

TEST_F(ParserTest, ADryPoolStillCompletesTheParse) {
  // Every word may be four things: the 25 work buffers cannot extend ten
  // kept parses by four categories each.
  const long long before = P().Stats().poolDrySentences;
  Translate("like like like like like like like like");
  EXPECT_GT(P().Stats().poolDrySentences, before);
  EXPECT_GT(engine.Parse().Fragments()[0].count, 0);
  for (int p = 1; p <= 8; ++p) EXPECT_NE(Cat(p), 0) << p;
}

TEST_F(ParserTest, MultiWordPhrases) {
  // "the most" is a fixed phrase: one word.
  Translate("the most happy");
  EXPECT_EQ(S().sentenceLen, 2);
  // "look after" stays two words: the parse makes its last word the phrase
  // node, with the phrase's category, and hangs the other words from it.
  Translate("I look after John");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(T()[3].marks, 8);
  EXPECT_EQ(Cat(3), cat::kV);
  EXPECT_EQ(Head(2), 3);
  EXPECT_EQ(Rel(2), rfuzzy);
  EXPECT_EQ(T()[3].depCount, 2);  // I and John; "look" is not listed
  EXPECT_EQ(Rel(1), rsub);
  EXPECT_EQ(Rel(4), robj1);
}

TEST_F(ParserTest, AuxiliaryChainsHangFromTheMainVerb) {
  Translate("I have been eating");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(2), 4);
  EXPECT_EQ(Head(3), 4);
  EXPECT_EQ(Head(1), 4);
}

TEST_F(ParserTest, ThatClauseAfterAVerb) {
  Translate("I think that John is happy");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(3), 2);  // that -> think
  EXPECT_EQ(Head(5), 3);  // is -> that
  EXPECT_EQ(Rel(5), rclause);
  EXPECT_EQ(Head(4), 5);
  EXPECT_EQ(Rel(4), rsub);
  // Without "that", the noun after the verb may still be the clause's
  // subject.
  Translate("I think John is happy");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(3), 4);
  EXPECT_EQ(Head(4), 2);
}

TEST_F(ParserTest, RelativeClause) {
  Translate("the dog who saw me is happy");
  EXPECT_EQ(Roots(), 1) << Tree();
  EXPECT_EQ(Head(3), 2);  // who -> dog
  EXPECT_EQ(Head(4), 3);  // saw -> who
  EXPECT_EQ(Head(2), 6);
}

// Selection straight on hand-made parses.
TEST(Selection, FewestRootsThenScoreThenSlot) {
  SentenceState s;
  s.endPunct = '.';
  std::array<ScoredParse, 3> p{};
  for (ScoredParse& x : p) {
    x.tree[1].category = cat::kN;
    x.tree[2].category = cat::kV;
  }
  p[0].score = 5;   // two roots
  p[1].score = -1;  // one root
  p[1].tree[1].head = 2;
  p[2].score = -1;  // one root, a later slot
  p[2].tree[1].head = 2;
  SelectBestParse(s, p, ParseSpan{1, 2});
  EXPECT_EQ(p[0].roots, 1);
  EXPECT_EQ(p[0].score, -1);
  EXPECT_EQ(p[1].score, 5);  // swapped into the chosen one's slot
  EXPECT_EQ(p[1].roots, 2);
}

TEST(Selection, QuestionsAndLoneRoots) {
  SentenceState s;
  s.endPunct = '?';
  std::array<ScoredParse, 2> p{};
  // A question whose one root is a noun costs 2; one rooted in "be" at
  // the start costs 2 as well.
  p[0].tree[1].category = cat::kN;
  p[1].tree[1].category = cat::kBe;
  SelectBestParse(s, p, ParseSpan{1, 1});
  EXPECT_EQ(p[0].score, -2);
  EXPECT_EQ(p[1].score, -2);
  // Outside a question a root wh-word costs 1, and any wh-word without its
  // clause 2 more.
  s.endPunct = '.';
  std::array<ScoredParse, 1> w{};
  w[0].tree[1].category = cat::kWh;
  SelectBestParse(s, w, ParseSpan{1, 1});
  EXPECT_EQ(w[0].score, -3);
}

}  // namespace
}  // namespace wb
