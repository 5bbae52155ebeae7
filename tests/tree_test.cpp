// Tree operations: attaching and detaching, partners and enclosing marks,
// the queries, and the invariants after any sequence of the operations the
// parser performs.

#include "engine/parse/tree.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace wb {
namespace {

ParseBuffer Words(int n, Category c = cat::kN) {
  ParseBuffer t;
  for (int p = 1; p <= n; ++p) t[p].category = c;
  return t;
}

TEST(Tree, AnEighthDependentIsRefusedAndTold) {
  ParseBuffer t = Words(9);
  ParseDiagnostics sink;
  for (int d = 2; d <= 8; ++d) EXPECT_TRUE(Attach(t, d, 1, rmod, sink));
  EXPECT_FALSE(Attach(t, 9, 1, robj1, sink));
  EXPECT_EQ(t[1].depCount, MAXDNO);
  EXPECT_EQ(t[9].head, 0);  // still a root
  EXPECT_EQ(sink.Totals().fullNodes, 1);
}

TEST(Tree, DetachTheMiddleOfThree) {
  ParseBuffer t = Words(4);
  ParseDiagnostics sink;
  for (int d : {2, 3, 4}) Attach(t, d, 1, rmod, sink);
  Detach(t, 3, 1);
  ASSERT_EQ(t[1].depCount, 2);
  EXPECT_EQ(t[1].deps[0], 2);
  EXPECT_EQ(t[1].deps[1], 4);
  EXPECT_EQ(t[3].head, 1);  // left for the caller
  Detach(t, 3, 1);          // not listed: nothing happens
  EXPECT_EQ(t[1].depCount, 2);
}

TEST(Tree, HangingUnderUndoesAPartnerLink) {
  ParseBuffer t = Words(4);
  ParseDiagnostics sink;
  SetPartner(t, 1, 2);
  Attach(t, 3, 1, rmod, sink);
  HangUnder(t, 2, 4, rfuzzy);
  HangUnder(t, 3, 4, rfuzzy);
  EXPECT_EQ(t[1].partner, 0);
  EXPECT_EQ(t[1].depCount, 0);
  EXPECT_EQ(t[2].head, 4);
  EXPECT_EQ(t[3].relation, rfuzzy);
  EXPECT_EQ(t[4].depCount, 0);
}

TEST(Tree, PartnersAndEnclosingMarks) {
  ParseBuffer t = Words(5);
  SetPartner(t, 1, 2);
  EXPECT_EQ(t[1].partner, 2);
  EXPECT_EQ(t[2].head, 1);
  EXPECT_EQ(t[2].relation, rcon);
  EXPECT_EQ(t[1].depCount, 0);  // a partner is not a listed dependent
  Enclose(t, 3, 5, 4);
  EXPECT_EQ(t[3].head, 4);
  EXPECT_EQ(t[5].head, 4);
  EXPECT_EQ(t[4].marks, 1);
  EXPECT_EQ(t[4].depCount, 0);
}

TEST(Tree, Queries) {
  ParseBuffer t = Words(6);
  ParseDiagnostics sink;
  t[3].category = cat::kV;
  t[2].category = cat::kAux;
  t[5].category = cat::kPrep;
  Attach(t, 1, 3, rsub, sink);
  Attach(t, 2, 3, rmod, sink);
  Attach(t, 4, 3, robj1, sink);
  Attach(t, 5, 4, rmod, sink);
  Attach(t, 6, 5, rmod, sink);
  EXPECT_EQ(RootOf(t, 6), 3);
  EXPECT_EQ(RootOf(t, 3), 3);
  EXPECT_TRUE(HeadCategoryIs(t, 4, cat::kV));
  EXPECT_FALSE(HeadCategoryIs(t, 3, cat::kV));
  EXPECT_TRUE(HasDepWithRelation(t, 3, robj1));
  EXPECT_EQ(FindDepWithRelation(t, 3, rsub), 1);
  EXPECT_EQ(FindDepWithRelation(t, 3, rpred), 0);
  EXPECT_TRUE(HasDepWithRelationIn(t, 3, RelationBit(rpred) | RelationBit(robj1)));
  EXPECT_FALSE(HasDepWithRelationIn(t, 3, RelationBit(rpred) | RelationBit(robj2)));
  EXPECT_TRUE(HasLaterDepOfCategory(t, 4, cat::kPrep));
  EXPECT_FALSE(HasLaterDepOfCategory(t, 3, cat::kAux));  // the aux stands before
  EXPECT_EQ(FindLaterDepOfCategory(t, 3, cat::kN), 2);   // index in the list
  EXPECT_TRUE(HasAuxBefore(t, 3, 3));
  EXPECT_FALSE(HasAuxBefore(t, 3, 2));
  EXPECT_TRUE(AllLeaves(t, 1, 2));
  EXPECT_FALSE(AllLeaves(t, 1, 3));
  // Positions outside the tree read as a spare root and change nothing.
  EXPECT_EQ(RootOf(t, 0), 0);
  EXPECT_FALSE(HasDepWithRelation(t, 77, rmod));
}

// Checks what every tree must keep: lists and heads agree, no node holds
// more than seven dependents, nobody is listed twice, heads lead to a root.
void ExpectInvariants(const ParseBuffer& t, int n) {
  std::set<int> listed;
  for (int p = 1; p <= n; ++p) {
    const DepNode& node = t[p];
    ASSERT_LE(node.depCount, MAXDNO);
    for (int k = 0; k < node.depCount; ++k) {
      const int d = node.deps[static_cast<std::size_t>(k)];
      ASSERT_GE(d, 1);
      ASSERT_LE(d, n);
      EXPECT_EQ(t[d].head, p) << "listed under " << p << " but its head is " << int(t[d].head);
      EXPECT_TRUE(listed.insert(d).second) << d << " listed twice";
    }
    if (node.partner != 0) {
      EXPECT_EQ(t[node.partner].head, p);
      EXPECT_EQ(t[node.partner].relation, rcon);
    }
    int q = p, steps = 0;
    while (t[q].head != 0 && steps <= n) q = t[q].head, ++steps;
    EXPECT_LE(steps, n) << "a cycle through " << p;
  }
}

bool Reaches(const ParseBuffer& t, int from, int to) {
  for (int steps = 0; from != 0 && steps <= kParseNodeCount; ++steps, from = t[from].head)
    if (from == to) return true;
  return false;
}

// The operations of the parser, in random order and on random words: links
// of roots that close no cycle (its link test), phrase members moved under
// their last word, coordination partners, enclosing marks.
TEST(Tree, InvariantsHoldAfterAnySequenceOfParserOperations) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const int n = 2 + static_cast<int>(rng() % 48);
    ParseBuffer t = Words(n);
    ParseDiagnostics sink;
    auto pos = [&] { return 1 + static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int op = 0; op < 60; ++op) {
      const int a = pos(), b = pos();
      switch (rng() % 4) {
        case 0:  // a link from the left-dependent or head step
          if (a != b && t[a].head == 0 && !Reaches(t, b, a)) Attach(t, a, b, static_cast<Relation>(rng() % 11), sink);
          break;
        case 1:  // a phrase's words under its last word
          if (a < b && AllLeaves(t, a, b - 1) && t[b].head == 0) {
            for (int p = a; p < b; ++p) HangUnder(t, p, b, rfuzzy);
          }
          break;
        case 2:  // "and" takes a first conjunct
          if (a != b && t[b].head == 0 && !Reaches(t, a, b)) SetPartner(t, a, b);
          break;
        case 3: {  // a pair of marks around the one root between them
          const int c = pos();
          if (a < c && c < b && t[a].head == 0 && t[b].head == 0 && t[c].head == 0 && !Reaches(t, c, a) &&
              !Reaches(t, c, b))
            Enclose(t, a, b, c);
          break;
        }
      }
    }
    ExpectInvariants(t, n);
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace wb
