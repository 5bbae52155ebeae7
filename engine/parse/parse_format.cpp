#include "engine/parse/parse_format.h"

#include <array>

namespace wb {

namespace {

constexpr int kMaxDepth = kParseNodeCount;

std::string Field(std::string s) {
  for (char& c : s)
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  return s.empty() ? "-" : s;
}

std::string_view RelationColumn(const DepNode& n) { return n.head == 0 ? std::string_view("-") : RelationName(n.relation); }

void TreeLines(const SentenceContext& sentence, const ParseBuffer& tree, ParseSpan span, int node, int depth,
               std::string& out) {
  const DepNode& n = tree[node];
  out.append(static_cast<std::size_t>(2 * depth), ' ');
  out += std::to_string(node) + ' ' + Field(ParseWordText(sentence, node)) + ' ' +
         std::string(CategoryName(n.category)) + ' ' + std::string(RelationColumn(n));
  if (n.marks != 0) out += " marks=" + std::to_string(n.marks);
  out += '\n';
  if (depth >= kMaxDepth) return;
  for (int p = span.first; p <= span.last; ++p)
    if (p != node && tree[p].head == node) TreeLines(sentence, tree, span, p, depth + 1, out);
}

}  // namespace

std::string ParseColumnsHeader() { return "pos\tword\tcategory\thead\trelation\tmarks\n"; }

std::string ParseWordText(const SentenceContext& sentence, int pos) {
  const SentenceState& s = sentence.State();
  if (pos < 1 || pos > s.sentenceLen) return {};
  const PoolRef ref = s.words[static_cast<std::size_t>(pos)].text;
  const bool shared = (pos > 1 && s.words[static_cast<std::size_t>(pos - 1)].text == ref) ||
                      (pos < s.sentenceLen && s.words[static_cast<std::size_t>(pos + 1)].text == ref);
  return std::string(shared ? sentence.WordText(pos) : s.textPool.Get(ref));
}

std::string FormatParseColumns(const SentenceContext& sentence, const ParseBuffer& tree, ParseSpan span) {
  std::string out;
  for (int p = span.first; p <= span.last; ++p) {
    const DepNode& n = tree[p];
    out += std::to_string(p) + '\t' + Field(ParseWordText(sentence, p)) + '\t' + std::string(CategoryName(n.category)) +
           '\t' + std::to_string(n.head) + '\t' + std::string(RelationColumn(n)) + '\t' + std::to_string(n.marks) + '\n';
  }
  return out;
}

std::string FormatParseTree(const SentenceContext& sentence, const ParseBuffer& tree, ParseSpan span) {
  std::string out;
  for (int p = span.first; p <= span.last; ++p)
    if (tree[p].head == 0) TreeLines(sentence, tree, span, p, 0, out);
  return out;
}

int LinkRuleOf(const ParseBuffer& tree, int pos) {
  const DepNode& n = tree[pos];
  if (n.head == 0) return 0;
  const DepNode& h = tree[n.head];
  bool listed = false;
  for (int k = 0; k < h.depCount; ++k) listed = listed || h.deps[static_cast<std::size_t>(k)] == pos;
  return listed ? FindLinkRule(n.category, h.category) : 0;
}

}  // namespace wb
