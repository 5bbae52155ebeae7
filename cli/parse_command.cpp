#include "cli/parse_command.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <string_view>

#include "cli/data_files.h"
#include "cli/encoding.h"
#include "engine/analysis/lexicon.h"
#include "engine/engine.h"
#include "engine/parse/parse_format.h"

namespace wb {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitOutput = 4;
constexpr int kExitDataFile = 5;

void PrintDiagnostic(std::string_view m) {
  std::fprintf(stderr, "wenb97: engine: %.*s\n", static_cast<int>(m.size()), m.data());
}

}  // namespace

const char* ParseCommandHelp() {
  return "usage: wenb97 parse [TEXT...] [OPTIONS]\n"
         "\n"
         "For each TEXT argument, or each line of standard input when there is none,\n"
         "prints the parse the engine chooses, as tab-separated lines under a header:\n"
         "position, word, category, head (the position of the word it depends on, 0\n"
         "for a root), relation to the head (\"-\" for a root) and marks (8 for a\n"
         "multi-word phrase; raised by one for a root enclosed in quotes, by two in\n"
         "brackets). A sentence the parse had to cut is listed with a line\n"
         "\"# fragment N: words A-B\" for each fragment. A sentence with more words\n"
         "than the engine's word table holds (49) is parsed in pieces, each after a\n"
         "line \"# piece N\". A blank line separates sentences.\n"
         "\n"
         "options:\n"
         "  --all                 every parse kept to the end, the chosen one first,\n"
         "                        each after a line \"# parse N: score S, roots R\"\n"
         "                        (the score and root count selection weighed)\n"
         "  --tree                draw each parse as a tree: one word per line, each\n"
         "                        dependent two blanks further in than its head\n"
         "  --encoding utf-8|gbk  output encoding (default utf-8)\n"
         "  --verbose             show the engine's messages on standard error\n"
         "  -h, --help            show this help\n";
}

bool ReadParseCommandArgs(int argc, char** argv, ParseCommandOptions& o, std::string& error) {
  CLI::App app("wenb97 parse", "wenb97 parse");
  app.set_help_flag();  // the command's own help text
  app.add_flag("-h,--help", o.help);
  app.add_flag("--all", o.all);
  app.add_flag("--tree", o.tree);
  app.add_flag("-v,--verbose", o.verbose);
  std::string encoding = "utf-8";
  app.add_option("--encoding", encoding)->check(CLI::IsMember({"utf-8", "UTF-8", "utf8", "gbk", "GBK"}));
  app.add_option("texts", o.texts);
  app.allow_extras(false);
  try {
    std::vector<std::string> args;
    for (int i = argc - 1; i >= 0; --i) args.emplace_back(argv[i]);  // CLI11 takes them in reverse
    app.parse(args);
  } catch (const CLI::ParseError& e) {
    error = e.what();
    return false;
  }
  o.gbk = encoding == "gbk" || encoding == "GBK";
  return true;
}

int RunParseCommand(const ParseCommandOptions& o, const char* argv0) {
  Lexicon lexicon;
  std::string error;
  if (o.verbose) lexicon.SetDiagnostics(PrintDiagnostic);
  if (!lexicon.LoadFile(DataDirectory(argv0) + std::string(kLexiconFileName), &error)) {
    std::fprintf(stderr, "wenb97: %s\n", error.c_str());
    return kExitDataFile;
  }
  Engine engine(&lexicon);
  if (o.verbose) engine.SetDiagnostics(PrintDiagnostic);
  const ParseTextOptions format{o.all, o.tree};
  Utf8ToEngine toEngine;
  bool first = true;
  // A sentence longer than the word table comes in pieces, each with its
  // own parse: each is written as it is done.
  int piece = 0;
  std::string pending;
  engine.SetPieceObserver([&](const Engine& e) {
    ++piece;
    pending += "# piece " + std::to_string(piece) + "\n";
    pending += FormatSentenceParse(e, e.Parse(), format);
  });
  auto one = [&](const std::string& line) {
    if (!first) std::fputc('\n', stdout);
    first = false;
    piece = 0;
    pending.clear();
    const Engine::Translation t = engine.TranslateText(o.gbk ? line : toEngine.Convert(line));
    if (t.failedPieces > 0) std::fprintf(stderr, "wenb97: parse: %d piece(s) of a sentence abandoned\n", t.failedPieces);
    // One piece, the common case, needs no piece line.
    std::string text = pending;
    if (piece == 1) text.erase(0, text.find('\n') + 1);
    const std::string shown = o.gbk ? text : GbkToUtf8(text);
    std::fwrite(shown.data(), 1, shown.size(), stdout);
  };
  if (!o.texts.empty()) {
    for (const std::string& t : o.texts) one(t);
  } else {
    std::string line;
    while (std::getline(std::cin, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      one(line);
    }
  }
  std::fflush(stdout);
  if (std::ferror(stdout)) {
    std::fprintf(stderr, "wenb97: standard output: write error\n");
    return kExitOutput;
  }
  return kExitOk;
}

}  // namespace wb
