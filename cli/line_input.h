#pragma once
// The input of the line commands (sentence, analyse): each TEXT argument,
// or each line of standard input (a line ends at LF, CR LF or a lone CR).

#include <string>
#include <vector>

#include "cli/encoding.h"
#include "cli/input.h"

namespace wb {

// Runs fn on each argument, or on each line of standard input when there
// are none. False, with the message in error, when standard input cannot be
// read.
template <typename Fn>
bool ForEachInputLine(const std::vector<std::string>& args, Fn fn, std::string& error) {
  if (!args.empty()) {
    for (const std::string& a : args) fn(a);
    return true;
  }
  LineReader lines;
  std::string line;
  while (lines.Next(line)) fn(line);
  error = lines.Error();
  return !lines.Failed();
}

// One line in engine bytes: for GBK output as it is; otherwise UTF-8 as it
// is, and any other line read as Windows-1252, like an older page.
inline std::string LineToEngine(bool gbk, Utf8ToEngine& codec, const std::string& line) {
  if (gbk) return line;
  return codec.Convert(IsValidUtf8(line) ? line : Cp1252ToUtf8(line));
}

}  // namespace wb
