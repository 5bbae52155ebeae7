// "wenb97 parse [TEXT...]": the parse the engine chooses for each sentence,
// as columns (position, word, category, head, relation, marks), every kept
// parse with --all, the tree drawn as indented lines with --tree; for people
// who work on the parser.

#include <cstdio>
#include <memory>

#include "cli/command.h"
#include "cli/line_command.h"
#include "cli/line_input.h"
#include "cli/translator.h"
#include "engine/parse/parse_format.h"

namespace wb {

namespace {

struct ParseOptions {
  CommonOptions common;
  std::vector<std::string> texts;
  bool all = false;
  bool tree = false;
};

// A sentence longer than the word table comes in pieces, each with its own
// parse after a "# piece N" line; one piece, the common case, has none.
void ParseLine(const ParseOptions& o, Translator& t, Utf8ToEngine& codec, const std::string& line, bool& first) {
  const bool gbk = o.common.Gbk();
  if (!first) std::fputc('\n', stdout);
  first = false;
  const ParseTextOptions format{o.all, o.tree};
  const std::string text = ShowEachPiece(t, LineToEngine(gbk, codec, line), "parse",
                                         [&](const Engine& e) { return FormatSentenceParse(e, e.Parse(), format); });
  const std::string shown = gbk ? text : codec.ToUtf8(text);
  std::fwrite(shown.data(), 1, shown.size(), stdout);
}

int RunParse(const ParseOptions& o, const char* argv0) {
  bool first = true;
  return RunLineCommand(o.texts, o.common, argv0, [&](Translator& t, Utf8ToEngine& codec, const std::string& line) {
    ParseLine(o, t, codec, line, first);
    return true;
  });
}

}  // namespace

Command AddParseCommand(CLI::App& program, const char* argv0) {
  auto o = std::make_shared<ParseOptions>();
  CLI::App* parse = program.add_subcommand("parse", "show the parse the engine chooses for each sentence");
  parse->footer(
      "For each TEXT argument, or each line of standard input when there is none, prints the parse the "
      "engine chooses, as tab-separated lines under a header: position, word, category, head (the "
      "position of the word it depends on, 0 for a root), relation to the head (\"-\" for a root) and "
      "marks (8 for a multi-word phrase; raised by one for a root enclosed in quotes, by two in "
      "brackets). A sentence the parse had to cut is listed with a line \"# fragment N: words A-B\" for "
      "each fragment. A sentence with more words than the engine's word table holds (49) is parsed in "
      "pieces, each after a line \"# piece N\". A blank line separates sentences.");
  parse->add_option("TEXT", o->texts, "sentences to parse")->type_name("");
  parse->add_flag("--all", o->all,
                  "every parse kept to the end, the chosen one first, each after a line "
                  "\"# parse N: score S, roots R\" (the score and root count selection weighed)");
  parse->add_flag("--tree", o->tree,
                  "draw each parse as a tree: one word per line, each dependent two blanks further in than its head");
  AddCommonOptions(parse, o->common);
  return {parse, [o, argv0] { return RunParse(*o, argv0); }};
}

}  // namespace wb
