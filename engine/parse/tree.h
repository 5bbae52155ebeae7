#pragma once
// Operations on one dependency tree (a ParseBuffer): attaching and detaching
// dependents, coordination partners, enclosing marks, and the queries about
// a node's head and dependents that the parser and the generator share.
//
// A tree is a row of DepNodes for word positions 1..50 (grammar.h). Each node
// names its head (0 for a root) and its relation to it, and lists its
// dependents in the order they were attached. These invariants hold after
// every operation here:
//  - a node's depCount equals the number of entries in its deps, at most 7;
//  - every entry of a node's deps has that node as its head;
//  - a node reached through `partner` has the owner as head and relation
//    rcon, but is not in the owner's deps (enclosing marks and the members of
//    a multi-word phrase likewise name a head that does not list them);
//  - following heads from any node ends at a root (the parser refuses a link
//    that would close a cycle).
//
// Positions outside 1..50 name a spare node that belongs to no word, so a
// stray position reads and writes nothing of the tree.

#include <cstdint>
#include <string_view>

#include "engine/grammar/category.h"
#include "engine/grammar/grammar.h"

namespace wb {

// Where the parser and the generator send their internal troubles ("MAXDNO
// too small", "no free buffer!", ...). Nothing is shown: the operation that
// failed is skipped and the sentence goes on. The sink only counts, so that
// a run can say how often the parse ran short.
class ParseDiagnostics {
 public:
  void Diagnose(std::string_view text);

  struct Counts {
    long long fullNodes = 0;    // "MAXDNO too small"
    long long poolDry = 0;      // "no free buffer!"
    long long other = 0;
  };
  const Counts& Totals() const { return counts_; }
  void Reset() { counts_ = Counts{}; }

 private:
  Counts counts_;
};

inline constexpr std::string_view kDiagFullNode = "MAXDNO too small";
inline constexpr std::string_view kDiagNoBuffer = "no free buffer!";

// A set of relations, one bit each.
using RelationSet = std::uint16_t;
constexpr RelationSet RelationBit(Relation r) { return static_cast<RelationSet>(1u << r); }

// ---- changing a tree -------------------------------------------------------

// Makes dep a dependent of head with relation r. A head that already holds
// seven dependents is told to the sink and nothing changes (false).
bool Attach(ParseBuffer& tree, int dep, int head, Relation r, ParseDiagnostics& sink);
// Removes dep from head's list, closing the gap; dep's own head is left for
// the caller to set.
void Detach(ParseBuffer& tree, int dep, int head);
// owner's coordination partner becomes partner, which takes owner as its
// head with relation rcon (without entering owner's list).
void SetPartner(ParseBuffer& tree, int owner, int partner);
// Takes dep from wherever it hangs (its head's list, or a partner link,
// which is undone) and makes head its head with relation r, without entering
// head's list: the members of a multi-word phrase hang so from its last word.
void HangUnder(ParseBuffer& tree, int dep, int head, Relation r);
// Both marks (quotes, brackets) take root as their head with relation rmod,
// without entering its list, and root's marks rise by one.
void Enclose(ParseBuffer& tree, int open, int close, int root);

// ---- asking a tree ---------------------------------------------------------

inline bool IsRoot(const ParseBuffer& tree, int pos) { return tree[pos].head == 0; }
// The root reached by following heads from pos (pos itself for a root).
int RootOf(const ParseBuffer& tree, int pos);
// Whether pos has a head of category c.
bool HeadCategoryIs(const ParseBuffer& tree, int pos, Category c);
// Over pos's dependents, in list order.
bool HasDepWithRelation(const ParseBuffer& tree, int pos, Relation r);
bool HasDepWithRelationIn(const ParseBuffer& tree, int pos, RelationSet set);
// The first dependent with relation r; 0 for none.
int FindDepWithRelation(const ParseBuffer& tree, int pos, Relation r);
bool HasDepOfCategory(const ParseBuffer& tree, int pos, Category c);
// Only the dependents standing after pos.
bool HasLaterDepOfCategory(const ParseBuffer& tree, int pos, Category c);
// Index in pos's deps of the first later dependent of category c; -1 for none.
int FindLaterDepOfCategory(const ParseBuffer& tree, int pos, Category c);
// A dependent of category aux standing before limit.
bool HasAuxBefore(const ParseBuffer& tree, int pos, int limit);
// No node from..to has dependents.
bool AllLeaves(const ParseBuffer& tree, int from, int to);

}  // namespace wb
