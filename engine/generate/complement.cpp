#include "engine/generate/complement.h"

#include "engine/analysis/morphology.h"
#include "engine/parse/tree.h"
#include "engine/parse/word_queries.h"

namespace wb {

std::size_t FindSlotMarker(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x81 && c != 0xFF) {
      i += 2;
      continue;
    }
    if (c == '\\' && i + 1 < text.size()) {
      const unsigned char n = static_cast<unsigned char>(text[i + 1]);
      if ((n >= '0' && n <= '9') || (n >= 'A' && n <= 'Z') || (n >= 'a' && n <= 'z')) return i;
    }
    ++i;
  }
  return std::string_view::npos;
}

std::string InsertComplement(std::string_view head, std::string_view complement) {
  const std::size_t slot = FindSlotMarker(head);
  std::string out;
  if (slot == std::string_view::npos) {
    out.reserve(head.size() + complement.size());
    out.append(head);
    out.append(complement);
    return out;
  }
  out.reserve(head.size() + complement.size());
  out.append(head.substr(0, slot));
  out.append(complement);
  out.append(head.substr(slot + 2));
  return out;
}

namespace {

VerbCodeChoice Codes(int a, int b = -1, int c = -1, int d = -1) {
  VerbCodeChoice v;
  v.codes = {a, b, c, d};
  return v;
}

bool IsClauseVerb(const ParseBuffer& tree, int dep) {
  const Category c = tree[dep].category;
  return (c == cat::kV || c == cat::kBe) && HasDepWithRelation(tree, dep, rsub);
}

// The dependents after the verb that make its complement.
struct Complements {
  int obj1 = 0;
  int obj2 = 0;
  int clause = 0;    // a verb or "be" with its own subject, a "that", a wh-word
  int toInf = 0;     // "to" with its verb
  int bareVerb = 0;  // a verb without subject after an object (let him go)
  int pred = 0;      // an adjective
};

Complements FindComplements(const SentenceState& s, const ParseBuffer& tree, int pos) {
  Complements c;
  const DepNode& n = tree[pos];
  for (int k = 0; k < n.depCount; ++k) {
    const int d = n.deps[static_cast<std::size_t>(k)];
    const DepNode& dn = tree[d];
    if (dn.relation == robj1 && c.obj1 == 0) c.obj1 = d;
    else if (dn.relation == robj2 && c.obj2 == 0) c.obj2 = d;
    else if (dn.relation == rpred && c.pred == 0) c.pred = d;
    else if (d > pos && dn.category == cat::kTo && dn.relation == rtomod && c.toInf == 0) c.toInf = d;
    else if (d > pos && (dn.relation == rcmod || dn.relation == rclause) && c.clause == 0) {
      if (dn.category == cat::kThat || dn.category == cat::kWh || IsClauseVerb(tree, d)) c.clause = d;
      else if (dn.category == cat::kV && (FlagsOf(s, d) & wf::WF_VERB) != 0) c.bareVerb = d;
    }
  }
  return c;
}

}  // namespace

VerbCodeChoice VerbComplementPattern(const SentenceState& s, const ParseBuffer& tree, int pos) {
  const Complements c = FindComplements(s, tree, pos);
  const int plain = HasVerbCode(s, pos, vc::i0) ? vc::i0 : vc::t1;
  if (c.obj1 != 0 && c.obj1 > pos) {
    const DepNode& o = tree[c.obj1];
    const WordFlags f = FlagsOf(s, c.obj1);
    if (c.obj2 != 0) return Codes(vc::d1, vc::t1);
    if (c.clause != 0) return Codes(vc::d5, vc::t5, vc::t1);
    if (c.toInf != 0) return Codes(vc::v3, vc::x7, vc::t1);
    if (c.bareVerb != 0) return Codes(vc::v8, vc::v2, vc::t1);
    if (c.pred != 0) return Codes(vc::x1, vc::x7, vc::t1);
    if (o.category == cat::kBe || o.category == cat::kThat) return Codes(vc::t5, vc::t1);
    if (o.category == cat::kV && f == wf::ING) return Codes(vc::t4, vc::t1);
    if (o.category == cat::kV && (f & wf::WF_VERB) != 0) return Codes(vc::t2, vc::t1, vc::i0);
    if (o.category == cat::kWh) return Codes(vc::t6, vc::t1);
    return Codes(vc::t1, vc::i0);
  }
  if (c.clause != 0) return Codes(tree[c.clause].category == cat::kWh ? vc::t6 : vc::t5, vc::t1);
  if (c.toInf != 0) return Codes(vc::t3, vc::t1, vc::i0);
  if (c.pred != 0) return Codes(vc::l7, vc::l1, vc::i0);
  if (c.obj1 != 0) return Codes(vc::t1, vc::i0);  // an object fronted (a question, a relative clause)
  return Codes(plain, plain == vc::i0 ? vc::t1 : vc::i0);
}

}  // namespace wb
