#include "engine/parse/tree.h"

namespace wb {

void ParseDiagnostics::Diagnose(std::string_view text) {
  if (text == kDiagFullNode)
    ++counts_.fullNodes;
  else if (text == kDiagNoBuffer)
    ++counts_.poolDry;
  else
    ++counts_.other;
}

bool Attach(ParseBuffer& tree, int dep, int head, Relation r, ParseDiagnostics& sink) {
  DepNode& h = tree[head];
  if (h.depCount >= MAXDNO) {
    sink.Diagnose(kDiagFullNode);
    return false;
  }
  DepNode& d = tree[dep];
  d.head = static_cast<std::uint8_t>(head);
  d.relation = r;
  h.deps[h.depCount++] = static_cast<std::uint8_t>(dep);
  return true;
}

void Detach(ParseBuffer& tree, int dep, int head) {
  DepNode& h = tree[head];
  int k = 0;
  while (k < h.depCount && h.deps[static_cast<std::size_t>(k)] != dep) ++k;
  if (k == h.depCount) return;
  for (; k + 1 < h.depCount; ++k) h.deps[static_cast<std::size_t>(k)] = h.deps[static_cast<std::size_t>(k + 1)];
  --h.depCount;
}

void SetPartner(ParseBuffer& tree, int owner, int partner) {
  tree[owner].partner = static_cast<std::uint8_t>(partner);
  tree[partner].relation = rcon;
  tree[partner].head = static_cast<std::uint8_t>(owner);
}

void HangUnder(ParseBuffer& tree, int dep, int head, Relation r) {
  const int old = tree[dep].head;
  if (old != 0) {
    if (tree[old].partner == dep) tree[old].partner = 0;
    Detach(tree, dep, old);
  }
  tree[dep].head = static_cast<std::uint8_t>(head);
  tree[dep].relation = r;
}

void Enclose(ParseBuffer& tree, int open, int close, int root) {
  for (int mark : {open, close}) {
    tree[mark].head = static_cast<std::uint8_t>(root);
    tree[mark].relation = rmod;
  }
  ++tree[root].marks;
}

int RootOf(const ParseBuffer& tree, int pos) {
  // A tree holds no cycle; the bound only keeps a damaged one from looping.
  for (int steps = 0; steps <= kParseNodeCount && tree[pos].head != 0; ++steps) pos = tree[pos].head;
  return pos;
}

bool HeadCategoryIs(const ParseBuffer& tree, int pos, Category c) {
  const int h = tree[pos].head;
  return h != 0 && tree[h].category == c;
}

bool HasDepWithRelation(const ParseBuffer& tree, int pos, Relation r) { return FindDepWithRelation(tree, pos, r) != 0; }

bool HasDepWithRelationIn(const ParseBuffer& tree, int pos, RelationSet set) {
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k)
    if ((set & RelationBit(tree[n.deps[static_cast<std::size_t>(k)]].relation)) != 0) return true;
  return false;
}

int FindDepWithRelation(const ParseBuffer& tree, int pos, Relation r) {
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k) {
    const int d = n.deps[static_cast<std::size_t>(k)];
    if (tree[d].relation == r) return d;
  }
  return 0;
}

bool HasDepOfCategory(const ParseBuffer& tree, int pos, Category c) {
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k)
    if (tree[n.deps[static_cast<std::size_t>(k)]].category == c) return true;
  return false;
}

bool HasLaterDepOfCategory(const ParseBuffer& tree, int pos, Category c) {
  return FindLaterDepOfCategory(tree, pos, c) >= 0;
}

int FindLaterDepOfCategory(const ParseBuffer& tree, int pos, Category c) {
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k) {
    const int d = n.deps[static_cast<std::size_t>(k)];
    if (d > pos && tree[d].category == c) return k;
  }
  return -1;
}

bool HasAuxBefore(const ParseBuffer& tree, int pos, int limit) {
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k) {
    const int d = n.deps[static_cast<std::size_t>(k)];
    if (d < limit && tree[d].category == cat::kAux) return true;
  }
  return false;
}

bool AllLeaves(const ParseBuffer& tree, int from, int to) {
  for (int p = from; p <= to; ++p)
    if (tree[p].depCount != 0) return false;
  return true;
}

}  // namespace wb
