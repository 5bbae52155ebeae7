// The word rules in the pipeline: the preference table, the rules of the
// table on the sentences they are made for, the auxiliary procedure, and
// the hooks the rules change the sentence through.

#include "engine/analysis/word_rules.h"

#include <gtest/gtest.h>

#include "engine/analysis/rule_hooks.h"
#include "tests/parse_fixture.h"

namespace wb {
namespace {

using parse_fixture::GrammarEngine;
using CatList = std::vector<Category>;

TEST(PreferenceTable, SortedAndFound) {
  const auto table = PreferenceTable();
  ASSERT_EQ(table.size(), 22u);
  for (std::size_t i = 1; i < table.size(); ++i) EXPECT_LT(table[i - 1].headword, table[i].headword);
  ASSERT_NE(FindPreference("well"), nullptr);
  EXPECT_EQ(FindPreference("well")->score, -3);
  EXPECT_EQ(FindPreference("all")->category, cat::kDet);
  EXPECT_EQ(FindPreference("wel"), nullptr);
  EXPECT_EQ(FindPreference("zzz"), nullptr);
  EXPECT_EQ(FindPreference(""), nullptr);
}

TEST(WordRuleTable, LooksUpByHeadword) {
  EXPECT_EQ(WordRuleTable().size(), 14u);  // twelve rules, two of them for two headwords
  EXPECT_EQ(WordRuleFor("his"), WordRuleFor("this"));
  EXPECT_EQ(WordRuleFor("the most"), WordRuleFor("quite"));
  EXPECT_TRUE(WordRuleFor("have").empty());
}

using Rules = GrammarEngine;

TEST_F(Rules, AllOfThePeople) {
  Translate("all of the people");
  EXPECT_EQ(Cats(1), CatList{cat::kN});
  EXPECT_EQ(Cats(2), CatList{cat::kPrep});
  // "all" is in the preference table: det at +2 (its category now is n).
  EXPECT_EQ(W(1).prefCat, cat::kDet);
  EXPECT_EQ(W(1).prefScore, 2);
}

TEST_F(Rules, TheyAreAllReady) {
  Translate("they are all ready");
  EXPECT_EQ(Cats(3), CatList{cat::kAdv});
}

TEST_F(Rules, AllBeforeAnAdjectiveAndANoun) {
  Translate("all big houses");
  EXPECT_EQ(Cats(1), CatList{cat::kDet});
}

TEST_F(Rules, ThereIsNoDenying) {
  Translate("there is no denying");
  ASSERT_EQ(S().sentenceLen, 2);
  EXPECT_EQ(Lex(1), "can't");
  EXPECT_EQ(Cats(1), CatList{cat::kAux});
  EXPECT_EQ(Lex(2), "deny");
  EXPECT_EQ(W(2).flags & wf::ING, wf::ING);
  // The possible verbs are listed after the rules: "is" is gone.
  ASSERT_EQ(S().verbPositions.size(), 1u);
  EXPECT_EQ(S().verbPositions[0], 2);
}

TEST_F(Rules, ThereIsABook) {
  Translate("there is a house");
  EXPECT_EQ(Cats(1), CatList{cat::kThere});
  EXPECT_EQ(Cats(2), CatList{cat::kBe});
}

TEST_F(Rules, AsBigAsAHouse) {
  Translate("as big as a house");
  ASSERT_EQ(S().sentenceLen, 4);
  EXPECT_EQ(Lex(1), "big");
  EXPECT_EQ(Lex(2), "like");
  EXPECT_EQ(Cats(2), (CatList{cat::kV, cat::kPrep, cat::kConj, cat::kAdj}));
  // With an auxiliary four words after the first "as", "like" is a
  // conjunction.
  Translate("as big as it will go");
  EXPECT_EQ(Lex(2), "like");
  EXPECT_EQ(Cats(2), CatList{cat::kConj});
}

TEST_F(Rules, DoNotGo) {
  Translate("do not go");
  EXPECT_EQ(Cats(1), CatList{cat::kAux});
  EXPECT_EQ(Cats(2), CatList{cat::kAdv});
  EXPECT_EQ(Cats(3), CatList{cat::kV});
  // Without "not" and a verb after it, "do" keeps both readings.
  Translate("do it");
  EXPECT_EQ(Cats(1), (CatList{cat::kAux, cat::kV}));
  EXPECT_EQ(W(1).prefCat, cat::kV);
}

TEST_F(Rules, WillOpeningAQuestion) {
  Translate("will you come?");
  EXPECT_EQ(Cats(1), CatList{cat::kAux});
  // Elsewhere "will" keeps its noun reading, disfavoured.
  Translate("you will come");
  EXPECT_EQ(Cats(2), (CatList{cat::kAux, cat::kN}));
  EXPECT_EQ(W(2).prefCat, cat::kN);
  EXPECT_EQ(W(2).prefScore, -2);
  Translate("will you come.");
  EXPECT_EQ(Cats(1), (CatList{cat::kAux, cat::kN}));
}

TEST_F(Rules, OtherRules) {
  Translate("that the dog");
  EXPECT_EQ(Cats(1), CatList{cat::kThat});
  Translate("one of the people");
  EXPECT_EQ(Cats(1), CatList{cat::kN});
  Translate("about ten");
  EXPECT_EQ(Cats(1), CatList{cat::kAdv});
  Translate("so big that");  // "that" two words after "so"
  EXPECT_EQ(Cats(1), CatList{cat::kAdv});
  EXPECT_EQ(Cats(3), CatList{cat::kThat});
  Translate("quite big");
  EXPECT_EQ(Cats(1), CatList{cat::kAdv});
  Translate("John present");  // a person before "present": the adjective
  EXPECT_EQ(Cats(2), CatList{cat::kAdj});
  Translate("the present");
  EXPECT_EQ(Cats(2).size(), 3u);
}

TEST_F(Rules, Auxiliaries) {
  // "have" before a participle: auxiliary and verb.
  Translate("I have eaten");
  EXPECT_EQ(Cats(2), CatList{cat::kAux});
  EXPECT_EQ(Cats(3), CatList{cat::kV});
  // "have" with an adverb before the participle.
  Translate("I have quickly eaten");
  EXPECT_EQ(Cats(2), CatList{cat::kAux});
  EXPECT_EQ(Cats(4), CatList{cat::kV});
  // "have been" before an -ing form: both auxiliaries.
  Translate("I have been eating");
  EXPECT_EQ(Cats(2), CatList{cat::kAux});
  EXPECT_EQ(Cats(3), CatList{cat::kAux});
  // "be" before an -ing form: auxiliary and verb; before a participle it
  // keeps both readings but favours the auxiliary.
  Translate("it is eating");
  EXPECT_EQ(Cats(2), CatList{cat::kAux});
  EXPECT_EQ(Cats(3), CatList{cat::kV});
  Translate("it was eaten");
  EXPECT_EQ(Cats(2), (CatList{cat::kBe, cat::kAux}));
  EXPECT_EQ(W(2).prefScore, 3);
  // Before a word without verb forms, "be" takes away its verb reading.
  Translate("it is fish");
  EXPECT_EQ(Cats(3), CatList{cat::kN});
  // "can" before a plain verb is the auxiliary.
  Translate("I can swim");
  EXPECT_EQ(Cats(2), CatList{cat::kAux});
}

TEST_F(Rules, DeletedWordsAreGoneForTheRestOfThePass) {
  // "there is no denying it": the rule of "there" deletes two words; the
  // word that moves into the rule's place ("no", now "can't") is not run
  // through the rules again, the pass goes on after it and ends at the new
  // length.
  Translate("there is no denying it");
  ASSERT_EQ(S().sentenceLen, 3);
  EXPECT_EQ(Lex(3), "it");
  EXPECT_EQ(W(1).prefCat, 0);
}

TEST_F(Rules, HooksStayInsideTheSentence) {
  Translate("the dog");
  SentenceRuleHooks hooks(engine, &parse_fixture::GrammarLexicon());
  EXPECT_FALSE(hooks.HasCategory(0, cat::kDet));
  EXPECT_FALSE(hooks.IsWord(3, ""));
  EXPECT_FALSE(hooks.HasForm(3, 0xFFFF));
  EXPECT_FALSE(hooks.ReplaceWord(3, "dog"));
  EXPECT_FALSE(hooks.ReplaceWord(1, "nosuchword"));
  hooks.SetCategory(255, cat::kV);
  hooks.DeleteWords(0, 1);
  hooks.DeleteWords(2, 9);  // to the end and no further
  EXPECT_EQ(S().sentenceLen, 1);
  EXPECT_EQ(Lex(1), "the");
  EXPECT_THROW(hooks.DeleteWords(1, -1), SentenceAbandoned);
  EXPECT_EQ(messages.back(), "Internal error: rshift not implemented");
}

TEST_F(Rules, ReplaceWordTakesTheNewEntrysSenses) {
  Translate("the eat");
  SentenceRuleHooks hooks(engine, &parse_fixture::GrammarLexicon());
  ASSERT_TRUE(hooks.ReplaceWord(2, "ate"));  // a reference: not followed
  EXPECT_EQ(W(2).flags, wf::WF_NOTFOUND);    // so no sense is left: an unknown noun
  EXPECT_EQ(Cats(2), CatList{cat::kN});
  ASSERT_TRUE(hooks.ReplaceWord(2, "like"));
  EXPECT_EQ(Cats(2), (CatList{cat::kV, cat::kPrep, cat::kConj, cat::kAdj}));
  EXPECT_EQ(W(2).flags, wf::WF_VERB);
  EXPECT_EQ(W(2).senseCount, 4);
}

TEST_F(Rules, ClassesOfWords) {
  Translate("John it dog zorblax");
  SentenceRuleHooks hooks(engine, &parse_fixture::GrammarLexicon());
  EXPECT_TRUE(hooks.HasClass(1, 5));
  EXPECT_TRUE(hooks.HasClass(2, 5));  // a pronoun stands for class 5
  EXPECT_FALSE(hooks.HasClass(2, 1));
  EXPECT_TRUE(hooks.HasClass(3, 1));
  EXPECT_TRUE(hooks.HasClass(4, 0));  // an unknown word has class 0 only
  EXPECT_FALSE(hooks.HasClass(4, 1));
  EXPECT_EQ(hooks.SemanticClassCode("human"), 5);
  EXPECT_EQ(hooks.SemanticClassCode("nosuchclass"), 0);
}

}  // namespace
}  // namespace wb
