#pragma once
// wenb97 parse [TEXT...]: the parse the engine chooses for each sentence, as
// columns (position, word, category, head, relation, marks), every kept
// parse with --all, the tree drawn as indented lines with --tree.

#include <string>
#include <vector>

namespace wb {

struct ParseCommandOptions {
  bool all = false;   // every kept parse, with its score and root count
  bool tree = false;  // the tree as indented lines instead of columns
  bool gbk = false;   // the engine's own bytes instead of UTF-8
  bool verbose = false;
  bool help = false;
  std::vector<std::string> texts;  // none: the lines of standard input
};

// Reads the command's arguments (those after "parse"); false with a message
// on wrong usage.
bool ReadParseCommandArgs(int argc, char** argv, ParseCommandOptions& options, std::string& error);

// The help text.
const char* ParseCommandHelp();

// Runs the command with the lexicon beside argv0; returns the exit status.
int RunParseCommand(const ParseCommandOptions& options, const char* argv0);

}  // namespace wb
