#include "cli/data_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace wb {

namespace fs = std::filesystem;

namespace {

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

fs::path ProgramFolder(const char* argv0) {
  std::error_code ec;
  fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (ec && argv0 != nullptr) self = fs::absolute(argv0, ec);
  return self.parent_path();
}

}  // namespace

std::string DataDirectory(const char* argv0) {
  if (const char* env = std::getenv("WENB97_DATA_DIR"); env != nullptr && *env != '\0') return WithSlash(env);
  const fs::path own = ProgramFolder(argv0);
  std::error_code ec;
  if (fs::exists(own / kLexiconFileName, ec)) return WithSlash(own.string());
  const fs::path installed = own.parent_path() / "share" / "wenbridge";
  if (fs::exists(installed / kLexiconFileName, ec)) return WithSlash(installed.string());
  return WithSlash(own.string());
}

bool LoadLexiconData(const std::string& dataDir, Lexicon& lexicon, std::string& error) {
  return lexicon.LoadFile(dataDir + std::string(kLexiconFileName), &error);
}

bool LoadBig5Data(const std::string& dataDir, Big5Table& table, std::string& error) {
  return table.LoadFromFile(dataDir + Big5Table::kFileName, &error);
}

bool LoadBadWordData(const std::string& dataDir, BadWordList& list, std::string& error) {
  return LoadBadWordsFile(dataDir + std::string(kBadWordsFileName), &list, &error);
}

}  // namespace wb
