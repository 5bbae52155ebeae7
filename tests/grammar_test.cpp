#include "engine/grammar/grammar.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace wb {
namespace {

TEST(Grammar, CategoryNamesRoundTrip) {
  for (int c = 0; c < kPartOfSpeechCount; ++c) {
    EXPECT_EQ(CategoryCode(CategoryName(static_cast<Category>(c))), c) << c;
  }
  for (int c = kFirstPhraseCategory; c < kFirstPhraseCategory + kPhraseCategoryCount; ++c) {
    EXPECT_EQ(CategoryCode(CategoryName(static_cast<Category>(c))), c) << c;
  }
  EXPECT_EQ(CategoryCode(CategoryName(cat::kRef)), cat::kRef);
}

TEST(Grammar, CategoryCodesOfNames) {
  EXPECT_EQ(CategoryCode("Sentence"), 124);
  EXPECT_EQ(CategoryCode("AClause"), 100);
  EXPECT_EQ(CategoryCode("Det1"), 149);
  EXPECT_EQ(CategoryCode("det"), cat::kDet);
  EXPECT_EQ(CategoryCode("'s"), cat::kPoss);
  EXPECT_EQ(CategoryCode("\""), cat::kQuote);
  EXPECT_EQ(CategoryCode("REF"), cat::kRef);
  // Exact comparison, and the first letter picks the table.
  for (const char* unknown : {"", "Foo", "foo", "DET", "sentence", "Det", "det ", "???", "ref"}) {
    EXPECT_EQ(CategoryCode(unknown), cat::kNone) << '"' << unknown << '"';
  }
  EXPECT_EQ(CategoryName(124), "Sentence");
  for (int c : {27, 99, 150, 199, 201, 255}) EXPECT_EQ(CategoryName(static_cast<Category>(c)), "???") << c;
}

TEST(Grammar, VerbCodesText) {
  EXPECT_EQ(VerbCodesText(VerbCodeBit(vc::t1) | VerbCodeBit(vc::d1)), "t1,d1");
  EXPECT_EQ(VerbCodesText(0), "");
  EXPECT_EQ(VerbCodesText(VerbCodeBit(vc::t5)), "t5");
  // A code without a name keeps its place in the list.
  EXPECT_EQ(VerbCodesText(VerbCodeBit(7)), "");
  EXPECT_EQ(VerbCodesText(VerbCodeBit(7) | VerbCodeBit(vc::t6)), ",t6");
  EXPECT_EQ(VerbCodesText(VerbCodeBit(54) | VerbCodeBit(62) | VerbCodeBit(63)), "?,-,*");
  const std::string all = VerbCodesText(~VerbCodeSet{0});
  EXPECT_EQ(all.substr(0, 20), "i0,i2,i3,i4,i5a,i6a,");
  EXPECT_EQ(all.substr(all.size() - 11), "wv4,wv5,-,*");
  EXPECT_EQ(VerbCodeName(vc::x9), "x9");
  EXPECT_EQ(VerbCodeName(-1), "");
  EXPECT_EQ(VerbCodeName(64), "");
}

TEST(Grammar, NounCodesText) {
  EXPECT_EQ(NounCodesText(NounCodeBit(nc::C) | NounCodeBit(nc::IN)), "C,IN");
  EXPECT_EQ(NounCodeBit(nc::IN), 0x40);
  EXPECT_EQ(NounCodesText(0), "");
  EXPECT_EQ(NounCodesText(0xFFFF), "C,U,CY,PN,LN,NE,IN,-,$,+,OF,NG,?,?,*,?");
  EXPECT_TRUE(HasNounCode(NounCodeBit(nc::kStar), 14));
  EXPECT_FALSE(HasNounCode(0xFFFF, 16));
}

TEST(Grammar, Relations) {
  EXPECT_EQ(RelationName(rmod), "rmod");
  EXPECT_EQ(RelationName(rqmod), "rqmod");
  EXPECT_EQ(RelationName(static_cast<Relation>(kRelationCount)), "???");
}

TEST(Grammar, ParseBufferKeepsPositionsInside) {
  ParseBuffer buf;
  for (int p = 1; p <= kParseNodeCount; ++p) buf[p].head = static_cast<std::uint8_t>(p);
  for (int p = 1; p <= kParseNodeCount; ++p) EXPECT_EQ(buf[p].head, p);
  // Out-of-range positions share the spare node and never touch a word's.
  buf[0].marks = 1;
  buf[51].marks = 2;
  buf[-7].marks = 3;
  EXPECT_EQ(buf[0].marks, 3);
  EXPECT_EQ(&buf[255], &buf[0]);
  for (int p = 1; p <= kParseNodeCount; ++p) EXPECT_EQ(buf[p].marks, 0);
}

TEST(Grammar, RuleTableAndIndexAgree) {
  EXPECT_EQ(kLinkRuleCount, 73);
  EXPECT_EQ(LinkRuleNumber(0), nullptr);
  EXPECT_EQ(LinkRuleNumber(74), nullptr);
  ASSERT_NE(LinkRuleNumber(73), nullptr);

  // Every rule is reached through the index of its own dependent category,
  // exactly once.
  const RuleIndex built = BuildRuleIndex();
  std::set<int> seen;
  for (int c = 0; c < kPartOfSpeechCount; ++c) {
    const RuleRange r = RulesFor(static_cast<Category>(c));
    EXPECT_EQ(r.count, built.byDependent[c].count) << c;
    EXPECT_EQ(r.first, built.byDependent[c].first) << c;
    if (r.count == 0) {
      EXPECT_EQ(r.first, 0) << c;
    }
    for (int n = r.first; n < r.first + r.count; ++n) {
      ASSERT_NE(LinkRuleNumber(n), nullptr);
      EXPECT_EQ(LinkRuleNumber(n)->dependent, c) << "rule " << n;
      EXPECT_TRUE(seen.insert(n).second) << "rule " << n;
    }
  }
  EXPECT_EQ(seen.size(), 73u);
  EXPECT_EQ(RulesFor(124).count, 0);
  EXPECT_EQ(RulesFor(cat::kNone).count, 0);
}

TEST(Grammar, RulesPerDependentCategory) {
  struct Expect {
    Category dep;
    int first, count;
  };
  for (Expect e : {Expect{cat::kAdj, 1, 5}, Expect{cat::kAdv, 6, 6}, Expect{cat::kAux, 12, 2},
                   Expect{cat::kBe, 14, 7}, Expect{cat::kConj, 21, 3}, Expect{cat::kDet, 24, 3},
                   Expect{cat::kN, 27, 8}, Expect{cat::kNum, 35, 5}, Expect{cat::kPoss, 40, 1},
                   Expect{cat::kPrep, 41, 7}, Expect{cat::kPron, 48, 4}, Expect{cat::kThat, 52, 3},
                   Expect{cat::kThere, 55, 1}, Expect{cat::kTo, 56, 4}, Expect{cat::kV, 60, 9},
                   Expect{cat::kWh, 69, 5}}) {
    EXPECT_EQ(RulesFor(e.dep).first, e.first) << CategoryName(e.dep);
    EXPECT_EQ(RulesFor(e.dep).count, e.count) << CategoryName(e.dep);
  }
  for (Category c : {cat::kDollar, cat::kQuery, cat::kAs, cat::kComma, cat::kIf, cat::kCaret, cat::kBoth,
                     cat::kBang, cat::kQuote, cat::kIntj}) {
    EXPECT_EQ(RulesFor(c).count, 0) << CategoryName(c);
  }
}

void ExpectRule(int n, Category dep, Category head, LinkDirection dir, Relation rel, int check) {
  const LinkRule* r = LinkRuleNumber(n);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->dependent, dep) << "rule " << n;
  EXPECT_EQ(r->head, head) << "rule " << n;
  EXPECT_EQ(r->direction, dir) << "rule " << n;
  EXPECT_EQ(r->relation, rel) << "rule " << n;
  EXPECT_EQ(r->check, check) << "rule " << n;
}

TEST(Grammar, RepresentativeRules) {
  ExpectRule(1, cat::kAdj, cat::kN, kEitherSide, rmod, 21);
  ExpectRule(17, cat::kBe, cat::kTo, kAfterHead, rmod, 18);  // rmod, not rtomod
  ExpectRule(20, cat::kBe, cat::kPrep, kAfterHead, rcon, 13);  // rcon, not rmod
  ExpectRule(24, cat::kDet, cat::kN, kBeforeHead, rmod, 34);
  ExpectRule(25, cat::kDet, cat::kV, kBeforeHead, rv2n, 5);
  ExpectRule(30, cat::kN, cat::kN, kBeforeHead, rmod, 23);
  ExpectRule(40, cat::kPoss, cat::kN, kBeforeHead, rmod, 11);
  ExpectRule(42, cat::kPrep, cat::kN, kAfterHead, rmod, 32);
  ExpectRule(52, cat::kThat, cat::kN, kAfterHead, rcmod, 41);
  ExpectRule(55, cat::kThere, cat::kBe, kEitherSide, rsub, 25);
  ExpectRule(60, cat::kV, cat::kThat, kAfterHead, rclause, 20);
  ExpectRule(68, cat::kV, cat::kAnd, kAfterHead, rcon, 24);
  ExpectRule(73, cat::kWh, cat::kAnd, kAfterHead, rcon, 3);
}

TEST(Grammar, FindLinkRule) {
  EXPECT_EQ(FindLinkRule(cat::kAdj, cat::kN), 1);
  EXPECT_EQ(FindLinkRule(cat::kWh, cat::kAnd), 73);
  EXPECT_EQ(FindLinkRule(cat::kDet, cat::kAdj), 0);
  EXPECT_EQ(FindLinkRule(cat::kIntj, cat::kV), 0);
  EXPECT_EQ(FindLinkRule(124, cat::kV), 0);
  EXPECT_EQ(FindLinkRule(cat::kNone, cat::kNone), 0);
  // A pronoun can depend on v, be, prep and and, nothing else.
  std::set<Category> heads;
  for (int h = 0; h < 256; ++h) {
    if (FindLinkRule(cat::kPron, static_cast<Category>(h)) != 0) heads.insert(static_cast<Category>(h));
  }
  EXPECT_EQ(heads, (std::set<Category>{cat::kV, cat::kBe, cat::kPrep, cat::kAnd}));
}

}  // namespace
}  // namespace wb
