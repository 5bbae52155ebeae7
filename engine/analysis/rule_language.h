#pragma once
// The word-rule language: short rules, attached to a headword, that look at
// the words around it and narrow its categories (or its neighbours') before
// the parse.
//
//   if pattern( ~ X(+be) ) then ^ (~(there), 1(be))
//
// A rule is compiled into a small tree of statements in a fixed arena every
// time it runs, then executed against the sentence through RuleHooks; it
// never touches the word table itself. A pattern holds up to four items,
// each a position relative to the rule's word and a test (a word, "+" a
// category, "*" a semantic class, "&" a form); an action list up to four
// actions (a category, "=" a word to look up instead, "<" words to delete).

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "engine/analysis/sentence.h"
#include "engine/grammar/category.h"

namespace wb {

// What a rule may ask about the sentence and do to it. Positions are word
// positions; the questions answer false for 0 and for positions past the
// end of the sentence.
class RuleHooks {
 public:
  virtual ~RuleHooks() = default;
  virtual bool HasCategory(int pos, Category c) const = 0;
  virtual bool HasForm(int pos, WordFlags mask) const = 0;
  virtual bool IsWord(int pos, std::string_view word) const = 0;
  // Looks word up and makes it the word at pos; false when it is not found.
  virtual bool ReplaceWord(int pos, std::string_view word) = 0;
  virtual bool HasClass(int pos, int semanticClass) const = 0;
  virtual void SetCategory(int pos, Category c) = 0;
  // Deletes count words at pos; a negative count is a shift to the right,
  // which the language names but no rule may use.
  virtual void DeleteWords(int pos, int count) = 0;

  // While compiling: the number of a semantic class name, 0 when unknown.
  virtual int SemanticClassCode(std::string_view name) const = 0;
  // While compiling: a number that is no integer. The engine abandons the
  // sentence here; a caller that returns goes on with the value 0.
  virtual void ReportError(std::string_view message) = 0;
};

// Results of RunRule.
namespace rule_result {
constexpr int kDone = 0;
constexpr int kNoStatement = 3;      // a statement begins with none of if, ^, error
constexpr int kNoThen = 4;           // "then" missing
constexpr int kUnknownCategory = 6;  // a category name that names none
constexpr int kTooMany = 8;          // a fifth pattern item or action
constexpr int kSyntax = 10;          // any other syntax error
constexpr int kArenaFull = 11;       // the rule arena is exhausted
constexpr int kErrorStatement = 100; // the rule ran an error statement
}  // namespace rule_result

constexpr std::size_t kRuleArenaSize = 16384;
constexpr int kMaxRuleStatements = 12;
constexpr int kMaxPatternItems = 4;
constexpr int kMaxRuleActions = 4;
// Only the first 31 characters of a word or number count.
constexpr std::size_t kRuleTokenMax = 31;

// The form mask of a form name after "&"; 0 (a test that never holds) for
// any other name.
WordFlags RuleFormMask(std::string_view name);

// Compiles and runs rules. The arena and the token state are the
// interpreter's own; one interpreter serves one engine.
class RuleInterpreter {
 public:
  RuleInterpreter();
  ~RuleInterpreter();
  RuleInterpreter(const RuleInterpreter&) = delete;
  RuleInterpreter& operator=(const RuleInterpreter&) = delete;

  // Empties the arena, compiles text and, when it compiles, runs it for the
  // word at pos. Returns 0, a parse error number, or 100 for an error
  // statement.
  int RunRule(int pos, std::string_view text, RuleHooks& hooks);

  // Only compiles: 0 or the parse error.
  int Compile(std::string_view text, RuleHooks& hooks);

  // Bytes of the arena the last compilation used.
  std::size_t ArenaUsed() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace wb
