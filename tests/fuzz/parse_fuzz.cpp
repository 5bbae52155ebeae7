// Arbitrary sentences through the whole pipeline up to and past the parser,
// over the shipped lexicon (LEXICON.MTX beside the program; the test
// lexicon when it is missing). After every piece of every sentence the
// chosen tree must hold: every head in range, no cycle, at most seven
// dependents per node, each list agreeing with the heads, each word's node
// of a category the word may have. The pieces of the sentence must follow
// one another without gap or overlap to its end, each with all its tokens
// taken (no word is lost, none read twice), and no control byte may reach
// the output.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "tests/lexicon_fixture.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

wb::Lexicon* shipped = nullptr;

void CheckTree(const wb::Engine& e) {
  const wb::SentenceState& s = e.State();
  const wb::ParseBuffer& t = e.Parse().Chosen();
  const int n = s.sentenceLen;
  Check(n >= 0 && n <= wb::kMaxSentenceWords);
  for (int p = 1; p <= n; ++p) {
    const wb::DepNode& node = t[p];
    Check(node.head <= n && node.head != p);
    Check(node.depCount <= wb::MAXDNO);
    for (int k = 0; k < node.depCount; ++k) {
      const int d = node.deps[static_cast<std::size_t>(k)];
      Check(d >= 1 && d <= n && t[d].head == p);
    }
    int q = p, steps = 0;
    while (t[q].head != 0 && steps <= n) q = t[q].head, ++steps;
    Check(steps <= n);  // acyclic
    const wb::WordRecord& w = s.words[static_cast<std::size_t>(p)];
    bool listed = node.marks >= 8;  // a phrase node takes its phrase's category
    for (int k = 1; k <= w.catCount; ++k) listed = listed || w.cats[static_cast<std::size_t>(k)] == node.category;
    Check(listed);
  }
}

// The text the pipeline scans: the sentence without its trailing blanks, a
// closing quote and its closing mark (a run of full stops), as the entry
// takes them off.
std::string WithoutEnd(std::string_view s) {
  std::string w(s);
  auto trim = [&w] { while (!w.empty() && w.back() == ' ') w.pop_back(); };
  trim();
  if (!w.empty() && w.back() == '"') w.pop_back(), trim();
  if (!w.empty() && std::string_view("!,.:?@|").find(w.back()) != std::string_view::npos) {
    w.pop_back();
    while (!w.empty() && w.back() == '.') w.pop_back();
  }
  return w;
}

bool OnlySeparators(std::string_view s) {
  for (char c : s)
    if (c != ' ' && c != '\t' && c != '\n' && c != '\v' && c != '\f' && c != '\r') return false;
  return true;
}

// The pieces of the sentence in hand, in order.
std::vector<wb::Engine::PieceSpan> pieces;

void CheckPiece(const wb::Engine& e) {
  pieces.push_back(e.Piece());
  CheckTree(e);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** argv) {
  const std::filesystem::path file = std::filesystem::path((*argv)[0]).parent_path() / "LEXICON.MTX";
  static wb::Lexicon lexicon;
  std::string error;
  if (lexicon.LoadFile(file.string(), &error)) shipped = &lexicon;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size < 2000 ? size : 2000);
  static wb::Engine engine(shipped ? shipped : &wb::fixture::FixtureLexicon());
  static bool ready = false;
  if (!ready) {
    engine.SetPieceObserver(CheckPiece);
    ready = true;
  }
  pieces.clear();
  const wb::Engine::Translation t = engine.TranslateText(text);
  for (char c : t.text) Check(static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n');
  // A piece given up on keeps its English and calls no observer; otherwise
  // the pieces follow one another, whole, to the end of the sentence.
  if (t.failedPieces == 0 && !text.empty()) {
    const std::string scanned = WithoutEnd(text);
    std::size_t covered = 0;
    for (const wb::Engine::PieceSpan& p : pieces) {
      Check(p.begin == covered && p.end >= p.begin && p.whole);
      covered = p.end;
    }
    Check(covered <= scanned.size() && OnlySeparators(std::string_view(scanned).substr(covered)));
  }
  return 0;
}
