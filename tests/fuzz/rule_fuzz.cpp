// Arbitrary texts as word rules: the compiler never writes outside its
// 16,384-byte arena, never hangs, and answers 0 or one of its error numbers;
// a rule that compiles runs against a small sentence through hooks that
// check every position they are handed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/analysis/rule_language.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Six words; every question and action is checked for a position in a
// byte, and the deleted words are counted.
struct Hooks : wb::RuleHooks {
  int len = 6;
  bool In(int p) const { return p >= 1 && p <= len; }
  bool Valid(int p) const { return p >= 0 && p <= 255; }
  bool HasCategory(int p, wb::Category c) const override { return Check(Valid(p)), In(p) && c == (p % 20); }
  bool HasForm(int p, wb::WordFlags m) const override { return Check(Valid(p)), In(p) && (m & p) != 0; }
  bool IsWord(int p, std::string_view w) const override { return Check(Valid(p) && w.size() <= 31), In(p) && w.size() == 1; }
  bool ReplaceWord(int p, std::string_view w) override { return Check(Valid(p) && w.size() <= 31), In(p); }
  bool HasClass(int p, int c) const override { return Check(Valid(p)), In(p) && c == 0; }
  void SetCategory(int p, wb::Category) override { Check(Valid(p)); }
  void DeleteWords(int p, int k) override {
    Check(Valid(p));
    if (In(p) && k > 0) len -= k < len - p + 1 ? k : len - p + 1;
  }
  int SemanticClassCode(std::string_view name) const override { return name.size() % 7; }
  void ReportError(std::string_view m) override { Check(m.rfind("illegal integer ", 0) == 0); }
};

bool IsResult(int r) {
  switch (r) {
    case 0: case 3: case 4: case 6: case 8: case 10: case 11: case 100: return true;
    default: return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  static wb::RuleInterpreter interpreter;
  Hooks hooks;
  const int compiled = interpreter.Compile(text, hooks);
  Check(IsResult(compiled) && compiled != 100);
  Check(interpreter.ArenaUsed() <= wb::kRuleArenaSize);
  if (compiled == 0) {
    for (int pos : {1, 3, 6}) {
      Hooks run;
      Check(IsResult(interpreter.RunRule(pos, text, run)));
      Check(run.len >= 0 && run.len <= 6);
    }
  }
  return 0;
}
