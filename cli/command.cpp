#include "cli/command.h"

#include <algorithm>
#include <cstdio>

namespace wb {

int Fail(int status, const std::string& message) {
  std::fprintf(stderr, "wenb97: %s\n", message.c_str());
  return status;
}

CLI::Validator OneOf(std::vector<std::string> accepted, std::string names) {
  return CLI::Validator(
      [accepted, names](std::string& v) {
        return std::find(accepted.begin(), accepted.end(), v) != accepted.end() ? std::string()
                                                                                 : "takes " + names + ", not '" + v + "'";
      },
      "");
}

void AddCommonOptions(CLI::App* command, CommonOptions& o) {
  command
      ->add_option("--encoding", o.encoding,
                   "output encoding: utf-8 (default) converts the Chinese for today's terminals and "
                   "browsers; gbk writes the engine's own GBK bytes, as the Windows toolbar "
                   "does")
      ->check(OneOf({"utf-8", "UTF-8", "utf8", "gbk", "GBK"}, "utf-8 or gbk"))
      ->type_name("utf-8|gbk");
  command->add_flag("-v,--verbose", o.verbose,
                    "show the engine's messages, and how the input was read, on standard error");
}

}  // namespace wb
