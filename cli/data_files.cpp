#include "cli/data_files.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace wb {

namespace fs = std::filesystem;

std::string DataDirectory(const char* argv0) {
  std::string dir;
  if (const char* env = std::getenv("WENB97_DATA_DIR"); env != nullptr && *env != '\0') {
    dir = env;
  } else {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0 != nullptr) self = fs::absolute(argv0, ec);
    dir = self.parent_path().string();
  }
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace wb
