// The generation driver: topic and history, the repairs, every root of the
// chosen tree in order, 吗 for a yes-no question, the closing mark.

#include <string>
#include <vector>

#include "engine/generate/chinese_text.h"
#include "engine/generate/generator.h"
#include "engine/parse/tree.h"

namespace wb {

std::string Generator::GenerateSentence(ParseBuffer& tree, std::size_t maxLen, bool closesSentence) {
  tree_ = &tree;
  accounted_.reset();
  silenced_.reset();
  timeWhen_.reset();
  fixedText_.fill({});
  depth_ = 0;
  UpdateTopic();
  PushContext();
  RepairTree();

  const std::vector<int> roots = Roots();
  std::string out;
  for (int r : roots) out += GenerateNode(r);

  // Words the walk did not reach (a node whose head lost it) still get
  // their place, after the rest: no word is dropped.
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (!Accounted(i)) out += GenerateNode(i);

  // A piece of a long sentence that the sentence goes on after has no
  // closing mark yet (and no 吗: the question closes with the last piece).
  if (closesSentence) {
    if (InQuestion() && AsksYesOrNo(roots) && !EndsWithChar(out, cn::kMa) &&
        !EndsWithChar(out, "\xC4\xD8"))  // 呢
      out += cn::kMa;
    out += ChineseEndMark(state_.endPunct);
    if (state_.quoteClosed) out += '"';
  }
  ChineseQuotes(out);
  TidyBlanks(out);
  CutAtCharacter(out, maxLen);
  tree_ = nullptr;
  return out;
}

// A question whose main clause is a verb or "be" (not a wh-question, not a
// noun on its own: "Questions?") asks yes or no and takes 吗.
bool Generator::AsksYesOrNo(const std::vector<int>& roots) const {
  for (int r : roots) {
    const Category c = Node(r).category;
    if (c == cat::kComma || c == cat::kQuote || c == cat::kIntj) continue;
    if (c != cat::kV && c != cat::kBe) return false;
    return !IsWhQuestion(roots);
  }
  return false;
}

// Whether a wh-word of the sentence asks the question.
bool Generator::HasQuestionWord() const {
  if (!InQuestion()) return false;
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (Node(i).category == cat::kWh) return true;
  return false;
}

// The roots in position order.
std::vector<int> Generator::Roots() const {
  std::vector<int> roots;
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (Node(i).head == 0) roots.push_back(i);
  return roots;
}

// A question asked with a wh-word takes no 吗: the first root is the
// wh-word, or a wh-word of the question kind opens the sentence ("How did
// you", "What do you want", "In which house").
bool Generator::IsWhQuestion(const std::vector<int>& roots) const {
  if (Node(roots.front()).category == cat::kWh) return true;
  for (int i = 1; i <= state_.sentenceLen && i <= 3; ++i) {
    const Category c = Node(i).category;
    if (c == cat::kWh) return true;
    if (c != cat::kPrep && c != cat::kQuote && c != cat::kComma) break;
  }
  // "or" between two choices asks which one (A还是B), not yes or no.
  for (int i = 1; i <= state_.sentenceLen; ++i)
    if (Node(i).category == cat::kWh && Node(i).relation != rcmod && Node(Node(i).head).category != cat::kN &&
        (Node(i).relation == robj1 || Node(i).relation == rsub))
      return true;
  return false;
}

}  // namespace wb
