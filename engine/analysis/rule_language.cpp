#include "engine/analysis/rule_language.h"

#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <type_traits>

#include "engine/grammar/grammar.h"

namespace wb {

namespace {

// ---- the compiled rule -------------------------------------------------------

enum class TestKind : std::uint8_t { kNone, kWord, kCategory, kClass, kForm };

struct PatternItem {
  int pos = 0;  // relative to the rule's word
  TestKind kind = TestKind::kNone;
  int value = 0;          // category, class number or form mask
  std::string_view word;  // for a word test, copied into the arena
};

struct Pattern {
  int count = 0;
  PatternItem items[kMaxPatternItems];
};

enum class ActionKind : std::uint8_t { kCategory, kReplace, kDelete, kShiftRight };

struct Action {
  int pos = 0;
  ActionKind kind = ActionKind::kCategory;
  int value = 0;
  std::string_view word;
};

struct ActionList {
  int count = 0;
  Action actions[kMaxRuleActions];
};

struct Statement;

struct Conditional {
  const Pattern* pattern = nullptr;
  const Statement* then = nullptr;
  const Statement* otherwise = nullptr;  // may be none
};

enum class StatementKind : std::uint8_t { kConditional, kActions, kError };

struct Statement {
  StatementKind kind = StatementKind::kError;
  const Conditional* conditional = nullptr;
  const ActionList* actions = nullptr;
  std::string_view errorText;
};

struct Block {
  int count = 0;
  const Statement* statements[kMaxRuleStatements];
};

// ---- the arena -----------------------------------------------------------------

// A fixed block that compiled rules are built in; emptied before every
// compilation and never freed piece by piece.
class RuleArena {
 public:
  void Clear() { used_ = 0; }
  std::size_t Used() const { return used_; }

  // A zeroed T, or nullptr when the arena is full.
  template <typename T>
  T* New() {
    static_assert(std::is_trivially_destructible_v<T>, "arena objects are never destroyed");
    void* p = Take(sizeof(T), alignof(T));
    return p ? new (p) T{} : nullptr;
  }

  // A copy of s in the arena; false when it does not fit.
  bool Copy(std::string_view s, std::string_view& out) {
    char* p = static_cast<char*>(Take(s.size() == 0 ? 1 : s.size(), 1));
    if (p == nullptr) return false;
    if (!s.empty()) std::memcpy(p, s.data(), s.size());
    out = std::string_view(p, s.size());
    return true;
  }

 private:
  void* Take(std::size_t size, std::size_t align) {
    const std::size_t at = (used_ + align - 1) / align * align;
    if (at > kRuleArenaSize || size > kRuleArenaSize - at) return nullptr;
    used_ = at + size;
    return bytes_ + at;
  }

  alignas(std::max_align_t) unsigned char bytes_[kRuleArenaSize];
  std::size_t used_ = 0;
};

// ---- tokens --------------------------------------------------------------------

enum class TokenKind : std::uint8_t { kWord, kNumber, kChar, kEnd };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string_view text;  // a word or number, its first 31 characters
  char ch = 0;            // a single character

  bool IsWord(std::string_view w) const { return kind == TokenKind::kWord && text == w; }
  bool IsChar(char c) const { return kind == TokenKind::kChar && ch == c; }
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
bool IsRuleSpace(char c) { return c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == ' '; }
bool IsRuleChar(char c) { return std::strchr("&()*+,;<=>~", c) != nullptr && c != '\0'; }

class RuleLexer {
 public:
  void Init(std::string_view text) {
    text_ = text;
    pos_ = 0;
    pushed_ = false;
  }

  Token Next() {
    if (pushed_) {
      pushed_ = false;
      return back_;
    }
    while (pos_ < text_.size() && IsRuleSpace(text_[pos_])) ++pos_;
    Token t;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsLetter(c)) {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && (IsLetter(text_[pos_]) || IsDigitChar(text_[pos_]) || text_[pos_] == '\''))
        ++pos_;
      t.kind = TokenKind::kWord;
      t.text = text_.substr(start, std::min(pos_ - start, kRuleTokenMax));
    } else if (IsDigitChar(c)) {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && IsDigitChar(text_[pos_])) ++pos_;
      t.kind = TokenKind::kNumber;
      t.text = text_.substr(start, std::min(pos_ - start, kRuleTokenMax));
    } else if (c == '^') {
      ++pos_;
      t.kind = TokenKind::kWord;
      t.text = text_.substr(pos_ - 1, 1);
    } else if (IsRuleChar(c)) {
      ++pos_;
      t.kind = TokenKind::kChar;
      t.ch = c;
    } else {
      pos_ = text_.size();  // any other character ends the text
    }
    return t;
  }

  void Push(const Token& t) {
    back_ = t;
    pushed_ = true;
  }

  // The raw text up to the next ")", which is consumed; false when there is
  // none. Only called right after a token was taken (nothing pushed back).
  bool RawTextToParen(std::string_view& out) {
    const std::size_t end = text_.find(')', pos_);
    if (pushed_ || end == std::string_view::npos) return false;
    out = text_.substr(pos_, end - pos_);
    pos_ = end + 1;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  Token back_;
  bool pushed_ = false;
};

// ---- the compiler --------------------------------------------------------------

class RuleCompiler {
 public:
  RuleCompiler(RuleArena& arena, RuleHooks& hooks) : arena_(arena), hooks_(hooks) {}

  // The rule's statements, or nullptr with Error() set.
  const Block* Compile(std::string_view text) {
    lexer_.Init(text);
    return ParseRule();
  }
  int Error() const { return error_; }

 private:
  template <typename T>
  T* Fail(int error) {
    if (error_ == 0) error_ = error;
    return nullptr;
  }
  template <typename T>
  T* New() {
    T* p = arena_.New<T>();
    return p ? p : Fail<T>(rule_result::kArenaFull);
  }
  bool Refuse(int error) {
    Fail<void>(error);
    return false;
  }
  bool CopyWord(std::string_view s, std::string_view& out) {
    return arena_.Copy(s, out) || Refuse(rule_result::kArenaFull);
  }

  // A number as an integer; a number too long for one is reported and
  // counts as 0.
  int ToInt(std::string_view digits) {
    long long v = 0;
    for (char c : digits) {
      v = v * 10 + (c - '0');
      if (v > std::numeric_limits<int>::max()) {
        hooks_.ReportError("illegal integer " + std::string(digits));
        return 0;
      }
    }
    return static_cast<int>(v);
  }

  bool Expect(char c) {
    return lexer_.Next().IsChar(c) || Refuse(rule_result::kSyntax);
  }

  const Block* ParseRule();
  const Statement* ParseStatement();
  const Statement* ParseConditional();
  const Statement* ParseActions();
  const Statement* ParseError();
  const Pattern* ParsePattern();
  bool ParseTest(PatternItem& item);
  bool ParseAction(Action& a);

  RuleArena& arena_;
  RuleHooks& hooks_;
  RuleLexer lexer_;
  int error_ = 0;
};

const Block* RuleCompiler::ParseRule() {
  Block* block = New<Block>();
  if (block == nullptr) return nullptr;
  for (;;) {
    // A block holds twelve statements; a thirteenth is a syntax error rather
    // than a statement that silently never runs.
    if (block->count == kMaxRuleStatements) return Fail<Block>(rule_result::kSyntax);
    const Statement* s = ParseStatement();
    if (s == nullptr) return nullptr;
    block->statements[block->count++] = s;
    // Statements are separated by one token, in practice ";".
    if (lexer_.Next().kind == TokenKind::kEnd) return block;
  }
}

const Statement* RuleCompiler::ParseStatement() {
  const Token t = lexer_.Next();
  if (t.IsWord("if")) return ParseConditional();
  if (t.IsWord("^")) return ParseActions();
  if (t.IsWord("error")) return ParseError();
  return Fail<Statement>(rule_result::kNoStatement);
}

const Statement* RuleCompiler::ParseConditional() {
  if (!lexer_.Next().IsWord("pattern")) return Fail<Statement>(rule_result::kSyntax);
  const Pattern* pattern = ParsePattern();
  if (pattern == nullptr) return nullptr;
  if (!lexer_.Next().IsWord("then")) return Fail<Statement>(rule_result::kNoThen);
  const Statement* then = ParseStatement();
  if (then == nullptr) return nullptr;
  const Statement* otherwise = nullptr;
  const Token t = lexer_.Next();
  if (t.IsWord("else")) {
    otherwise = ParseStatement();
    if (otherwise == nullptr) return nullptr;
  } else {
    lexer_.Push(t);
  }
  Conditional* c = New<Conditional>();
  Statement* s = New<Statement>();
  if (c == nullptr || s == nullptr) return nullptr;
  *c = Conditional{pattern, then, otherwise};
  s->kind = StatementKind::kConditional;
  s->conditional = c;
  return s;
}

const Statement* RuleCompiler::ParseError() {
  std::string_view text;
  if (!Expect('(')) return nullptr;
  if (!lexer_.RawTextToParen(text)) return Fail<Statement>(rule_result::kSyntax);
  Statement* s = New<Statement>();
  if (s == nullptr || !CopyWord(text, s->errorText)) return nullptr;
  s->kind = StatementKind::kError;
  return s;
}

const Pattern* RuleCompiler::ParsePattern() {
  if (!Expect('(')) return nullptr;
  Pattern* p = New<Pattern>();
  if (p == nullptr) return nullptr;
  int tildeSlot = -1;
  for (int slot = 0;; ++slot) {
    Token t = lexer_.Next();
    if (t.IsChar(')')) {
      if (p->count == 0) return Fail<Pattern>(rule_result::kSyntax);
      break;
    }
    if (p->count == kMaxPatternItems) return Fail<Pattern>(rule_result::kTooMany);
    PatternItem item;
    item.pos = slot;
    if (t.kind == TokenKind::kNumber || t.kind == TokenKind::kWord) {
      // A word or number alone tests for its own text; a number also names
      // the position.
      if (t.kind == TokenKind::kNumber) item.pos = ToInt(t.text);
      item.kind = TestKind::kWord;
      if (!CopyWord(t.text, item.word)) return nullptr;
    } else if (t.IsChar('~')) {
      if (tildeSlot < 0) tildeSlot = slot;
    } else {
      return Fail<Pattern>(rule_result::kSyntax);
    }
    t = lexer_.Next();
    if (t.IsChar('(')) {
      if (!ParseTest(item)) return nullptr;
    } else {
      lexer_.Push(t);
    }
    p->items[p->count++] = item;
  }
  // Positions count from the rule's word: with "~" in slot a, every item
  // moves a places back.
  if (tildeSlot > 0)
    for (int k = 0; k < p->count; ++k) p->items[k].pos -= tildeSlot;
  return p;
}

// A test in parentheses, the "(" already taken.
bool RuleCompiler::ParseTest(PatternItem& item) {
  const Token kind = lexer_.Next();
  const Token value = lexer_.Next();
  if (kind.kind != TokenKind::kChar || value.kind != TokenKind::kWord) return Refuse(rule_result::kSyntax);
  switch (kind.ch) {
    case '+': {
      const Category c = CategoryCode(value.text);
      if (c == cat::kNone) return Refuse(rule_result::kUnknownCategory);
      item.kind = TestKind::kCategory;
      item.value = c;
      break;
    }
    case '*':
      item.kind = TestKind::kClass;
      item.value = hooks_.SemanticClassCode(value.text);
      break;
    case '&':
      item.kind = TestKind::kForm;
      item.value = RuleFormMask(value.text);
      break;
    case '=':
      item.kind = TestKind::kWord;
      if (!CopyWord(value.text, item.word)) return false;
      break;
    default:
      return Refuse(rule_result::kSyntax);
  }
  return Expect(')');
}

const Statement* RuleCompiler::ParseActions() {
  if (!Expect('(')) return nullptr;
  ActionList* list = New<ActionList>();
  if (list == nullptr) return nullptr;
  for (;;) {
    if (list->count == kMaxRuleActions) return Fail<Statement>(rule_result::kTooMany);
    if (!ParseAction(list->actions[list->count])) return nullptr;
    ++list->count;
    const Token t = lexer_.Next();
    if (t.IsChar(')')) break;
    if (!t.IsChar(',')) return Fail<Statement>(rule_result::kSyntax);
  }
  Statement* s = New<Statement>();
  if (s == nullptr) return nullptr;
  s->kind = StatementKind::kActions;
  s->actions = list;
  return s;
}

bool RuleCompiler::ParseAction(Action& a) {
  Token t = lexer_.Next();
  if (t.kind == TokenKind::kNumber)
    a.pos = ToInt(t.text);
  else if (!t.IsChar('~'))
    return Refuse(rule_result::kSyntax);
  if (!Expect('(')) return false;
  t = lexer_.Next();
  if (t.kind == TokenKind::kWord) {
    const Category c = CategoryCode(t.text);
    if (c == cat::kNone) return Refuse(rule_result::kUnknownCategory);
    a.kind = ActionKind::kCategory;
    a.value = c;
  } else if (t.IsChar('=')) {
    const Token w = lexer_.Next();
    if (w.kind != TokenKind::kWord) return Refuse(rule_result::kSyntax);
    a.kind = ActionKind::kReplace;
    if (!CopyWord(w.text, a.word)) return false;
  } else if (t.IsChar('<') || t.IsChar('>')) {
    const Token n = lexer_.Next();
    if (n.kind != TokenKind::kNumber) return Refuse(rule_result::kSyntax);
    a.kind = t.ch == '<' ? ActionKind::kDelete : ActionKind::kShiftRight;
    a.value = ToInt(n.text);
  } else {
    return Refuse(rule_result::kSyntax);
  }
  return Expect(')');
}

// ---- running -------------------------------------------------------------------

enum class Outcome { kNotDone, kDone, kError };

// The word a relative position names. The sum is taken in a byte, as the
// positions of the word table are: a position before the sentence wraps to
// a large one, which is no word either.
int At(int pos, int rel) {
  return static_cast<std::uint8_t>(static_cast<unsigned>(pos) + static_cast<unsigned>(rel));
}

bool Holds(const Pattern& p, int pos, const RuleHooks& h) {
  for (int k = 0; k < p.count; ++k) {
    const PatternItem& item = p.items[k];
    const int w = At(pos, item.pos);
    bool ok = true;
    switch (item.kind) {
      case TestKind::kNone: break;
      case TestKind::kWord: ok = h.IsWord(w, item.word); break;
      case TestKind::kCategory: ok = h.HasCategory(w, static_cast<Category>(item.value)); break;
      case TestKind::kClass: ok = h.HasClass(w, item.value); break;
      case TestKind::kForm: ok = h.HasForm(w, static_cast<WordFlags>(item.value)); break;
    }
    if (!ok) return false;
  }
  return true;
}

void Do(const Action& a, int pos, RuleHooks& h) {
  const int w = At(pos, a.pos);
  switch (a.kind) {
    case ActionKind::kCategory: h.SetCategory(w, static_cast<Category>(a.value)); break;
    case ActionKind::kReplace: h.ReplaceWord(w, a.word); break;
    case ActionKind::kDelete: h.DeleteWords(w, a.value); break;
    case ActionKind::kShiftRight: h.DeleteWords(w, -a.value); break;
  }
}

Outcome Run(const Statement& s, int pos, RuleHooks& h) {
  switch (s.kind) {
    case StatementKind::kConditional: {
      const Conditional& c = *s.conditional;
      if (Holds(*c.pattern, pos, h)) return Run(*c.then, pos, h);
      return c.otherwise ? Run(*c.otherwise, pos, h) : Outcome::kNotDone;
    }
    case StatementKind::kActions:
      for (int k = 0; k < s.actions->count; ++k) Do(s.actions->actions[k], pos, h);
      return Outcome::kDone;
    case StatementKind::kError:
      return Outcome::kError;
  }
  return Outcome::kNotDone;
}

}  // namespace

WordFlags RuleFormMask(std::string_view name) {
  static constexpr struct {
    std::string_view name;
    WordFlags mask;
  } kForms[] = {{"SINGULAR", wf::SINGULAR}, {"PLURAL", wf::PLURAL}, {"S", wf::S},     {"ING", wf::ING},
                {"EN", wf::EN},             {"ED", wf::ED},         {"PAST", wf::PAST}, {"BED", wf::BED},
                {"ER", wf::ER},             {"EST", wf::EST},       {"ABBR", wf::ABBR}};
  for (const auto& f : kForms)
    if (f.name == name) return f.mask;
  return 0;
}

struct RuleInterpreter::Impl {
  RuleArena arena;
  const Block* rule = nullptr;
};

RuleInterpreter::RuleInterpreter() : impl_(std::make_unique<Impl>()) {}
RuleInterpreter::~RuleInterpreter() = default;

int RuleInterpreter::Compile(std::string_view text, RuleHooks& hooks) {
  impl_->arena.Clear();
  RuleCompiler compiler(impl_->arena, hooks);
  impl_->rule = compiler.Compile(text);
  return impl_->rule ? rule_result::kDone : compiler.Error();
}

int RuleInterpreter::RunRule(int pos, std::string_view text, RuleHooks& hooks) {
  if (const int error = Compile(text, hooks); error != 0) return error;
  const Block& block = *impl_->rule;
  for (int k = 0; k < block.count; ++k) {
    switch (Run(*block.statements[k], pos, hooks)) {
      case Outcome::kDone: return rule_result::kDone;
      case Outcome::kError: return rule_result::kErrorStatement;
      case Outcome::kNotDone: break;
    }
  }
  return rule_result::kDone;
}

std::size_t RuleInterpreter::ArenaUsed() const { return impl_->arena.Used(); }

}  // namespace wb
