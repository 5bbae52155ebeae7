// The link test on hand-made trees over real sentences of the grammar
// lexicon: the general steps (cycles, one dependent for "conj" and "prep",
// "rcmod" needing a verb to come, conjuncts agreeing, sides) and the checks
// whose decisions the parses rely on.

#include "engine/parse/link_test.h"

#include <gtest/gtest.h>

#include "tests/parse_fixture.h"

namespace wb {
namespace {

struct Links : parse_fixture::GrammarEngine {
  // Reads the sentence, then builds a tree of the given categories (1-based
  // order) with the given links (dependent, head, relation).
  void Sentence(std::string_view text, std::initializer_list<Category> cats,
                std::initializer_list<std::tuple<int, int, Relation>> links = {}) {
    Translate(text);
    tree = ParseBuffer{};
    int p = 1;
    for (Category c : cats) tree[p++].category = c;
    ParseDiagnostics sink;
    for (const auto& [d, h, r] : links) Attach(tree, d, h, r, sink);
  }
  LinkVerdict Try(int d, int h) const {
    LinkTest test(engine);
    test.SetSpan(ParseSpan{1, S().sentenceLen});
    return test.Allowed(tree, d, h, tree[d].category, tree[h].category);
  }
  ParseBuffer tree;
};

TEST_F(Links, GeneralSteps) {
  // No rule for the pair; the wrong side; a cycle.
  Sentence("the dog", {cat::kDet, cat::kN});
  EXPECT_TRUE(Try(1, 2).allowed);
  EXPECT_EQ(Try(1, 2).rule, 24);
  EXPECT_FALSE(Try(2, 1).allowed);  // no rule n -> det
  Sentence("dog the", {cat::kN, cat::kDet});
  EXPECT_FALSE(Try(2, 1).allowed);  // a determiner stands before its noun
  Sentence("I see John", {cat::kPron, cat::kV, cat::kN}, {{2, 3, rcmod}});
  EXPECT_FALSE(Try(3, 2).allowed);  // 2 already hangs from 3
  // A preposition takes one object.
  Sentence("in John dog", {cat::kPrep, cat::kN, cat::kN}, {{2, 1, rmod}});
  EXPECT_FALSE(Try(3, 1).allowed);
}

TEST_F(Links, RcmodOfANonVerbWantsAVerbToCome) {
  Sentence("the dog that", {cat::kDet, cat::kN, cat::kThat});
  EXPECT_FALSE(Try(3, 2).allowed);
  Sentence("the dog that saw", {cat::kDet, cat::kN, cat::kThat, cat::kV});
  EXPECT_TRUE(Try(3, 2).allowed);
  EXPECT_EQ(Try(3, 2).relation, rcmod);
}

TEST_F(Links, ConjunctsAgreeWithTheFirst) {
  // "and" hangs from its first conjunct through the partner link.
  Sentence("John and happy", {cat::kN, cat::kAnd, cat::kAdj});
  SetPartner(tree, 1, 2);
  EXPECT_FALSE(Try(3, 2).allowed);  // n and adj do not coordinate
  Sentence("John and it", {cat::kN, cat::kAnd, cat::kPron});
  SetPartner(tree, 1, 2);
  EXPECT_TRUE(Try(3, 2).allowed);  // n and pron do
  Sentence("swim and happy", {cat::kV, cat::kAnd, cat::kAdj});
  SetPartner(tree, 1, 2);
  EXPECT_EQ(Try(3, 2).score, -1);  // adj after a verb: allowed at a point
}

TEST_F(Links, SubjectsAndObjects) {
  Sentence("I see John", {cat::kPron, cat::kV, cat::kN});
  EXPECT_EQ(Try(1, 2).relation, rsub);
  EXPECT_EQ(Try(3, 2).relation, robj1);
  // "me" may be no subject, "he" no object.
  Sentence("me see", {cat::kPron, cat::kV});
  EXPECT_FALSE(Try(1, 2).allowed);
  Sentence("I see he", {cat::kPron, cat::kV, cat::kPron});
  EXPECT_FALSE(Try(3, 2).allowed);
  // A second subject is refused; a second noun after a verb is its second
  // object, and costs when the verb takes no two objects.
  Sentence("I John see", {cat::kPron, cat::kN, cat::kV}, {{1, 3, rsub}});
  EXPECT_FALSE(Try(2, 3).allowed);
  Sentence("see John Mary", {cat::kV, cat::kN, cat::kN}, {{2, 1, robj1}});
  EXPECT_EQ(Try(3, 1).relation, robj2);
  EXPECT_EQ(Try(3, 1).score, -5);
  // After a verb that takes a that-clause, a noun with a verb to come keeps
  // the reading in which it is that clause's subject.
  Sentence("think John is", {cat::kV, cat::kN, cat::kBe});
  EXPECT_EQ(Try(2, 1).fork, 0);
  Sentence("see John", {cat::kV, cat::kN});
  EXPECT_EQ(Try(2, 1).fork, 1);
  // A possessor is no object: "see John's".
  Sentence("see John's", {cat::kV, cat::kN, cat::kPoss});
  ASSERT_EQ(S().sentenceLen, 3);
  EXPECT_FALSE(Try(2, 1).allowed);
}

TEST_F(Links, AgreementOfSubjectAndVerb) {
  // A singular noun with a verb in its plain form, without an auxiliary:
  // -7; with the -s form nothing.
  Sentence("John swim", {cat::kN, cat::kV});
  EXPECT_EQ(Try(1, 2).score, -7);
  Sentence("John swims", {cat::kN, cat::kV});
  EXPECT_EQ(Try(1, 2).score, 0);
  Sentence("John can swim", {cat::kN, cat::kAux, cat::kV}, {{2, 3, rmod}});
  EXPECT_EQ(Try(1, 3).score, 0);
  // "be" itself takes no subject without an auxiliary.
  Sentence("they be", {cat::kPron, cat::kBe});
  EXPECT_EQ(Try(1, 2).score, -7);
}

TEST_F(Links, Auxiliaries) {
  Sentence("will swim", {cat::kAux, cat::kV});
  EXPECT_TRUE(Try(1, 2).allowed);
  Sentence("will ate", {cat::kAux, cat::kV});
  EXPECT_FALSE(Try(1, 2).allowed);  // a modal wants the plain form
  Sentence("will can swim", {cat::kAux, cat::kAux, cat::kV}, {{2, 3, rmod}});
  EXPECT_FALSE(Try(1, 3).allowed);  // no second modal
  Sentence("have eaten", {cat::kAux, cat::kV});
  EXPECT_TRUE(Try(1, 2).allowed);
  Sentence("have eat", {cat::kAux, cat::kV});
  EXPECT_FALSE(Try(1, 2).allowed);  // "have" wants a participle
  // ... or a verb whose nearer auxiliary is one: "have been eating".
  Sentence("have been eating", {cat::kAux, cat::kAux, cat::kV}, {{2, 3, rmod}});
  EXPECT_TRUE(Try(1, 3).allowed);
}

TEST_F(Links, ToAndItsVerb) {
  Sentence("want to swim", {cat::kV, cat::kTo, cat::kV});
  EXPECT_TRUE(Try(2, 1).allowed);
  EXPECT_EQ(Try(2, 1).relation, rtomod);
  Sentence("want to John", {cat::kV, cat::kTo, cat::kN});
  EXPECT_FALSE(Try(2, 1).allowed);  // no verb after "to"
  Sentence("want to", {cat::kV, cat::kTo});
  EXPECT_FALSE(Try(2, 1).allowed);  // nothing after it at all
}

TEST_F(Links, PredicativeAdverbsAfterBe) {
  // "is there" at the end: the predicative, +1.
  Sentence("John is there", {cat::kN, cat::kBe, cat::kAdv});
  EXPECT_EQ(Try(3, 2).relation, rpred);
  EXPECT_EQ(Try(3, 2).score, 1);
  // With more to follow the predicative reading stays, doubtful.
  Sentence("John is there in the house", {cat::kN, cat::kBe, cat::kAdv, cat::kPrep, cat::kDet, cat::kN});
  EXPECT_TRUE(Try(3, 2).allowed);
  EXPECT_EQ(Try(3, 2).fork, 0);
  // An adverb of no such kind does not hang from "be" with more to come.
  Sentence("John is very happy", {cat::kN, cat::kBe, cat::kAdv, cat::kAdj});
  EXPECT_FALSE(Try(3, 2).allowed);
}

}  // namespace
}  // namespace wb
