#pragma once
// The run of a line command (sentence, analyse, parse): the lexicon loaded
// once, each line handed over with an engine of its own (so that a line's
// result never depends on the lines before it), then standard output checked
// and the exit status chosen.

#include <functional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/encoding.h"
#include "cli/translator.h"

namespace wb {

// Handles one line; false when writing its result failed.
using LineHandler = std::function<bool(Translator& t, Utf8ToEngine& codec, const std::string& line)>;

// What a tool command (analyse, parse) shows for each piece of a line that
// the engine translates: `show` is asked once per piece while the engine
// still holds it. More than one piece each come after a line "# piece N";
// abandoned pieces are reported on standard error for `command`.
using PieceView = std::function<std::string(const Engine& e)>;
std::string ShowEachPiece(Translator& t, const std::string& engineLine, const char* command, const PieceView& show);

int RunLineCommand(const std::vector<std::string>& texts, const CommonOptions& common, const char* argv0,
                   const LineHandler& handle);

}  // namespace wb
