#include "engine/parse/selection.h"

#include <utility>

#include "engine/parse/tree.h"

namespace wb {

namespace {

// The penalties every parse pays: each root verb after the first, each root
// wh-word outside a question, each wh-word without its clause.
int WholeSentenceCost(const ParseBuffer& t, ParseSpan span, bool question) {
  int cost = 0;
  int rootVerbs = 0;
  for (int p = span.first; p <= span.last; ++p) {
    const DepNode& n = t[p];
    if (n.head == 0 && n.category == cat::kV && ++rootVerbs > 1) cost += 1;
    if (n.head == 0 && n.category == cat::kWh && !question) cost += 1;
    if (n.category == cat::kWh && !HasDepWithRelation(t, p, rclause)) cost += 2;
  }
  return cost;
}

// The penalties of a parse with one root, by what that root is.
int SingleRootCost(const ParseBuffer& t, int root, ParseSpan span, bool question) {
  const DepNode& r = t[root];
  const bool oneWord = span.first == span.last;
  int cost = 0;
  if (question) {
    if (r.category == cat::kBe && root == span.first) cost += 2;
    if (r.category == cat::kN) cost += 2;
    if (r.category == cat::kV && !HasAuxBefore(t, root, root)) cost += 2;
    if (r.category == cat::kWh) {
      // "What you want?": a clause in statement order under a wh-word.
      const int x = FindDepWithRelation(t, root, rclause);
      const int subject = x != 0 ? FindDepWithRelation(t, x, rsub) : 0;
      if (subject != 0 && subject < x && !HasAuxBefore(t, x, subject)) cost += 3;
    }
  }
  switch (r.category) {
    case cat::kAdv:
      if (oneWord) cost += 1;
      break;
    case cat::kBe:
    case cat::kV:
      if (!HasDepWithRelation(t, root, rsub) && HasAuxBefore(t, root, root)) cost += oneWord ? 3 : 2;
      break;
    case cat::kNum:
      cost += 2;
      break;
    case cat::kN:
      if (span.last - root > 3) cost += 1;
      break;
    default:
      break;
  }
  return cost;
}

}  // namespace

int CountRoots(const ParseBuffer& tree, ParseSpan span) {
  int roots = 0;
  for (int p = span.first; p <= span.last; ++p)
    if (tree[p].head == 0) ++roots;
  return roots;
}

void SelectBestParse(const SentenceState& sentence, std::span<ScoredParse> parses, ParseSpan span) {
  if (parses.empty()) return;
  const bool question = sentence.endPunct == '?';
  std::size_t best = 0;
  for (std::size_t k = 0; k < parses.size(); ++k) {
    ScoredParse& p = parses[k];
    p.roots = CountRoots(p.tree, span);
    p.score -= WholeSentenceCost(p.tree, span, question);
    if (p.roots == 1) {
      int root = span.first;
      while (root < span.last && p.tree[root].head != 0) ++root;
      p.score -= SingleRootCost(p.tree, root, span, question);
    }
    const ScoredParse& b = parses[best];
    if (p.roots < b.roots || (p.roots == b.roots && p.score > b.score)) best = k;
  }
  if (best != 0) std::swap(parses[0], parses[best]);
}

}  // namespace wb
