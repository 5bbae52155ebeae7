// Parser and whole-pipeline speed over the development sets, single
// threaded, with the shipped lexicon.
//
//   pipeline/<set>  every sentence through every stage (lexical stage, word
//                   rules, parse, selection, the stand-in generation), as
//                   `wenb97 sentence` runs it: words per second
//   parser/<set>    the parse and selection alone, over the word tables the
//                   earlier stages left for each sentence: words per second
//
// The pipeline runs also count, per parse (one per sentence, or per piece of
// a sentence longer than the word table): the share whose chosen parse has
// exactly one root (one_root), during which the work buffers ran dry
// (pool_dry), and that the parse cut into fragments (cut); and the pieces
// per sentence.
//
// A word is a blank-separated word of the text, as `wc -w` counts them. The
// lexicon is LEXICON.MTX beside the program (WB_BENCH_LEXICON names
// another); the sets are looked for in WB_EVAL_DIR, else in shared/eval
// above the source tree. Without them the benchmarks are skipped.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/analysis/lexicon.h"
#include "engine/engine.h"

namespace {

namespace fs = std::filesystem;

std::string FindEvalDir() {
  if (const char* env = std::getenv("WB_EVAL_DIR")) return env;
  fs::path here = fs::path(__FILE__).parent_path();
  for (int up = 0; up < 4; ++up, here = here.parent_path())
    if (fs::exists(here / "shared" / "eval")) return (here / "shared" / "eval").string();
  return {};
}

struct Text {
  std::vector<std::string> lines;
  long long words = 0;
};

Text ReadText(const std::string& name) {
  Text t;
  std::ifstream in(fs::path(FindEvalDir()) / name);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream w(line);
    std::string word;
    while (w >> word) ++t.words;
    t.lines.push_back(line);
  }
  return t;
}

const wb::Lexicon* ShippedLexicon() {
  static wb::Lexicon lexicon;
  static bool ok = [] {
    const char* env = std::getenv("WB_BENCH_LEXICON");
    const std::string path = env ? env : (fs::read_symlink("/proc/self/exe").parent_path() / "LEXICON.MTX").string();
    std::string error;
    return lexicon.LoadFile(path, &error);
  }();
  return ok ? &lexicon : nullptr;
}

void Pipeline(benchmark::State& state, const char* set) {
  const Text text = ReadText(set);
  const wb::Lexicon* lexicon = ShippedLexicon();
  if (text.lines.empty() || lexicon == nullptr) {
    state.SkipWithError("development set or LEXICON.MTX not found");
    return;
  }
  wb::Engine engine(lexicon);
  long long words = 0, sentences = 0;
  for (auto _ : state) {
    for (const std::string& line : text.lines) benchmark::DoNotOptimize(engine.TranslateText(line));
    words += text.words;
    sentences += static_cast<long long>(text.lines.size());
  }
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
  const wb::ParseStats& s = engine.Parse().Stats();
  const double parses = s.sentences > 0 ? static_cast<double>(s.sentences) : 1.0;
  state.counters["one_root"] = static_cast<double>(s.singleRoot) / parses;
  state.counters["pool_dry"] = static_cast<double>(s.poolDrySentences) / parses;
  state.counters["cut"] = static_cast<double>(s.cutSentences) / parses;
  state.counters["pieces"] = parses / static_cast<double>(sentences > 0 ? sentences : 1);
}

void ParserAlone(benchmark::State& state, const char* set) {
  const Text text = ReadText(set);
  const wb::Lexicon* lexicon = ShippedLexicon();
  if (text.lines.empty() || lexicon == nullptr) {
    state.SkipWithError("development set or LEXICON.MTX not found");
    return;
  }
  wb::Engine engine(lexicon);
  // The word tables each piece reached the parse with.
  std::vector<wb::SentenceState> tables;
  engine.SetPieceObserver([&tables](const wb::Engine& e) { tables.push_back(e.State()); });
  for (const std::string& line : text.lines) engine.TranslateText(line);
  engine.SetPieceObserver(nullptr);
  long long words = 0;
  for (auto _ : state) {
    for (const wb::SentenceState& t : tables) {
      engine.State() = t;
      engine.Parse().ParseSentence();
      benchmark::DoNotOptimize(engine.Parse().Chosen());
    }
    words += text.words;
  }
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(Pipeline, flores, "flores-dev.en.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Pipeline, tatoeba, "tatoeba-dev.en.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParserAlone, flores, "flores-dev.en.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParserAlone, tatoeba, "tatoeba-dev.en.txt")->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
