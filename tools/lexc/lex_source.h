#pragma once
// The lexicon's text form: the files under data/lexicon/ that people edit,
// and the conversion between them and the binary lexicon file.
//
// A source is read one file at a time (tables and entries accumulate in file
// order), then finished, which checks what only the whole source can show.
// Every error names the file and the line. The printer writes the canonical
// text: parsing it and printing again gives the same text, and compiling the
// decompiled text of a lexicon file gives the same bytes.
//
// data/lexicon/README.md describes the format.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/analysis/lexicon.h"

namespace wb {

struct SourceLocation {
  std::string file;
  int line = 0;
};

// A whole lexicon in memory, as the binary file holds it.
struct LexSource {
  std::uint16_t formatVersion = lex_version::kCurrent;
  std::vector<std::string> codes;       // the code table, slot by slot
  std::vector<std::string> classNames;  // semantic class names, by class number
  std::vector<std::string> auxNames;
  std::vector<LexEntry> entries;  // in file order; a later headword hides an earlier one
  // Where each entry began (parallel to `entries`; empty after decompiling).
  std::vector<SourceLocation> entryLocations;
};

// Reads source files into one LexSource.
class LexSourceParser {
 public:
  LexSourceParser();
  ~LexSourceParser();
  LexSourceParser(const LexSourceParser&) = delete;
  LexSourceParser& operator=(const LexSourceParser&) = delete;

  // Adds one file's text. Errors ("file:line: message") are appended to
  // Errors(); the lines that were read well still count.
  void AddFile(std::string_view text, std::string_view fileName);
  // Checks the tables and that every entry can be stored in the declared
  // format version, and hands over the result. False when any file had an
  // error.
  bool Finish(LexSource& out);

  const std::vector<std::string>& Errors() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Convenience: parses one text as a whole source.
bool ParseLexiconSource(std::string_view text, std::string_view fileName, LexSource& out,
                        std::vector<std::string>& errors);

// The canonical text of a source.
std::string PrintLexiconSource(const LexSource& src);

// The binary lexicon file of a source. False (with *error set) when it
// cannot be stored: too many entries, or an entry that does not fit the
// format version.
bool CompileLexicon(const LexSource& src, std::string& bytes, std::string* error);

// Reads a binary lexicon file of any format version the engine reads. On
// failure *error names the file and the byte offset. `notes` receives what
// the text cannot carry (bytes after the last entry, filler inside name
// slots), so that the caller can tell the user the round trip is not exact.
bool DecompileLexicon(std::string_view bytes, std::string_view fileName, LexSource& out, std::string* error,
                      std::vector<std::string>* notes = nullptr);

}  // namespace wb
