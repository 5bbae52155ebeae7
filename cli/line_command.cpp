#include "cli/line_command.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "cli/data_files.h"
#include "cli/exit_status.h"
#include "cli/line_input.h"

namespace wb {

std::string ShowEachPiece(Translator& t, const std::string& engineLine, const char* command, const PieceView& show) {
  int piece = 0;
  std::string text;
  t.engine.SetPieceObserver([&](const Engine& e) {
    ++piece;
    text += "# piece " + std::to_string(piece) + "\n" + show(e);
  });
  const Engine::Translation r = t.engine.TranslateText(engineLine);
  t.engine.SetPieceObserver(nullptr);
  if (r.failedPieces > 0)
    std::fprintf(stderr, "wenb97: %s: %d piece(s) of a sentence abandoned\n", command, r.failedPieces);
  // One piece, the common case, needs no piece line.
  if (piece == 1) text.erase(0, text.find('\n') + 1);
  return text;
}

int RunLineCommand(const std::vector<std::string>& texts, const CommonOptions& common, const char* argv0,
                   const LineHandler& handle) {
  Lexicon lexicon;
  std::string error;
  if (!LoadLexiconData(DataDirectory(argv0), lexicon, error)) return Fail(exit_status::kDataFile, error);
  Utf8ToEngine codec;
  bool written = true;
  const bool read = ForEachInputLine(
      texts,
      [&](const std::string& line) {
        Translator t(lexicon, common.verbose);
        if (!handle(t, codec, line)) written = false;
      },
      error);
  if (std::fflush(stdout) != 0 || std::ferror(stdout) || !written)
    return Fail(exit_status::kOutput, std::string("standard output: write error: ") + std::strerror(errno));
  if (!read) return Fail(exit_status::kInput, error);
  return exit_status::kOk;
}

}  // namespace wb
