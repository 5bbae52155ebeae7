// wenb97: the Wenbridge translator on the command line. The options are
// read with CLI11; each command lives in its own file (cli/*_command.cpp)
// and is listed once below.

#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/exit_status.h"
#include "cli/input.h"
#include "cli/output_file.h"

namespace wb {

namespace {

using CommandAdder = Command (*)(CLI::App&, const char*);

// The commands, in the order the help lists them.
constexpr CommandAdder kCommands[] = {AddPageCommand, AddTextCommand, AddSentenceCommand, AddAnalyseCommand,
                                      AddParseCommand};

constexpr const char* kFooter =
    "Run 'wenb97 COMMAND --help' for the options of a command.\n\n"
    "One input (a file, standard input, or one line of it) may hold at most 128 MiB; a larger one is "
    "refused with status 3. The data files (LEXICON.MTX, big52gb, badwords.xtm) are looked for in "
    "WENB97_DATA_DIR when it is set, else beside the program, else in ../share/wenbridge/.\n\n"
    "Exit status: 0 done; 2 wrong usage; 3 the input cannot be read; 4 the output cannot be written; "
    "5 a data file is missing or damaged; 6 the page was not delivered because its content warning was "
    "answered No; 7 out of memory. With -d, the status of the first page that failed.";

// Breaks each line of text into lines of at most width bytes, at blanks.
std::string Wrap(const std::string& text, std::size_t width) {
  std::string out;
  std::size_t lineStart = 0;
  while (lineStart <= text.size()) {
    std::size_t lineEnd = text.find('\n', lineStart);
    if (lineEnd == std::string::npos) lineEnd = text.size();
    std::size_t col = 0;
    for (std::size_t w = lineStart; w < lineEnd;) {
      std::size_t wordEnd = text.find(' ', w);
      if (wordEnd == std::string::npos || wordEnd > lineEnd) wordEnd = lineEnd;
      const std::size_t len = wordEnd - w;
      if (col > 0 && col + 1 + len > width) {
        out += '\n';
        col = 0;
      } else if (col > 0) {
        out += ' ';
        ++col;
      }
      out.append(text, w, len);
      col += len;
      w = wordEnd + 1;
    }
    if (lineEnd < text.size()) out += '\n';
    lineStart = lineEnd + 1;
  }
  return out;
}

// CLI11's help, usage line first and wrapped for an 80-column terminal.
class HelpFormatter : public CLI::Formatter {
 public:
  static constexpr std::size_t kWidth = 79;
  HelpFormatter() {
    column_width(28);
    label("SUBCOMMAND", "COMMAND");
    label("Positionals", "Arguments");
  }
  // The usage line first, as help2man and people expect it.
  std::string make_help(const CLI::App* app, std::string name, CLI::AppFormatMode mode) const override {
    if (mode == CLI::AppFormatMode::Sub) return make_expanded(app);
    return make_usage(app, std::move(name)) + "\n" + make_description(app) + make_positionals(app) +
           make_groups(app, mode) + make_subcommands(app, mode) + "\n" + make_footer(app);
  }
  std::string make_option_desc(const CLI::Option* opt) const override {
    return Wrap(CLI::Formatter::make_option_desc(opt), kWidth - get_column_width());
  }
  std::string make_footer(const CLI::App* app) const override { return Wrap(CLI::Formatter::make_footer(app), kWidth); }
};

// The command a failed command line was meant for, for the message.
std::string CommandNamed(const std::vector<Command>& commands, int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const Command& c : commands)
      if (c.app->get_name() == argv[i]) return c.app->get_name();
  return {};
}

// CLI11's complaints in the words the program has always used.
int UsageError(const CLI::ParseError& e, const std::string& command) {
  const std::string where = command.empty() ? "" : command + ": ";
  std::string what = e.what();
  if (dynamic_cast<const CLI::ValidationError*>(&e) != nullptr) {
    // "--encoding: takes utf-8 or gbk, not 'x'"
    if (const std::size_t colon = what.find(": "); colon != std::string::npos) what.erase(colon, 1);
  } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    what = "option " + what.substr(0, what.find(':')) + " needs a value";
  } else if (dynamic_cast<const CLI::RequiredError*>(&e) != nullptr && what.find("INPUT") == 0) {
    what = "give an INPUT file (see 'wenb97 " + command + " --help')";
  } else if (dynamic_cast<const CLI::ExcludesError*>(&e) != nullptr) {
    what = "--yes and --no exclude each other";
  }
  return Fail(exit_status::kUsage, where + what);
}

// Arguments CLI11 left over: an option no command knows, or a command that
// does not exist.
int Leftovers(const CLI::App& program, const std::vector<Command>& commands) {
  for (const Command& c : commands) {
    if (!c.app->parsed()) continue;
    for (const std::string& a : c.app->remaining())
      if (!a.empty() && a[0] == '-')
        return Fail(exit_status::kUsage, c.app->get_name() + ": unknown option '" + a + "' (see --help)");
  }
  for (const std::string& a : program.remaining()) {
    if (!a.empty() && a[0] == '-') return Fail(exit_status::kUsage, "unknown option '" + a + "' (see 'wenb97 --help')");
    return Fail(exit_status::kUsage, "unknown command '" + a + "' (see 'wenb97 --help')");
  }
  return exit_status::kOk;
}

int Main(int argc, char** argv) {
  CLI::App program("Wenbridge translates English into Simplified Chinese.", "wenb97");
  program.formatter(std::make_shared<HelpFormatter>());
  program.footer(kFooter);
  program.set_version_flag("--version", "wenb97 (Wenbridge) " WB_VERSION);
  program.require_subcommand(0, 1);
  program.allow_extras();
  std::vector<Command> commands;
  for (CommandAdder add : kCommands) {
    commands.push_back(add(program, argv[0]));
    commands.back().app->allow_extras();
    commands.back().app->group("Commands");
  }

  if (argc == 2 && std::string(argv[1]) == "help") argv[1] = const_cast<char*>("--help");
  try {
    program.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return program.exit(e);  // --help, --version
  } catch (const CLI::ParseError& e) {
    return UsageError(e, CommandNamed(commands, argc, argv));
  }
  if (int status = Leftovers(program, commands); status != exit_status::kOk) return status;
  for (const Command& c : commands)
    if (c.app->parsed()) return c.run();
  std::fputs(program.help().c_str(), stderr);
  return exit_status::kUsage;
}

}  // namespace

}  // namespace wb

int main(int argc, char** argv) {
  wb::InstallOutputCleanup();
  try {
    return wb::Main(argc, argv);
  } catch (const std::bad_alloc&) {
    // Temporaries are removed by their owners on the way out.
    std::fputs("wenb97: out of memory\n", stderr);
    return wb::exit_status::kMemory;
  }
}
