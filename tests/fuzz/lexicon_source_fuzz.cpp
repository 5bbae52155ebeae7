// Arbitrary bytes as lexicon source text and as a binary lexicon file.
//
// As text: the parser never crashes or hangs, every error names the file and
// a line inside it, and what parses prints to a canonical text that parses to
// the same lexicon and prints the same again.
// As a binary file: the decompiler either fails with the file name and an
// offset inside the bytes, or gives a source whose text parses back; a file
// of a current format version with nothing left over compiles back to the
// same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lexc/lex_source.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::size_t LineCount(std::string_view text) {
  std::size_t lines = 0;
  for (char c : text) lines += c == '\n';
  return lines + 1;
}

// Every message is "<file>:<line>: ..." with a line inside the text.
void CheckErrors(const std::vector<std::string>& errors, std::string_view text) {
  if (errors.empty()) return;
  const std::size_t lines = LineCount(text);
  for (const std::string& e : errors) {
    Check(e.rfind("in.lex:", 0) == 0);
    std::size_t colon = e.find(':', 7);
    Check(colon != std::string::npos);
    unsigned long line = std::stoul(e.substr(7, colon - 7));
    Check(line >= 1 && line <= lines);
  }
}

// Printing a parsed source gives text that reads back as the same lexicon.
// (A file older than version 87 may hold a rendering whose older spelling no
// longer fits 255 bytes; the text of such a file is refused as unstorable.)
void CheckPrintParses(const wb::LexSource& src) {
  std::string text = wb::PrintLexiconSource(src);
  wb::LexSource again;
  std::vector<std::string> errors;
  if (!wb::ParseLexiconSource(text, "printed.lex", again, errors)) {
    Check(src.formatVersion < wb::lex_version::kCodedRenderings);
    for (const std::string& e : errors) Check(e.find("cannot be stored in format version") != std::string::npos);
    return;
  }
  Check(again.entries == src.entries);
  Check(again.codes == src.codes && again.classNames == src.classNames && again.auxNames == src.auxNames);
  Check(again.formatVersion == src.formatVersion);
  Check(wb::PrintLexiconSource(again) == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // --- as source text
  {
    wb::LexSource src;
    std::vector<std::string> errors;
    bool ok = wb::ParseLexiconSource(bytes, "in.lex", src, errors);
    Check(ok == errors.empty());
    CheckErrors(errors, bytes);
    if (ok) {
      CheckPrintParses(src);
      // What parses was checked to fit its format version, so it compiles.
      std::string compiled, error;
      Check(wb::CompileLexicon(src, compiled, &error));
      wb::LexSource back;
      std::vector<std::string> notes;
      Check(wb::DecompileLexicon(compiled, "out.mtx", back, &error, &notes));
      Check(notes.empty() && back.entries == src.entries);
      std::string again;
      Check(wb::CompileLexicon(back, again, &error) && again == compiled);
    }
  }

  // --- as a binary lexicon file
  {
    wb::LexSource src;
    std::string error;
    std::vector<std::string> notes;
    if (!wb::DecompileLexicon(bytes, "in.mtx", src, &error, &notes)) {
      Check(error.rfind("in.mtx: ", 0) == 0);
      std::size_t at = error.rfind("at byte offset ");
      Check(at != std::string::npos);
      Check(std::stoull(error.substr(at + 15)) <= size);
    } else {
      CheckPrintParses(src);
      std::string again;
      bool compiles = wb::CompileLexicon(src, again, &error);
      if (src.formatVersion >= wb::lex_version::kCodedRenderings && notes.empty()) {
        Check(compiles && again == bytes);
      }
    }
  }
  return 0;
}
