// lexc: the lexicon compiler.
//
//   lexc [-o LEXICON.MTX] SOURCE...     compile source files (.lex files, or
//                                       folders of them) into the binary file
//   lexc -d [-o FILE.lex] LEXICON.MTX   decompile a binary file into source text
//
// Folders are searched for *.lex files, which are read in the order of their
// paths; the files named on the command line are read in the order given.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/lexc/lex_source.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: lexc [-v] [-o LEXICON.MTX] SOURCE...   compile .lex files or folders of them\n"
    "       lexc -d [-v] [-o FILE.lex] LEXICON.MTX decompile (to standard output without -o)\n";

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Writes beside the target and renames, so a failed run never leaves half a file.
bool WriteFile(const std::string& path, const std::string& bytes) {
  std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) return false;
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) fs::remove(temp, ec);
  return !ec;
}

int Compile(const std::vector<std::string>& inputs, const std::string& output, bool verbose) {
  std::vector<std::string> files;
  for (const std::string& in : inputs) {
    std::error_code ec;
    if (fs::is_directory(in, ec)) {
      std::vector<std::string> found;
      for (const auto& e : fs::recursive_directory_iterator(in, ec))
        if (e.is_regular_file() && e.path().extension() == ".lex") found.push_back(e.path().string());
      if (ec) {
        std::cerr << "lexc: " << in << ": cannot be read (" << ec.message() << ")\n";
        return 1;
      }
      std::sort(found.begin(), found.end());
      files.insert(files.end(), found.begin(), found.end());
    } else {
      files.push_back(in);
    }
  }
  if (files.empty()) {
    std::cerr << "lexc: no .lex files to compile\n";
    return 1;
  }
  wb::LexSourceParser parser;
  for (const std::string& f : files) {
    std::string text;
    if (!ReadFile(f, text)) {
      std::cerr << "lexc: " << f << ": cannot be opened or read\n";
      return 1;
    }
    parser.AddFile(text, f);
  }
  wb::LexSource src;
  bool ok = parser.Finish(src);
  for (const std::string& e : parser.Errors()) std::cerr << e << "\n";
  if (!ok) return 1;
  std::string bytes, error;
  if (!wb::CompileLexicon(src, bytes, &error)) {
    std::cerr << "lexc: " << error << "\n";
    return 1;
  }
  if (!WriteFile(output, bytes)) {
    std::cerr << "lexc: " << output << ": cannot be written\n";
    return 1;
  }
  if (verbose)
    std::cerr << "lexc: " << output << ": " << src.entries.size() << " entries from " << files.size()
              << " files, format version " << src.formatVersion << ", " << bytes.size() << " bytes\n";
  return 0;
}

int Decompile(const std::string& input, const std::string& output, bool verbose) {
  std::string bytes;
  if (!ReadFile(input, bytes)) {
    std::cerr << "lexc: " << input << ": cannot be opened or read\n";
    return 1;
  }
  wb::LexSource src;
  std::string error;
  std::vector<std::string> notes;
  if (!wb::DecompileLexicon(bytes, input, src, &error, &notes)) {
    std::cerr << error << "\n";
    return 1;
  }
  for (const std::string& n : notes) std::cerr << "warning: " << n << "\n";
  std::string text = wb::PrintLexiconSource(src);
  // Say so when compiling the text would not give the same bytes back (old
  // formats store some renderings in more than one way).
  std::string again;
  if (!wb::CompileLexicon(src, again, &error) || again != bytes) {
    std::size_t at = 0;
    while (at < again.size() && at < bytes.size() && again[at] == bytes[at]) ++at;
    std::cerr << "warning: " << input << ": compiling the text again differs from the file from byte offset "
              << at << "\n";
  }
  if (output.empty()) {
    std::cout << text;
    std::cout.flush();
    if (!std::cout) return 1;
  } else if (!WriteFile(output, text)) {
    std::cerr << "lexc: " << output << ": cannot be written\n";
    return 1;
  }
  if (verbose)
    std::cerr << "lexc: " << input << ": " << src.entries.size() << " entries, format version "
              << src.formatVersion << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  bool decompile = false, verbose = false;
  std::string output;
  std::vector<std::string> inputs;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-d" || a == "--decompile") {
      decompile = true;
    } else if (a == "-v" || a == "--verbose") {
      verbose = true;
    } else if (a == "-o") {
      if (++i >= argc) {
        std::cerr << kUsage;
        return 2;
      }
      output = argv[i];
    } else if (a == "-h" || a == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (!a.empty() && a[0] == '-') {
      std::cerr << "lexc: unknown option " << a << "\n" << kUsage;
      return 2;
    } else {
      inputs.push_back(a);
    }
  }
  if (inputs.empty() || (decompile && inputs.size() != 1)) {
    std::cerr << kUsage;
    return 2;
  }
  try {
    if (decompile) return Decompile(inputs[0], output, verbose);
    return Compile(inputs, output.empty() ? std::string("LEXICON.MTX") : output, verbose);
  } catch (const std::exception& e) {
    std::cerr << "lexc: " << e.what() << "\n";
    return 1;
  }
}
