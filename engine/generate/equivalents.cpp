// The Chinese equivalent of a word: the sense the tree and the recent
// sentences ask for, with its text. Also the running topic and the context
// history that sense choice reads.

#include <array>
#include <string>

#include "engine/analysis/lexicon.h"
#include "engine/generate/chinese_text.h"
#include "engine/generate/generator.h"
#include "engine/grammar/sense.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

// Calls fn(sense) on each sense of the word at pos, in sense-table order.
template <typename Fn>
void ForEachSense(const SentenceState& s, int pos, Fn fn) {
  const WordRecord& w = s.words[static_cast<std::size_t>(pos)];
  for (int k = 0; k < w.senseCount; ++k) {
    const std::size_t at = static_cast<std::size_t>(w.firstSense) + static_cast<std::size_t>(k);
    if (at >= s.senseTable.size()) return;
    if (const Sense* x = s.senseTable[at]) fn(*x);
  }
}

bool IsPreferred(const NounFields& n) { return HasNounCode(n.codes, nc::kStar); }

// "28-year-old": an age in years written as one hyphenated word, 28岁 in
// Chinese. Empty when the word is no such age.
std::string AgeCompound(std::string_view word) {
  constexpr std::string_view kYearOld = "-year-old";
  if (word.size() <= kYearOld.size() || word.substr(word.size() - kYearOld.size()) != kYearOld) return {};
  const std::string_view number = word.substr(0, word.size() - kYearOld.size());
  if (number.size() > 3 || number.find_first_not_of("0123456789") != std::string_view::npos) return {};
  return std::string(number) + "\xCB\xEA";  // 岁
}

}  // namespace

std::string Generator::ChooseEquivalent(int pos, Category c, int required) {
  const WordRecord& w = Word(pos);
  if (c == cat::kN) Node(pos).genCode = 0;  // no classifier of its own until a sense is chosen

  // A multi-word phrase speaks for all its words.
  if (Node(pos).marks >= 8 && w.phraseEntry != nullptr) {
    for (const Sense& x : w.phraseEntry->senses)
      if (x.category != cat::kRef) return x.text;
  }
  // A word the lexicon does not know stands for itself, apart from what
  // follows; a word that stands for a made-up text (a wildcard phrase, a
  // date, a compound) gives that text.
  if ((w.flags & (wf::WF_NOTFOUND | wf::WF_MARKED)) != 0 || w.senseCount == 0) {
    std::string text(state_.textPool.Get(w.baseText));
    if (text.empty()) text = std::string(state_.textPool.Get(w.text));
    if (std::string age = AgeCompound(text); !age.empty()) return age;
    if (EndsInLetterOrDigit(text)) text += ' ';
    return text;
  }

  if (c == cat::kN) return NounEquivalent(pos, required);
  if (c == cat::kV) {
    VerbCodeChoice codes;
    codes.codes[0] = required;
    return VerbEquivalent(pos, codes);
  }
  const Sense* first = FirstSenseOf(pos, c);
  if (first == nullptr) {
    // The parse gave the word a category it has no sense of (a phrase node,
    // a category set by a rule): its first sense of any kind speaks for it.
    ForEachSense(state_, pos, [&](const Sense& x) {
      if (first == nullptr && x.category != cat::kRef) first = &x;
    });
    if (first == nullptr) return std::string(sentence_.WordText(pos));
    return first->text;
  }
  if (c == cat::kAdj || c == cat::kAdv) {
    // Degrees: 最 for the superlative, 更 for the comparative.
    if ((w.flags & wf::EST) != 0) return std::string(cn::kZui) + first->text;
    if ((w.flags & wf::ER) != 0) return std::string(cn::kGeng) + first->text;
  }
  return first->text;
}

// Nouns: the sense with the code the tree asks for (C for a plural, U for a
// bare singular); among several, one of the running topic at once, else the
// one whose context words were used most in the recent sentences, else the
// one marked preferred or without a domain. The chosen sense's classifier
// goes into the node for the determiner step.
const Sense* Generator::ChooseNounSense(int pos, int required) {
  int nounSenses = 0;
  ForEachSense(state_, pos, [&](const Sense& x) { nounSenses += x.category == cat::kN ? 1 : 0; });
  const Sense* chosen = nullptr;
  const Sense* firstNoun = nullptr;
  int bestScore = 0;
  bool done = false;
  ForEachSense(state_, pos, [&](const Sense& x) {
    const NounFields* n = x.Noun();
    if (done || x.category != cat::kN || n == nullptr) return;
    if (firstNoun == nullptr) firstNoun = &x;
    if (required != kAnyNounCode && !HasNounCode(n->codes, required)) return;
    if (memory_.topic.domain != 0 && n->domain == memory_.topic.domain) {
      chosen = &x;
      done = true;
      return;
    }
    if (nounSenses < 2) {
      chosen = &x;
      done = true;
      return;
    }
    if (!n->context.empty()) {
      // A context the recent sentences used wins over what came before it;
      // an unused one counts only where nothing was chosen yet.
      const int score = ContextCount(x);
      if (score > bestScore || chosen == nullptr) {
        bestScore = score;
        chosen = &x;
      }
      return;
    }
    if (chosen == nullptr) {
      chosen = &x;
      return;
    }
    const NounFields* cur = chosen->Noun();
    if (IsPreferred(*n) || (n->domain == 0 && cur->domain != 0 && !IsPreferred(*cur))) chosen = &x;
  });
  return chosen ? chosen : firstNoun;
}

std::string Generator::NounEquivalent(int pos, int required) {
  const Sense* s = ChooseNounSense(pos, required);
  if (s == nullptr) {
    // No noun sense at all (a word the parse made a noun): its first sense.
    const Sense* any = nullptr;
    ForEachSense(state_, pos, [&](const Sense& x) {
      if (any == nullptr && x.category != cat::kRef) any = &x;
    });
    return any ? any->text : std::string(sentence_.WordText(pos));
  }
  Node(pos).genCode = s->Noun()->classifier;
  return s->text;
}

// Verbs: the first sense that carries one of the codes, best code first; a
// sense without constraints wins over an earlier one with some. A verb
// whose senses carry none of the codes takes its first sense: a verb is
// never left out.
std::string Generator::VerbEquivalent(int pos, const VerbCodeChoice& codes) {
  // A phrasal verb the parse made one node ("looked for") is translated
  // from its phrase's entry (寻找).
  if (const LexEntry* phrase = Word(pos).phraseEntry; Node(pos).marks >= 8 && phrase != nullptr) {
    const Sense* firstVerb = nullptr;
    for (int code : codes.codes) {
      if (code < 0) continue;
      for (const Sense& x : phrase->senses) {
        const VerbFields* v = x.Verb();
        if (x.category != cat::kV || v == nullptr) continue;
        if (firstVerb == nullptr) firstVerb = &x;
        if (HasVerbCode(v->codes, code)) return x.text;
      }
    }
    if (firstVerb != nullptr) return firstVerb->text;
  }
  // A past form reached through a reference ("saw" of "see", "found" of
  // "find") is that verb: the senses of its own headword ("to saw" 锯) are
  // base forms, which a past form cannot be, and come second.
  const LexEntry* base = Word(pos).entry;
  const bool pastForm = (Flags(pos) & wf::PAST) != 0 && base != nullptr;
  auto ofBase = [&](const Sense& x) {
    return !pastForm || (!base->senses.empty() && &x >= &base->senses.front() && &x <= &base->senses.back());
  };
  if (pastForm) {
    const Sense* firstBase = nullptr;
    for (int code : codes.codes) {
      if (code < 0) continue;
      const Sense* chosen = nullptr;
      ForEachSense(state_, pos, [&](const Sense& x) {
        const VerbFields* v = x.Verb();
        if (x.category != cat::kV || v == nullptr || !ofBase(x)) return;
        if (firstBase == nullptr) firstBase = &x;
        if (!HasVerbCode(v->codes, code)) return;
        if (chosen == nullptr || (chosen->Verb()->constraintCount != 0 && v->constraintCount == 0)) chosen = &x;
      });
      if (chosen != nullptr) return chosen->text;
    }
    if (firstBase != nullptr) return firstBase->text;
  }
  const Sense* firstVerb = nullptr;
  for (int code : codes.codes) {
    if (code < 0) continue;
    const Sense* chosen = nullptr;
    ForEachSense(state_, pos, [&](const Sense& x) {
      const VerbFields* v = x.Verb();
      if (x.category != cat::kV || v == nullptr) return;
      if (firstVerb == nullptr) firstVerb = &x;
      if (!HasVerbCode(v->codes, code)) return;
      if (chosen == nullptr || (chosen->Verb()->constraintCount != 0 && v->constraintCount == 0)) chosen = &x;
    });
    if (chosen != nullptr) return chosen->text;
  }
  if (firstVerb == nullptr) firstVerb = FirstSenseOf(pos, cat::kV);
  if (firstVerb != nullptr) return firstVerb->text;
  const Sense* any = nullptr;
  ForEachSense(state_, pos, [&](const Sense& x) {
    if (any == nullptr && x.category != cat::kRef) any = &x;
  });
  return any ? any->text : std::string(sentence_.WordText(pos));
}

// How often the words of a sense's context were used in the recent
// sentences.
int Generator::ContextCount(const Sense& s) const {
  const NounFields* n = s.Noun();
  const Lexicon* lex = sentence_.LexiconInUse();
  if (n == nullptr || lex == nullptr) return 0;
  int count = 0;
  std::string_view rest = n->context;
  while (!rest.empty()) {
    const std::size_t blank = rest.find(' ');
    const std::string_view word = rest.substr(0, blank);
    rest = blank == std::string_view::npos ? std::string_view{} : rest.substr(blank + 1);
    if (word.empty()) continue;
    const Lexicon::WordLookup found = lex->LookupWord(word);
    if (found.found) count += memory_.history.Count(found.entry);
  }
  return count;
}

// The classifier the chosen noun sense names: 个 when it names none, nothing
// for a noun that measures itself ("-" in the lexicon's table: 三天, 两年).
std::string_view Generator::ClassifierText(int pos) const {
  const Lexicon* lex = sentence_.LexiconInUse();
  const int slot = Node(pos).genCode;
  if (lex == nullptr || slot == 0) return cn::kGe;
  const std::string_view name = lex->AuxName(slot);
  if (name == "-") return {};
  if (name.empty() || name == "???") return cn::kGe;
  return name;
}

// The topic: the domain most of this sentence's nouns belong to. Only a
// word whose noun senses all lie in one domain votes: a word of several
// domains ("bank") is what the topic is to decide, and would otherwise
// vote for its own first sense. The same domain strengthens the topic;
// another one takes over only when it is stronger than the topic has
// become, and otherwise weakens it.
void Generator::UpdateTopic() {
  std::array<std::uint8_t, 4> domains{};
  std::array<int, 4> counts{};
  int distinct = 0;
  for (int i = 1; i <= state_.sentenceLen; ++i) {
    if ((Word(i).flags & wf::WF_NOTFOUND) != 0) continue;
    std::uint8_t domain = 0;
    bool single = true;
    ForEachSense(state_, i, [&](const Sense& x) {
      const NounFields* n = x.Noun();
      if (x.category != cat::kN || n == nullptr || n->domain == 0) return;
      if (domain != 0 && n->domain != domain) single = false;
      domain = n->domain;
    });
    if (domain == 0 || !single) continue;
    bool counted = false;
    for (int k = 0; k < distinct; ++k)
      if (domains[static_cast<std::size_t>(k)] == domain) {
        ++counts[static_cast<std::size_t>(k)];
        counted = true;
      }
    if (!counted && distinct < 4) {
      domains[static_cast<std::size_t>(distinct)] = domain;
      counts[static_cast<std::size_t>(distinct)] = 1;
      ++distinct;
    }
  }
  if (distinct == 0) return;
  int best = 0;
  for (int k = 1; k < distinct; ++k)
    if (counts[static_cast<std::size_t>(k)] > counts[static_cast<std::size_t>(best)]) best = k;
  const std::uint8_t domain = domains[static_cast<std::size_t>(best)];
  const int count = counts[static_cast<std::size_t>(best)];
  Topic& t = memory_.topic;
  if (domain == t.domain) {
    t.strength += count;
  } else if (count > t.strength) {
    t.domain = domain;
    t.strength = count;
  } else {
    t.strength -= count;
  }
}

// The sentence's adjectives, nouns and verbs join the history, after an
// empty place that parts them from the sentence before.
void Generator::PushContext() {
  memory_.history.Push(nullptr);
  for (int i = 1; i <= state_.sentenceLen; ++i) {
    const Category c = Node(i).category;
    if ((c == cat::kAdj || c == cat::kN || c == cat::kV) && Known(i)) memory_.history.Push(Word(i).entry);
  }
}

}  // namespace wb
