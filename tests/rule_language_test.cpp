// The word-rule language: compiling (every rule of the table, each parse
// error), the positions a pattern and its actions reach, and running rules
// against a sentence through hooks that record what they are asked.

#include "engine/analysis/rule_language.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/analysis/word_rules.h"
#include "engine/grammar/grammar.h"

namespace wb {
namespace {

// A sentence of `len` words where word p is word `texts[p]`; every question
// and action is recorded with its absolute position.
struct RecordingHooks : RuleHooks {
  int len = 5;
  std::map<int, std::string> texts;
  std::map<int, Category> cats;
  std::vector<std::string> calls;
  std::vector<std::string> errors;

  bool In(int p) const { return p >= 1 && p <= len; }
  void Note(std::string what, int p) const {
    const_cast<RecordingHooks*>(this)->calls.push_back(what + "@" + std::to_string(p));
  }
  bool HasCategory(int p, Category c) const override {
    Note("cat", p);
    return In(p) && cats.count(p) && cats.at(p) == c;
  }
  bool HasForm(int p, WordFlags) const override {
    Note("form", p);
    return false;
  }
  bool IsWord(int p, std::string_view w) const override {
    Note("word", p);
    return In(p) && texts.count(p) && texts.at(p) == w;
  }
  bool ReplaceWord(int p, std::string_view w) override {
    Note("replace:" + std::string(w), p);
    return true;
  }
  bool HasClass(int p, int cls) const override {
    Note("class" + std::to_string(cls), p);
    return false;
  }
  void SetCategory(int p, Category c) override { Note("set:" + std::string(CategoryName(c)), p); }
  void DeleteWords(int p, int k) override { Note("delete" + std::to_string(k), p); }
  int SemanticClassCode(std::string_view name) const override { return name == "human" ? 5 : 0; }
  void ReportError(std::string_view m) override { errors.emplace_back(m); }
};

int Compile(std::string_view text) {
  RuleInterpreter interp;
  RecordingHooks hooks;
  return interp.Compile(text, hooks);
}

TEST(RuleLanguage, EveryRuleOfTheTableCompiles) {
  RuleInterpreter interp;
  RecordingHooks hooks;
  for (const WordRule& r : WordRuleTable()) {
    EXPECT_EQ(interp.Compile(r.text, hooks), 0) << r.headword;
    EXPECT_LE(interp.ArenaUsed(), kRuleArenaSize);
  }
  EXPECT_TRUE(hooks.errors.empty());
}

TEST(RuleLanguage, ParseErrors) {
  // 3: a statement must begin with if, ^ or error.
  EXPECT_EQ(Compile("then ^(~(v))"), rule_result::kNoStatement);
  EXPECT_EQ(Compile("^(~(v)); ; ^(~(n))"), rule_result::kNoStatement);
  // 4: then is missing.
  EXPECT_EQ(Compile("if pattern(~ the) ^(~(that))"), rule_result::kNoThen);
  // 6: a category name that names none, in a test or an action.
  EXPECT_EQ(Compile("if pattern(~ X(+verb)) then ^(~(v))"), rule_result::kUnknownCategory);
  EXPECT_EQ(Compile("^(~(verb))"), rule_result::kUnknownCategory);
  // 8: five pattern items, five actions.
  EXPECT_EQ(Compile("if pattern(~ a b c d) then ^(~(v))"), rule_result::kTooMany);
  EXPECT_EQ(Compile("^(~(v), 1(n), 2(n), 3(n), 4(n))"), rule_result::kTooMany);
  // 10: everything else that is not the grammar.
  EXPECT_EQ(Compile("if (~) then ^(~(v))"), rule_result::kSyntax);
  EXPECT_EQ(Compile("if pattern() then ^(~(v))"), rule_result::kSyntax);
  EXPECT_EQ(Compile("if pattern(~ X(%v)) then ^(~(v))"), rule_result::kSyntax);
  EXPECT_EQ(Compile("^(~(v)"), rule_result::kSyntax);
  EXPECT_EQ(Compile("^(~(<x))"), rule_result::kSyntax);
  EXPECT_EQ(Compile("^()"), rule_result::kSyntax);
  EXPECT_EQ(Compile("error ( no end"), rule_result::kSyntax);
  // A block holds twelve statements; a thirteenth is refused.
  std::string twelve = "^(~(v))";
  for (int i = 1; i < 12; ++i) twelve += "; ^(~(v))";
  EXPECT_EQ(Compile(twelve), 0);
  EXPECT_EQ(Compile(twelve + "; ^(~(v))"), rule_result::kSyntax);
  // 11: nesting that outgrows the 16,384-byte arena.
  std::string deep;
  for (int i = 0; i < 600; ++i) deep += "if pattern(~ X(+n) Y(+v) Z(+adj)) then ";
  deep += "^(~(v))";
  EXPECT_EQ(Compile(deep), rule_result::kArenaFull);
}

TEST(RuleLanguage, TokensAndTheEndOfTheText) {
  // Any character outside the language ends the text: what comes before
  // still compiles.
  EXPECT_EQ(Compile("^(~(v)) # a comment"), 0);
  // Words keep apostrophes and only their first 31 characters.
  RuleInterpreter interp;
  RecordingHooks hooks;
  hooks.texts[2] = std::string(31, 'x');
  EXPECT_EQ(interp.RunRule(1, "if pattern(~ " + std::string(40, 'x') + ") then ^(~(v))", hooks), 0);
  EXPECT_EQ(hooks.calls.back(), "set:v@1");
}

TEST(RuleLanguage, IllegalIntegerIsReported) {
  RecordingHooks hooks;
  RuleInterpreter interp;
  EXPECT_EQ(interp.Compile("^(99999999999(v))", hooks), 0);
  ASSERT_EQ(hooks.errors.size(), 1u);
  EXPECT_EQ(hooks.errors[0], "illegal integer 99999999999");
}

TEST(RuleLanguage, PatternPositions) {
  RecordingHooks hooks;
  RuleInterpreter interp;
  // "~" in slot 0: the items after it test the following words.
  interp.RunRule(3, "if pattern( ~ X(+num) Y(+v) ) then ^(~(adv))", hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"cat@4"}));  // the first failing test ends it
  // "~" in slot 1: X tests the word before.
  hooks.calls.clear();
  interp.RunRule(3, "if pattern( X(*human) ~ ) then ^(~(adj))", hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"class5@2"}));
  // Numbers name their position; with "~" in slot 2 every item moves back
  // two places, numbered ones too.
  hooks.calls.clear();
  hooks.texts = {{3, "no"}};
  interp.RunRule(1, "if pattern( 2(=no) 3(&ING) ) then ^(~(v))", hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"word@3", "form@4"}));
  hooks.calls.clear();
  hooks.texts = {{2, "a"}, {3, "b"}};
  interp.RunRule(4, "if pattern( a b ~ ) then ^(~(v))", hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"word@2", "word@3", "set:v@4"}));
}

TEST(RuleLanguage, PositionsOutsideTheSentence) {
  RecordingHooks hooks;
  RuleInterpreter interp;
  // Before word 1 the byte sum wraps: position 0 and 255 are no words, and
  // the pattern fails there.
  EXPECT_EQ(interp.RunRule(1, "if pattern( X(+be) ~ ) then ^(~(adv))", hooks), 0);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"cat@0"}));
  hooks.calls.clear();
  interp.RunRule(1, "if pattern( 254(+be) ) then ^(~(adv))", hooks);
  EXPECT_EQ(hooks.calls, (std::vector<std::string>{"cat@255"}));
  // Actions go wherever they point; the hooks decide what that means.
  hooks.calls.clear();
  interp.RunRule(2, "^ (300(v), ~(<2), 1(=like), 1(>1))", hooks);
  EXPECT_EQ(hooks.calls,
            (std::vector<std::string>{"set:v@46", "delete2@2", "replace:like@3", "delete-1@3"}));
}

TEST(RuleLanguage, StatementsRunUntilOneIsDone) {
  RecordingHooks hooks;
  RuleInterpreter interp;
  hooks.texts = {{2, "the"}};
  // The first conditional fails and has no else: the next statement runs.
  EXPECT_EQ(interp.RunRule(1, "if pattern(~ of) then ^(~(n)); if pattern(~ the) then ^(~(that)); ^(~(v))", hooks),
            0);
  EXPECT_EQ(hooks.calls.back(), "set:that@1");
  // An error statement ends the run with 100.
  EXPECT_EQ(interp.RunRule(1, "if pattern(~ of) then ^(~(n)) else error(not here)", hooks),
            rule_result::kErrorStatement);
  // else binds to the nearest if.
  hooks.calls.clear();
  hooks.cats = {{2, cat::kBe}};
  interp.RunRule(1, "if pattern( ~ X(+be) ) then if pattern ( 2(=no) ) then ^(~(n)) else ^(~(there))", hooks);
  EXPECT_EQ(hooks.calls.back(), "set:there@1");
}

TEST(RuleLanguage, FormNames) {
  EXPECT_EQ(RuleFormMask("PAST"), wf::PAST);
  EXPECT_EQ(RuleFormMask("S"), wf::S);
  EXPECT_EQ(RuleFormMask("ABBR"), wf::ABBR);
  EXPECT_EQ(RuleFormMask("WF_VERB"), 0);  // not a name of the language
  EXPECT_EQ(RuleFormMask("ing"), 0);
}

}  // namespace
}  // namespace wb
