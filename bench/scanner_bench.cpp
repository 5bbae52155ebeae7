// Scanner speed: tokens and words per second of NextToken over English text.
//
// The text is the FLORES development set when it can be found (the path in
// WB_BENCH_TEXT, or ../shared/eval beside the source tree), otherwise a
// generated text of similar shape.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/analysis/scanner.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty()) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> GeneratedLines() {
  static const char* const kWords[] = {
      "the",  "of",       "and",     "to",     "a",       "in",     "is",      "that",  "for",   "it",
      "was",  "on",       "with",    "he",     "as",      "they",   "at",      "be",    "this",  "from",
      "have", "research", "country", "people", "however", "U.S.",   "it's",    "John's", "1,000", "2020,",
      "(a)",  "--",       "well-known", "said", "\"news\"", "e.g.", "page?id=3", "cells", "using", "about"};
  std::mt19937 rng(97);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kWords / sizeof kWords[0] - 1);
  std::uniform_int_distribution<int> length(8, 30);
  std::vector<std::string> lines;
  for (int i = 0; i < 1000; ++i) {
    std::string line;
    for (int n = length(rng); n > 0; --n) {
      line += kWords[pick(rng)];
      line += n % 7 == 0 ? ", " : " ";
    }
    line += '.';
    lines.push_back(line);
  }
  return lines;
}

const std::vector<std::string>& Corpus() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> found;
    if (const char* env = std::getenv("WB_BENCH_TEXT")) found = ReadLines(env);
    if (found.empty()) {
      std::string here = __FILE__;
      std::string root = here.substr(0, here.rfind("/bench/"));
      found = ReadLines(root + "/../shared/eval/flores-dev.en.txt");
    }
    return found.empty() ? GeneratedLines() : found;
  }();
  return lines;
}

bool IsWord(const wb::Str255& t) {
  const char c = t[0];
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// One sentence at a time, the way the lexical stage uses the scanner.
void BM_NextTokenPerSentence(benchmark::State& state) {
  const auto& lines = Corpus();
  const wb::SeparatorSet seps = wb::LexicalSeparators();
  wb::Scanner scanner;
  wb::Str255 token;
  std::int64_t tokens = 0, words = 0, bytes = 0;
  for (auto _ : state) {
    for (const std::string& line : lines) {
      scanner.Init(line, seps);
      while (scanner.NextToken(token)) {
        ++tokens;
        words += IsWord(token);
        benchmark::DoNotOptimize(token);
      }
      bytes += static_cast<std::int64_t>(line.size());
    }
  }
  state.SetItemsProcessed(tokens);
  state.SetBytesProcessed(bytes);
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NextTokenPerSentence);

// The whole text as one string: no per-sentence set-up in the figure.
void BM_NextTokenWholeText(benchmark::State& state) {
  std::string text;
  for (const std::string& line : Corpus()) (text += line) += '\n';
  const wb::SeparatorSet seps = wb::LexicalSeparators();
  wb::Scanner scanner;
  wb::Str255 token;
  std::int64_t tokens = 0, words = 0;
  for (auto _ : state) {
    scanner.Init(text, seps);
    while (scanner.NextToken(token)) {
      ++tokens;
      words += IsWord(token);
      benchmark::DoNotOptimize(token);
    }
  }
  state.SetItemsProcessed(tokens);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
  state.counters["words/s"] = benchmark::Counter(static_cast<double>(words), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_NextTokenWholeText);

}  // namespace

BENCHMARK_MAIN();
