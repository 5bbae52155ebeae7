#include "engine/parse/parser.h"

#include <algorithm>

#include "engine/analysis/lexicon.h"
#include "engine/parse/word_queries.h"

namespace wb {

namespace {

constexpr CategorySet kFunctionHeads =
    MakeCategorySet(cat::kConj, cat::kPrep, cat::kThat, cat::kTo, cat::kWh, cat::kAnd);
constexpr CategorySet kHeadSearchStops =
    MakeCategorySet(cat::kBe, cat::kConj, cat::kPrep, cat::kThat, cat::kTo, cat::kWh, cat::kAnd);
// What may not follow a determiner.
constexpr CategorySet kNotAfterDet = MakeCategorySet(cat::kAux, cat::kConj, cat::kPrep, cat::kPron, cat::kThat);

bool In(CategorySet set, Category c) { return (set & CatBit(c)) != 0; }

using Visited = std::uint64_t;  // one bit per position
Visited Bit(int pos) { return Visited{1} << pos; }

}  // namespace

Parser::Parser(SentenceContext& sentence)
    : sentence_(sentence), link_(sentence), pool_(kWorkBuffers) {
  fragments_.reserve(kMaxWords);
}

Category Parser::WordCategory(int pos, int k) const {
  return sentence_.State().words[static_cast<std::size_t>(pos)].cats[static_cast<std::size_t>(k)];
}

ParseBuffer* Parser::TakeBuffer() {
  if (free_ == 0) {
    sink_.Diagnose(kDiagNoBuffer);
    return nullptr;
  }
  return &pool_[static_cast<std::size_t>(--free_)];
}

bool Parser::Saturated(int pos) const {
  const ParseBuffer& t = *current_;
  const DepNode& n = t[pos];
  switch (n.category) {
    case cat::kPrep: {
      if (n.depCount > 0) return true;
      // "the house which I live in": the preposition's object is the
      // wh-word above it.
      const int v = n.head, w = t[v].head, p = t[w].head;
      return v != 0 && t[v].category == cat::kV && w != 0 && t[w].category == cat::kWh && p != 0 &&
             t[p].category == cat::kPrep;
    }
    case cat::kWh: return HasDepWithRelation(t, pos, rclause);
    case cat::kAnd: return HasDepWithRelation(t, pos, rcon);
    default: return n.depCount > 0;
  }
}

// ---- the sentence and its fragments ------------------------------------------

void Parser::ParseSentence() {
  const SentenceState& s = sentence_.State();
  const long long dryBefore = sink_.Totals().poolDry;
  chosen_ = ParseBuffer{};
  fragments_.clear();
  if (s.sentenceLen < 1) return;
  Start(1);
  for (int j = 2; j <= s.sentenceLen; ++j) {
    if (Extend(j)) continue;
    // No alternative survives word j: what came before is one fragment, and
    // the parse starts again at j.
    span_.last = j - 1;
    Finish();
    Start(j);
  }
  span_.last = s.sentenceLen;
  Finish();

  ++stats_.sentences;
  stats_.fragments += static_cast<long long>(fragments_.size());
  if (fragments_.size() > 1) ++stats_.cutSentences;
  if (CountRoots(chosen_, ParseSpan{1, s.sentenceLen}) == 1) ++stats_.singleRoot;
  if (sink_.Totals().poolDry != dryBefore) ++stats_.poolDrySentences;
}

// Selection for the fragment just parsed; its best parse joins the chosen
// tree.
void Parser::Finish() {
  ParseFragment& f = fragments_.emplace_back();
  f.span = span_;
  f.count = keptCount_;
  std::copy_n(kept_.begin(), keptCount_, f.parses.begin());
  SelectBestParse(sentence_.State(), std::span(f.parses.data(), static_cast<std::size_t>(f.count)), span_);
  if (f.count == 0) return;
  const ParseBuffer& best = f.parses[0].tree;
  for (int p = span_.first; p <= span_.last; ++p) chosen_[p] = best[p];
}

// Step 1: one kept parse for each category of the fragment's first word.
void Parser::Start(int first) {
  SentenceState& s = sentence_.State();
  span_ = ParseSpan{first, s.sentenceLen};
  word_ = first;
  link_.SetSpan(span_);
  const WordRecord& w = s.words[static_cast<std::size_t>(first)];
  keptCount_ = std::min<int>(w.catCount, kMaxCats);
  for (int k = 0; k < keptCount_; ++k) {
    ScoredParse& p = kept_[static_cast<std::size_t>(k)];
    p.tree = ParseBuffer{};
    const Category c = w.cats[static_cast<std::size_t>(k + 1)];
    p.tree[first].category = c;
    p.score = s.endPunct == '?' && c == cat::kAux ? 2 : 0;
    if (c == cat::kQuote) s.outsideQuotes = !s.outsideQuotes;
  }
}

// Steps 2 to 5: every kept parse extended by word j; false when none
// survives.
bool Parser::Extend(int j) {
  SentenceState& s = sentence_.State();
  word_ = j;
  free_ = kWorkBuffers;
  candidateCount_ = 0;
  const WordRecord& w = s.words[static_cast<std::size_t>(j)];
  if (w.catCount > 0 && w.cats[1] == cat::kQuote) s.outsideQuotes = !s.outsideQuotes;
  for (int k = 0; k < keptCount_; ++k) {
    PhraseStep(k, j);
    for (int m = 1; m <= w.catCount && m <= kMaxCats; ++m) CategoryStep(k, j, WordCategory(j, m));
  }
  if (candidateCount_ == 0) return false;
  keptCount_ = std::min(candidateCount_, kKeptParses);
  for (int k = 0; k < keptCount_; ++k) {
    kept_[static_cast<std::size_t>(k)].tree = *candidates_[static_cast<std::size_t>(k)].tree;
    kept_[static_cast<std::size_t>(k)].score = candidates_[static_cast<std::size_t>(k)].score;
  }
  return true;
}

// Step 3: word j closes a multi-word phrase of the lexicon. The phrase's
// words hang from j, which takes the phrase's category; then j looks for
// its dependents and its head before the phrase.
//
// Decision: dependents the phrase's words took from outside the phrase go
// over to j with their relations. Taking only phrases whose words have no
// dependents would leave out the common case: in "I look after him" the
// subject has hung from "look" since "look" was read.
void Parser::PhraseStep(int k, int j) {
  const WordRecord& w = sentence_.State().words[static_cast<std::size_t>(j)];
  const int s = w.phraseLen;
  if (s == 0 || j - s < span_.first || w.phraseEntry == nullptr || w.phraseEntry->senses.empty()) return;
  ParseBuffer* b = TakeBuffer();
  if (b == nullptr) return;
  *b = kept_[static_cast<std::size_t>(k)].tree;
  ParseBuffer& t = *b;
  t[j] = DepNode{};
  t[j].category = w.phraseEntry->senses[0].category;
  t[j].marks = 8;
  for (int p = j - s; p < j; ++p) {
    while (t[p].depCount > 0) {
      const int d = t[p].deps[static_cast<std::size_t>(t[p].depCount - 1)];
      Detach(t, d, p);
      t[d].head = 0;
      if (d < j - s || d > j) Attach(t, d, j, t[d].relation, sink_);
    }
  }
  for (int p = j - s; p < j; ++p) HangUnder(t, p, j, rfuzzy);
  current_ = b;
  LeftDependentStep(j, j - s - 1, kept_[static_cast<std::size_t>(k)].score, 0);
}

// Step 4: word j as category m, on top of kept parse k.
void Parser::CategoryStep(int k, int j, Category m) {
  const WordRecord& w = sentence_.State().words[static_cast<std::size_t>(j)];
  const ScoredParse& kept = kept_[static_cast<std::size_t>(k)];
  if (j - 1 >= span_.first && kept.tree[j - 1].category == cat::kDet &&
      (In(kNotAfterDet, m) || (m == cat::kV && w.flags == wf::WF_VERB)))
    return;
  ParseBuffer* b = TakeBuffer();
  if (b == nullptr) return;
  *b = kept.tree;
  (*b)[j] = DepNode{};
  (*b)[j].category = m;
  current_ = b;
  const int running = w.prefCat != 0 && m == w.prefCat ? w.prefScore : 0;
  if (m == cat::kAnd) {
    Coordination(j, kept.score + running);
  } else if (m == cat::kQuote) {
    if (!sentence_.State().outsideQuotes)
      Store(b, kept.score + running);  // an opening mark
    else
      CloseQuote(j, kept.score, running);
  } else if (m == cat::kComma && sentence_.WordText(j) == ")") {
    CloseBracket(j, kept.score, running);
  } else {
    LeftDependentStep(j, j - 1, kept.score, running);
  }
}

// Step 6: earlier roots become dependents of x, nearest first; the walk
// passes over words that already have a head, up to a function word still
// waiting for its complement. A doubtful link keeps the parse without it,
// which ends here. Then x looks for its head (step 7).
void Parser::LeftDependentStep(int x, int from, int base, int running) {
  for (int i = from; i >= span_.first; --i) {
    ParseBuffer& t = *current_;
    if (t[i].head != 0) {
      if (In(kFunctionHeads, t[i].category) && !Saturated(i)) break;
      continue;
    }
    LinkVerdict v = link_.Allowed(t, i, x, t[i].category, t[x].category);
    if (!v.allowed) break;
    if (v.fork != 1) {
      if (ParseBuffer* copy = TakeBuffer()) {
        *copy = t;
        HeadStep(x, from, base + running + (v.fork == 2 ? v.score : 0));
        if (v.fork == 2) v.score = 0;
        current_ = copy;
      }
    }
    running += v.score + (x - i - 1);
    Attach(*current_, i, x, v.relation, sink_);
  }
  HeadStep(x, from, base + running);
}

bool Parser::ClosesHeadSearch(int x, int h) const {
  const ParseBuffer& t = *current_;
  if (In(kHeadSearchStops, t[h].category) && !Saturated(h)) return true;
  // A noun goes no higher than a verb that is a root, or that is a
  // conjunct of a verb.
  if (t[x].category != cat::kN || t[h].category != cat::kV) return false;
  const int a = t[h].head;
  if (a == 0) return true;
  if (t[a].category != cat::kAnd) return false;
  const int g = t[a].head;
  return g != 0 && (t[g].category == cat::kV || t[g].category == cat::kBe);
}

// Step 7: x looks for its head, climbing the chain of heads from the word
// before it (x's own dependents are passed over). Every allowed link is
// stored as a candidate; a doubtful one goes on searching without the link.
// When the search ends unlinked, x stays a root.
void Parser::HeadStep(int x, int from, int score) {
  Visited visited = Bit(x);
  int h = from;
  while (h >= span_.first && h >= 1) {
    ParseBuffer& t = *current_;
    if (t[h].head != 0 && (visited & Bit(t[h].head)) != 0) {
      visited |= Bit(h);
      --h;
      continue;
    }
    const LinkVerdict v = link_.Allowed(t, x, h, t[x].category, t[h].category);
    if (v.allowed) {
      ParseBuffer* copy = v.fork == 1 ? nullptr : TakeBuffer();
      if (copy != nullptr) *copy = t;
      Attach(t, x, h, v.relation, sink_);
      Store(&t, score + v.score);
      if (copy == nullptr) return;
      current_ = copy;
    }
    if (ClosesHeadSearch(x, h)) break;
    visited |= Bit(h);
    h = current_->nodes[static_cast<std::size_t>(h)].category == cat::kBoth ? h - 1 : (*current_)[h].head;
  }
  Store(current_, score);
}

// Step 8: "and" takes a first conjunct from the chain of heads before it,
// the nearest word of each category in turn; a root comma before it closes a
// list instead.
void Parser::Coordination(int j, int score) {
  CategorySet tried = CatBit(cat::kAnd);
  int a = j - 1;
  while (a >= span_.first && a >= 1) {
    ParseBuffer& t = *current_;
    if (t[a].head == 0 && sentence_.WordText(a) == "," && t[a].marks == 0 && a > span_.first && CommaList(a, j)) {
      Store(current_, score);
      return;
    }
    const int c = a;
    a = t[c].head;
    if ((tried & CatBit(t[c].category)) != 0) continue;
    tried |= CatBit(t[c].category);
    ParseBuffer* before = a != 0 ? TakeBuffer() : nullptr;
    if (before != nullptr) *before = t;
    SetPartner(t, c, j);
    if (c - 1 >= span_.first && t[c - 1].category == cat::kBoth && t[c - 1].head == 0)
      Attach(t, c - 1, c, rmod, sink_);
    Store(current_, score);
    if (before == nullptr) return;
    current_ = before;
  }
}

// A list "A, B, C, and": the roots before the comma alternate between items
// of one category and unmarked commas. Each item takes the comma after it as
// its partner, each later item hangs from the comma before it, and "and"
// closes the list. False when no item stands before the comma.
bool Parser::CommaList(int comma, int j) {
  ParseBuffer& t = *current_;
  std::array<int, kMaxWords + 1> seq{};  // roots from the comma back, nearest first
  int n = 0;
  bool lastWasItem = false;
  Category item = cat::kNone;
  for (int p = comma - 1; p >= span_.first; --p) {
    if (t[p].head != 0) continue;
    const bool isComma = sentence_.WordText(p) == "," && t[p].marks == 0;
    if (isComma) {
      if (!lastWasItem) break;
    } else {
      if (lastWasItem) break;  // two items in a row
      if (item == cat::kNone) item = t[p].category;
      if (t[p].category != item) break;
    }
    seq[static_cast<std::size_t>(n++)] = p;
    lastWasItem = !isComma;
  }
  if (n > 0 && !lastWasItem) --n;  // the list starts with an item
  if (n == 0) return false;
  // Forward: item, comma, item, ..., item, then the closing comma.
  for (int q = n - 1; q >= 0; q -= 2) {
    const int it = seq[static_cast<std::size_t>(q)];
    const int after = q >= 1 ? seq[static_cast<std::size_t>(q - 1)] : comma;
    SetPartner(t, it, after);
    if (q >= 2) Attach(t, seq[static_cast<std::size_t>(q - 2)], after, rcon, sink_);
  }
  if (comma == j - 1) {
    Attach(t, comma, j, rmod, sink_);
    SetPartner(t, seq[0], j);
  }
  return true;
}

// A closing quotation mark: the one root between the marks takes both, and
// then looks for its dependents and its head before the opening mark. Any
// other number of roots drops this alternative.
void Parser::CloseQuote(int j, int base, int running) {
  ParseBuffer& t = *current_;
  int open = j - 1;
  while (open >= span_.first && t[open].category != cat::kQuote) --open;
  if (open < span_.first) return;
  int root = 0, roots = 0;
  for (int p = open + 1; p < j; ++p)
    if (t[p].head == 0) {
      root = p;
      ++roots;
    }
  if (roots != 1) return;
  Enclose(t, open, j, root);
  LeftDependentStep(root, open - 1, base, running);
}

// A closing bracket: as a quotation mark, with one mark more for the root
// ("(...)" rather than quotes); without its pair or its one root the
// bracket stays a root.
void Parser::CloseBracket(int j, int base, int running) {
  ParseBuffer& t = *current_;
  int open = j - 1;
  while (open >= span_.first && sentence_.WordText(open) != "(") --open;
  int root = 0, roots = 0;
  for (int p = open + 1; open >= span_.first && p < j; ++p)
    if (t[p].head == 0) {
      root = p;
      ++roots;
    }
  if (open < span_.first || roots != 1) {
    Store(current_, base + running);
    return;
  }
  ++t[root].marks;
  Enclose(t, open, j, root);
  LeftDependentStep(root, open - 1, base, running);
}

// Step 9: every root costs a point, except a conjunction that holds its
// clause; the list stays sorted, best first, equal scores in arrival order.
void Parser::Store(ParseBuffer* tree, int score) {
  for (int p = span_.first; p <= word_; ++p) {
    const DepNode& n = (*tree)[p];
    if (n.head == 0 && !(n.category == cat::kConj && n.depCount > 0)) --score;
  }
  int at = 0;
  while (at < candidateCount_ && candidates_[static_cast<std::size_t>(at)].score >= score) ++at;
  if (at >= kParseCandidates) return;
  const int end = std::min(candidateCount_, kParseCandidates - 1);
  for (int q = end; q > at; --q) candidates_[static_cast<std::size_t>(q)] = candidates_[static_cast<std::size_t>(q - 1)];
  candidates_[static_cast<std::size_t>(at)] = Candidate{tree, score};
  if (candidateCount_ < kParseCandidates) ++candidateCount_;
}

}  // namespace wb
