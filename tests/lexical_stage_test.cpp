#include "engine/analysis/lexical_stage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/lexicon_fixture.h"

namespace wb {
namespace {

using namespace fixture::gb;

// An engine over the fixture lexicon, with the engine's messages kept.
struct Stage : ::testing::Test {
  Stage() : engine(&fixture::FixtureLexicon()) {
    engine.SetDiagnostics([this](std::string_view m) { messages.emplace_back(m); });
  }
  // Runs the lexical stage (and the rest of the stand-in pipeline) on s.
  std::string Translate(std::string_view s) {
    Str255 buf(s);
    engine.TranslateSentence(buf);
    return buf.str();
  }
  int Len() const { return engine.State().sentenceLen; }
  const WordRecord& W(int i) const { return engine.State().words[static_cast<std::size_t>(i)]; }
  std::string Lex(int i) const { return std::string(engine.WordText(i)); }
  std::string Surface(int i) const { return std::string(engine.State().textPool.Get(W(i).text)); }
  std::string Base(int i) const { return std::string(engine.State().textPool.Get(W(i).baseText)); }
  std::vector<Category> Cats(int i) const {
    return std::vector<Category>(W(i).cats.begin() + 1, W(i).cats.begin() + 1 + W(i).catCount);
  }
  std::string FirstSenseText(int i) const {
    const WordRecord& w = W(i);
    if (w.senseCount == 0) return {};
    return engine.State().senseTable[w.firstSense]->text;
  }

  Engine engine;
  std::vector<std::string> messages;
};

TEST(CheckForm, TheFormTable) {
  // Plural and third-person forms: nouns and numbers become plural, verbs
  // singular, anything else is refused.
  EXPECT_EQ(CheckForm(wf::S, cat::kN).flags, wf::PLURAL);
  EXPECT_EQ(CheckForm(wf::SINGULAR, cat::kNum).flags, wf::PLURAL);
  EXPECT_EQ(CheckForm(wf::S, cat::kV).flags, wf::SINGULAR);
  EXPECT_EQ(CheckForm(wf::PLURAL, cat::kAux).flags, wf::SINGULAR);
  EXPECT_FALSE(CheckForm(wf::S, cat::kAdj).accepted);
  // -ing and past forms are verbs only.
  EXPECT_TRUE(CheckForm(wf::ING, cat::kBe).accepted);
  EXPECT_FALSE(CheckForm(wf::ING, cat::kN).accepted);
  EXPECT_EQ(CheckForm(wf::ING | wf::ED, cat::kV).flags, wf::ING);
  EXPECT_EQ(CheckForm(wf::PAST, cat::kV).flags, wf::PAST);
  EXPECT_FALSE(CheckForm(wf::EN, cat::kAdj).accepted);
  // Comparatives are adjectives and adverbs; superlatives and base forms
  // take anything.
  EXPECT_TRUE(CheckForm(wf::ER, cat::kAdv).accepted);
  EXPECT_FALSE(CheckForm(wf::ER, cat::kN).accepted);
  EXPECT_TRUE(CheckForm(wf::EST, cat::kN).accepted);
  EXPECT_EQ(CheckForm(0, cat::kPrep).flags, 0);
}

TEST_F(Stage, WordsTakeTheirEntriesFormsAndSenses) {
  Translate("The books went");
  ASSERT_EQ(Len(), 3);
  EXPECT_EQ(Lex(1), "the");  // found through its lower-case form
  EXPECT_EQ(Surface(1), "The");
  EXPECT_EQ(Lex(2), "book");
  EXPECT_EQ(W(2).flags, wf::S);
  EXPECT_EQ(Cats(2), std::vector<Category>{cat::kN});
  // An irregular past refers to its verb: the verb's categories and senses,
  // the flags of the reference, and no verb flag (not a base form).
  EXPECT_EQ(Lex(3), "go");
  EXPECT_EQ(W(3).flags, wf::PAST);
  EXPECT_EQ(Cats(3), std::vector<Category>{cat::kV});
  EXPECT_EQ(FirstSenseText(3), kGo);
  EXPECT_EQ(engine.State().senseCount, 3);
}

TEST_F(Stage, VerbFlagsOnlyForBaseForms) {
  Translate("I go");
  EXPECT_EQ(W(2).flags, wf::WF_VERB);
  // A base form that is also its own past tense and participle.
  Translate("I put it");
  EXPECT_EQ(W(2).flags, wf::WF_VERB | wf::ED | wf::EN);
  Translate("it puts");
  EXPECT_EQ(W(2).flags, wf::S);
  // A word with both a noun and a verb sense: the noun sense keeps the plural.
  Translate("flies");
  EXPECT_EQ(Cats(1), (std::vector<Category>{cat::kN, cat::kV}));
  EXPECT_EQ(W(1).senseCount, 2);
}

TEST_F(Stage, WordWhoseSensesAllRefuseTheFormIsAnUnknownNoun) {
  Translate("happys");
  ASSERT_EQ(Len(), 1);
  EXPECT_EQ(W(1).flags, wf::WF_NOTFOUND);
  EXPECT_EQ(Cats(1), std::vector<Category>{cat::kN});
  EXPECT_EQ(Lex(1), "happys");
}

TEST_F(Stage, LaterEntryHidesEarlierWithTheSameHeadword) {
  Translate("bank");
  EXPECT_EQ(FirstSenseText(1), kBankMoney);
}

TEST_F(Stage, CapitalsAndHyphensAreTriedAgain) {
  // A word in capitals that is not in the lexicon is tried as a name.
  Translate("BOOK");
  EXPECT_EQ(Lex(1), "book");
  // And then without its first hyphen.
  Translate("E-MAIL");
  EXPECT_EQ(Lex(1), "email");
  EXPECT_EQ(Surface(1), "E-MAIL");
}

TEST_F(Stage, ReferencesAreFollowedAndReported) {
  // The target is an inflected form: a note, not a failure.
  Translate("he sez");
  EXPECT_EQ(Lex(2), "say");
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "New flags = 3");
  // References in a circle end.
  messages.clear();
  Translate("ping");
  ASSERT_EQ(Len(), 1);
  EXPECT_EQ(W(1).flags, wf::WF_NOTFOUND);
  EXPECT_FALSE(messages.empty());
}

TEST_F(Stage, FixedPhraseBecomesOneWord) {
  Translate("the cat in front of the table");
  ASSERT_EQ(Len(), 5);
  EXPECT_EQ(Lex(3), "in front of");
  EXPECT_EQ(Surface(3), "in front of");
  EXPECT_EQ(Cats(3), std::vector<Category>{cat::kPrep});
  EXPECT_EQ(FirstSenseText(3), kInFront);
  EXPECT_EQ(Lex(4), "the");
  EXPECT_EQ(Lex(5), "table");
  // Not enough words: no phrase.
  Translate("in front");
  EXPECT_EQ(Len(), 2);
}

TEST_F(Stage, PhraseWordsMatchTheSurfaceInAnyCase) {
  // "According" is no headword of the lexicon; its own form, in any case,
  // still matches the phrase's word.
  Translate("According to the cat");
  ASSERT_EQ(Len(), 3);
  EXPECT_EQ(Lex(1), "according to");
  Translate("the cat according to the table");
  EXPECT_EQ(Lex(3), "according to");
}

TEST_F(Stage, FixedPhraseMayKeepTheFormOfItsFirstWord) {
  Translate("I went home");
  ASSERT_EQ(Len(), 2);
  EXPECT_EQ(Lex(2), "go home");
  EXPECT_EQ(Surface(2), "went home");
  EXPECT_EQ(W(2).flags, wf::PAST);
  Translate("I go home");
  ASSERT_EQ(Len(), 2);
  EXPECT_EQ(W(2).flags, wf::WF_VERB);
}

TEST_F(Stage, GroupPhraseIsRecordedOnItsLastWord) {
  Translate("I look after it");
  ASSERT_EQ(Len(), 4);
  EXPECT_EQ(W(3).phraseLen, 1);
  ASSERT_NE(W(3).phraseEntry, nullptr);
  EXPECT_EQ(W(3).phraseEntry->headword, "look after");
  EXPECT_EQ(W(2).phraseLen, 0);
}

TEST_F(Stage, WildcardPhraseFillsInTheWord) {
  Translate("make Mary happy");
  ASSERT_EQ(Len(), 1);
  EXPECT_EQ(W(1).flags & wf::WF_MARKED, wf::WF_MARKED);
  EXPECT_EQ(Base(1), "\xCA\xB9" + kMary + kHappy);  // 使玛丽快乐
  EXPECT_EQ(Cats(1), std::vector<Category>{cat::kV});
  // An unknown word fills in as it stands.
  Translate("make Zork happy");
  EXPECT_EQ(Base(1), "\xCA\xB9" "Zork" + kHappy);
}

TEST_F(Stage, EndAndNotNounPhraseWords) {
  // "at all ." needs the end of the sentence or a comma after it.
  Translate("not at all");
  ASSERT_EQ(Len(), 2);
  EXPECT_EQ(Lex(2), "at all .");
  Translate("not at all , I");
  EXPECT_EQ(Len(), 4);
  Translate("not at all times");
  EXPECT_EQ(Len(), 4);
  // "as well n~": no noun may follow.
  Translate("I run as well");
  ASSERT_EQ(Len(), 3);
  EXPECT_EQ(FirstSenseText(3), kAlso);
  Translate("as well water");
  EXPECT_EQ(Len(), 3);
}

TEST_F(Stage, GraveAccentComparesTheSurfaceText) {
  Translate("in the US");
  ASSERT_EQ(Len(), 1);
  EXPECT_EQ(FirstSenseText(1), kInUs);
  Translate("in the us");
  EXPECT_EQ(Len(), 3);
}

TEST_F(Stage, SpecialWordHandlers) {
  Translate("police");
  EXPECT_EQ(W(1).flags, wf::PLURAL);
  Translate("zap");
  EXPECT_EQ(W(1).flags, 0);
  EXPECT_EQ(Lex(1), "zap");
}

TEST_F(Stage, SentenceKeepsFortyNineWords) {
  // The stage itself keeps 49 words and says where it stopped; the engine
  // goes on with the rest in a further piece.
  std::string many;
  for (int i = 0; i < 60; ++i) many += "cat ";
  Scanner scanner;
  LexicalStage stage(engine, fixture::FixtureLexicon(), scanner);
  engine.Counters() = PageCounters{};
  stage.AnalyseSentence(many, many.size());
  EXPECT_EQ(Len(), 49);
  EXPECT_FALSE(stage.Extent().complete);
  EXPECT_EQ(stage.Extent().tokens, 49);
  EXPECT_EQ(stage.Extent().end[49], 49u * 4 - 1);  // just after the 49th "cat"
  // Only the tokens taken count: the rest are read with the next piece.
  EXPECT_EQ(engine.Counters().wordCount, 49);

  // Handlers that split one token never push past the limit: a token that
  // does not fit whole is left for the next piece.
  std::string split;
  for (int i = 0; i < 48; ++i) split += "a ";
  stage.AnalyseSentence(split + "1,a", 255);
  EXPECT_EQ(Len(), 48);
  EXPECT_EQ(stage.Extent().tokens, 48);
  stage.AnalyseSentence(split + "don't", 255);
  EXPECT_EQ(Len(), 48);
  std::string fits;
  for (int i = 0; i < 47; ++i) fits += "a ";
  stage.AnalyseSentence(fits + "don't", 255);
  EXPECT_EQ(Len(), 49);
  EXPECT_TRUE(stage.Extent().complete);
  EXPECT_EQ(Lex(49), "not");
}

TEST_F(Stage, LongSentencesGoOnInPieces) {
  std::vector<int> lengths;
  engine.SetPieceObserver([&](const Engine& e) { lengths.push_back(e.State().sentenceLen); });
  std::string split;
  for (int i = 0; i < 48; ++i) split += "cat ";
  Engine::Translation t = engine.TranslateText(split + "don't go");
  EXPECT_EQ(lengths, (std::vector<int>{48, 3}));
  EXPECT_EQ(t.failedPieces, 0);
}

TEST_F(Stage, TextPoolCutsBeforeTheWordThatOverflows) {
  // Longer than a sentence can be, so the stage is run directly.
  std::string big;
  for (int i = 0; i < 6; ++i) big += std::string(200, 'q') + " ";
  Scanner scanner;
  LexicalStage stage(engine, fixture::FixtureLexicon(), scanner);
  stage.AnalyseSentence(big, big.size());
  EXPECT_EQ(Len(), 5);  // five words use 1005 bytes; the sixth would need 201 more
  EXPECT_LE(engine.State().textPool.Used(), kTextPoolSize);
  // maxLength cuts the text first.
  stage.AnalyseSentence(big, 402);
  EXPECT_EQ(Len(), 2);
}

TEST_F(Stage, PageCountersAndBadWords) {
  engine.SetBadWordTest([](std::string_view w) { return w == "cat"; });
  engine.Counters() = PageCounters{};
  Translate("the cat and the cat");
  EXPECT_EQ(engine.Counters().wordCount, 5);
  EXPECT_EQ(engine.Counters().badWordCount, 2);
}

TEST_F(Stage, QuoteStepMovesTheCommaAfterTheClosingQuote) {
  Translate("\"go,\" I say");
  ASSERT_EQ(Len(), 6);
  EXPECT_EQ(Surface(1), "\"");
  EXPECT_EQ(Surface(2), "go");
  EXPECT_EQ(Surface(3), "\"");
  EXPECT_EQ(Surface(4), ",");
  EXPECT_EQ(Cats(3), std::vector<Category>{cat::kQuote});
}

TEST_F(Stage, MissingContractionWordAbandonsTheSentence) {
  EXPECT_THROW(Translate("I won't"), SentenceAbandoned);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), "Internal error: bad contraction: <nott> not exist");
}

TEST_F(Stage, NounOfCodeInNarrowsTheWordBefore) {
  Translate("fly home");
  EXPECT_EQ(Cats(1), std::vector<Category>{cat::kV});
  Translate("fly water");
  EXPECT_EQ(Cats(1), (std::vector<Category>{cat::kN, cat::kV}));
}

TEST_F(Stage, StandInRendersChineseForFoundWords) {
  EXPECT_EQ(Translate("Mary's book"), kMary + kPoss + kBook + " ");
  EXPECT_EQ(Translate("Zork book."), "Zork " + kBook + "\xA1\xA3");
}

TEST(StageWithoutLexicon, EveryWordIsUnknown) {
  Engine engine;
  Str255 buf("the cat");
  engine.TranslateSentence(buf);
  EXPECT_EQ(engine.State().sentenceLen, 2);
  EXPECT_EQ(engine.WordText(1), "the");
  EXPECT_EQ(engine.State().words[1].flags, wf::WF_NOTFOUND);
}

}  // namespace
}  // namespace wb
