#pragma once
// The commands of wenb97 ("page", "text", "sentence", "analyse", ...). Each
// lives in its own file with a function that adds it to the program's
// CLI11 application as a subcommand, with its options, and returns what to
// run when the command line chose it. Adding a command is one such file and
// one line in main.cpp's list.

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

namespace wb {

struct Command {
  CLI::App* app = nullptr;
  std::function<int()> run;
};

// Options every command has.
struct CommonOptions {
  std::string encoding = "utf-8";
  bool verbose = false;
  bool Gbk() const { return encoding == "gbk" || encoding == "GBK"; }
};

// Says "wenb97: message" on standard error and returns status.
int Fail(int status, const std::string& message);

// Adds --encoding and --verbose to a command.
void AddCommonOptions(CLI::App* command, CommonOptions& options);

// A check that takes one of the accepted values (compared as written) and
// otherwise says "takes NAMES, not 'x'" (names: "on or off").
CLI::Validator OneOf(std::vector<std::string> accepted, std::string names);

// The commands; argv0 is the program's own path, for its data files.
Command AddPageCommand(CLI::App& program, const char* argv0);
Command AddTextCommand(CLI::App& program, const char* argv0);
Command AddSentenceCommand(CLI::App& program, const char* argv0);
Command AddAnalyseCommand(CLI::App& program, const char* argv0);
Command AddParseCommand(CLI::App& program, const char* argv0);

}  // namespace wb
